#include "remedytable.h"

#include "decoding.h"
#include "resources.h"

namespace refdata {

namespace {

constexpr QChar Separator = u'\u00A7'; // "§"

// Takes the next field off the front of `rest`: what stands before the first
// separator, or the whole remainder when there is none left.
QString takeField(QStringView& rest)
{
    const qsizetype p = rest.indexOf(Separator);
    if (p < 0) {
        const QString field = rest.toString();
        rest = {};
        return field;
    }
    const QString field = rest.first(p).toString();
    rest = rest.sliced(p + 1);
    return field;
}

void parseRecord(QStringView line, RemedyTable& t, int i)
{
    QStringView rest = line;
    t.latinName[i] = takeField(rest);
    t.frenchName[i] = takeField(rest);
    t.origin[i] = takeField(rest);
    t.branches[i] = takeField(rest);
    t.indications[i] = takeField(rest);
    t.keywords[i] = takeField(rest);
    t.rating[i] = takeField(rest);   // field 6
    t.dilution[i] = takeField(rest); // field 7
    t.listClass[i] = takeField(rest);
    t.listWarning[i] = takeField(rest);
    t.extraWarning[i] = rest.toString(); // field 10 is all that remains
}

} // namespace

void RemedyTable::clear()
{
    for (Column* c : {&latinName, &frenchName, &origin, &branches, &indications, &keywords, &rating,
                      &dilution, &listClass, &listWarning, &extraWarning})
        c->fill(QString());
    count = 0;
}

int RemedyTable::indexOf(QStringView name) const
{
    for (int i = 0; i < count; ++i) {
        if (latinName[i] == name)
            return i;
    }
    return -1;
}

QStringList RemedyTable::names(const QList<int>& remedies) const
{
    QStringList out;
    out.reserve(remedies.size());
    for (int i : remedies)
        out << latinName[i];
    return out;
}

int parseRemedyTable(const QString& text, RemedyTable& table, const ListAppender& appendName)
{
    table.clear();
    const QStringView all(text);
    const QStringView lineBreak(u"\r\n");
    // Walk every piece before the last line break; what follows it is never data.
    qsizetype start = 0;
    int i = 0;
    while (i < RemedyTable::Slots) {
        const qsizetype end = all.indexOf(lineBreak, start);
        if (end < 0)
            break;
        parseRecord(all.sliced(start, end - start), table, i);
        if (appendName)
            appendName(table.latinName[i]);
        ++i;
        start = end + 2;
    }
    table.count = i;
    return i;
}

int LoadRemedyTable(RemedyTable& table, const ListAppender& appendName)
{
    return parseRemedyTable(decodeWindows1252(embeddedResource(QStringLiteral("DICOHOMEO"))), table,
                            appendName);
}

} // namespace refdata
