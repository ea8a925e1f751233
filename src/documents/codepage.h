#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace documents {

// Turns text of a Windows code page into Unicode.
using CodePageDecoder = std::function<QString(const QByteArray&)>;

// A decoder for Windows code page `codePage` (1251, 437, 932, 65001, 10000...)
// by the system's own tables (one file per system), or an empty one when the
// system does not know that code page.
CodePageDecoder codePageDecoder(int codePage);

} // namespace documents
