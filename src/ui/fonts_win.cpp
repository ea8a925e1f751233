// The designed faces on Windows: Tahoma and Verdana are the system's own, and
// nothing is looked for on disk. A system that lacks one (a bare wine prefix has
// no Verdana) gets the other, or DejaVu Sans where it is installed.
#include "ui/fonts.h"

#include <QStringList>

namespace ui {

void installFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), QStringList{QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Tahoma")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
}

} // namespace ui
