// Code pages on Linux: Qt's converters, which know them by name through ICU.
#include "documents/codepage.h"

#include <QStringDecoder>

#include <memory>

namespace documents {

CodePageDecoder codePageDecoder(int codePage)
{
    const QByteArray number = QByteArray::number(codePage);
    QByteArray name;
    if (codePage == 65001)
        name = "UTF-8";
    else if (codePage == 10000)
        name = "macintosh";
    else if (codePage >= 437 && codePage <= 869)
        name = "cp" + number;
    else
        name = "windows-" + number;
    auto decoder = std::make_shared<QStringDecoder>(name.constData());
    if (!decoder->isValid())
        return {};
    return [decoder](const QByteArray& bytes) { return decoder->decode(bytes); };
}

} // namespace documents
