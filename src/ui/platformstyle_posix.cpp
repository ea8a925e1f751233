// The styles of Linux do nothing behind the program's back.
#include "ui/platformstyle.h"

namespace ui {

void prepareStyle() {}

} // namespace ui
