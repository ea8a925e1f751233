#include "indexwindow.h"

#include "glossarycore.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/letterindex.h"
#include "ui/listbox.h"
#include "ui/palette.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace glossary {

namespace {

using namespace ui::colour;

const QString ToGlossary = QStringLiteral("Accéder au glossaire");
const QString ToInformation = QStringLiteral("Informations produits");

QPointer<IndexWindow>& currentWindow()
{
    static QPointer<IndexWindow> window;
    return window;
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
    ui::fillBackground(this, Qt::white);

    addFocusHolder();
    addGlossaryView();
    addInformationView();
    addButtons();

    // Tab goes in reading order: the document, the letters, the terms, the
    // two buttons. The focus holder has the focus when the window opens.
    QWidget::setTabOrder(m_letters->chainTabOrder(m_information), m_terms);
    QWidget::setTabOrder(m_terms, m_viewButton);
    QWidget::setTabOrder(m_viewButton, m_close);
    m_foc->setFocus();

    // The window's load: the information view on top, its document read, and
    // the glossary listed as a click on "A" would leave it.
    placeOver(mainWindow);
    m_infoPanel->move(0, 0);
    m_infoPanel->raise();
    m_glossaryView->hide();
    m_information->loadDocument(startFolder, QStringLiteral("Liste.rtf"));
    refdata::LoadGlossary(*m_table, [this](const QString& term) { m_terms->addEntry(term); });
    // The index opens with A chosen, its empty letters grey.
    m_letters->setEmptyLetters(emptyLetters(*m_table));
    m_letters->choose(u'A');
}

void IndexWindow::addFocusHolder()
{
    // The focus holder comes first in the tab order, so it has the focus when
    // the window opens; it lies beyond the right edge.
    m_foc = new QPushButton(this);
    m_foc->setObjectName(QStringLiteral("Foc"));
    m_foc->setGeometry(ui::twipsRect(8760, 300, 15, 15));
    // Pressing it switches the view, so it reads as the switch does.
    ui::makeFocusHolder(m_foc, ToGlossary);
    connect(m_foc, &QPushButton::clicked, this, &IndexWindow::onFocClicked);
}

void IndexWindow::addGlossaryView()
{
    // The glossary's own controls stand together under the information
    // panel; they are hidden while it covers them, so that neither Tab nor
    // assistive technology reaches what nobody sees.
    m_glossaryView = new QWidget(this);
    m_glossaryView->setObjectName(QStringLiteral("VueGlossaire"));
    m_glossaryView->resize(ui::px(7620), ui::px(9225));
    m_letters = new ui::LetterIndex({240, 180, 420, 420, 345, 14.25, White, Black}, m_glossaryView);
    connect(m_letters, &ui::LetterIndex::letterClicked, this, &IndexWindow::onLetterClicked);

    m_terms = new ui::ListBox(m_glossaryView, QStringLiteral("LstMot"));
    m_terms->setGeometry(ui::twipsRect(240, 1020, 7095, 6240));
    m_terms->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_terms->setStyleSheet(QStringLiteral("QListWidget { color: black; background: white; }"));
    m_terms->setAccessibleName(QStringLiteral("Mots du glossaire"));
    connect(m_terms, &ui::ListBox::clicked, this, &IndexWindow::onTermClicked);

    m_rule = new QWidget(m_glossaryView);
    m_rule->setObjectName(QStringLiteral("Lin1"));
    m_rule->setGeometry(ui::px(240), ui::px(7320), 1, ui::px(8700) - ui::px(7320));
    ui::fillBackground(m_rule, Grey);
    m_rule->hide();

    m_definition = new ui::Label(m_glossaryView, QStringLiteral("LblDef"));
    m_definition->setGeometry(ui::twipsRect(300, 7320, 7035, 1410));
    m_definition->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_definition->setTextColour(DarkRed);
    m_definition->setBackgroundColour(Qt::white);
    m_definition->setWordWrap(true);
    m_definition->exposeValue(QStringLiteral("Définition"));
}

void IndexWindow::addInformationView()
{
    m_infoPanel = new QFrame(this);
    m_infoPanel->setObjectName(QStringLiteral("FraInfo"));
    m_infoPanel->resize(ui::px(7575), ui::px(8655));
    ui::fillBackground(m_infoPanel, Qt::white);
    m_information = new ui::RichTextBox(m_infoPanel, QStringLiteral("Rtb1"));
    m_information->setGeometry(ui::twipsRect(60, 90, 7440, 8535));
    m_information->setAccessibleName(QStringLiteral("Informations produits"));
}

void IndexWindow::addButtons()
{
    m_viewButton = new QPushButton(ToGlossary, this);
    m_viewButton->setObjectName(QStringLiteral("CmdGlossaire"));
    m_viewButton->setToolTip(QStringLiteral("Index des mots utilisés"));
    m_viewButton->setGeometry(ui::twipsRect(3780, 8760, 2595, 405));
    m_viewButton->setFont(ui::designFont(ui::Face::Tahoma, 9.75, true));
    connect(m_viewButton, &QPushButton::clicked, this, &IndexWindow::onViewClicked);
    ui::pressWithKeys(m_viewButton);

    m_close = new QPushButton(QStringLiteral("Fermer"), this);
    m_close->setObjectName(QStringLiteral("CmdFermer"));
    m_close->setGeometry(ui::twipsRect(6480, 8760, 1035, 405));
    m_close->setFont(ui::designFont(ui::Face::Tahoma, 9.75, true));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    ui::pressWithKeys(m_close);
    ui::closeWithEscape(this, m_close);
}

IndexWindow::~IndexWindow() = default;

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

bool IndexWindow::showsInformation() const
{
    return !m_infoPanel->isHidden();
}

void IndexWindow::onFocClicked()
{
    if (showsInformation()) {
        m_glossaryView->show();
        m_infoPanel->hide();
        m_viewButton->setText(ToInformation);
    } else {
        m_infoPanel->show();
        m_glossaryView->hide();
        m_viewButton->setText(ToGlossary);
    }
    m_foc->setAccessibleName(m_viewButton->text());
}

void IndexWindow::onViewClicked()
{
    onFocClicked();
    ui::parkFocus(m_foc);
}

void IndexWindow::onLetterClicked(QChar letter)
{
    ui::parkFocus(m_foc);
    m_definition->setCaption(QString());
    m_rule->hide();
    m_letters->choose(letter);
    m_terms->clearEntries();
    if (!m_letters->isEmpty(letter))
        m_terms->addEntries(termsUnderLetter(*m_table, letter.toLower()));
}

void IndexWindow::showTerm(const QString& term)
{
    if (term.isEmpty())
        return;
    if (showsInformation())
        onFocClicked();
    // "é" terms stand under E, the "œ" term under O.
    QChar letter = term.front().toLower();
    if (letter == u'é')
        letter = u'e';
    else if (letter == u'œ')
        letter = u'o';
    onLetterClicked(letter.toUpper());
    const QList<QListWidgetItem*> found = m_terms->findItems(term, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_terms->setFocus();
    m_terms->setCurrentItem(found.front());
    m_terms->scrollToItem(found.front());
}

void IndexWindow::onTermClicked()
{
    m_definition->setCaption(QString());
    const int i = entryOfTerm(*m_table, m_terms->selectedEntry());
    if (i >= 0)
        m_definition->setCaption(m_table->definitions[i]);
    m_rule->show();
}

} // namespace glossary
