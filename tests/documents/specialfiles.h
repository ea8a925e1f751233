#pragma once

#include <QList>
#include <QString>

namespace test {

// A name in a folder that stands for no document and must never be read.
struct Unreadable
{
    QString what; // for the failure message
    QString name;
};

// Makes in `folder` what this system can put under a document's name that is
// no file to read (one file per system), and returns their names.
QList<Unreadable> makeUnreadables(const QString& folder);

} // namespace test
