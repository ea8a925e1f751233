#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// The colours of the design, named once for every page and window.
namespace ui::colour {

inline const QColor Black(0x00, 0x00, 0x00);
inline const QColor White(0xFF, 0xFF, 0xFF);
inline const QColor Grey(0xC0, 0xC0, 0xC0);     // the main window, idle selectors, empty letters
inline const QColor Panel(0xE0, 0xE0, 0xE0);    // panels and the marks of the reduced sheets
inline const QColor DarkGrey(0x40, 0x40, 0x40); // captions
inline const QColor Red(0xFF, 0x00, 0x00);      // a searched word in a body
inline const QColor DarkRed(0x80, 0x00, 0x00);  // headings, definitions
inline const QColor Blue(0x00, 0x00, 0xFF);     // the chosen letter
inline const QColor Orange(0xFF, 0x80, 0x00);   // titles, warnings, chosen words
inline const QColor Yellow(0xFF, 0xFF, 0x00);   // the active selector

} // namespace ui::colour

namespace ui {

// Paints a widget's background in one colour.
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace ui
