#pragma once

#include "sheet/pagecontext.h"

#include <QWidget>

namespace ui {
class ListBox;
class ResultsPanel;
} // namespace ui
namespace sheet {
class RemedySheet;
}

namespace browse {

// The page "Spécialités", `Pict(2)`: the 40 specialties, the remedies of the
// chosen one, and the page's reduced sheet.
class SpecialtyPage : public QWidget
{
    Q_OBJECT

public:
    SpecialtyPage(const sheet::PageContext& context, QWidget* parent);

    // Empties the count line and the chosen specialty, as the window's load does.
    void clearCountLine();
    // Puts the page's controls after `previous` in the tab order, in reading
    // order; returns the last.
    QWidget* chainTabOrder(QWidget* previous);

private:
    // A specialty was picked in LstBranche: list its remedies and show the first.
    void onSpecialtyClicked();
    // A remedy was picked in LstResult: show it, and have its warning window due.
    void onRemedyClicked();
    // The sheet's timer ticked, 10 ms after a showing: focus back to the
    // specialty list, and the warning window when due.
    void onDeferredStep();

    sheet::PageContext m_context;
    sheet::RemedySheet* m_sheet;
    ui::ListBox* m_specialties;
    ui::ResultsPanel* m_results;
};

} // namespace browse
