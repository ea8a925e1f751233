#include "browsecore.h"

namespace browse {

QStringList wordsUnderLetter(const QStringList& words, QChar letter)
{
    const QChar c = letter.toLower();
    const QChar alsoTaken = c == u'e' ? QChar(u'\u00E9') : c == u'o' ? QChar(u'\u0153') : c;
    QStringList out;
    for (const QString& w : words) {
        if (w.isEmpty())
            continue;
        const QChar first = w.front();
        if (first == c || first == alsoTaken)
            out << w;
    }
    return out;
}

QList<int> remediesWithWord(const refdata::RemedyTable& table, const QString& word)
{
    const QString framed = u' ' + word + u' ';
    QList<int> out;
    for (int i = 0; i < table.count; ++i) {
        if (table.keywords[i].contains(framed, Qt::CaseSensitive))
            out << i;
    }
    return out;
}

QList<int> remediesInSpecialty(const refdata::RemedyTable& table, const QString& specialty)
{
    QList<int> out;
    for (int i = 0; i < table.count; ++i) {
        if (table.branches[i].contains(specialty, Qt::CaseSensitive))
            out << i;
    }
    return out;
}

QString colouredTerm(const QString& word)
{
    return word == QLatin1String("os") ? QStringLiteral("osseu") : word;
}

sheet::ColouringPlan colouringPlan(const QString& text, const QString& term, int limit)
{
    sheet::ColouringPlan plan;
    if (term.isEmpty())
        return plan;
    qsizetype a = 0;
    while (plan.red.size() < limit) {
        const qsizetype found = text.indexOf(term, a + 1, Qt::CaseInsensitive);
        if (found < 0)
            break;
        plan.red << sheet::TextSpan{int(found), int(term.size())};
        a = found;
    }
    if (!plan.red.isEmpty())
        plan.shown = plan.red.last();
    return plan;
}

} // namespace browse
