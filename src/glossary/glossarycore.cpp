#include "glossarycore.h"

namespace glossary {

QStringList termsUnderLetter(const refdata::GlossaryTable& table, QChar c)
{
    const QChar accented = c == u'e' ? QChar(u'é') : c == u'o' ? QChar(u'œ') : c;
    QStringList out;
    for (int i = 0; i < table.count; ++i) {
        const QString& line = table.GlossaryLines.at(i);
        if (line.isEmpty())
            continue;
        const QChar first = line.front();
        if (first == c || first == accented)
            out << refdata::plainTerm(table.terms[i]);
    }
    return out;
}

QString emptyLetters(const refdata::GlossaryTable& table)
{
    QString out;
    for (char16_t c = u'a'; c <= u'z'; ++c) {
        if (termsUnderLetter(table, QChar(c)).isEmpty())
            out += QChar(c).toUpper();
    }
    return out;
}

int entryOfTerm(const refdata::GlossaryTable& table, const QString& term)
{
    const QString key = u'@' + term + u'@';
    for (int i = 0; i < table.count; ++i) {
        if (table.terms[i].contains(key))
            return i;
    }
    return -1;
}

} // namespace glossary
