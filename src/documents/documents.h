#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace documents {

// The largest document we read, in bytes. A larger file is not read at all.
inline constexpr qsizetype kMaxDocumentBytes = 1024 * 1024;

// Takes hold of the process's working folder as the start folder, whose text is `startFolder`.
// From then on a document looked for in `startFolder` is read from that very folder, whatever
// the letters or bytes of its name: on Linux it is opened relative to the folder, not by its
// name, so that a folder whose name is not valid UTF-8, or that was renamed since, is still read,
// and a folder deleted before the start holds nothing (its documents are never looked for in
// "/"); on Windows, by the folder's full wide-character name.
// Called once at start; calling it again takes hold of the working folder of that moment.
void holdStartFolder(const QString& startFolder);

// Where an installed copy keeps its documents: ../share/vitralis beside the executable on
// Linux, the executable's own folder on Windows.
QString installedDocumentFolder();

// Reads the document `name` from `startFolder` if it is there, else from `installedFolder`.
// Only a regular file counts: a folder, a FIFO, a device (on Windows, also a reserved device
// name such as CON or NUL) or a socket of that name is passed over without ever being opened
// for reading, and opening never waits. Returns nothing when
// neither folder holds a readable document of at most kMaxDocumentBytes.
std::optional<QByteArray> readDocument(const QString& startFolder, const QString& name,
                                       const QString& installedFolder = installedDocumentFolder());

// Reads the one file at `path`, with the same rules.
std::optional<QByteArray> readDocumentFile(const QString& path);

} // namespace documents
