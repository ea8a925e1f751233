#include "mainwindow.h"

#include "browse/keywordpage.h"
#include "browse/specialtypage.h"
#include "glossary/indexwindow.h"
#include "shellcore.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "warningwindow.h"
#include "wordsearch/wordsearchpage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

#include <utility>

namespace mainwin {

namespace {

const QColor Grey(0xC0, 0xC0, 0xC0);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Pink(0xFF, 0xC0, 0xFF);
const QColor SelectorFill(0x40, 0x40, 0x40);

// The client area holds the pages with a pixel to spare; with the desktop's
// frame the window comes to the designed 14,040 by 10,995 twips.
constexpr int ClientWidth = 931;
constexpr int ClientHeight = 703;

const char* const Captions[MainWindow::PageCount] = {"Remèdes", "Symptômes", "Spécialités",
                                                     "Mots-clés", "A propos"};
const char* const Hints[MainWindow::PageCount] = {
    "Recherche par remède", "Recherche par symptômes", "Recherche par branches médicales",
    "Recherche par mots-clés", "A propos du programme"};
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
    // The design's faces, before any control takes its font. The program builds
    // this window while its start-up stage waits, and this waits with it.
    ui::installFonts();
    setObjectName(QStringLiteral("FrmHomeo"));
    setWindowTitle(QStringLiteral("Vitralis"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Grey);
    setPalette(p);

    // The marker whose height, with its top, gives the window's height; the
    // pages cover it once placed.
    auto* shaB = new QFrame(this);
    shaB->setObjectName(QStringLiteral("ShaB"));
    shaB->setGeometry(ui::twipsRect(60, 660, 555, 10305));

    const PageContext context{m_table.get(), &m_keywords, &m_warnings, nullptr};
    for (int k = 0; k < PageCount; ++k) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("Pict(%1)").arg(k));
        page->setGeometry(ui::twipsRect(62, 662, 13875, 9855));
        page->setAutoFillBackground(true);
        pages[k] = page;
    }

    buildSelectors();
    // The pages stand in front of the selectors' frames, which they overlap.
    for (QWidget* page : pages)
        page->raise();
    indexButton =
        windowButton(this, QStringLiteral("CmdIndex"), QStringLiteral("Infos  et Glossaire"),
                     QStringLiteral("Informations - Glossaire des mots utilisés"), 10800);
    quitButton = windowButton(this, QStringLiteral("CmdQuitter"), QStringLiteral("Quitter"),
                              QStringLiteral("Fermer le programme"), 12420);
    connect(quitButton, &QPushButton::clicked, this, &MainWindow::quit);
    connect(indexButton, &QPushButton::clicked, this, [this] {
        ui::parkFocus(foc);
        glossary::IndexWindow::showWindow(m_values.startFolder, this);
    });

    foc = new QLineEdit(this);
    foc->setObjectName(QStringLiteral("Foc"));
    foc->setGeometry(ui::twipsRect(15720, 180, 735, 285));
    ui::makeFocusHolder(foc, QStringLiteral("Focus"));
    PageContext withFoc = context;
    withFoc.foc = foc;

    // Page 0: the remedy names and the full sheet.
    sheet = new RemedySheet(pages[0], 0);
    remedyNames = new ui::ListBox(pages[0], QStringLiteral("LstNom"));
    remedyNames->setGeometry(ui::twipsRect(60, 60, 5115, 9690));
    remedyNames->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    remedyNames->setAccessibleName(QStringLiteral("Remèdes"));
    connect(remedyNames, &ui::ListBox::clicked, this,
            [this](int i) { sheet->showRemedy(*m_table, i); });
    connect(sheet->timer, &QTimer::timeout, this, &MainWindow::onRemedyTimer);

    keywordPage = new browse::KeywordPage(pages[1], withFoc);
    specialtyPage = new browse::SpecialtyPage(pages[2], withFoc);
    wordSearchPage = new wordsearch::WordSearchPage(pages[3], withFoc);
    about = new AboutPage(pages[4]);
    connect(about->site, &QPushButton::clicked, this, &MainWindow::openWebPage);
    ui::pressWithKeys(about->site);
    ui::pressWithKeys(wordSearchPage->search);
    orderTabs();

    for (int k = 1; k < PageCount; ++k) {
        pages[k]->hide();
        pages[k]->setEnabled(false);
    }

    startupTimer = new QTimer(this);
    startupTimer->setObjectName(QStringLiteral("TimDeb"));
    startupTimer->setSingleShot(true);
    startupTimer->setInterval(200);
    startupTimer->setTimerType(Qt::PreciseTimer);
    connect(startupTimer, &QTimer::timeout, this, &MainWindow::startupStep);
}

MainWindow::~MainWindow() = default;

// Tab goes in reading order: the selectors, the window's buttons, then the
// page shown (the hidden pages are skipped), and round again.
void MainWindow::orderTabs()
{
    QList<QWidget*> order(selectors.begin(), selectors.end());
    order << indexButton << quitButton;
    order << remedyNames << sheet->body;
    for (ui::Label* letter : keywordPage->letters)
        order << letter;
    order << keywordPage->words << keywordPage->remedies << keywordPage->sheet->body;
    order << specialtyPage->specialties << specialtyPage->remedies << specialtyPage->sheet->body;
    order << wordSearchPage->word1 << wordSearchPage->word2 << wordSearchPage->search
          << wordSearchPage->suggestions1 << wordSearchPage->suggestions2
          << wordSearchPage->remedies << wordSearchPage->sheet->body;
    order << about->licence << about->site;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildSelectors()
{
    for (int k = 0; k < PageCount; ++k) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("ShaOp(%1)").arg(k));
        frame->setGeometry(ui::twipsRect(FrameLeft[k], 30, 2175, 735));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        frame->setAutoFillBackground(true);
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, SelectorFill);
        frame->setPalette(p);
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
        s->setTextColor(k == 0 ? Yellow : Grey);
        s->setCursor(Qt::PointingHandCursor);
        connect(s, &ui::Label::clicked, this, [this, k] { showPage(k); });
        selectors[k] = s;
    }
}

void MainWindow::load()
{
    m_lineBreak = LineBreak;
    m_warnings.silenced = false;
    for (ui::Label* l :
         {keywordPage->countLine, keywordPage->chosenWord, specialtyPage->countLine,
          specialtyPage->chosen, wordSearchPage->countLine, wordSearchPage->searchedWords})
        l->setCaption(QString());
    about->version->setCaption(m_values.versionText);
    about->licence->loadDocument(m_values.startFolder, QStringLiteral("Licencebis.rtf"));
    about->disclaimer->setCaption(disclaimerText());
    startupTimer->start();
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
}

void MainWindow::startupStep()
{
    startupTimer->stop();

    // Placed by its frame, as designed, on the screen it opens on.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect avail = screen->geometry();
        const QPointF at = windowPlacement(
            QSizeF(avail.width() * ui::TwipsPerPixel, avail.height() * ui::TwipsPerPixel));
        move(avail.x() + int(at.x() / ui::TwipsPerPixel),
             avail.y() + int(at.y() / ui::TwipsPerPixel));
    }
    about->version->setBackgroundColor(QColor(0xE0, 0xE0, 0xE0));

    readTables();
    remedyNames->addEntries(std::exchange(m_unlistedNames, {}));

    // Remedy 0, as plain text and with no entry selected.
    sheet->nameLabel->setCaption(u' ' + m_table->latinName[0] + u' ');
    sheet->frenchName->setCaption(m_table->frenchName[0]);
    sheet->origin->setCaption(m_table->origin[0]);
    sheet->specialties->setCaption(m_table->branches[0]);
    sheet->body->setText(m_table->indications[0]);
    sheet->dilution->setCaption(m_table->dilution[0]);
    sheet->rating->setCaption(m_table->rating[0]);
    sheet->listClass->setCaption(m_table->listClass[0]);

    keywordPage->words->addEntries(std::exchange(m_unlistedWords, {}));

    for (QWidget* page : pages)
        page->move(ui::px(60 + 2), ui::px(660 + 2));
    for (RemedySheet* s : {sheet, keywordPage->sheet, specialtyPage->sheet, wordSearchPage->sheet})
        s->prepare();

    show();
    activateWindow();
    remedyNames->setFocus();
}

void MainWindow::showPage(int k)
{
    if (k < 0 || k >= PageCount)
        return;
    for (int p = 0; p < PageCount; ++p) {
        pages[p]->hide();
        pages[p]->setEnabled(false);
        selectors[p]->setTextColor(Grey);
    }
    pages[k]->show();
    pages[k]->setEnabled(true);
    selectors[k]->setTextColor(Yellow);
    selectors[k]->raise();
    m_currentPage = k;
    switch (k) {
    case 0:
        remedyNames->setFocus();
        break;
    case 1:
        keywordPage->words->setFocus();
        break;
    case 2:
        specialtyPage->specialties->setFocus();
        break;
    case 3:
        wordSearchPage->word1->setFocus();
        break;
    default:
        selectors[4]->setTextColor(Pink);
        break;
    }
}

// Ten milliseconds after a remedy is shown on page 0: its warning label and,
// for a listed remedy, the warning window.
void MainWindow::onRemedyTimer()
{
    sheet->timer->stop();
    sheet->body->setFocus();
    remedyNames->setFocus();
    const int i = remedyNames->selectedIndex();
    if (i < 0 || i >= m_table->count)
        return;
    if (m_table->isListed(i)) {
        sheet->warning->setCaption(m_table->listWarning[i]);
        m_warnings.warningText = m_table->extraWarning[i];
        if (!m_warnings.silenced)
            WarningWindow::openModal(m_warnings, this);
    } else {
        sheet->warning->setCaption(QString());
    }
}

void MainWindow::openWebPage()
{
    ui::parkFocus(foc);
    // Whatever the desktop makes of it, nothing is reported.
    QDesktopServices::openUrl(QUrl(m_values.webPageAddress));
}

void MainWindow::quit()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace mainwin
