#pragma once

#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The window-free side of the page "Mots-clés": the suggestions under a word
// field, the search on two words, the texts it writes and which occurrences of
// the two words turn red in the body.
namespace wordsearch {

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

// The count line: "Aucun remède trouvé", "1 remède trouvé" or "N remèdes
// trouvés", a line break, then "pour".
QString countText(int count);
// The two words as the page shows them: word1 + " et", a line break, word2.
QString wordsText(const QString& word1, const QString& word2);

// A stretch of the body, as offsets into its text (line breaks count as CR LF).
struct Span
{
    int start = 0;
    int length = 0;
    bool operator==(const Span&) const = default;
};

// Up to this many occurrences of each word turn red.
constexpr int OccurrenceLimit = 5;

struct ColouringPlan
{
    QList<Span> red;             // in the order they are found
    std::optional<Span> lastHit; // the last occurrence found, which stays selected
    int offsetAfterFirst = 0;    // where the first word's searches left off
};

// Which occurrences of the two words turn red in `body`. The search ignores
// case and matches inside longer words. The first word is searched from
// offset 1, then each time from one past its last occurrence, at most five
// times; the second word carries on from the offset the first word left: one
// past its fifth occurrence, or from 0 when its last search found nothing
// (the offset is then -1). An occurrence at offset 0 is found but never
// coloured.
ColouringPlan colouringPlan(const QString& body, const QString& word1, const QString& word2);

} // namespace wordsearch
