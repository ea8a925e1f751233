#pragma once

#include "refdata/remedytable.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

namespace search {

// Where a sentence of a sheet comes from.
enum class Field : std::uint8_t
{
    LatinName,
    FrenchName,
    Origin,
    Specialties,
    Indications,
    Keywords // the record's search words, one "sentence" each
};

// A stretch of a text, as offsets into it.
struct Span
{
    int start = 0;
    int length = 0;
    bool operator==(const Span&) const = default;
};

// A sentence of a sheet: where it stands in its field, and under which
// specialty heading (an index into the 42 headings) when it is indications.
struct Sentence
{
    int remedy = 0;
    Field field = Field::Indications;
    bool opensParagraph = false; // the first sentence after a heading (or of the text)
    int heading = -1;
    int start = 0;
    int length = 0;
    int firstWord = 0; // into the index's words
    int wordCount = 0;
};

// A phrase found in a sentence: its first and last word.
struct Hit
{
    int sentence = 0;
    int firstWord = 0;
    int lastWord = 0;
};

// What a remedy's sheet says of the symptoms asked for.
struct Row
{
    int remedy = 0;
    QList<int> grades; // one per symptom: 3, 2, 1 or 0 (see SearchIndex)
    int covered = 0;   // symptoms with a grade above 0
    int total = 0;     // the sum of the grades
    QList<Hit> hits;   // every phrase found, symptom after symptom, in sheet order
};

// A word to put in the place of one the sheets do not use.
struct Suggestion
{
    QString typed; // as typed
    QString word;  // the word proposed
    QString query; // the whole query with that word in place of the typed one
};

struct Outcome
{
    QStringList symptoms;          // the query's parts, as typed; several make a repertory
    QList<Row> rows;               // ordered: covered, sum of grades, mark, name
    QStringList unknownWords;      // typed words that no sheet uses
    QList<Suggestion> suggestions; // for those words, closest first
    bool truncated = false;        // parts past MaxSymptoms were left out
    bool isRepertory() const { return symptoms.size() > 1; }
};

// The full-text index of the sheets, built once from the remedy table: every
// field a reader sees (Latin and French names, origin, specialties,
// indications sentence by sentence under their specialty heading) and the
// search words. Words are compared by their French key (french::wordKey).
//
// A query is cut at commas and semicolons into symptoms. The words of a
// symptom form a phrase: in their order, in one sentence, at most MaxGap
// words between two of them; short linking words ("par", "le", "de"...) may
// be left out or put in. The usual wordings of a modality stand for each
// other (aggravé, aggravation, pire; amélioré, amélioration, mieux, soulagé).
//
// Each remedy gets a grade per symptom, which says where its sheet names it:
// 3 in the first sentence of a paragraph of its indications, 2 elsewhere in
// its indications, 1 only among its search words or in the sheet's head
// (names, origin, specialties), 0 nowhere.
class SearchIndex
{
public:
    static constexpr int MaxGap = 3;
    static constexpr int MaxSymptoms = 12;
    static constexpr int MaxWordsPerSymptom = 12;
    static constexpr int MaxSuggested = 3; // unknown words that get suggestions

    SearchIndex() = default;
    // `spellings` are words of the word list and the glossary: where one of
    // them shares its key with a word of the sheets, suggestions spell it so.
    explicit SearchIndex(const refdata::RemedyTable& table, const QStringList& spellings = {});

    Outcome search(QStringView query) const;

    // The phrases of `query` found in any text (a sheet's body as shown), as
    // stretches from the first word to the last of each.
    QList<Span> spansIn(QStringView text, QStringView query) const;

    const Sentence& sentence(int s) const { return m_sentences[s]; }
    int sentenceCount() const { return int(m_sentences.size()); }
    // A sentence's text, and a hit's stretch within it.
    QString text(const refdata::RemedyTable& table, int s) const;
    Span spanOf(const Hit& hit) const;
    // The words of a sentence, as stretches of its text.
    QList<Span> wordsOf(int s) const;
    // The keys a word of a query stands for: its own, or every wording of its modality.
    static QStringList equivalentKeys(const QString& key);
    // Every heading's title ("Dermatologie"), by index.
    static QString headingTitle(int heading);

private:
    using Slot = QList<int>; // the keys a word of a phrase may take
    struct Phrase
    {
        QList<Slot> steps;
        QStringList unknown; // its words that no sheet uses
    };
    QList<Phrase> parse(QStringView part) const;
    Phrase phraseOf(QStringView part) const;
    // The end of the phrase in `keys` from position p (its first slot there), or -1.
    static int phraseEnd(const int* keys, int count, int p, const QList<Slot>& steps, int k);
    QList<Suggestion> suggest(const QString& typed, const QString& query) const;

    void addField(int remedy, Field field, const QString& text, int from, int to, int heading,
                  bool sentences);
    int keyId(const QString& key, QStringView spelling);

    QList<Sentence> m_sentences;
    QList<int> m_wordKey;   // per word of every sentence, in order
    QList<int> m_wordStart; // its offset in its field's text
    QList<int> m_wordLength;
    QList<int> m_wordSentence;
    QHash<QString, int> m_keys;   // key -> id
    QList<QList<int>> m_postings; // id -> the words that have it
    QStringList m_spelling;       // id -> a spelling to suggest, lower case
    QStringList m_foldedSpelling; // the same, folded, for the distance
    const refdata::RemedyTable* m_table = nullptr;
};

} // namespace search
