// Where the single-instance lock lives on Linux and other POSIX systems, and
// how it names this machine.
#include "startup/startup.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace startup {

namespace {

// Whether `path` is a folder (not a link to one) of this user's that nobody
// else may enter or write in.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat st = {};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

} // namespace

QString SingleInstanceGuard::defaultLockPath()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QByteArray folder;
    if (runtime.startsWith('/') && isPrivateFolder(runtime)) {
        folder = runtime;
    } else {
        folder =
            QFile::encodeName(QDir::tempPath()) + "/vitralis-" + QByteArray::number(::geteuid());
        ::mkdir(folder.constData(), 0700); // or it is there already: looked at below
        if (!isPrivateFolder(folder))
            return {};
    }
    return QFile::decodeName(folder) + QStringLiteral("/vitralis.lock");
}

QString SingleInstanceGuard::thisMachine()
{
    return QSysInfo::machineHostName();
}

} // namespace startup
