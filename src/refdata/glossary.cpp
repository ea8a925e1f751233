#include "glossary.h"

#include "decoding.h"
#include "resources.h"

namespace refdata {

namespace {

constexpr QChar Separator = u'\u00A7'; // "§"
constexpr QChar Frame = u'@';

} // namespace

void GlossaryTable::clear()
{
    GlossaryLines.clear();
    terms.fill(QString());
    definitions.fill(QString());
    count = 0;
}

QString plainTerm(const QString& framedTerm)
{
    if (framedTerm.size() < 2)
        return QString();
    return framedTerm.sliced(1, framedTerm.size() - 2);
}

int parseGlossary(const QString& text, GlossaryTable& table, const ListAppender& appendTerm)
{
    table.clear();
    table.GlossaryLines = splitAtLineBreaks(text);
    // The piece after the last line break is never an entry.
    const int entries = std::min(int(table.GlossaryLines.size()) - 1, int(GlossaryTable::Slots));
    for (int i = 0; i < entries; ++i) {
        const QString& line = table.GlossaryLines.at(i);
        const qsizetype p = line.indexOf(Separator);
        const QStringView term = p < 0 ? QStringView(line) : QStringView(line).first(p);
        table.terms[i] = Frame + term.toString() + Frame;
        if (appendTerm && line.startsWith(u'a'))
            appendTerm(plainTerm(table.terms[i]));
        if (p >= 0)
            table.definitions[i] = line.sliced(p + 1);
    }
    table.count = entries;
    return entries;
}

int LoadGlossary(GlossaryTable& table, const ListAppender& appendTerm)
{
    return parseGlossary(decodeWindows1252(embeddedResource(QStringLiteral("GLOSSAIRE"))), table,
                         appendTerm);
}

} // namespace refdata
