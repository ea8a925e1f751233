#include "decoding.h"

namespace refdata {

namespace {

// Code page 1252 between 0x80 and 0x9F; every other byte is its own Latin-1
// character. The five undefined bytes keep their number.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

// A table rather than the toolkit's converter: the knowledge base is read at
// every start, and the converter would bring a whole conversion library into
// memory for these 32 characters.
QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b & 0xE0) == 0x80 ? High[b - 0x80] : char16_t(b);
    }
    return text;
}

QStringList splitAtLineBreaks(const QString& text)
{
    return text.split(QStringLiteral("\r\n"), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

} // namespace refdata
