#pragma once

#include "mainwin/pagecontext.h"
#include "mainwin/remedysheet.h"
#include "ui/label.h"
#include "ui/listbox.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace wordsearch {

// The page "Mots-clés": two word fields with their suggestions, the search on
// both words, the remedies found and the page's reduced sheet.
class WordSearchPage : public QObject
{
    Q_OBJECT

public:
    WordSearchPage(QWidget* container, const mainwin::PageContext& context);

    // The page's handlers; the first word is k = 0, the second k = 1.
    // A word field's text changed, by typing or from the program.
    void wordChanged(int k);
    // A word field received the focus: its suggestions show, the other's hide.
    void wordFocused(int k);
    // A suggestion was picked: it becomes the field's text.
    void suggestionPicked(int k);
    // "Rechercher": lists the remedies carrying both words, shows the first.
    void runSearch();
    // A remedy picked among those found.
    void showFound();
    // Ten milliseconds after a remedy is shown: the two words in red, the
    // focus on the remedies found, the warning window when one is due.
    void deferredStep();

    // The lower-cased copy of word field k that its suggestions follow.
    QString shadow(int k) const { return m_shadow.at(k); }

    QLineEdit* word1 = nullptr;          // T1
    QLineEdit* word2 = nullptr;          // T2
    ui::ListBox* suggestions1 = nullptr; // Lst1
    ui::ListBox* suggestions2 = nullptr; // Lst2
    QPushButton* search = nullptr;       // CmdRechercher
    ui::ListBox* remedies = nullptr;     // LstRecher
    ui::Label* countLine = nullptr;      // LblResult21
    ui::Label* searchedWords = nullptr;  // LblResult22
    mainwin::RemedySheet* sheet = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* wordField(int k) const { return k == 0 ? word1 : word2; }
    ui::ListBox* suggestionsOf(int k) const { return k == 0 ? suggestions1 : suggestions2; }
    void refreshSuggestions(int k);

    QWidget* m_container;
    mainwin::PageContext m_context;
    std::array<QString, 2> m_shadow;
};

} // namespace wordsearch
