#pragma once

#include "glossary/termlookup.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "sheet/pagecontext.h"
#include "sheet/warningstate.h"

#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;
class QMenuBar;
class QTimer;
namespace ui {
class Label;
}
namespace browse {
class SymptomsPage;
class SpecialtyPage;
} // namespace browse
namespace keywordsearch {
class KeywordSearchPage;
}
namespace personal {
class Keeper;
}

namespace sheet {
class RemedySheet;
}

namespace mainwin {

class AboutPage;
class RemedyPage;

// The values the start-up stage sets for the whole run.
struct ProgramValues
{
    QString startFolder; // ends with the path separator
    QString versionText;
    QString webPageAddress;
    // Where what the reader keeps lives; empty: the user's application-data folder.
    QString keptFolder;
    // A copy started while another may run reads what the reader keeps, never writes it.
    bool keptReadOnly = false;
};

// FrmHomeo, the main window: five pages behind a row of selectors, and the
// window's own buttons. It owns the tables, the warning state and every page.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PageCount = 5;

    explicit MainWindow(const ProgramValues& values, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's load: resets the warning state,
    // clears the count lines, writes the version, reads the licence document
    // and the disclaimer, then arms the start-up step.
    void load();
    // The one-shot start-up step (`TimDeb`): size and place, load the tables,
    // show remedy 0 as plain text, place the pages, show the window.
    void startupStep();
    // Reads both tables, once, keeping the names and words for their lists.
    void readTables();
    // What choosing selector k does (a click on `LbOp(k)`).
    void showPage(int k);
    int currentPage() const { return m_currentPage; }

    const refdata::RemedyTable& table() const { return *m_table; }
    const refdata::KeywordList& keywords() const { return m_keywords; }
    const glossary::TermLookup& terms() const { return m_terms; }
    sheet::WarningState& warnings() { return m_warnings; }
    const ProgramValues& values() const { return m_values; }

    // "Rechercher dans les fiches", opened on `words` when they are not empty.
    void openSearch(const QString& words = {});
    // Remedy i on the page "Remèdes", chosen as a click in its list does.
    void showInRemedies(int i);
    // What the reader keeps: history, favourites, notes, text size.
    personal::Keeper& keeper() const { return *m_keeper; }
    // Where a showing took place that is no page's: the search window.
    static constexpr int SearchWindowPlace = PageCount;
    // Shows `remedy` on page k as a choice in its list does, warnings and all.
    void showRemedyOn(int k, const QString& remedy);
    // The sheets' text size, in percent of the designed one.
    int textSize() const;

public slots:
    // A remedy shown somewhere (page k, or SearchWindowPlace) goes into the
    // history. The pages' sheets call it on their own; the search window
    // calls it for its showings.
    void recordShowing(int place, const QString& remedy);

signals:
    // The reader changed the text size; windows with texts of their own follow.
    void textSizeChanged(int percent);
    // Back or forward came to a showing of the search window.
    void searchWindowShowingRequested(const QString& remedy);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The reader's menus and what the sheets add for them.
    void addKeepingMenus();
    void buildSelectors();
    // The menu bar: a strip above the pages; everything else moves down with them.
    void buildMenuBar();
    // "Rechercher dans les fiches…" in a sheet's context menu.
    void offerSearch(sheet::RemedySheet* sheet);
    // The search window's sheet joins the history and the text size.
    void keepSearchShowings(QWidget* window);
    void orderTabs();
    void onIndexClicked();
    void onSiteClicked();
    void onQuitClicked();
    // A sheet asked for the glossary's page of a term.
    void onDefinitionRequested(const QString& term);

    ProgramValues m_values;
    std::unique_ptr<refdata::RemedyTable> m_table;
    refdata::KeywordList m_keywords;
    glossary::TermLookup m_terms; // the glossary's terms, for the sheets' definitions
    sheet::WarningState m_warnings;
    int m_currentPage = 0;
    bool m_tablesRead = false;
    QStringList m_unlistedNames; // read, not yet in LstNom
    QStringList m_unlistedWords; // read, not yet in LstMC

    std::array<ui::Label*, PageCount> m_selectors{}; // LbOp(0) to LbOp(4)
    std::array<QWidget*, PageCount> m_pages{};       // Pict(0) to Pict(4)
    RemedyPage* m_remedyPage = nullptr;
    browse::SymptomsPage* m_symptomsPage = nullptr;
    browse::SpecialtyPage* m_specialtyPage = nullptr;
    keywordsearch::KeywordSearchPage* m_keywordSearchPage = nullptr;
    AboutPage* m_aboutPage = nullptr;
    sheet::PageContext m_context;
    QMenuBar* m_menuBar = nullptr; // BarreMenus
    int m_menuHeight = 0;
    QLineEdit* m_foc = nullptr;       // Foc
    QWidget* m_indexButton = nullptr; // CmdIndex
    QWidget* m_quitButton = nullptr;  // CmdQuitter
    QTimer* m_startupTimer = nullptr; // TimDeb
    personal::Keeper* m_keeper = nullptr;
    sheet::RemedySheet* m_searchSheet = nullptr; // the search window's, once wired
    bool m_started = false;                      // the start-up step has shown the window
};

} // namespace mainwin
