#pragma once

#include <QStringList>

namespace browse {

// The 40 specialties a person can browse, in the order of the list.
const QStringList& specialtyEntries();

} // namespace browse
