#pragma once

#include <QFont>

namespace ui {

enum class Face
{
    Tahoma,
    Verdana,
    MsSansSerif
};

// Makes the designed faces available: registers the metric-compatible faces
// that Debian ships outside the font configuration, and maps each designed
// family to the best face present, DejaVu Sans at worst. Call once, after the
// application object exists.
void installFonts();

// The resolution the design was drawn at: its point sizes are whole pixels
// there, and its geometry is 15 twips a pixel.
constexpr double DesignDpi = 96.0;

// A font of the design, in the design's points. Assistive technology reads the
// point size. The window's geometry is in pixels, so a caption fits its control
// as long as widgets see 96 dots an inch: Qt's high-DPI scaling keeps them
// there on any screen and scales the whole window, text and geometry alike.
QFont designFont(Face face, double points, bool bold = false, bool underline = false);

} // namespace ui
