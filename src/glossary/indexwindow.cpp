#include "indexwindow.h"

#include "glossarycore.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace glossary {

namespace {

const QColor Blue(0x00, 0x00, 0xFF);
const QColor Grey(0xC0, 0xC0, 0xC0);
const QColor DarkRed(0x80, 0x00, 0x00);

const QString ToGlossary = QStringLiteral("Accéder au glossaire");
const QString ToInformation = QStringLiteral("Informations produits");

QPointer<IndexWindow>& currentWindow()
{
    static QPointer<IndexWindow> window;
    return window;
}

void paintBackground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setLetterLook(ui::Label* l, const QColor& colour, bool marked)
{
    l->setEmphasis(marked, marked);
    l->setTextColor(colour);
}

} // namespace

IndexWindow* IndexWindow::showWindow(const QString& startFolder, QWidget* mainWindow)
{
    QPointer<IndexWindow>& open = currentWindow();
    if (open) {
        open->raise();
    } else {
        open = new IndexWindow(startFolder, mainWindow);
        open->show();
    }
    open->activateWindow();
    return open;
}

IndexWindow* IndexWindow::openWindow()
{
    return currentWindow();
}

IndexWindow::IndexWindow(const QString& startFolder, QWidget* mainWindow)
    : QWidget(mainWindow), m_table(std::make_unique<refdata::GlossaryTable>())
{
    setObjectName(QStringLiteral("Frm31Index"));
    setWindowTitle(QStringLiteral("Informations - Glossaire des mots utilisés dans le logiciel"));
    // A dialog frame over the main window: no taskbar entry of its own, a
    // close box, no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ui::px(7620), ui::px(9225));
    paintBackground(this, Qt::white);

    // The focus holder comes first in the tab order, so it has the focus when
    // the window opens; it lies beyond the right edge.
    foc = new QPushButton(this);
    foc->setObjectName(QStringLiteral("Foc"));
    foc->setGeometry(ui::twipsRect(8760, 300, 15, 15));
    // Pressing it switches the view, so it reads as the switch does.
    ui::makeFocusHolder(foc, ToGlossary);
    connect(foc, &QPushButton::clicked, this, &IndexWindow::switchView);

    // The glossary's own controls stand together under the information
    // panel; they are hidden while it covers them, so that neither Tab nor
    // assistive technology reaches what nobody sees.
    glossaryView = new QWidget(this);
    glossaryView->setObjectName(QStringLiteral("VueGlossaire"));
    glossaryView->resize(ui::px(7620), ui::px(9225));
    buildLetters();

    termList = new ui::ListBox(glossaryView, QStringLiteral("LstMot"));
    termList->setGeometry(ui::twipsRect(240, 1020, 7095, 6240));
    termList->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    termList->setStyleSheet(QStringLiteral("QListWidget { color: black; background: white; }"));
    termList->setAccessibleName(QStringLiteral("Mots du glossaire"));
    connect(termList, &ui::ListBox::clicked, this, &IndexWindow::chooseTerm);

    rule = new QWidget(glossaryView);
    rule->setObjectName(QStringLiteral("Lin1"));
    rule->setGeometry(ui::px(240), ui::px(7320), 1, ui::px(8700) - ui::px(7320));
    paintBackground(rule, Grey);
    rule->hide();

    definition = new ui::Label(glossaryView, QStringLiteral("LblDef"));
    definition->setGeometry(ui::twipsRect(300, 7320, 7035, 1410));
    definition->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    definition->setTextColor(DarkRed);
    definition->setBackgroundColor(Qt::white);
    definition->setWordWrap(true);
    definition->exposeValue(QStringLiteral("Définition"));

    infoPanel = new QFrame(this);
    infoPanel->setObjectName(QStringLiteral("FraInfo"));
    infoPanel->resize(ui::px(7575), ui::px(8655));
    paintBackground(infoPanel, Qt::white);
    information = new ui::RichTextBox(infoPanel, QStringLiteral("Rtb1"));
    information->setGeometry(ui::twipsRect(60, 90, 7440, 8535));
    information->setAccessibleName(QStringLiteral("Informations produits"));

    viewButton = new QPushButton(ToGlossary, this);
    viewButton->setObjectName(QStringLiteral("CmdGlossaire"));
    viewButton->setToolTip(QStringLiteral("Index des mots utilisés"));
    viewButton->setGeometry(ui::twipsRect(3780, 8760, 2595, 405));
    viewButton->setFont(ui::designFont(ui::Face::Tahoma, 9.75, true));
    connect(viewButton, &QPushButton::clicked, this, &IndexWindow::toggleView);
    ui::pressWithKeys(viewButton);

    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setObjectName(QStringLiteral("CmdFermer"));
    closeButton->setGeometry(ui::twipsRect(6480, 8760, 1035, 405));
    closeButton->setFont(ui::designFont(ui::Face::Tahoma, 9.75, true));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    ui::pressWithKeys(closeButton);

    // Tab goes in reading order: the document, the letters, the terms, the
    // two buttons. The focus holder has the focus when the window opens.
    QWidget* previous = information;
    for (QWidget* next : letters) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    QWidget::setTabOrder(previous, termList);
    QWidget::setTabOrder(termList, viewButton);
    QWidget::setTabOrder(viewButton, closeButton);
    foc->setFocus();

    // The window's load: the information view on top, its document read, and
    // the glossary listed as a click on "A" would leave it.
    placeOver(mainWindow);
    infoPanel->move(0, 0);
    infoPanel->raise();
    glossaryView->hide();
    information->loadDocument(startFolder, QStringLiteral("Liste.rtf"));
    refdata::LoadGlossary(*m_table, [this](const QString& term) { termList->addEntry(term); });
}

IndexWindow::~IndexWindow() = default;

void IndexWindow::buildLetters()
{
    for (int k = 1; k <= LetterCount; ++k) {
        auto* l = new ui::Label(glossaryView, QStringLiteral("Lab(%1)").arg(k));
        l->setKeyboardClickable(QAccessible::Button);
        const int position = k <= 13 ? k : k - 13;
        l->setGeometry(ui::twipsRect(240 + 420 * (position - 1), k <= 13 ? 180 : 600, 345, 345));
        l->setFont(ui::designFont(ui::Face::Verdana, 14.25));
        l->setBackgroundColor(Qt::white);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        l->setCaption(QString(QChar(u'A' + k - 1)));
        l->setCursor(Qt::PointingHandCursor);
        if (k == 1)
            setLetterLook(l, Blue, true);
        else
            setLetterLook(l, isEmptyLetter(k) ? Grey : QColor(Qt::black), false);
        connect(l, &ui::Label::clicked, this, [this, k] { chooseLetter(k); });
        letters[k - 1] = l;
    }
}

void IndexWindow::placeOver(const QWidget* mainWindow)
{
    // Centred over the main window, and never off the screen.
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect over = mainWindow && mainWindow->isVisible() ? mainWindow->frameGeometry() : free;
    const QPoint at = over.center() - QPoint(width() / 2, height() / 2);
    move(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - width())),
         std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - height())));
}

void IndexWindow::switchView()
{
    if (showsInformation()) {
        glossaryView->show();
        infoPanel->hide();
        viewButton->setText(ToInformation);
    } else {
        infoPanel->show();
        glossaryView->hide();
        viewButton->setText(ToGlossary);
    }
    foc->setAccessibleName(viewButton->text());
}

void IndexWindow::toggleView()
{
    switchView();
    ui::parkFocus(foc);
}

void IndexWindow::chooseLetter(int k)
{
    ui::parkFocus(foc);
    definition->setCaption(QString());
    rule->hide();
    for (ui::Label* l : letters)
        setLetterLook(l, Qt::black, false);
    for (int empty : {10, 23, 24, 25})
        letters[empty - 1]->setTextColor(Grey);
    if (isEmptyLetter(k)) {
        termList->clearEntries();
        return;
    }
    setLetterLook(letters[k - 1], Blue, true);
    termList->clearEntries();
    const QChar c = letters[k - 1]->caption().front().toLower();
    termList->addEntries(termsUnderLetter(*m_table, c));
}

void IndexWindow::chooseTerm()
{
    definition->setCaption(QString());
    const int i = entryOfTerm(*m_table, termList->selectedEntry());
    if (i >= 0)
        definition->setCaption(m_table->definitions[i]);
    rule->show();
}

void IndexWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        closeButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace glossary
