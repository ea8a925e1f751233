// On Windows the folder lies in the user's own profile (%APPDATA%), whose access
// list already keeps other users out; files and folder inherit it as they are.
#include "privacy.h"

namespace personal {

bool makeFolderPrivate(const QString&)
{
    return true;
}

bool makeFilePrivate(QFileDevice&)
{
    return true;
}

} // namespace personal
