#pragma once

#include <QString>

// The texts the search pages share, free of widgets.
namespace ui {

// The line break of the program's texts.
inline const QString LineBreak = QStringLiteral("\r\n");

// How a count line reads when nothing was found.
enum class NoneFound
{
    AsZero,  // "0 remèdes trouvés"
    InWords, // "Aucun remède trouvé"
};

// The count line of a search page: "1 remède trouvé" or "N remèdes trouvés",
// a line break, then `secondLine`.
QString countLine(int count, const QString& secondLine, NoneFound none = NoneFound::AsZero);

} // namespace ui
