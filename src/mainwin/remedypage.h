#pragma once

#include "sheet/pagecontext.h"

#include <QWidget>

namespace ui {
class ListBox;
}

namespace sheet {
class RemedySheet;
}

namespace mainwin {

// The page "Remèdes", `Pict(0)`: the remedy names and the full sheet.
class RemedyPage : public QWidget
{
    Q_OBJECT

public:
    RemedyPage(const sheet::PageContext& context, QWidget* parent);

    // The names for `LstNom`, as the window's start-up step lists them.
    void addNames(const QStringList& names);
    // Remedy 0 as the window opens: plain text, no entry selected, no timer.
    void showFirstRemedy();
    // Remedy i chosen in LstNom, as a click there chooses it.
    void chooseRemedy(int i);
    // Puts the page's controls after `previous` in the tab order; returns the last.
    QWidget* chainTabOrder(QWidget* previous);

private:
    // A remedy was picked in LstNom: the sheet shows it.
    void onNameClicked(int i);
    // Ten milliseconds after a showing: its warning label and, for a listed
    // remedy, the warning window.
    void onDeferredStep();

    sheet::PageContext m_context;
    sheet::RemedySheet* m_sheet;
    ui::ListBox* m_names;
};

} // namespace mainwin
