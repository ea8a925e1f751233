// On Linux the files are the user's alone: 0700 for the folder, 0600 for each file.
#include "privacy.h"

#include <QFile>

namespace personal {

bool makeFolderPrivate(const QString& folder)
{
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool makeFilePrivate(QFileDevice& file)
{
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace personal
