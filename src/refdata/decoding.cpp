#include "decoding.h"

#include <QStringDecoder>

namespace refdata {

QString decodeWindows1252(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) {
        // A Qt built without a code-page converter: Latin-1 still gives the right
        // letters for every byte outside 0x80-0x9F.
        return QString::fromLatin1(bytes);
    }
    return decoder.decode(bytes);
}

QStringList splitAtLineBreaks(const QString& text)
{
    return text.split(QStringLiteral("\r\n"), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

} // namespace refdata
