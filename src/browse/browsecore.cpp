#include "browsecore.h"

#include "mainwin/shellcore.h"

namespace browse {

QStringList wordsUnderLetter(const QStringList& words, QChar letter)
{
    const QChar c = letter.toLower();
    const QChar alsoTaken = c == u'e' ? QChar(u'\u00E9') : c == u'o' ? QChar(u'\u0153') : c;
    QStringList out;
    for (const QString& w : words) {
        if (w.isEmpty())
            continue;
        const QChar first = w.front();
        if (first == c || first == alsoTaken)
            out << w;
    }
    return out;
}

QList<int> remediesWithWord(const refdata::RemedyTable& table, const QString& word)
{
    const QString framed = u' ' + word + u' ';
    QList<int> out;
    for (int i = 0; i < table.count; ++i) {
        if (table.keywords[i].contains(framed, Qt::CaseSensitive))
            out << i;
    }
    return out;
}

QList<int> remediesInSpecialty(const refdata::RemedyTable& table, const QString& specialty)
{
    QList<int> out;
    for (int i = 0; i < table.count; ++i) {
        if (table.branches[i].contains(specialty, Qt::CaseSensitive))
            out << i;
    }
    return out;
}

QString wordCountLine(int count)
{
    return mainwin::countLine(count, QStringLiteral("pour:"));
}

QString specialtyCountLine(int count)
{
    return mainwin::countLine(count, QStringLiteral("dans la spécialité:"));
}

QString colouredTerm(const QString& word)
{
    return word == QLatin1String("os") ? QStringLiteral("osseu") : word;
}

QList<int> colouringPlan(const QString& text, const QString& term, int limit)
{
    QList<int> out;
    if (term.isEmpty())
        return out;
    qsizetype a = 0;
    while (out.size() < limit) {
        const qsizetype found = text.indexOf(term, a + 1, Qt::CaseInsensitive);
        if (found < 0)
            break;
        out << int(found);
        a = found;
    }
    return out;
}

} // namespace browse
