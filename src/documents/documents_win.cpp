// Reading a document on Windows: by its full wide-character path, never a
// device (CON, NUL, COM1...), a folder or a pipe, and never more than it may hold.
#include "documents/documents.h"
#include "documentsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <string>

#include <windows.h>

namespace documents {

namespace {

// A handle closed when it goes out of scope.
class Handle
{
public:
    explicit Handle(HANDLE h) : m_h(h) {}
    ~Handle()
    {
        if (valid())
            ::CloseHandle(m_h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    HANDLE get() const { return m_h; }

private:
    HANDLE m_h;
};

struct HeldFolder
{
    bool held = false;
    QString text;
    QString path; // the working folder as the system gave it, in full
};

HeldFolder& heldFolder()
{
    static HeldFolder folder;
    return folder;
}

qint64 sizeOf(DWORD high, DWORD low)
{
    return (qint64(high) << 32) | qint64(low);
}

// Whether `path` ends in a name that Windows takes for a device whatever its
// folder: CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9 (and their superscript
// forms), CONIN$, CONOUT$, with or without an extension or trailing blanks.
bool isDeviceName(const QString& path)
{
    qsizetype start = path.size();
    while (start > 0 && path[start - 1] != u'\\' && path[start - 1] != u'/')
        --start;
    QString stem = path.mid(start);
    static const QRegularExpression extension(QStringLiteral("[.:]"));
    const qsizetype end = stem.indexOf(extension);
    if (end >= 0)
        stem.truncate(end);
    while (stem.endsWith(u' '))
        stem.chop(1);
    stem = stem.toUpper();
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|(COM|LPT)[0-9\u00B9\u00B2\u00B3])$"));
    return device.match(stem).hasMatch();
}

// The system's own namespaces (\\.\ and \\?\) reach devices and pipes.
bool isDevicePath(const QString& nativePath)
{
    return nativePath.startsWith(QStringLiteral("\\\\.\\")) ||
           nativePath.startsWith(QStringLiteral("\\\\?\\"));
}

std::optional<QByteArray> readPath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.isEmpty() || isDeviceName(native) || isDevicePath(native))
        return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(native.utf16());
    // Look before opening: a folder or a device is never opened.
    WIN32_FILE_ATTRIBUTE_DATA seen = {};
    if (!::GetFileAttributesExW(wide, GetFileExInfoStandard, &seen) ||
        (seen.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) ||
        sizeOf(seen.nFileSizeHigh, seen.nFileSizeLow) > kMaxDocumentBytes)
        return std::nullopt;
    const Handle file(::CreateFileW(wide, GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::nullopt;
    // The name may have been given to something else since: look again at what was opened.
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        sizeOf(info.nFileSizeHigh, info.nFileSizeLow) > kMaxDocumentBytes)
        return std::nullopt;
    return readWithinLimit([&file](char* into, qint64 size) -> qint64 {
        DWORD n = 0;
        if (!::ReadFile(file.get(), into, DWORD(size), &n, nullptr))
            return -1;
        return qint64(n);
    });
}

} // namespace

std::optional<QByteArray> readIn(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || name.isEmpty())
        return std::nullopt; // no folder at all is not the working folder, nor the root
    if (name.contains(u'/') || name.contains(u'\\') || isDeviceName(name))
        return std::nullopt;
    const HeldFolder& held = heldFolder();
    const QString base = held.held && folder == held.text ? held.path : folder;
    if (base.isEmpty())
        return std::nullopt;
    return readPath(QDir(base).filePath(name));
}

void holdStartFolder(const QString& startFolder)
{
    // The working folder cannot be renamed or removed while it is ours, so its
    // full name is all there is to hold; it is read wide, whatever its letters.
    HeldFolder& held = heldFolder();
    held.held = true;
    held.text = startFolder;
    held.path.clear();
    const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
    if (length == 0)
        return;
    std::wstring buffer(length, L'\0');
    const DWORD written = ::GetCurrentDirectoryW(length, buffer.data());
    if (written > 0 && written < length)
        held.path = QString::fromWCharArray(buffer.data(), qsizetype(written));
}

QString installedDocumentFolder()
{
    // An installed copy keeps its documents beside the program.
    if (!QCoreApplication::instance())
        return {};
    return QCoreApplication::applicationDirPath();
}

std::optional<QByteArray> readDocumentFile(const QString& path)
{
    return readPath(path);
}

} // namespace documents
