#pragma once

#include "mainwin/pagecontext.h"
#include "mainwin/remedysheet.h"
#include "ui/label.h"
#include "ui/listbox.h"

#include <array>

namespace browse {

// The page "Symptômes": a letter index over the word list, the remedies that
// carry the chosen word, and the page's reduced sheet.
class KeywordPage : public QObject
{
    Q_OBJECT

public:
    KeywordPage(QWidget* container, const mainwin::PageContext& context);

    std::array<ui::Label*, 26> letters{}; // Lab(1) to Lab(26)
    ui::ListBox* words = nullptr;         // LstMC
    ui::ListBox* remedies = nullptr;      // LstRech
    ui::Label* countLine = nullptr;       // LblResult1
    ui::Label* chosenWord = nullptr;      // LblResult2
    mainwin::RemedySheet* sheet = nullptr;

    // The page's events, as the widgets deliver them.
    // Letter k (1 to 26) was clicked: mark it and list the words of its initial.
    void onLetterClick(int k);
    // A word was picked in LstMC: list its remedies and show the first.
    void onWordClick();
    // A remedy was picked in LstRech: show it, and have its warning window due.
    void onRemedyClick();
    // The sheet's timer ticked, 10 ms after a showing: colour the word, give
    // the focus back to the word list, open the warning window when due.
    void onDeferredStep();

private:
    QWidget* m_container;
    mainwin::PageContext m_context;
    bool m_keyboardPick = false; // the remedy shown was chosen from the keyboard
};

} // namespace browse
