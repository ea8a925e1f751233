#pragma once

#include "aboutpage.h"
#include "pagecontext.h"
#include "remedysheet.h"
#include "ui/label.h"
#include "ui/listbox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

namespace browse {
class KeywordPage;
class SpecialtyPage;
} // namespace browse
namespace wordsearch {
class WordSearchPage;
}

namespace mainwin {

// The values the start-up stage sets for the whole run.
struct ProgramValues
{
    QString startFolder; // ends with the path separator
    QString versionText;
    QString webPageAddress;
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

    // The window's load: builds the line break, resets the warning state,
    // clears the count lines, writes the version, reads the licence document
    // and the disclaimer, then arms the start-up step.
    void load();
    // The one-shot start-up step (`TimDeb`): size and place, load the tables,
    // show remedy 0 as plain text, place the pages, show the window.
    void startupStep();
    // What choosing selector k does.
    void showPage(int k);
    int currentPage() const { return m_currentPage; }

    const refdata::RemedyTable& table() const { return *m_table; }
    const refdata::KeywordList& keywords() const { return m_keywords; }
    WarningState& warnings() { return m_warnings; }
    const ProgramValues& values() const { return m_values; }

    std::array<ui::Label*, PageCount> selectors{}; // LbOp(0) to LbOp(4)
    std::array<QWidget*, PageCount> pages{};       // Pict(0) to Pict(4)
    ui::ListBox* remedyNames = nullptr;            // LstNom
    RemedySheet* sheet = nullptr;                  // the full sheet of page 0
    AboutPage* about = nullptr;
    browse::KeywordPage* keywordPage = nullptr;
    browse::SpecialtyPage* specialtyPage = nullptr;
    wordsearch::WordSearchPage* wordSearchPage = nullptr;
    QPushButton* quitButton = nullptr;  // CmdQuitter
    QPushButton* indexButton = nullptr; // CmdIndex
    QLineEdit* foc = nullptr;           // Foc
    QTimer* startupTimer = nullptr;     // TimDeb

private:
    void buildSelectors();
    // Reads both tables, once, keeping the names and words for their lists.
    void readTables();
    void orderTabs();
    void onRemedyTimer();
    void openWebPage();
    void quit();

    ProgramValues m_values;
    std::unique_ptr<refdata::RemedyTable> m_table;
    refdata::KeywordList m_keywords;
    WarningState m_warnings;
    QString m_lineBreak;
    int m_currentPage = 0;
    bool m_tablesRead = false;
    QStringList m_unlistedNames; // read, not yet in LstNom
    QStringList m_unlistedWords; // read, not yet in LstMC
};

} // namespace mainwin
