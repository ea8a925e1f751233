#pragma once

namespace ui {

// Sets right what the system's widget style does behind the program's back
// (one file per system). Call once, after the application object exists and
// before the first window is shown.
void prepareStyle();

} // namespace ui
