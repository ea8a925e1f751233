// Code pages on Windows: the system's own tables, which know every code page
// by its number.
#include "documents/codepage.h"

#include <windows.h>

namespace documents {

CodePageDecoder codePageDecoder(int codePage)
{
    if (codePage <= 0 || !::IsValidCodePage(UINT(codePage)))
        return {};
    return [codePage](const QByteArray& bytes) {
        if (bytes.isEmpty())
            return QString();
        const int size = int(bytes.size());
        const int length =
            ::MultiByteToWideChar(UINT(codePage), 0, bytes.constData(), size, nullptr, 0);
        if (length <= 0)
            return QString(bytes.size(), QChar::ReplacementCharacter);
        QString text(length, Qt::Uninitialized);
        ::MultiByteToWideChar(UINT(codePage), 0, bytes.constData(), size,
                              reinterpret_cast<wchar_t*>(text.data()), length);
        return text;
    };
}

} // namespace documents
