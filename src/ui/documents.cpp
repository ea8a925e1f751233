#include "ui/documents.h"
#include "documentsource.h"

namespace ui {

std::optional<QByteArray> readDocument(const QString& startFolder, const QString& name,
                                       const QString& installedFolder)
{
    if (auto bytes = readIn(startFolder, name))
        return bytes;
    return readIn(installedFolder, name);
}

} // namespace ui
