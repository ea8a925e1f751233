#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace refdata {

// The bytes of an embedded knowledge-base resource, looked up by its type name
// ("DICOHOMEO", "MOTSCLES", "GLOSSAIRE"). An unknown name gives an empty array.
QByteArray embeddedResource(const QString& typeName);

// The edition of the knowledge base in data/, as the About page and the paper
// sheet name it. A new edition of the data changes it.
inline constexpr QStringView KnowledgeBaseEdition =
    u"Base de connaissances : 4e édition, décembre 2026";

} // namespace refdata
