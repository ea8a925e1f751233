// Where the single-instance lock lives on Windows, and how it names this machine.
#include "startup/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace startup {

QString SingleInstanceGuard::defaultLockPath()
{
    // The user's local application data (AppData\Local), which Windows keeps
    // to the user and does not roam from machine to machine.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (local.isEmpty())
        return {};
    const QString folder = QDir(local).filePath(QStringLiteral("Vitralis"));
    QDir().mkpath(folder); // or it is there already: looked at below
    const QFileInfo found(folder);
    if (!found.isDir() || found.isSymLink() || found.isJunction())
        return {};
    return QDir(folder).filePath(QStringLiteral("vitralis.lock"));
}

QString SingleInstanceGuard::thisMachine()
{
    // A lock made on Windows names the machine by its NetBIOS name, not by its
    // host name (which differs at least in case).
    return qEnvironmentVariable("COMPUTERNAME");
}

} // namespace startup
