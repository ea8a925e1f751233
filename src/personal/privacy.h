#pragma once

#include <QString>

class QFileDevice;

namespace personal {

// Keeping the reader's files to the reader alone differs by system (one file
// each). Both return false when the system refuses.

// Closes `folder`, which exists, to everyone but its owner.
bool makeFolderPrivate(const QString& folder);
// Makes the file being written, before it takes its name, readable and
// writable by its owner only.
bool makeFilePrivate(QFileDevice& file);

} // namespace personal
