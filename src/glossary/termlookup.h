#pragma once

#include "refdata/glossary.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace glossary {

// Finds the glossary's terms in running text: a word in any case, with or
// without its accents or ligatures, singular or plural (an adjective also in
// the feminine: the forms french::wordKey joins), and the terms of several words (joined by a blank
// or a hyphen in the text) as well as the single ones. Built once from a glossary table, whose
// terms and definitions it keeps; a look-up then costs a few hash probes around the word asked
// about.
class TermLookup
{
public:
    TermLookup() = default;
    explicit TermLookup(const refdata::GlossaryTable& table);

    // A term found in a text: its glossary entry and the stretch it covers.
    struct Match
    {
        int entry = -1;
        qsizetype start = 0;
        qsizetype length = 0;
        bool found() const { return entry >= 0; }
    };

    // The longest term whose words cover the position `at` of `text` (a
    // position between two characters: a word covers the positions from its
    // first letter to just after its last), or no match.
    Match termAt(const QString& text, qsizetype at) const;

    // The glossary's own spelling of entry `entry`, and its definition.
    QString term(int entry) const { return m_terms.value(entry); }
    QString definition(int entry) const { return m_definitions.value(entry); }
    int count() const { return int(m_terms.size()); }

    // The key of a word or of words joined: lower case, ligatures kept.
    static QString fold(const QString& words);

private:
    int find(const QString& key) const;

    QHash<QString, int> m_forms; // the terms as written, lower case -> entry
    QHash<QString, int> m_keys;  // the terms' keys, every form of theirs -> entry
    QStringList m_terms;
    QStringList m_definitions;
    int m_maxWords = 1; // the most words a term has
};

} // namespace glossary
