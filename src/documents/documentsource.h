#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace documents {

// Reads the document `name` in `folder` by this system's safe way (one file per
// system): nothing when the folder is empty or holds no small regular file of
// that name.
std::optional<QByteArray> readIn(const QString& folder, const QString& name);

// Reads a document through `readSome`, which fills up to `size` bytes at `into` and
// returns how many it read, 0 at the end, or -1 on a failure. Nothing when it fails
// or when the document holds more than kMaxDocumentBytes (it may grow as it is read).
std::optional<QByteArray>
readWithinLimit(const std::function<qint64(char* into, qint64 size)>& readSome);

} // namespace documents
