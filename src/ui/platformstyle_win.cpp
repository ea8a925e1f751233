// The Windows style draws a list's selected or hovered entry with the system's
// Explorer theme, which it opens on a hidden helper window of its own; from Qt
// 6.8 on it makes that helper a top-level window, and under wine making it
// gives it the keyboard focus. The program's window would lose the keyboard on
// a reader's first click in a list, and again whenever the style makes a new
// helper. The focus is handed back to the window that lost it.
#include "ui/platformstyle.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <string_view>

#include <windows.h>

namespace ui {

namespace {

bool isThemeHelper(HWND window)
{
    wchar_t name[256];
    const int length = window ? GetClassNameW(window, name, 256) : 0;
    return length > 0 && std::wstring_view(name, std::size_t(length))
                             .ends_with(L"QTreeViewThemeHelperWindowClass");
}

class FocusKeeper : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        // The window losing the focus is told which window gets it.
        if (msg->message != WM_KILLFOCUS || !isThemeHelper(reinterpret_cast<HWND>(msg->wParam)))
            return false;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->handle() && HWND(window->winId()) == msg->hwnd) {
                QTimer::singleShot(0, window, [window] { window->requestActivate(); });
                break;
            }
        }
        return false;
    }
};

} // namespace

void prepareStyle()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    static FocusKeeper keeper;
    QCoreApplication::instance()->installNativeEventFilter(&keeper);
}

} // namespace ui
