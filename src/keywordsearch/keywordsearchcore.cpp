#include "keywordsearchcore.h"

#include "ui/countline.h"

namespace keywordsearch {

using ui::LineBreak;

namespace {

QString framed(const QString& word)
{
    return u' ' + word + u' ';
}

// Finds `what` without regard to case from `from`; -1 when there is nothing
// to find there (an empty text, or a start outside the body).
int findFrom(const QString& body, const QString& what, int from)
{
    if (what.isEmpty() || from < 0 || from > body.size())
        return -1;
    return int(body.indexOf(what, from, Qt::CaseInsensitive));
}

// One word's turn: at most five searches, each from one past the offset the
// previous one left. Returns the offset the last search left (-1 when it
// found nothing).
int colourWord(const QString& body, const QString& word, int a, sheet::ColouringPlan& plan)
{
    for (int n = 0; n < OccurrenceLimit; ++n) {
        const int found = findFrom(body, word, a + 1);
        a = found;
        if (found < 0)
            break;
        const sheet::TextSpan hit{found, int(word.size())};
        plan.shown = hit;
        if (found > 0)
            plan.red << hit;
    }
    return a;
}

} // namespace

QStringList suggestions(const refdata::KeywordList& words, const QString& typed)
{
    QStringList out;
    if (typed.isEmpty())
        return out;
    const qsizetype wordCount = words.size() - 1; // the last piece is no word
    for (qsizetype i = 0; i < wordCount; ++i) {
        const QString& w = words.at(i);
        if (w.startsWith(typed, Qt::CaseSensitive))
            out << w;
    }
    return out;
}

bool searchAllowed(const QString& word1, const QString& word2)
{
    return !word1.isEmpty() && !word2.isEmpty();
}

SearchResult searchTwoWords(const refdata::RemedyTable& table, const QString& word1,
                            const QString& word2)
{
    SearchResult r;
    const QString p1 = framed(word1);
    for (int i = 0; i < table.count && r.candidates.size() < CandidateLimit; ++i) {
        if (table.keywords[i].contains(p1, Qt::CaseSensitive))
            r.candidates << i;
    }
    const QString p2 = framed(word2);
    for (int i : std::as_const(r.candidates)) {
        if (table.keywords[i].contains(p2, Qt::CaseSensitive))
            r.found << i;
    }
    return r;
}

QString wordsText(const QString& word1, const QString& word2)
{
    return word1 + QStringLiteral(" et") + LineBreak + word2;
}

sheet::ColouringPlan colouringPlan(const QString& body, const QString& word1, const QString& word2)
{
    sheet::ColouringPlan plan;
    const int afterFirst = colourWord(body, word1, 0, plan);
    colourWord(body, word2, afterFirst, plan);
    return plan;
}

} // namespace keywordsearch
