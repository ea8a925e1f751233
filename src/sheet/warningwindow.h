#pragma once

#include "sheet/warningstate.h"

#include <QDialog>

#include <functional>

namespace sheet {

// Frm21Msg: the small modal window that gives a listed remedy's own warning,
// with a check box that silences it for the rest of the run.
class WarningWindow : public QDialog
{
    Q_OBJECT

public:
    WarningWindow(sheet::WarningState& state, QWidget* parent = nullptr);

    // Opens the window modally over `parent` and returns once it is closed.
    static void openModal(sheet::WarningState& state, QWidget* parent);

    // Tests put a function here to see each opening instead of a modal loop;
    // it gets the window, already loaded, and the window is closed after it.
    using Interceptor = std::function<void(WarningWindow&)>;
    static void setInterceptor(Interceptor interceptor);

private:
    sheet::WarningState& m_state;
};

} // namespace sheet
