// The reserved device names, which stand for a device in every folder, with
// or without an extension; opening CON or COM1 waits on the console or a port.
#include "specialfiles.h"

namespace test {

QList<Unreadable> makeUnreadables(const QString&)
{
    QList<Unreadable> names;
    for (const char* name : {"CON", "nul", "NUL.rtf", "Aux .rtf", "COM1", "com9.rtf", "LPT1",
                             "lpt2.txt", "PRN", "CONIN$", "conout$.rtf"})
        names.append({QString::fromLatin1(name), QString::fromLatin1(name)});
    return names;
}

} // namespace test
