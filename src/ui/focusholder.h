#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace ui {

// A control kept out of sight only to take the keyboard focus after a click,
// so that no visible control shows a focus mark. It stays out of the Tab
// chain, and assistive technology reads it as `name`, never as showing.
void makeFocusHolder(QWidget* holder, const QString& name);
bool isFocusHolder(const QWidget* widget);

// What a mouse click does with the focus: the holder takes it. A control
// worked from the keyboard keeps it instead, so that the person stays where
// they are and sees where that is.
void parkFocus(QWidget* holder);

// Whether a control is being worked from the keyboard right now.
bool keyboardActivation();

// Marks the span of a control's response to a key: parkFocus leaves the focus
// alone while one lives.
class KeyboardActivation
{
public:
    KeyboardActivation();
    ~KeyboardActivation();
    KeyboardActivation(const KeyboardActivation&) = delete;
    KeyboardActivation& operator=(const KeyboardActivation&) = delete;

private:
    bool m_outer;
};

// Lets Enter and Space press a push button from the keyboard (Qt leaves Enter
// to dialogs' buttons), as a response to a key.
void pressWithKeys(QAbstractButton* button);

// Escape anywhere in `window` presses `close`, as a click on it would.
void closeWithEscape(QWidget* window, QAbstractButton* close);

} // namespace ui
