// The glossary and index window, driven through its real widgets over a plain
// window that stands in for the main window.
#include "glossary/indexwindow.h"
#include "guitest.h"
#include "ui/fonts.h"
#include "ui/letterindex.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

using glossary::IndexWindow;
using testsupport::click;

namespace {

using namespace testsupport::colours;

// The controls of the glossary window, found by their names.
struct Controls
{
    QWidget* infoPanel = nullptr;
    ui::RichTextBox* information = nullptr;
    std::array<ui::Label*, ui::LetterIndex::LetterCount> letters{};
    ui::ListBox* termList = nullptr;
    ui::Label* definition = nullptr;
    QWidget* rule = nullptr;
    QPushButton* viewButton = nullptr;
    QPushButton* closeButton = nullptr;
    QPushButton* foc = nullptr;

    bool find(const QWidget* window)
    {
        using testsupport::named;
        for (int k = 1; k <= ui::LetterIndex::LetterCount; ++k) {
            letters[k - 1] = named<ui::Label>(window, u"Lab(%1)"_s.arg(k));
            if (!letters[k - 1])
                return false;
        }
        infoPanel = named(window, u"FraInfo"_s);
        information = named<ui::RichTextBox>(window, u"Rtb1"_s);
        termList = named<ui::ListBox>(window, u"LstMot"_s);
        definition = named<ui::Label>(window, u"LblDef"_s);
        rule = named(window, u"Lin1"_s);
        viewButton = named<QPushButton>(window, u"CmdGlossaire"_s);
        closeButton = named<QPushButton>(window, u"CmdFermer"_s);
        foc = named<QPushButton>(window, u"Foc"_s);
        return infoPanel && information && termList && definition && rule && viewButton &&
               closeButton && foc;
    }
};

} // namespace

class TestIndexWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QWidget mainWindow;
    QPushButton* mainButton = nullptr;
    int mainClicks = 0;
    QPointer<IndexWindow> w;
    Controls c;

    QString startFolder() const { return folder.path() + u'/'; }

    // Opens the window and waits until it has the keyboard (a window over the
    // active main window counts as active before it really is).
    IndexWindow* open(const QString& from)
    {
        IndexWindow* opened = IndexWindow::showWindow(from, &mainWindow);
        if (opened && waitUntilActive(opened) && c.find(opened))
            return opened;
        return nullptr;
    }
    static bool waitUntilActive(QWidget* window)
    {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    void clickLetter(char letter) { click(c.letters[letter - 'A']); }
    // Clicks the first entry `text` of the term list, or the `nth` such entry.
    void clickTerm(const QString& text, int nth = 0)
    {
        QVERIFY(testsupport::pick(c.termList, text, nth));
        QCOMPARE(c.termList->currentItem(), c.termList->findItems(text, Qt::MatchExactly)[nth]);
    }
    bool marked(int k) const
    {
        const ui::Label* l = c.letters[k - 1];
        return l->font().bold() && l->font().underline() && l->textColour() == Blue;
    }
    void verifyLetters(int markedLetter)
    {
        for (int k = 1; k <= ui::LetterIndex::LetterCount; ++k) {
            const bool empty = k == 10 || k == 23 || k == 24 || k == 25;
            if (k == markedLetter) {
                QVERIFY2(marked(k), qPrintable(c.letters[k - 1]->caption()));
                continue;
            }
            const ui::Label* l = c.letters[k - 1];
            QVERIFY2(!l->font().bold() && !l->font().underline(), qPrintable(l->caption()));
            QCOMPARE(l->textColour(), empty ? Grey : Black);
        }
    }
    // The state of a freshly opened window.
    void verifyFresh()
    {
        QVERIFY(w->showsInformation());
        QVERIFY(c.infoPanel->isVisible());
        QCOMPARE(c.viewButton->text(), u"Accéder au glossaire"_s);
        QCOMPARE(QApplication::focusWidget(), c.foc);
        verifyLetters(1);
        QCOMPARE(c.termList->count(), 57);
        QCOMPARE(c.termList->item(0)->text(), u"achilléen"_s);
        QCOMPARE(c.termList->item(56)->text(), u"avulsion"_s);
        QCOMPARE(c.termList->selectedIndex(), -1);
        QVERIFY(c.definition->caption().isEmpty());
        QVERIFY(c.rule->isHidden());
    }

private slots:
    void initTestCase()
    {
        ui::installFonts();
        QVERIFY(QFile::copy(QStringLiteral(VITRALIS_DATA_DIR "/../documents/Liste.rtf"),
                            folder.filePath(u"Liste.rtf"_s)));
        mainWindow.resize(600, 400);
        mainButton = new QPushButton(u"Infos  et Glossaire"_s, &mainWindow);
        connect(mainButton, &QPushButton::clicked, this, [this] { ++mainClicks; });
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    }

    void init()
    {
        w = open(startFolder());
        QVERIFY(w);
    }

    void cleanup()
    {
        if (w)
            w->close();
        QTRY_VERIFY(!w && !IndexWindow::openWindow());
    }

    void opensOnTheInformationView()
    {
        verifyFresh();
        QCOMPARE(w->objectName(), u"Frm31Index"_s);
        QCOMPARE(w->windowTitle(),
                 u"Informations - Glossaire des mots utilisés dans le logiciel"_s);
        QCOMPARE(c.viewButton->toolTip(), u"Index des mots utilisés"_s);
        QCOMPARE(c.closeButton->text(), u"Fermer"_s);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
        // The information document was read from the start folder.
        QVERIFY(c.information->isVisible());
        QVERIFY(!c.information->text().contains(u"introuvable"));
        QVERIFY(c.information->document()->blockCount() > 3);
        // It is shown from its beginning.
        QVERIFY(c.information->verticalScrollBar()->maximum() > 0);
        QCOMPARE(c.information->verticalScrollBar()->value(), 0);
        // The panel covers the letters and the list; the buttons stay below it.
        const QRect panel = c.infoPanel->geometry();
        QCOMPARE(panel.topLeft(), QPoint(0, 0));
        for (QWidget* covered :
             {static_cast<QWidget*>(c.letters[0]), static_cast<QWidget*>(c.letters[25]),
              static_cast<QWidget*>(c.termList)})
            QVERIFY(panel.contains(testsupport::geometryIn(covered, w)));
        QVERIFY(panel.bottom() < c.viewButton->geometry().top());
        QVERIFY(w->rect().contains(c.closeButton->geometry()));
        QVERIFY(!w->rect().intersects(c.foc->geometry()));
        // Two rows of thirteen letters.
        QCOMPARE(testsupport::geometryIn(c.letters[0], w), QRect(16, 12, 23, 23));
        QCOMPARE(testsupport::geometryIn(c.letters[12], w), QRect(352, 12, 23, 23));
        QCOMPARE(testsupport::geometryIn(c.letters[13], w), QRect(16, 40, 23, 23));
        QCOMPARE(c.letters[25]->caption(), u"Z"_s);
        QCOMPARE(c.letters[25]->objectName(), u"Lab(26)"_s);
        QCOMPARE(testsupport::unnamedOrSharedNames(w), QStringList());
    }

    void isAFixedDialogThatLeavesTheMainWindowFree()
    {
        QVERIFY(w->isWindow());
        QCOMPARE(w->parentWidget(), &mainWindow);
        QCOMPARE(w->windowType(), Qt::Dialog);
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->size(), QSize(508, 615));
        QVERIFY(!w->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        // The main window still takes clicks, and the glossary stays as it was.
        clickLetter('E');
        const int before = mainClicks;
        mainWindow.activateWindow();
        QVERIFY(waitUntilActive(&mainWindow));
        click(mainButton);
        QCOMPARE(mainClicks, before + 1);
        QVERIFY(w->isVisible());
        QCOMPARE(c.termList->count(), 19);
    }

    void aSecondRequestBringsTheOpenWindowForward()
    {
        clickLetter('Z');
        clickTerm(u"zona"_s);
        mainWindow.activateWindow();
        QVERIFY(waitUntilActive(&mainWindow));
        QCOMPARE(IndexWindow::showWindow(startFolder(), &mainWindow), w.data());
        QVERIFY(waitUntilActive(w));
        QCOMPARE(IndexWindow::openWindow(), w.data());
        QVERIFY(marked(26));
        QCOMPARE(c.termList->entries(), QStringList({u"zona"_s, u"zostérien"_s}));
        QCOMPARE(c.termList->selectedEntry(), u"zona"_s);
        QVERIFY(c.definition->caption().startsWith(u"Éruption douloureuse"));
        QVERIFY(w->findChildren<IndexWindow*>().isEmpty());
        QCOMPARE(mainWindow.findChildren<IndexWindow*>().size(), 1);
    }

    void toggleSwitchesViewsAndKeepsTheGlossary()
    {
        click(c.viewButton);
        QVERIFY(!w->showsInformation());
        QVERIFY(c.termList->isVisible() && c.letters[0]->isVisible());
        QCOMPARE(c.viewButton->text(), u"Informations produits"_s);
        QCOMPARE(QApplication::focusWidget(), c.foc);

        clickLetter('C');
        clickTerm(u"coronaire"_s);
        const QStringList list = c.termList->entries();
        const QString definition = c.definition->caption();
        click(c.viewButton);
        QVERIFY(w->showsInformation());
        QCOMPARE(c.viewButton->text(), u"Accéder au glossaire"_s);
        QCOMPARE(QApplication::focusWidget(), c.foc);
        click(c.viewButton);
        QVERIFY(!w->showsInformation());
        verifyLetters(3);
        QCOMPARE(c.termList->entries(), list);
        QCOMPARE(c.termList->selectedEntry(), u"coronaire"_s);
        QCOMPARE(c.definition->caption(), definition);
        QVERIFY(c.rule->isVisible());
    }

    void theButtonKeyOnTheFocusHolderToggles()
    {
        QCOMPARE(QApplication::focusWidget(), c.foc);
        QTest::keyClick(c.foc, Qt::Key_Space);
        QVERIFY(!w->showsInformation());
        QCOMPARE(c.viewButton->text(), u"Informations produits"_s);
        QCOMPARE(QApplication::focusWidget(), c.foc);
        // After a letter click the focus is back on the holder.
        clickLetter('P');
        QCOMPARE(QApplication::focusWidget(), c.foc);
        QTest::keyClick(c.foc, Qt::Key_Space);
        QVERIFY(w->showsInformation());
        QCOMPARE(c.viewButton->text(), u"Accéder au glossaire"_s);
        QTest::keyClick(c.foc, Qt::Key_Space);
        QVERIFY(!w->showsInformation());
        QVERIFY(marked(16));
    }

    void lettersListTheirTerms()
    {
        click(c.viewButton);
        clickLetter('E');
        verifyLetters(5);
        QStringList e = c.termList->entries();
        QCOMPARE(e.size(), 19);
        QCOMPARE(e.first(), u"eczéma"_s);
        QCOMPARE(e.last(), u"extrasystole"_s);
        const int enuresis = int(e.indexOf(u"enurésie"_s));
        QCOMPARE(e.mid(enuresis, 7),
                 QStringList({u"enurésie"_s, u"énurésie"_s, u"épicondylite"_s, u"épilepsie"_s,
                              u"épistaxis"_s, u"érysipèle"_s, u"érythème"_s}));
        clickLetter('O');
        verifyLetters(15);
        const QStringList o = c.termList->entries();
        QCOMPARE(o.size(), 26);
        QVERIFY(o.indexOf(u"œdémateux"_s) >= 0);
        QCOMPARE(o.indexOf(u"oedème"_s), o.indexOf(u"œdémateux"_s) + 1);
        clickLetter('Z');
        QCOMPARE(c.termList->entries(), QStringList({u"zona"_s, u"zostérien"_s}));
        clickLetter('A');
        verifyLetters(1);
        QCOMPARE(c.termList->count(), 57);
        // Every term sits under its letter, and the 22 letters list the whole glossary.
        int total = 0;
        for (int k = 1; k <= ui::LetterIndex::LetterCount; ++k) {
            click(c.letters[k - 1]);
            const QChar l = c.letters[k - 1]->caption().front().toLower();
            for (const QString& term : c.termList->entries())
                QVERIFY2(term.front() == l || (l == u'e' && term.front() == u'é') ||
                             (l == u'o' && term.front() == u'œ'),
                         qPrintable(term));
            total += c.termList->count();
        }
        QCOMPARE(total, 529);
    }

    void emptyLettersEmptyEverythingAndMarkNothing()
    {
        click(c.viewButton);
        for (char letter : {'J', 'W', 'X', 'Y'}) {
            clickLetter('B');
            clickTerm(u"bulle"_s);
            QVERIFY(!c.definition->caption().isEmpty());
            clickLetter(letter);
            QCOMPARE(c.termList->count(), 0);
            QVERIFY(c.definition->caption().isEmpty());
            QVERIFY(c.rule->isHidden());
            verifyLetters(0);
            QCOMPARE(QApplication::focusWidget(), c.foc);
        }
    }

    void aTermShowsItsOwnDefinition()
    {
        click(c.viewButton);
        clickLetter('C');
        const QString first = u"Artère coronaire, qui porte le sang dans le coeur."_s;
        clickTerm(u"coronaire"_s, 1);
        QCOMPARE(c.definition->caption(), first);
        QVERIFY(c.rule->isVisible());
        clickTerm(u"coronaire"_s, 0);
        QCOMPARE(c.definition->caption(), first);
        // Whole terms only: "bulle" is not taken for "bulleux", nor "bulleux" for "bulle".
        clickLetter('B');
        clickTerm(u"bulle"_s);
        const QString bulle = c.definition->caption();
        clickTerm(u"bulleux"_s);
        QVERIFY(c.definition->caption() != bulle);
        QVERIFY(c.definition->caption().startsWith(u"Qui présente des bulles"));
        // The longest definition wraps inside the label's box.
        int longest = 0;
        for (int i = 1; i < w->table().count; ++i) {
            if (w->table().definitions[i].size() > w->table().definitions[longest].size())
                longest = i;
        }
        const QString term = refdata::plainTerm(w->table().terms[longest]);
        QChar letter = term.front();
        letter = letter == u'é' ? QChar(u'e') : letter == u'œ' ? QChar(u'o') : letter;
        clickLetter(char(letter.toUpper().unicode()));
        clickTerm(term);
        QCOMPARE(c.definition->caption(), w->table().definitions[longest]);
        QCOMPARE(c.definition->textColour(), QColor(0x80, 0x00, 0x00));
        QVERIFY(c.definition->wordWrap());
        QVERIFY(c.definition->heightForWidth(c.definition->width()) <= c.definition->height());
    }

    void aTermWithoutAnEntryStillShowsTheRule()
    {
        click(c.viewButton);
        clickLetter('A');
        clickTerm(u"acné"_s);
        c.termList->addEntry(u"absent"_s);
        clickTerm(u"absent"_s);
        QVERIFY(c.definition->caption().isEmpty());
        QVERIFY(c.rule->isVisible());
    }

    void aLetterClickClearsTheDefinition()
    {
        click(c.viewButton);
        clickLetter('M');
        clickTerm(u"migraine"_s);
        QVERIFY(c.rule->isVisible());
        clickLetter('M');
        QVERIFY(c.definition->caption().isEmpty());
        QVERIFY(c.rule->isHidden());
        QCOMPARE(c.termList->selectedIndex(), -1);
        QVERIFY(c.termList->entries().contains(u"migraine"_s));
        verifyLetters(13);
    }

    void keyboardMovesUpdateTheDefinition()
    {
        click(c.viewButton);
        clickLetter('D');
        c.termList->setFocus();
        const QStringList d = c.termList->entries();
        QTest::keyClick(c.termList, Qt::Key_Down);
        QCOMPARE(c.termList->selectedEntry(), d[0]);
        QCOMPARE(c.definition->caption(),
                 u"Perte de calcium des os, qui deviennent plus fragiles."_s);
        QVERIFY(c.rule->isVisible());
        QTest::keyClick(c.termList, Qt::Key_Down);
        QCOMPARE(c.termList->selectedEntry(), d[1]);
        QCOMPARE(c.definition->caption(), u"Action d'avaler."_s);
        QTest::keyClick(c.termList, Qt::Key_End);
        QCOMPARE(c.termList->selectedEntry(), u"dysurie"_s);
        QCOMPARE(c.definition->caption(),
                 u"Difficulté à uriner, avec un jet faible ou des brûlures."_s);
        QTest::keyClick(c.termList, Qt::Key_Up);
        QCOMPARE(c.termList->selectedEntry(), u"dyspnée"_s);
        QCOMPARE(c.definition->caption(), u"Difficulté à respirer, essoufflement."_s);
    }

    void closingDestroysAndReopeningStartsAfresh()
    {
        click(c.viewButton);
        clickLetter('H');
        clickTerm(u"hoquet"_s);
        click(c.closeButton);
        QTRY_VERIFY(!w);
        QVERIFY(!IndexWindow::openWindow());
        w = open(startFolder());
        QVERIFY(w);
        verifyFresh();

        // The same through the close box.
        click(c.viewButton);
        clickLetter('S');
        w->windowHandle()->close();
        QTRY_VERIFY(!w);
        w = open(startFolder());
        QVERIFY(w);
        verifyFresh();
    }

    void aMissingDocumentLeavesANotice()
    {
        w->close();
        QTRY_VERIFY(!w);
        QTemporaryDir empty;
        w = open(empty.path() + u'/');
        QVERIFY(w);
        QVERIFY(c.information->text().contains(u"Liste.rtf"));
        QVERIFY(c.information->text().contains(u"introuvable"));
        // The glossary does not depend on the document.
        click(c.viewButton);
        clickLetter('Z');
        QCOMPARE(c.termList->count(), 2);
    }
};

QTEST_MAIN(TestIndexWindow)
#include "tst_indexwindow.moc"
