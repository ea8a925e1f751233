#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ui {

// Reads the document `name` in `folder` by this system's safe way (one file per
// system): nothing when the folder is empty or holds no small regular file of
// that name.
std::optional<QByteArray> readIn(const QString& folder, const QString& name);

} // namespace ui
