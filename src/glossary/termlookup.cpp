#include "termlookup.h"

#include "french/folding.h"

#include <algorithm>

namespace glossary {

namespace {

bool isLetter(QChar c)
{
    return c.isLetter();
}

// What may stand between two words of one term: a blank or a hyphen, plain
// or non-breaking.
bool isJoiner(QChar c)
{
    return c == u' ' || c == u'-' || c == QChar(0x00A0) || c == QChar(0x2011);
}

// The key of words joined by blanks: each word's key (french::wordKey), so
// that plurals, feminines, accents and ligatures fall on the term's own key.
QString keyOf(const QString& folded)
{
    QStringList keys = folded.split(u' ', Qt::SkipEmptyParts);
    for (QString& k : keys)
        k = french::wordKey(k);
    return keys.join(u' ');
}

struct Span
{
    qsizetype start;
    qsizetype end;
};

} // namespace

QString TermLookup::fold(const QString& words)
{
    QString key;
    key.reserve(words.size());
    bool inWord = false;
    for (QChar c : words) {
        if (isLetter(c)) {
            if (!inWord && !key.isEmpty())
                key += u' ';
            key += c.toLower();
            inWord = true;
        } else {
            inWord = false;
        }
    }
    return key;
}

TermLookup::TermLookup(const refdata::GlossaryTable& table)
{
    const int n = std::clamp(table.count, 0, refdata::GlossaryTable::Slots);
    m_terms.reserve(n);
    m_definitions.reserve(n);
    QStringList keys;
    keys.reserve(n);
    for (int i = 0; i < n; ++i) {
        m_terms << refdata::plainTerm(table.terms[i]);
        m_definitions << table.definitions[i];
        keys << fold(m_terms.back());
    }
    // The terms themselves first, the first entry of a term that comes twice;
    // then the keys of their other forms and spellings, where no term has them
    // already as it is written.
    for (int i = 0; i < n; ++i) {
        if (keys[i].isEmpty())
            continue;
        m_maxWords = std::max(m_maxWords, int(keys[i].count(u' ')) + 1);
        m_forms.insert(keys[i], m_forms.value(keys[i], i));
    }
    for (int i = 0; i < n; ++i) {
        const QString key = keyOf(keys[i]);
        if (!key.isEmpty() && !m_keys.contains(key))
            m_keys.insert(key, i);
    }
}

int TermLookup::find(const QString& key) const
{
    const int entry = m_forms.value(key, -1);
    return entry >= 0 ? entry : m_keys.value(keyOf(key), -1);
}

TermLookup::Match TermLookup::termAt(const QString& text, qsizetype at) const
{
    if (m_forms.isEmpty() || at < 0 || at > text.size())
        return {};
    const qsizetype size = text.size();
    Span word{at, at};
    while (word.start > 0 && isLetter(text[word.start - 1]))
        --word.start;
    while (word.end < size && isLetter(text[word.end]))
        ++word.end;
    if (word.start == word.end)
        return {};

    // The word and its neighbours that a term of several words could join.
    QList<Span> words{word};
    int target = 0;
    for (int k = 1; k < m_maxWords; ++k) {
        const qsizetype s = words.front().start;
        if (s < 2 || !isJoiner(text[s - 1]) || !isLetter(text[s - 2]))
            break;
        Span before{s - 1, s - 1};
        while (before.start > 0 && isLetter(text[before.start - 1]))
            --before.start;
        words.prepend(before);
        ++target;
    }
    for (int k = 1; k < m_maxWords; ++k) {
        const qsizetype e = words.back().end;
        if (e + 1 >= size || !isJoiner(text[e]) || !isLetter(text[e + 1]))
            break;
        Span after{e + 1, e + 1};
        while (after.end < size && isLetter(text[after.end]))
            ++after.end;
        words.append(after);
    }

    // The longest run of words around the one asked about that is a term.
    for (int n = int(words.size()); n >= 1; --n) {
        for (int first = std::max(0, target - n + 1); first <= target && first + n <= words.size();
             ++first) {
            QString key;
            for (int j = first; j < first + n; ++j) {
                if (j > first)
                    key += u' ';
                key += text.mid(words[j].start, words[j].end - words[j].start).toLower();
            }
            const int entry = find(key);
            if (entry >= 0)
                return {entry, words[first].start, words[first + n - 1].end - words[first].start};
        }
    }
    return {};
}

} // namespace glossary
