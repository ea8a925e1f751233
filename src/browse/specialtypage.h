#pragma once

#include "mainwin/pagecontext.h"
#include "mainwin/remedysheet.h"
#include "ui/label.h"
#include "ui/listbox.h"

namespace browse {

// The page "Spécialités": the 40 specialties, the remedies of the chosen one,
// and the page's reduced sheet.
class SpecialtyPage : public QObject
{
    Q_OBJECT

public:
    SpecialtyPage(QWidget* container, const mainwin::PageContext& context);

    ui::ListBox* specialties = nullptr; // LstBranche
    ui::ListBox* remedies = nullptr;    // LstResult
    ui::Label* countLine = nullptr;     // LblResult11
    ui::Label* chosen = nullptr;        // LblResult12
    mainwin::RemedySheet* sheet = nullptr;

    // The page's events, as the widgets deliver them.
    // A specialty was picked in LstBranche: list its remedies and show the first.
    void onSpecialtyClick();
    // A remedy was picked in LstResult: show it, and have its warning window due.
    void onRemedyClick();
    // The sheet's timer ticked, 10 ms after a showing: focus back to the
    // specialty list, and the warning window when due.
    void onDeferredStep();

private:
    QWidget* m_container;
    mainwin::PageContext m_context;
    bool m_keyboardPick = false; // the remedy shown was chosen from the keyboard
};

} // namespace browse
