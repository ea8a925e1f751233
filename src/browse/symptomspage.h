#pragma once

#include "sheet/pagecontext.h"

#include <QWidget>

namespace ui {
class LetterIndex;
class ListBox;
class ResultsPanel;
} // namespace ui
namespace sheet {
class RemedySheet;
}

namespace browse {

// The page "Symptômes", `Pict(1)`: a letter index over the word list, the
// remedies that carry the chosen word, and the page's reduced sheet.
class SymptomsPage : public QWidget
{
    Q_OBJECT

public:
    SymptomsPage(const sheet::PageContext& context, QWidget* parent);

    // The words for `LstMC`, as the window's start-up step lists them.
    void addWords(const QStringList& words);
    // Empties the count line and the chosen word, as the window's load does.
    void clearCountLine();
    // Puts the page's controls after `previous` in the tab order, in reading
    // order; returns the last.
    QWidget* chainTabOrder(QWidget* previous);

private:
    // The page's events, as the widgets deliver them.
    // A letter was clicked: mark it and list the words of its initial.
    void onLetterClicked(QChar letter);
    // A word was picked in LstMC: list its remedies and show the first.
    void onWordClicked();
    // A remedy was picked in LstRech: show it, and have its warning window due.
    void onRemedyClicked();
    // The sheet's timer ticked, 10 ms after a showing: colour the word, give
    // the focus back to the word list, open the warning window when due.
    void onDeferredStep();

    sheet::PageContext m_context;
    sheet::RemedySheet* m_sheet;
    ui::LetterIndex* m_letters;
    ui::ListBox* m_words;
    ui::ResultsPanel* m_results;
};

} // namespace browse
