#include "searchindex.h"

#include "french/folding.h"
#include "sheet/indications.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace search {

namespace {

// Words a phrase may leave out or put in between the words that matter.
bool isLinkingWord(const QString& key)
{
    static const QSet<QString> linking = [] {
        QSet<QString> s;
        for (const char* w : {"le", "la", "les", "un", "une", "de", "du", "des", "au", "aux", "a",
                              "par", "en", "et", "ou", "sur", "dans", "pour", "avec"})
            s.insert(french::wordKey(QString::fromLatin1(w)));
        return s;
    }();
    return linking.contains(key);
}

// The wordings of a modality that stand for each other.
const QList<QStringList>& modalities()
{
    static const QList<QStringList> groups = [] {
        QList<QStringList> g;
        for (const QStringList& words :
             {QStringList{u"aggravé"_s, u"aggravation"_s, u"pire"_s},
              QStringList{u"amélioré"_s, u"amélioration"_s, u"mieux"_s, u"soulagé"_s}}) {
            QStringList keys;
            for (const QString& w : words)
                keys << french::wordKey(w);
            g << keys;
        }
        return g;
    }();
    return groups;
}

// The parts of a query, at its commas and semicolons.
QStringList partsOf(QStringView query)
{
    QString q = query.left(2000).toString();
    q.replace(u';', u',');
    return q.split(u',');
}

int markRank(const QString& rating)
{
    const QString r = rating.trimmed();
    return r == u"++" ? 2 : r == u"+" ? 1 : 0;
}

int gradeOf(const Sentence& s)
{
    if (s.field != Field::Indications)
        return 1;
    return s.opensParagraph ? 3 : 2;
}

// The optimal string alignment distance of a and b, or limit + 1 when it is
// above limit.
int distance(QStringView a, QStringView b, int limit)
{
    const qsizetype n = a.size(), m = b.size();
    if (std::abs(int(n - m)) > limit)
        return limit + 1;
    QList<int> prev2(m + 1), prev(m + 1), cur(m + 1);
    for (qsizetype j = 0; j <= m; ++j)
        prev[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        cur[0] = int(i);
        int best = cur[0];
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, prev2[j - 2] + 1);
            cur[j] = d;
            best = std::min(best, d);
        }
        if (best > limit)
            return limit + 1;
        std::swap(prev2, prev);
        std::swap(prev, cur);
    }
    return prev[m];
}

} // namespace

QStringList SearchIndex::equivalentKeys(const QString& key)
{
    for (const QStringList& group : modalities()) {
        if (group.contains(key))
            return group;
    }
    return {key};
}

QString SearchIndex::headingTitle(int heading)
{
    const QStringList& h = sheet::headingList();
    return heading >= 0 && heading < h.size() ? h[heading].chopped(1) : QString();
}

int SearchIndex::keyId(const QString& key, QStringView spelling)
{
    auto it = m_keys.constFind(key);
    if (it != m_keys.cend())
        return *it;
    const int id = int(m_postings.size());
    m_keys.insert(key, id);
    m_postings.append(QList<int>());
    m_spelling << spelling.toString().toLower();
    return id;
}

void SearchIndex::addField(int remedy, Field field, const QString& text, int from, int to,
                           int heading, bool sentences)
{
    const QStringView part = QStringView(text).mid(from, to - from);
    const QList<french::Word> words = french::words(part);
    const int sentenceBase = int(m_sentences.size());
    for (qsizetype w = 0; w < words.size(); ++w) {
        const french::Word& word = words[w];
        const bool opens = w == 0 || (sentences ? word.newSentence : true);
        if (opens) {
            if (m_sentences.size() > sentenceBase) {
                // The sentence before ends where this one starts, less the blanks.
                Sentence& last = m_sentences.back();
                int end = from + int(word.start);
                while (end > last.start && text[end - 1].isSpace())
                    --end;
                last.length = end - last.start;
            }
            Sentence s;
            s.remedy = remedy;
            s.field = field;
            s.heading = heading;
            s.opensParagraph = m_sentences.size() == sentenceBase;
            s.start = from + int(word.start);
            s.firstWord = int(m_wordKey.size());
            m_sentences << s;
        }
        const int id = keyId(word.key, part.mid(word.start, word.length));
        const int index = int(m_wordKey.size());
        m_wordKey << id;
        m_wordStart << from + int(word.start);
        m_wordLength << int(word.length);
        m_wordSentence << int(m_sentences.size() - 1);
        m_postings[id] << index;
        ++m_sentences.back().wordCount;
    }
    if (m_sentences.size() > sentenceBase) {
        Sentence& last = m_sentences.back();
        int end = to;
        while (end > last.start && text[end - 1].isSpace())
            --end;
        last.length = end - last.start;
    }
}

SearchIndex::SearchIndex(const refdata::RemedyTable& table, const QStringList& spellings)
    : m_table(&table)
{
    const int n = std::clamp(table.count, 0, refdata::RemedyTable::Slots);
    m_sentences.reserve(n * 40);
    m_wordKey.reserve(n * 300);
    m_wordStart.reserve(n * 300);
    m_wordLength.reserve(n * 300);
    m_wordSentence.reserve(n * 300);
    const QStringList& headings = sheet::headingList();
    QStringList lowerHeadings;
    for (const QString& h : headings)
        lowerHeadings << h.toLower();
    for (int i = 0; i < n; ++i) {
        addField(i, Field::LatinName, table.latinName[i], 0, int(table.latinName[i].size()), -1,
                 false);
        for (auto [field, column] : {std::pair{Field::FrenchName, &table.frenchName},
                                     std::pair{Field::Origin, &table.origin},
                                     std::pair{Field::Specialties, &table.branches}}) {
            const QString& t = (*column)[i];
            addField(i, field, t, 0, int(t.size()), -1, true);
        }
        // The paragraphs of the indications, as the sheet lays them out: each
        // heading's first occurrence, whatever its case, opens one.
        const QString& t = table.indications[i];
        struct Opening
        {
            int at;
            int heading;
        };
        QList<Opening> openings;
        // A lower-case copy is searched far faster than the text without regard
        // to case, when lowering keeps every character in its place.
        const QString lower = t.toLower();
        const bool sameOffsets = lower.size() == t.size();
        for (int h = 0; h < headings.size(); ++h) {
            const qsizetype f = sameOffsets ? lower.indexOf(lowerHeadings[h])
                                            : t.indexOf(headings[h], 0, Qt::CaseInsensitive);
            if (f >= 0)
                openings.append({int(f), h});
        }
        std::sort(openings.begin(), openings.end(),
                  [](const Opening& a, const Opening& b) { return a.at < b.at; });
        int from = 0, heading = -1;
        for (const Opening& o : openings) {
            if (o.at < from)
                continue; // inside the heading before
            addField(i, Field::Indications, t, from, o.at, heading, true);
            heading = o.heading;
            from = o.at + int(headings[o.heading].size());
        }
        addField(i, Field::Indications, t, from, int(t.size()), heading, true);
        addField(i, Field::Keywords, table.keywords[i], 0, int(table.keywords[i].size()), -1,
                 false);
    }
    // The word list's and the glossary's spellings are the ones to suggest.
    for (const QString& s : spellings) {
        for (const french::Word& w : french::words(s)) {
            auto it = m_keys.constFind(w.key);
            if (it != m_keys.cend())
                m_spelling[*it] = s.mid(w.start, w.length).toLower();
        }
    }
    m_foldedSpelling.reserve(m_spelling.size());
    for (const QString& s : std::as_const(m_spelling))
        m_foldedSpelling << french::foldLetters(s);
}

SearchIndex::Phrase SearchIndex::phraseOf(QStringView part) const
{
    Phrase p;
    QList<french::Word> words = french::words(part);
    if (words.size() > MaxWordsPerSymptom)
        words.resize(MaxWordsPerSymptom);
    const bool allLinking = std::all_of(words.begin(), words.end(),
                                        [](const french::Word& w) { return isLinkingWord(w.key); });
    for (const french::Word& w : std::as_const(words)) {
        if (!allLinking && isLinkingWord(w.key))
            continue;
        const QStringList keys = equivalentKeys(w.key);
        Slot slot;
        for (const QString& k : std::as_const(keys)) {
            const int id = m_keys.value(k, -1);
            if (id >= 0)
                slot << id;
        }
        if (slot.isEmpty())
            p.unknown << part.mid(w.start, w.length).toString();
        p.steps << slot;
    }
    return p;
}

QList<SearchIndex::Phrase> SearchIndex::parse(QStringView query) const
{
    QList<Phrase> out;
    for (const QString& part : partsOf(query)) {
        Phrase p = phraseOf(part);
        if (!p.steps.isEmpty() && out.size() < MaxSymptoms)
            out << p;
    }
    return out;
}

int SearchIndex::phraseEnd(const int* keys, int count, int p, const QList<Slot>& steps, int k)
{
    if (k + 1 == steps.size())
        return p;
    const Slot& next = steps[k + 1];
    for (int q = p + 1; q < count && q <= p + 1 + MaxGap; ++q) {
        if (next.contains(keys[q])) {
            const int end = phraseEnd(keys, count, q, steps, k + 1);
            if (end >= 0)
                return end;
        }
    }
    return -1;
}

Outcome SearchIndex::search(QStringView query) const
{
    Outcome out;
    if (!m_table)
        return out;
    const QStringView bounded = query.left(2000);
    QList<Phrase> phrases;
    for (const QString& part : partsOf(bounded)) {
        Phrase p = phraseOf(part);
        if (p.steps.isEmpty())
            continue;
        if (phrases.size() == MaxSymptoms) {
            out.truncated = true;
            break;
        }
        out.symptoms << part.trimmed();
        for (const QString& u : std::as_const(p.unknown)) {
            if (!out.unknownWords.contains(u))
                out.unknownWords << u;
        }
        phrases << p;
    }
    const int symptoms = int(phrases.size());
    QHash<int, int> rowOf; // remedy -> row
    for (int k = 0; k < symptoms; ++k) {
        const QList<Slot>& steps = phrases[k].steps;
        if (std::any_of(steps.begin(), steps.end(), [](const Slot& s) { return s.isEmpty(); }))
            continue;
        for (int id : steps.front()) {
            for (int w : m_postings[id]) {
                const Sentence& s = m_sentences[m_wordSentence[w]];
                const int last = phraseEnd(m_wordKey.constData() + s.firstWord, s.wordCount,
                                           w - s.firstWord, steps, 0);
                if (last < 0)
                    continue;
                auto it = rowOf.constFind(s.remedy);
                if (it == rowOf.cend()) {
                    Row r;
                    r.remedy = s.remedy;
                    r.grades = QList<int>(symptoms, 0);
                    it = rowOf.insert(s.remedy, int(out.rows.size()));
                    out.rows << r;
                }
                Row& r = out.rows[*it];
                r.grades[k] = std::max(r.grades[k], gradeOf(s));
                r.hits.append({m_wordSentence[w], w, s.firstWord + last});
            }
        }
    }
    const refdata::RemedyTable& t = *m_table;
    for (Row& r : out.rows) {
        for (int g : std::as_const(r.grades)) {
            r.covered += g > 0;
            r.total += g;
        }
        std::sort(r.hits.begin(), r.hits.end(),
                  [](const Hit& a, const Hit& b) { return a.firstWord < b.firstWord; });
    }
    std::sort(out.rows.begin(), out.rows.end(), [&t](const Row& a, const Row& b) {
        if (a.covered != b.covered)
            return a.covered > b.covered;
        if (a.total != b.total)
            return a.total > b.total;
        const int ma = markRank(t.rating[a.remedy]), mb = markRank(t.rating[b.remedy]);
        if (ma != mb)
            return ma > mb;
        return t.latinName[a.remedy] < t.latinName[b.remedy];
    });
    // Words for the first few unknown ones: a query of nothing but unknown
    // words gets its answer as fast as any other.
    for (const QString& u : out.unknownWords.mid(0, MaxSuggested))
        out.suggestions += suggest(u, bounded.toString());
    return out;
}

QList<Suggestion> SearchIndex::suggest(const QString& typed, const QString& query) const
{
    const QString folded = french::foldLetters(typed);
    const int limit = folded.size() <= 4 ? 1 : 2;
    struct Candidate
    {
        int distance;
        int count;
        int id;
    };
    QList<Candidate> found;
    for (int id = 0; id < m_foldedSpelling.size(); ++id) {
        const int d = distance(folded, m_foldedSpelling[id], limit);
        if (d <= limit)
            found.append({d, int(m_postings[id].size()), id});
    }
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.count > b.count;
    });
    QList<Suggestion> out;
    for (const Candidate& c : std::as_const(found)) {
        if (out.size() == 3)
            break;
        const QString& word = m_spelling[c.id];
        if (std::any_of(out.begin(), out.end(),
                        [&](const Suggestion& s) { return s.word == word; }))
            continue;
        QString replaced = query;
        const qsizetype at = replaced.indexOf(typed);
        if (at >= 0)
            replaced.replace(at, typed.size(), word);
        out.append({typed, word, replaced.trimmed()});
    }
    return out;
}

QList<Span> SearchIndex::spansIn(QStringView text, QStringView query) const
{
    QList<Span> out;
    const QList<Phrase> phrases = parse(query);
    if (phrases.isEmpty())
        return out;
    const QList<french::Word> words = french::words(text);
    QList<int> keys;
    keys.reserve(words.size());
    for (const french::Word& w : words)
        keys << m_keys.value(w.key, -1);
    qsizetype first = 0;
    while (first < words.size()) {
        qsizetype end = first + 1;
        while (end < words.size() && !words[end].newSentence)
            ++end;
        const int count = int(end - first);
        for (const Phrase& p : phrases) {
            for (int q = 0; q < count; ++q) {
                if (!p.steps.front().contains(keys[first + q]))
                    continue;
                const int last = phraseEnd(keys.constData() + first, count, q, p.steps, 0);
                if (last < 0)
                    continue;
                const french::Word& a = words[first + q];
                const french::Word& b = words[first + last];
                out.append({int(a.start), int(b.start + b.length - a.start)});
            }
        }
        first = end;
    }
    std::sort(out.begin(), out.end(),
              [](const Span& a, const Span& b) { return a.start < b.start; });
    return out;
}

QString SearchIndex::text(const refdata::RemedyTable& table, int s) const
{
    const Sentence& sentence = m_sentences[s];
    const QString* field = nullptr;
    switch (sentence.field) {
    case Field::LatinName:
        field = &table.latinName[sentence.remedy];
        break;
    case Field::FrenchName:
        field = &table.frenchName[sentence.remedy];
        break;
    case Field::Origin:
        field = &table.origin[sentence.remedy];
        break;
    case Field::Specialties:
        field = &table.branches[sentence.remedy];
        break;
    case Field::Indications:
        field = &table.indications[sentence.remedy];
        break;
    case Field::Keywords:
        field = &table.keywords[sentence.remedy];
        break;
    }
    return field->mid(sentence.start, sentence.length);
}

Span SearchIndex::spanOf(const Hit& hit) const
{
    const int base = m_sentences[hit.sentence].start;
    const int start = m_wordStart[hit.firstWord];
    return {start - base, m_wordStart[hit.lastWord] + m_wordLength[hit.lastWord] - start};
}

QList<Span> SearchIndex::wordsOf(int s) const
{
    QList<Span> out;
    const Sentence& sentence = m_sentences[s];
    for (int w = sentence.firstWord; w < sentence.firstWord + sentence.wordCount; ++w)
        out.append({m_wordStart[w] - sentence.start, m_wordLength[w]});
    return out;
}

} // namespace search
