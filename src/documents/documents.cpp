#include "documents/documents.h"
#include "documentsource.h"

namespace documents {

std::optional<QByteArray> readDocument(const QString& startFolder, const QString& name,
                                       const QString& installedFolder)
{
    if (auto bytes = readIn(startFolder, name))
        return bytes;
    return readIn(installedFolder, name);
}

std::optional<QByteArray> readWithinLimit(const std::function<qint64(char*, qint64)>& readSome)
{
    // One byte more than allowed, so that a file that grows while we read it is caught.
    QByteArray bytes(kMaxDocumentBytes + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const qint64 n = readSome(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += qsizetype(n);
    }
    if (got > kMaxDocumentBytes)
        return std::nullopt;
    bytes.truncate(got);
    return bytes;
}

} // namespace documents
