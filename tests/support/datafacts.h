#pragma once

// Helpers for the tests that need no widgets.
#include <QByteArray>
#include <QList>
#include <QString>

namespace testsupport {

// The bytes of a knowledge-base file as the source tree holds it (empty when
// it cannot be read).
QByteArray fileBytes(const QString& name);

// French dictionary order: accents and hyphens are ignored, ligatures read as
// two letters.
QString dictionaryKey(const QString& word);

// Every occurrence of `term` in `text` from `from` on, without regard to case,
// overlapping ones included.
QList<int> occurrences(const QString& text, const QString& term, int from = 0);

} // namespace testsupport
