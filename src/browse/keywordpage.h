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

private:
    mainwin::PageContext m_context;
};

} // namespace browse
