#pragma once

#include "refdata/remedytable.h"
#include "sheet/warningstate.h"

#include <QString>

#include <optional>

namespace sheet {

// The rules of the prescription warnings, apart from any widget: what a
// sheet's warning label shows after each kind of showing, when the warning
// window opens, and what silencing does. It works on the run's shared state;
// the widgets only carry out its answers.
//
// The remedy page settles its warning in its deferred step, for the remedy
// selected then. The search pages settle it when they show a remedy: a pick
// in a result list arms the page's pending flag, and the page's deferred step
// opens the window. A list found, or a search, shows the label alone.
class WarningFlow
{
public:
    explicit WarningFlow(WarningState& state) : m_state(state) {}

    struct Step
    {
        std::optional<QString> label; // what the warning label shows now, when it changes
        bool openWindow = false;      // the warning window opens now
    };

    // The remedy page's deferred step, for remedy i selected in its list: the
    // label shows its list's warning or nothing; a listed remedy's own warning
    // becomes the window's text, and the window opens unless silenced. No
    // remedy selected changes nothing.
    Step remedyPageStep(const refdata::RemedyTable& table, int i);

    // A search page's pick of remedy i (-1 when its name is not in the table):
    // the label shows its list's warning or nothing, and a listed remedy sets
    // the window's text and arms `pending`. The window waits for the deferred step.
    QString picked(const refdata::RemedyTable& table, int i, bool& pending);

    // The first remedy of a list found (a word, a specialty): its list's
    // warning on the label, nothing else.
    static QString found(const refdata::RemedyTable& table, int i);

    // A search page's deferred step: whether the window opens now, when a pick
    // armed `pending` and the warnings are not silenced. Clears `pending`.
    bool takePending(bool& pending) const;

    // A click on the window's check box, ticking or clearing it: the window
    // opens no more for the rest of the run; the labels still show.
    void silence() { m_state.silenced = true; }

private:
    WarningState& m_state;
};

} // namespace sheet
