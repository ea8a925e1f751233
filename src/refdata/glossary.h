#pragma once

#include "refdata/remedytable.h"

#include <QString>
#include <QStringList>

#include <array>

namespace refdata {

// The glossary of medical terms, rebuilt each time the glossary window opens.
// Entry i comes from line i of the glossary text: its term framed by one "@"
// on each side, so that a search for "@" + word + "@" matches a whole term
// only, and its definition.
struct GlossaryTable
{
    static constexpr int Slots = 561;

    QStringList
        GlossaryLines; // every piece of the text, the one after the last line break included
    std::array<QString, Slots> terms;
    std::array<QString, Slots> definitions;

    int count = 0; // entries filled; the other slots hold empty strings

    void clear();
};

// The term of line i as the window lists it: without its two "@".
QString plainTerm(const QString& framedTerm);

// Fills `table` from the glossary text (already decoded) and hands every term
// whose line begins with "a" to `appendTerm`, without its "@" marks. A line
// without a separator is all term and no definition; lines past the table's
// last slot are neither stored nor handed on. Returns the number of entries.
int parseGlossary(const QString& text, GlossaryTable& table, const ListAppender& appendTerm = {});

// Reads the embedded glossary.
int LoadGlossary(GlossaryTable& table, const ListAppender& appendTerm = {});

} // namespace refdata
