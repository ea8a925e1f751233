// The designed faces on Windows: Tahoma and Verdana are the system's own, and
// nothing is looked for on disk; they are laid out in their design widths. A
// system that lacks one (a bare wine prefix has no Verdana) gets the other, or
// DejaVu Sans where it is installed.
#include "ui/fonts.h"

#include <QGuiApplication>
#include <QStringList>

namespace ui {

void installFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               QStringList{QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), QStringList{QStringLiteral("DejaVu Sans"),
                                                                      QStringLiteral("Tahoma")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        QStringList{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    // GDI rounds every glyph's advance to whole pixels, which widens a line by a
    // few percent and overflows the design's boxes. Vertical hinting alone has Qt
    // draw through DirectWrite, in the outlines' own widths, as on Linux; every
    // widget's font inherits it from the application's.
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QGuiApplication::setFont(font);
}

} // namespace ui
