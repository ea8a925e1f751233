// FIFOs, devices and terminals: opening the first waits for a writer, reading
// the others never ends or acts on the device.
#include "specialfiles.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace test {

QList<Unreadable> makeUnreadables(const QString& folder)
{
    const QDir dir(folder);
    QList<Unreadable> made;
    if (::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.rtf"))).constData(), 0600) ==
        0)
        made.append({QStringLiteral("a FIFO"), QStringLiteral("fifo.rtf")});
    if (QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.rtf"))))
        made.append({QStringLiteral("a device"), QStringLiteral("zero.rtf")});
    if (QFile::link(QStringLiteral("/dev/tty"), dir.filePath(QStringLiteral("tty.rtf"))))
        made.append({QStringLiteral("a terminal"), QStringLiteral("tty.rtf")});
    return made;
}

} // namespace test
