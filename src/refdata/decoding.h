#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace refdata {

// Turns the bytes of a knowledge-base resource into text, one character per byte,
// as code page 1252. The five bytes that code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number
// (U+0081 ...), so no byte is ever lost or merged with its neighbour.
QString decodeWindows1252(QByteArrayView bytes);

// Splits at every CR LF, with no limit: there is always one piece more than
// there are line breaks, the last being whatever follows the final CR LF.
QStringList splitAtLineBreaks(const QString& text);

} // namespace refdata
