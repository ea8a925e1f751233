#include "folding.h"

namespace french {

namespace {

// The letter without its accent, or the two letters of a ligature, lower case.
// Returns 0 when the character needs no more than lowering.
const char* plainLetters(char16_t c)
{
    switch (c) {
    case u'à':
    case u'â':
    case u'ä':
    case u'á':
    case u'À':
    case u'Â':
    case u'Ä':
    case u'Á':
        return "a";
    case u'é':
    case u'è':
    case u'ê':
    case u'ë':
    case u'É':
    case u'È':
    case u'Ê':
    case u'Ë':
        return "e";
    case u'î':
    case u'ï':
    case u'í':
    case u'Î':
    case u'Ï':
    case u'Í':
        return "i";
    case u'ô':
    case u'ö':
    case u'ó':
    case u'Ô':
    case u'Ö':
    case u'Ó':
        return "o";
    case u'ù':
    case u'û':
    case u'ü':
    case u'ú':
    case u'Ù':
    case u'Û':
    case u'Ü':
    case u'Ú':
        return "u";
    case u'ç':
    case u'Ç':
        return "c";
    case u'ÿ':
    case u'Ÿ':
        return "y";
    case u'ñ':
    case u'Ñ':
        return "n";
    case u'œ':
    case u'Œ':
        return "oe";
    case u'æ':
    case u'Æ':
        return "ae";
    default:
        return nullptr;
    }
}

// Replaces the ending `from` by `to` when the word ends so and keeps at least
// one letter before it.
bool swapEnding(QString& s, const char* from, const char* to)
{
    const QLatin1StringView f(from);
    if (s.size() < f.size() + 1 || !s.endsWith(f))
        return false;
    s.chop(f.size());
    s += QLatin1StringView(to);
    return true;
}

// Elided words: the letters before an apostrophe that are dropped with it.
bool isElided(QStringView folded)
{
    static const QStringView elided[] = {u"l", u"d", u"qu", u"s", u"n", u"j", u"m", u"t", u"c"};
    for (QStringView e : elided) {
        if (folded == e)
            return true;
    }
    return false;
}

} // namespace

QString foldLetters(QStringView word)
{
    QString out;
    out.reserve(word.size());
    for (QChar c : word) {
        if (c.unicode() < 0x80) {
            out += c.toLower();
        } else if (const char* plain = plainLetters(c.unicode())) {
            out += QLatin1StringView(plain);
        } else {
            out += c.toLower();
        }
    }
    return out;
}

QString wordKey(QStringView word)
{
    QString k = foldLetters(word);
    // The regular French inflections, taken off from the end: the plural
    // first, then the plural in -x, then the feminine, then a final e (which
    // joins "purulente" to "purulent" and "aggravée" to "aggravé").
    if (k.size() > 3 && k.endsWith(u's'))
        k.chop(1);
    if (k.endsWith(u'x')) {
        swapEnding(k, "eaux", "eau") || swapEnding(k, "aux", "al") || swapEnding(k, "eux", "eu") ||
            swapEnding(k, "oux", "ou");
    }
    swapEnding(k, "euse", "eu") || swapEnding(k, "ive", "if") || swapEnding(k, "ienne", "ien") ||
        swapEnding(k, "elle", "el");
    for (int n = 0; n < 2 && k.size() > 3 && k.endsWith(u'e'); ++n)
        k.chop(1);
    return k;
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == QChar(0x2019) || c == QChar(0x02BC);
}

QList<Word> words(QStringView text)
{
    QList<Word> out;
    bool stop = false;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        if (!c.isLetterOrNumber()) {
            if (c == u'.' || c == u'!' || c == u'?' || c == u'\n')
                stop = true;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < size && text[end].isLetterOrNumber())
            ++end;
        const QStringView letters = text.mid(i, end - i);
        if (end + 1 < size && isApostrophe(text[end]) && text[end + 1].isLetter() &&
            isElided(foldLetters(letters))) {
            i = end + 1;
            continue;
        }
        Word w;
        w.start = i;
        w.length = end - i;
        w.key = wordKey(letters);
        w.newSentence = stop && !out.isEmpty();
        stop = false;
        out << w;
        i = end;
    }
    return out;
}

} // namespace french
