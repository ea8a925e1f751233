#pragma once

#include "startup/startup.h"

#include <QStringList>

// What the start-up tests of every system share.

// The folder of the shipped documents, with its separator.
QString documentsFolder();

// Starts `starter` and returns the texts of the About box and of the glossary
// window's information view, or why there are none.
QStringList documentsSeenBy(startup::Starter& starter);

// Checks that `starter`, made in a folder holding both documents, shows them.
void expectDocumentsSeenBy(startup::Starter& starter);

// Checks that a lock at `lockPath` cannot be taken, says why, and that the
// program starts all the same from `folder`, without a message.
void startsWithoutTheLock(const QString& folder, const QString& lockPath, const QString& reason);
