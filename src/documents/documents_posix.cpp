// Reading a document on Linux and other POSIX systems: relative to a folder
// held open, never opening what is not a regular file.
#include "documents/documents.h"
#include "documentsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace documents {

namespace {

#ifdef O_PATH
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// A file descriptor closed when it goes out of scope.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

struct HeldFolder
{
    bool held = false;
    QString text;
    Fd fd;
};

HeldFolder& heldFolder()
{
    static HeldFolder folder;
    return folder;
}

bool isSmallRegularFile(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_size <= kMaxDocumentBytes;
}

// Reads `name` relative to the folder `folder` (or to the working folder for AT_FDCWD).
std::optional<QByteArray> readAt(int folder, const QByteArray& name)
{
    if (name.isEmpty())
        return std::nullopt;
    // Look before opening: opening a FIFO waits for a writer, and opening a device may
    // do something to it.
    struct stat st = {};
    if (::fstatat(folder, name.constData(), &st, 0) != 0 || !isSmallRegularFile(st))
        return std::nullopt;
    // The name may have been given to something else since: open without waiting, and
    // look again at what was opened.
    const Fd fd(::openat(folder, name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !isSmallRegularFile(st))
        return std::nullopt;
    return readWithinLimit([&fd](char* into, qint64 size) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(fd.get(), into, std::size_t(size));
            if (n >= 0 || errno != EINTR)
                return n;
        }
    });
}

} // namespace

std::optional<QByteArray> readIn(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return std::nullopt; // no folder at all is not the working folder, nor the root
    const QByteArray fileName = QFile::encodeName(name);
    const HeldFolder& held = heldFolder();
    if (held.held && folder == held.text)
        return held.fd.get() >= 0 ? readAt(held.fd.get(), fileName) : std::nullopt;
    const Fd fd(::open(QFile::encodeName(folder).constData(), kFolderFlags));
    if (fd.get() < 0)
        return std::nullopt;
    return readAt(fd.get(), fileName);
}

void holdStartFolder(const QString& startFolder)
{
    HeldFolder& held = heldFolder();
    held.held = true;
    held.text = startFolder;
    held.fd.reset(::open(".", kFolderFlags));
}

QString installedDocumentFolder()
{
    if (!QCoreApplication::instance())
        return {};
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/vitralis"));
}

std::optional<QByteArray> readDocumentFile(const QString& path)
{
    return readAt(AT_FDCWD, QFile::encodeName(path));
}

} // namespace documents
