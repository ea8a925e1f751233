#pragma once

#include <QString>

class QApplication;

namespace startup {

// The program's name on the desktop: its menu entry, its icon and its
// AppStream data are all called so.
inline const QString AppId = QStringLiteral("org.vitralis.Vitralis");
// The window class, which the menu entry's StartupWMClass names.
inline const QString AppName = QStringLiteral("Vitralis");

// Loads Qt's own French texts (context menus, standard buttons). Returns false
// when they are not installed: the program then runs with Qt's English texts.
bool loadToolkitTranslations();

// Names the application for the desktop, gives every window the icon and
// speaks French; called once, right after the application object is made.
void setUpApplication();

} // namespace startup
