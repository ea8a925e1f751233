#pragma once

#include "refdata/remedytable.h"
#include "sheet/indications.h"

#include <QList>
#include <QString>
#include <QStringList>

// The searches behind the pages "Symptômes" and "Spécialités", free of widgets.
namespace browse {

// The words that the letter index lists under `letter` ("A" to "Z"), in the
// order of `words`: those whose first character is the letter in lower case,
// compared exactly; "é" counts under E and "œ" under O, and no other accented
// initial counts anywhere. Empty pieces never match.
QStringList wordsUnderLetter(const QStringList& words, QChar letter);

// The letters of the index that no word begins with.
inline const QString EmptyLetters = QStringLiteral("WXY");

// The remedies, by number in table order, whose keyword field holds `word` as
// a whole word: the word framed by one blank on each side, case-sensitive.
QList<int> remediesWithWord(const refdata::RemedyTable& table, const QString& word);

// The remedies, by number in table order, whose specialties contain
// `specialty` exactly as written (a plain substring, no blanks added).
QList<int> remediesInSpecialty(const refdata::RemedyTable& table, const QString& specialty);

// What the body colours for a chosen word: the word itself, except that "os"
// is looked for as "osseu" (as in "osseux", "osseuse").
QString colouredTerm(const QString& word);

// The most stretches a chosen word is coloured in, in one body.
constexpr int MaxColoured = 10;

// Where `term` is coloured in `text`: its occurrences, found without regard to
// case and inside longer words too, each search starting one character after
// the previous find (the first at offset 1, so a match at the very start is
// never taken), at most `limit` of them; the view follows the last. An empty
// term has none.
sheet::ColouringPlan colouringPlan(const QString& text, const QString& term,
                                   int limit = MaxColoured);

} // namespace browse
