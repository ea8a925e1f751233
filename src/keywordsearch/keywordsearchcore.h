#pragma once

#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "sheet/indications.h"

#include <QList>
#include <QString>
#include <QStringList>

// The window-free side of the page "Mots-clés": the suggestions under a word
// field, the search on two words, the texts it writes and which occurrences of
// the two words turn red in the body.
namespace keywordsearch {

// The words of the list that begin exactly (case and accents count) with
// `typed`, in list order and without limit. Nothing is offered for an empty
// text. The piece after the list's last line break is not a word.
QStringList suggestions(const refdata::KeywordList& words, const QString& typed);

// Whether the search can start: both words hold text, blanks included.
bool searchAllowed(const QString& word1, const QString& word2);

// The most remedies the first word may retain; later ones are dropped.
constexpr int CandidateLimit = 101;

struct SearchResult
{
    QList<int> candidates; // remedies whose keywords hold the first word, table order
    QList<int> found;      // those of them whose keywords also hold the second word
};

// The remedies whose keywords hold both words as whole words: each word is
// framed with one blank on each side and looked for exactly as given (neither
// trimmed nor lower-cased) in the keywords field. The first word picks at most
// CandidateLimit candidates over the whole table; the second is tested on
// those alone.
SearchResult searchTwoWords(const refdata::RemedyTable& table, const QString& word1,
                            const QString& word2);

// The two words as the page shows them: word1 + " et", a line break, word2.
QString wordsText(const QString& word1, const QString& word2);

// Up to this many occurrences of each word turn red.
constexpr int OccurrenceLimit = 5;

// Which occurrences of the two words turn red in `body`. The search ignores
// case and matches inside longer words. The first word is searched from
// offset 1, then each time from one past its last occurrence, at most five
// times; the second word carries on from the offset the first word left: one
// past its fifth occurrence, or from 0 when its last search found nothing
// (the offset is then -1). An occurrence at offset 0 is found but never
// coloured. The view follows the last occurrence found, coloured or not.
sheet::ColouringPlan colouringPlan(const QString& body, const QString& word1, const QString& word2);

} // namespace keywordsearch
