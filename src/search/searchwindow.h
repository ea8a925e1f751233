#pragma once

#include "search/searchindex.h"
#include "sheet/pagecontext.h"

#include <QWidget>

#include <functional>
#include <memory>

class QDialog;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTimer;
namespace ui {
class Label;
}
namespace sheet {
class RemedySheet;
}

namespace search {

// "Rechercher dans les fiches": a search of what the sheets say, as the
// person types, and for several symptoms at once (parts of the query
// separated by commas or semicolons) a repertory grid. The remedy chosen is
// shown on a full sheet of the window's own, through the sheet's showing
// path, so that its warnings come as on the pages. One window at a time, not
// modal; the index behind it is built at its first opening.
class SearchWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens the window over `mainWindow`, or brings the open one forward; a
    // non-empty `query` replaces what its field holds.
    static SearchWindow* showWindow(const sheet::PageContext& context, QWidget* mainWindow,
                                    const QString& query = {});
    // The window that is open, or nullptr.
    static SearchWindow* openWindow();

    SearchWindow(const sheet::PageContext& context, QWidget* mainWindow);
    ~SearchWindow() override;

    // Puts `query` in the field and searches at once.
    void setQuery(const QString& query);
    QString query() const;
    const Outcome& outcome() const { return m_outcome; }
    // The remedy the window's sheet shows, or -1.
    int shownRemedy() const;

    // The grid given out, as its buttons do.
    void printGrid();
    void previewGrid();
    void saveGridAsPdf();
    void copyGrid();

    // Tests put a function here to answer each dialog the window opens
    // (print, preview, file, message) instead of a modal loop.
    using DialogAnswer = std::function<int(QDialog&)>;
    static void setDialogAnswer(DialogAnswer answer);

signals:
    // "Afficher dans Remèdes", or Enter on a result: remedy i on the page "Remèdes".
    void showInRemedies(int i);
    // The sheet's context menu asked for the glossary's page of a term.
    void definitionRequested(const QString& term);

private:
    void runSearch();
    void fillList();
    void fillGrid();
    void showStatus();
    // The remedy of a result is shown; `picked` when the person chose it.
    void showRemedy(int i, bool picked);
    void onDeferredStep();
    void onResultChosen();
    void onShowInRemedies();
    int chosenRemedy() const;
    // A result as the list draws it, and as a screen reader reads it (`plain`).
    QString resultHtml(const Row& row, QString& plain) const;
    const SearchIndex& index();

    sheet::PageContext m_context;
    std::unique_ptr<SearchIndex> m_index;
    Outcome m_outcome;
    QString m_searched;     // the query of m_outcome
    bool m_pending = false; // a listed remedy was picked: its window is due
    bool m_picked = false;  // the remedy shown was picked in the results
    bool m_filling = false;

    QLineEdit* m_field = nullptr;      // TxtRecherche
    ui::Label* m_status = nullptr;     // LblResultats
    QList<QPushButton*> m_suggestions; // CmdSuggestion0..2
    QStackedWidget* m_views = nullptr;
    QListWidget* m_list = nullptr;  // LstResultats
    QTableWidget* m_grid = nullptr; // GrilleRepertoire
    ui::Label* m_legend = nullptr;  // LblLegende
    sheet::RemedySheet* m_sheet = nullptr;
    QPushButton* m_showInRemedies = nullptr;
    QList<QPushButton*> m_paperButtons;
    QTimer* m_debounce = nullptr;
};

} // namespace search
