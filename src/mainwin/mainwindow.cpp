#include "mainwindow.h"

#include "aboutpage.h"
#include "browse/specialtypage.h"
#include "browse/symptomspage.h"
#include "glossary/indexwindow.h"
#include "keywordsearch/keywordsearchpage.h"
#include "personal/keeper.h"
#include "remedypage.h"
#include "search/searchwindow.h"
#include "sheet/remedysheet.h"
#include "shellcore.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/palette.h"
#include "ui/platformstyle.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <utility>

namespace mainwin {

using sheet::PageContext;
using sheet::RemedySheet;

namespace {

using namespace ui::colour;

const QColor Pink(0xFF, 0xC0, 0xFF);

// The client area holds the pages with a pixel to spare; with the desktop's
// frame the window comes to the designed 14,040 by 10,995 twips.
constexpr int ClientWidth = 931;
constexpr int ClientHeight = 703;

const char* const Captions[MainWindow::PageCount] = {"Remèdes", "Symptômes", "Spécialités",
                                                     "Mots-clés", "A propos"};
const char* const Hints[MainWindow::PageCount] = {
    "Recherche par remède", "Recherche par symptômes", "Recherche par branches médicales",
    "Recherche par mots-clés", "A propos du programme"};
// What takes the focus when a search page is chosen.
const char* const FocusOf[MainWindow::PageCount - 1] = {"LstNom", "LstMC", "LstBranche", "T1"};
const int SelectorLeft[MainWindow::PageCount] = {120, 2280, 4440, 6570, 8760};
const int FrameLeft[MainWindow::PageCount] = {30, 2190, 4320, 6480, 8640};

QPushButton* windowButton(QWidget* parent, const QString& name, const QString& caption,
                          const QString& hint, int left)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setGeometry(ui::twipsRect(left, 30, 1635, 615));
    b->setFont(ui::designFont(ui::Face::Tahoma, 8.25, true));
    ui::pressWithKeys(b);
    return b;
}

} // namespace

MainWindow::MainWindow(const ProgramValues& values, QWidget* parent)
    : QWidget(parent), m_values(values), m_table(std::make_unique<refdata::RemedyTable>())
{
    // The design's faces, before any control takes its font, and the style's
    // corrections, before any window shows. The program builds this window
    // while its start-up stage waits, and this waits with it.
    ui::installFonts();
    ui::prepareStyle();
    setObjectName(QStringLiteral("FrmHomeo"));
    setWindowTitle(QStringLiteral("Vitralis"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    ui::fillBackground(this, Grey);

    // The marker whose height, with its top, gives the window's height; the
    // pages cover it once placed.
    auto* shaB = new QFrame(this);
    shaB->setObjectName(QStringLiteral("ShaB"));
    shaB->setGeometry(ui::twipsRect(QRect(60, 660, 555, 10305)));

    // The window's buttons and Foc come first in the tab order, the pages' controls after them.
    auto* index =
        windowButton(this, QStringLiteral("CmdIndex"), QStringLiteral("Infos  et Glossaire"),
                     QStringLiteral("Informations - Glossaire des mots utilisés"), 10800);
    auto* quit = windowButton(this, QStringLiteral("CmdQuitter"), QStringLiteral("Quitter"),
                              QStringLiteral("Fermer le programme"), 12420);
    m_foc = new QLineEdit(this);
    m_foc->setObjectName(QStringLiteral("Foc"));
    m_foc->setGeometry(ui::twipsRect(QRect(15720, 180, 735, 285)));
    ui::makeFocusHolder(m_foc, QStringLiteral("Focus"));

    const PageContext context{m_table.get(), &m_keywords, &m_warnings,
                              m_foc,         &m_terms,    m_values.versionText};
    m_remedyPage = new RemedyPage(context, this);
    m_symptomsPage = new browse::SymptomsPage(context, this);
    m_specialtyPage = new browse::SpecialtyPage(context, this);
    m_keywordSearchPage = new keywordsearch::KeywordSearchPage(context, this);
    m_aboutPage = new AboutPage(this);
    m_pages = {m_remedyPage, m_symptomsPage, m_specialtyPage, m_keywordSearchPage, m_aboutPage};
    for (QWidget* page : m_pages) {
        page->setGeometry(ui::twipsRect(QRect(62, 662, 13875, 9855)));
        page->setAutoFillBackground(true);
    }

    buildSelectors();
    // The pages stand in front of the selectors' frames, which they overlap.
    for (QWidget* page : m_pages)
        page->raise();
    connect(quit, &QPushButton::clicked, this, &MainWindow::onQuitClicked);
    connect(index, &QPushButton::clicked, this, &MainWindow::onIndexClicked);
    connect(m_aboutPage, &AboutPage::siteClicked, this, &MainWindow::onSiteClicked);
    for (RemedySheet* s : findChildren<RemedySheet*>()) {
        connect(s, &RemedySheet::definitionRequested, this, &MainWindow::onDefinitionRequested);
        offerSearch(s);
    }
    m_indexButton = index;
    m_quitButton = quit;
    orderTabs();
    m_context = context;
    buildMenuBar();

    for (int k = 1; k < PageCount; ++k) {
        m_pages[k]->hide();
        m_pages[k]->setEnabled(false);
    }

    m_startupTimer = new QTimer(this);
    m_startupTimer->setObjectName(QStringLiteral("TimDeb"));
    m_startupTimer->setSingleShot(true);
    m_startupTimer->setInterval(200);
    m_startupTimer->setTimerType(Qt::PreciseTimer);
    connect(m_startupTimer, &QTimer::timeout, this, &MainWindow::startupStep);
}

MainWindow::~MainWindow() = default;

// Tab goes in reading order: the selectors, the window's buttons, then the
// page shown (the hidden pages are skipped), and round again.
void MainWindow::orderTabs()
{
    QWidget* previous = m_selectors[0];
    for (int k = 1; k < PageCount; ++k) {
        setTabOrder(previous, m_selectors[k]);
        previous = m_selectors[k];
    }
    for (QWidget* button : {m_indexButton, m_quitButton}) {
        setTabOrder(previous, button);
        previous = button;
    }
    previous = m_remedyPage->chainTabOrder(previous);
    previous = m_symptomsPage->chainTabOrder(previous);
    previous = m_specialtyPage->chainTabOrder(previous);
    previous = m_keywordSearchPage->chainTabOrder(previous);
    m_aboutPage->chainTabOrder(previous);
}

void MainWindow::buildSelectors()
{
    for (int k = 0; k < PageCount; ++k) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("ShaOp(%1)").arg(k));
        frame->setGeometry(ui::twipsRect(FrameLeft[k], 30, 2175, 735));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        ui::fillBackground(frame, DarkGrey);
    }
    for (int k = 0; k < PageCount; ++k) {
        auto* s = new ui::Label(this, QStringLiteral("LbOp(%1)").arg(k));
        s->setKeyboardClickable(QAccessible::PageTab);
        s->setGeometry(ui::twipsRect(SelectorLeft[k], 180, 2025, 420));
        s->setFont(ui::designFont(ui::Face::Tahoma, 15.75, true));
        s->setCaption(QString::fromUtf8(Captions[k]));
        s->setToolTip(QString::fromUtf8(Hints[k]));
        s->setAlignment(Qt::AlignCenter);
        s->setWordWrap(false);
        s->setTextColour(k == 0 ? Yellow : Grey);
        s->setCursor(Qt::PointingHandCursor);
        connect(s, &ui::Label::clicked, this, [this, k] { showPage(k); });
        m_selectors[k] = s;
    }
}

void MainWindow::load()
{
    m_warnings.silenced = false;
    m_symptomsPage->clearCountLine();
    m_specialtyPage->clearCountLine();
    m_keywordSearchPage->clearCountLine();
    m_aboutPage->load(m_values.versionText, m_values.startFolder);
    m_startupTimer->start();
    // The start-up step waits 200 ms: the tables are read meanwhile, so that
    // its tick has only to list them and show the window.
    QTimer::singleShot(0, this, &MainWindow::readTables);
}

void MainWindow::readTables()
{
    if (m_tablesRead)
        return;
    m_tablesRead = true;
    refdata::LoadRemedyTable(*m_table, [this](const QString& name) { m_unlistedNames << name; });
    refdata::LoadKeywordList(m_keywords, [this](const QString& word) { m_unlistedWords << word; });
    // The sheets find the glossary's terms through a lookup built once here;
    // the glossary window keeps reading its own table at each opening.
    const auto glossaryTable = std::make_unique<refdata::GlossaryTable>();
    refdata::LoadGlossary(*glossaryTable);
    m_terms = glossary::TermLookup(*glossaryTable);
}

void MainWindow::startupStep()
{
    m_startupTimer->stop();

    // Placed by its frame, as designed, on the screen it opens on.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect avail = screen->geometry();
        const QPointF at = windowPlacement(
            QSizeF(avail.width() * ui::TwipsPerPixel, avail.height() * ui::TwipsPerPixel));
        move(avail.x() + int(at.x() / ui::TwipsPerPixel),
             avail.y() + int(at.y() / ui::TwipsPerPixel));
    }
    m_aboutPage->prepare();

    readTables();
    m_remedyPage->addNames(std::exchange(m_unlistedNames, {}));
    // Remedy 0, as plain text and with no entry selected.
    m_remedyPage->showFirstRemedy();
    m_symptomsPage->addWords(std::exchange(m_unlistedWords, {}));

    for (QWidget* page : m_pages)
        page->move(ui::px(60 + 2), ui::px(660 + 2) + m_menuHeight);
    for (RemedySheet* s : findChildren<RemedySheet*>())
        s->prepare();

    show();
    activateWindow();
    m_remedyPage->findChild<QWidget*>(QString::fromLatin1(FocusOf[0]))->setFocus();
    m_started = true;
    // What could not be read of the reader's files, told once the window shows.
    QTimer::singleShot(0, m_keeper, &personal::Keeper::tellProblems);
}

void MainWindow::addKeepingMenus()
{
    m_keeper = new personal::Keeper(
        m_values.keptFolder.isEmpty() ? personal::Store::defaultFolder() : m_values.keptFolder,
        m_values.keptReadOnly ? personal::Access::ReadOnly : personal::Access::ReadWrite, this);
    m_keeper->setCurrent([this]() -> personal::Trail::Stop {
        for (RemedySheet* s : findChildren<RemedySheet*>()) {
            if (s->page() == m_currentPage && s->shownRemedy() >= 0)
                return {m_currentPage, m_table->latinName[s->shownRemedy()]};
        }
        return {m_currentPage, QString()};
    });
    m_keeper->addMenus(m_menuBar);
    connect(m_keeper, &personal::Keeper::showRequested, this, &MainWindow::showRemedyOn);
    connect(m_keeper, &personal::Keeper::textSizeChanged, this, &MainWindow::textSizeChanged);
    const auto noteOf = [this](int i) { return m_keeper->store().note(m_table->latinName[i]); };
    for (RemedySheet* s : findChildren<RemedySheet*>()) {
        connect(s, &RemedySheet::remedyShown, this, [this, s, noteOf](int i) {
            recordShowing(s->page(), m_table->latinName[i]);
            s->setNote(noteOf(i));
        });
        const auto remedyOf = [this, s] {
            return s->shownRemedy() >= 0 ? m_table->latinName[s->shownRemedy()] : QString();
        };
        const QList<QAction*> actions = m_keeper->sheetActions(m_keeper, remedyOf);
        for (QAction* a : actions)
            s->addMenuAction(a);
        connect(s, &RemedySheet::menuOpening, this,
                [this, actions, remedyOf] { m_keeper->updateSheetActions(actions, remedyOf()); });
        connect(s, &RemedySheet::noteClicked, this, [this, s] {
            if (s->shownRemedy() >= 0)
                m_keeper->editNote(m_table->latinName[s->shownRemedy()]);
        });
        s->setNoteForPaper(
            [this, noteOf](int i) { return m_keeper->noteGoesOnPaper() ? noteOf(i) : QString(); });
        connect(m_keeper, &personal::Keeper::noteChanged, s, [s, noteOf] {
            if (s->shownRemedy() >= 0)
                s->setNote(noteOf(s->shownRemedy()));
        });
        connect(m_keeper, &personal::Keeper::textSizeChanged, s, &RemedySheet::setTextSize);
    }
    m_keeper->load();
}

int MainWindow::textSize() const
{
    return m_keeper->store().textSize();
}

void MainWindow::recordShowing(int place, const QString& remedy)
{
    m_keeper->recordShowing(place, remedy, m_started);
}

void MainWindow::showRemedyOn(int k, const QString& remedy)
{
    if (k == SearchWindowPlace) {
        emit searchWindowShowingRequested(remedy);
        openSearch(remedy);
        return;
    }
    if (k < 0 || k >= PageCount - 1 || m_table->indexOf(remedy) < 0)
        return;
    if (k != m_currentPage)
        showPage(k);
    // Chosen in the page's list when it holds the remedy, as a click does;
    // otherwise shown on the sheet as a pick from that list, warnings alike.
    static const char* const Lists[] = {"LstNom", "LstRech", "LstResult", "LstRecher"};
    auto* list = m_pages[k]->findChild<ui::ListBox*>(QString::fromLatin1(Lists[k]));
    const int row = list ? int(list->entries().indexOf(remedy)) : -1;
    if (row >= 0) {
        if (list->selectedIndex() == row)
            emit list->clicked(row);
        else
            list->setCurrentRow(row);
        return;
    }
    for (RemedySheet* s : m_pages[k]->findChildren<RemedySheet*>()) {
        list->clearSelection();
        s->showPicked(*m_table, remedy, m_warnings,
                      k == 2 ? m_warnings.pendingSpecialtyPage : m_warnings.pendingWordPages);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_keeper->saveNow();
    QWidget::closeEvent(event);
}

void MainWindow::showPage(int k)
{
    if (k < 0 || k >= PageCount)
        return;
    for (int p = 0; p < PageCount; ++p) {
        m_pages[p]->hide();
        m_pages[p]->setEnabled(false);
        m_selectors[p]->setTextColour(Grey);
    }
    m_pages[k]->show();
    m_pages[k]->setEnabled(true);
    m_selectors[k]->setTextColour(Yellow);
    m_selectors[k]->raise();
    m_currentPage = k;
    // Each search page hands the focus to its list or field; "A propos" keeps it where it is.
    if (k == PageCount - 1)
        m_selectors[k]->setTextColour(Pink);
    else
        m_pages[k]->findChild<QWidget*>(QString::fromLatin1(FocusOf[k]))->setFocus();
}

void MainWindow::buildMenuBar()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("BarreMenus"));
    QMenu* search = m_menuBar->addMenu(QStringLiteral("&Rechercher"));
    search->setObjectName(QStringLiteral("MenuRechercher"));
    QAction* open = search->addAction(QStringLiteral("Rechercher dans les fiches…"));
    open->setObjectName(QStringLiteral("ActRechercherFiches"));
    open->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3)});
    open->setShortcutContext(Qt::WindowShortcut);
    addAction(open);
    connect(open, &QAction::triggered, this, [this] { openSearch(); });
    // The bar's button for the menus that do not fit has a name to be read too.
    addKeepingMenus();
    for (QToolButton* more : m_menuBar->findChildren<QToolButton*>())
        more->setAccessibleName(QStringLiteral("Autres menus"));

    // The pages and the window's buttons keep their places below the bar.
    m_menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, ClientWidth, m_menuHeight);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_menuBar && !child->isWindow())
            child->move(child->pos() + QPoint(0, m_menuHeight));
    }
    setFixedSize(ClientWidth, ClientHeight + m_menuHeight);
}

void MainWindow::offerSearch(RemedySheet* sheet)
{
    auto* search = new QAction(QStringLiteral("Rechercher dans les fiches…"), this);
    search->setObjectName(QStringLiteral("ActRechercherFiches%1").arg(sheet->page()));
    connect(search, &QAction::triggered, this, [this, sheet] { openSearch(sheet->menuWords()); });
    sheet->addMenuAction(search);
}

void MainWindow::openSearch(const QString& words)
{
    auto* window = search::SearchWindow::showWindow(m_context, this, words);
    keepSearchShowings(window);
    connect(window, &search::SearchWindow::showInRemedies, this, &MainWindow::showInRemedies,
            Qt::UniqueConnection);
    connect(window, &search::SearchWindow::definitionRequested, this,
            &MainWindow::onDefinitionRequested, Qt::UniqueConnection);
}

void MainWindow::keepSearchShowings(QWidget* window)
{
    auto* sheet = window->findChild<RemedySheet*>();
    if (!sheet || sheet == m_searchSheet)
        return;
    // The search window's showings go into the history like the pages' own,
    // and its sheet follows the reader's text size.
    m_searchSheet = sheet;
    connect(sheet, &RemedySheet::remedyShown, this,
            [this](int i) { recordShowing(SearchWindowPlace, m_table->latinName[i]); });
    sheet->setTextSize(textSize());
    connect(m_keeper, &personal::Keeper::textSizeChanged, sheet, &RemedySheet::setTextSize);
}

void MainWindow::showInRemedies(int i)
{
    showPage(0);
    m_remedyPage->chooseRemedy(i);
    raise();
    activateWindow();
}

void MainWindow::onIndexClicked()
{
    ui::parkFocus(m_foc);
    glossary::IndexWindow::showWindow(m_values.startFolder, this);
}

void MainWindow::onDefinitionRequested(const QString& term)
{
    glossary::IndexWindow::showWindow(m_values.startFolder, this)->showTerm(term);
}

void MainWindow::onSiteClicked()
{
    ui::parkFocus(m_foc);
    // Whatever the desktop makes of it, nothing is reported.
    QDesktopServices::openUrl(QUrl(m_values.webPageAddress));
}

void MainWindow::onQuitClicked()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace mainwin
