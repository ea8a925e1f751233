#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

// The window-free parts of the main window: texts and arithmetic.
namespace mainwin {

// The window's size as designed, frame included, in twips.
constexpr double WindowWidthTwips = 14040;
constexpr double WindowHeightTwips = 660 + 10305 + 30;

// Where the window goes: centred across the screen, a quarter of the free
// height from the top. Sizes and the result are in twips.
QPointF windowPlacement(QSizeF screen, QSizeF window = {WindowWidthTwips, WindowHeightTwips});

// The medical disclaimer of the About page, its seven lines joined by CR LF.
QString disclaimerText();

} // namespace mainwin
