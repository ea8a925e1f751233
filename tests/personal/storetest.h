#pragma once

// What the tests of the reader's store share: a store that keeps one of
// everything, and the files' bytes.
#include "personal/store.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace storetest {

using personal::Store;

// Keeps a recent remedy, two favourites, a note and a text size; saves.
inline void keepOneOfEverything(Store& store)
{
    store.recordShown(QStringLiteral("ARNICA MONTANA"));
    store.recordShown(QStringLiteral("SULFUR"));
    store.setFavourite(QStringLiteral("SULFUR"), true);
    store.setFavourite(QStringLiteral("NUX VOMICA"), true);
    store.setNote(QStringLiteral("SULFUR"),
                  QStringLiteral("Démangeaisons « pires » au lit.\nÀ revoir."));
    store.setTextSize(150);
    store.save();
}

// Whether `store` holds what keepOneOfEverything() keeps.
inline bool holdsOneOfEverything(const Store& store)
{
    return store.recent() ==
               QStringList{QStringLiteral("SULFUR"), QStringLiteral("ARNICA MONTANA")} &&
           store.favourites() ==
               QStringList{QStringLiteral("SULFUR"), QStringLiteral("NUX VOMICA")} &&
           store.note(QStringLiteral("SULFUR")) ==
               QStringLiteral("Démangeaisons « pires » au lit.\nÀ revoir.") &&
           store.textSize() == 150;
}

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The names of the files in `folder`, sorted.
inline QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

} // namespace storetest
