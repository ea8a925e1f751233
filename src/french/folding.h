#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace french {

// The letters of a word as a search compares them: lower case, without
// accents or cedilla, the ligatures written out ("Œdème" gives "oedeme").
QString foldLetters(QStringView word);

// The key of a word: its folded letters brought back to one form for the
// singular and the plural, the masculine and the feminine ("rénaux", "rénale"
// and "rénal" share their key, as do "nerveux" and "nerveuses", "vive" and
// "vif", "pelviennes" and "pelvien", "aggravée" and "aggravé"). A key is a
// means of comparison, not always a word.
QString wordKey(QStringView word);

// True for the characters that join or separate words as an apostrophe does.
bool isApostrophe(QChar c);

// A word of a text, as a search reads it.
struct Word
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString key;
    bool newSentence = false; // a full stop (or ! ?) stands between it and the word before
};

// The words of a text: runs of letters and digits; hyphens, blanks and
// punctuation part them, and an elided article or pronoun before an
// apostrophe (l', d', qu', s', n', j', m', t', c') is no word of its own.
QList<Word> words(QStringView text);

} // namespace french
