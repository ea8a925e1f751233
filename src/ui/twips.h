#pragma once

#include <QRect>

namespace ui {

// Layouts are designed in twips, 15 to a pixel on a 96-dpi screen; Qt's
// device-independent pixels take care of denser screens.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    // Rounds to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QRect twipsRect(const QRect& twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace ui
