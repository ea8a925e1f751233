#pragma once

#include "refdata/glossary.h"

#include <QChar>
#include <QStringList>

namespace glossary {

// The letters of the index, A to Z, that no term stands under.
QString emptyLetters(const refdata::GlossaryTable& table);

// The terms listed under the letter `c` (lower case), in glossary order and
// without their "@" marks: those whose line begins with `c`, and under "e" and
// "o" also those that begin with "é" and "œ".
QStringList termsUnderLetter(const refdata::GlossaryTable& table, QChar c);

// The first entry whose framed term holds "@" + `term` + "@", that is the
// first entry of exactly that term, or -1.
int entryOfTerm(const refdata::GlossaryTable& table, const QString& term);

} // namespace glossary
