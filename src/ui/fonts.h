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

// A font of the design, sized in points at 96 dots an inch so that every
// caption fits its control whatever the screen's declared resolution.
QFont designFont(Face face, double points, bool bold = false, bool underline = false);

} // namespace ui
