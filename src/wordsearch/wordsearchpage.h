#pragma once

#include "mainwin/pagecontext.h"
#include "mainwin/remedysheet.h"
#include "ui/label.h"
#include "ui/listbox.h"

#include <QLineEdit>
#include <QPushButton>

namespace wordsearch {

// The page "Mots-clés": two word fields with their suggestions, the search on
// both words, the remedies found and the page's reduced sheet.
class WordSearchPage : public QObject
{
    Q_OBJECT

public:
    WordSearchPage(QWidget* container, const mainwin::PageContext& context);

    QLineEdit* word1 = nullptr;          // T1
    QLineEdit* word2 = nullptr;          // T2
    ui::ListBox* suggestions1 = nullptr; // Lst1
    ui::ListBox* suggestions2 = nullptr; // Lst2
    QPushButton* search = nullptr;       // CmdRechercher
    ui::ListBox* remedies = nullptr;     // LstRecher
    ui::Label* countLine = nullptr;      // LblResult21
    ui::Label* searchedWords = nullptr;  // LblResult22
    mainwin::RemedySheet* sheet = nullptr;

private:
    mainwin::PageContext m_context;
};

} // namespace wordsearch
