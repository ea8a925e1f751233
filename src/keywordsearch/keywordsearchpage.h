#pragma once

#include "sheet/pagecontext.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
namespace ui {
class ListBox;
class ResultsPanel;
} // namespace ui
namespace sheet {
class RemedySheet;
}

namespace keywordsearch {

// The page "Mots-clés", `Pict(3)`: two word fields with their suggestions, the
// search on both words, the remedies found and the page's reduced sheet.
class KeywordSearchPage : public QWidget
{
    Q_OBJECT

public:
    KeywordSearchPage(const sheet::PageContext& context, QWidget* parent);

    // The lower-cased copy of word field k (0 or 1) that its suggestions follow.
    QString shadow(int k) const { return m_shadow.at(k); }
    // Empties the count line and the words searched, as the window's load does.
    void clearCountLine();
    // Puts the page's controls after `previous` in the tab order, in reading
    // order; returns the last.
    QWidget* chainTabOrder(QWidget* previous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page's handlers; the first word is k = 0, the second k = 1.
    // A word field's text changed, by typing or from the program.
    void onWordChanged(int k);
    // A word field received the focus: its suggestions show, the other's hide.
    void onWordFocused(int k);
    // A suggestion was picked: it becomes the field's text.
    void onSuggestionClicked(int k);
    // "Rechercher": lists the remedies carrying both words, shows the first.
    void onSearchClicked();
    // A remedy picked among those found.
    void onRemedyClicked();
    // Ten milliseconds after a remedy is shown: the two words in red, the
    // focus on the remedies found, the warning window when one is due.
    void onDeferredStep();

    void refreshSuggestions(int k);

    sheet::PageContext m_context;
    sheet::RemedySheet* m_sheet;
    std::array<QLineEdit*, 2> m_words{};         // T1, T2
    std::array<ui::ListBox*, 2> m_suggestions{}; // Lst1, Lst2
    QPushButton* m_search;
    ui::ResultsPanel* m_results;
    std::array<QString, 2> m_shadow;
};

} // namespace keywordsearch
