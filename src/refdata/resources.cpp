#include "resources.h"

#include <QResource>

namespace refdata {

QByteArray embeddedResource(const QString& typeName)
{
    if (typeName.isEmpty() || typeName.contains(u'/'))
        return {};
    const QResource resource(QStringLiteral(":/kb/") + typeName);
    if (!resource.isValid())
        return {};
    return resource.uncompressedData();
}

} // namespace refdata
