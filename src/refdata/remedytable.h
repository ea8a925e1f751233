#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>

namespace refdata {

// Receives each name or word a loader reads, in file order, so that the caller
// can fill a list of its own while the table is built.
using ListAppender = std::function<void(const QString&)>;

// The remedy dictionary: eleven parallel arrays indexed by the remedy number,
// which is the record's position in the dictionary and in the remedy-name list.
// Every field is kept exactly as written, blanks included.
struct RemedyTable
{
    static constexpr int Slots = 401;
    using Column = std::array<QString, Slots>;

    Column latinName;
    Column frenchName;
    Column origin;
    Column branches;
    Column indications;
    Column keywords;
    Column rating;
    Column dilution;
    Column listClass;
    Column listWarning;
    Column extraWarning;

    int count = 0; // slots filled from the dictionary; the others hold empty strings

    void clear();

    // The first remedy whose Latin name is exactly `name`, or -1.
    int indexOf(QStringView name) const;
    bool isListed(int i) const { return listClass[i] != QLatin1String("."); }
    // The Latin names of the given remedies, in the given order.
    QStringList names(const QList<int>& remedies) const;
};

// Fills `table` from the dictionary text (already decoded) and hands each Latin
// name to `appendName`. Records past the table's last slot are ignored; a
// record with fewer than ten separators gets its missing fields empty. Returns
// the number of records stored.
int parseRemedyTable(const QString& text, RemedyTable& table, const ListAppender& appendName = {});

// Reads the embedded dictionary.
int LoadRemedyTable(RemedyTable& table, const ListAppender& appendName = {});

} // namespace refdata
