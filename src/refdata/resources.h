#pragma once

#include <QByteArray>
#include <QString>

namespace refdata {

// The bytes of an embedded knowledge-base resource, looked up by its type name
// ("DICOHOMEO", "MOTSCLES", "GLOSSAIRE"). An unknown name gives an empty array.
QByteArray embeddedResource(const QString& typeName);

} // namespace refdata
