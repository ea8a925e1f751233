#pragma once

// Documents made to cost as much as possible to show, just under the reader's size cap: the
// fuzz corpus, the reader's tests and the documents' benchmark share them. The small hand-made
// ones live in fuzz/corpus/ (hostile_*.rtf).

#include <QByteArray>
#include <QList>
#include <QString>

namespace hostile {

inline constexpr qsizetype kSize = 1024 * 1024;

struct Document
{
    QString name;
    QByteArray rtf;
};

// Ends `rtf` at exactly kSize bytes with its closing brace, padding with `filler`.
inline QByteArray closed(QByteArray rtf, const QByteArray& filler)
{
    while (rtf.size() + filler.size() < kSize)
        rtf += filler;
    rtf.truncate(kSize - 1);
    return rtf + '}';
}

// A font table of thousands of fonts, each of them then used for a word.
inline QByteArray manyFonts()
{
    constexpr int fonts = 20000;
    QByteArray rtf("{\\rtf1{\\fonttbl");
    for (int f = 0; f < fonts; ++f)
        rtf += "{\\f" + QByteArray::number(f) + " Police" + QByteArray::number(f) + ";}";
    rtf += '}';
    QByteArray words;
    for (int f = 0; rtf.size() + words.size() < kSize - 100; f = (f + 1) % fonts)
        words += "{\\f" + QByteArray::number(f) + " mot}";
    return closed(rtf + words, " ");
}

// Thousands of fragments of one or two letters, each in a format of its own.
inline QByteArray manyFragments()
{
    QByteArray rtf("{\\rtf1{\\colortbl;");
    for (int c = 0; c < 250; ++c)
        rtf += "\\red" + QByteArray::number(c) + "\\green" + QByteArray::number(255 - c) +
               "\\blue" + QByteArray::number(c * 7 % 256) + ';';
    rtf += '}';
    QByteArray fragments;
    for (int i = 0; rtf.size() + fragments.size() < kSize - 100; ++i) {
        fragments += "{\\cf" + QByteArray::number(i % 250 + 1) + "\\fs" +
                     QByteArray::number(16 + i % 37) + (i % 2 ? "\\b" : "\\i") +
                     (i % 3 ? "" : "\\ul") + " x" + (i % 5 ? "" : " ") + '}';
    }
    return closed(rtf + fragments, " ");
}

// One word of a million letters.
inline QByteArray longWord()
{
    return closed("{\\rtf1 ", "W");
}

inline QList<Document> generated()
{
    return {{QStringLiteral("fonts_1m.rtf"), manyFonts()},
            {QStringLiteral("fragments_1m.rtf"), manyFragments()},
            {QStringLiteral("word_1m.rtf"), longWord()}};
}

} // namespace hostile
