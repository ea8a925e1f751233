// The glossary and index window, driven through its real widgets over a plain
// window that stands in for the main window.
#include "glossary/indexwindow.h"
#include "ui/fonts.h"

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

namespace {

const QColor Blue(0x00, 0x00, 0xFF);
const QColor Grey(0xC0, 0xC0, 0xC0);
const QColor Black(0x00, 0x00, 0x00);

} // namespace

class TestIndexWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QWidget mainWindow;
    QPushButton* mainButton = nullptr;
    int mainClicks = 0;
    QPointer<IndexWindow> w;

    QString startFolder() const { return folder.path() + u'/'; }

    // Opens the window and waits until it has the keyboard (a window over the
    // active main window counts as active before it really is).
    IndexWindow* open(const QString& from)
    {
        IndexWindow* opened = IndexWindow::showWindow(from, &mainWindow);
        if (opened && waitUntilActive(opened))
            return opened;
        return nullptr;
    }
    static bool waitUntilActive(QWidget* window)
    {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickLetter(char letter) { click(w->letters[letter - 'A']); }
    // Clicks the first entry `text` of the term list, or the `nth` such entry.
    void clickTerm(const QString& text, int nth = 0)
    {
        const QList<QListWidgetItem*> found = w->termList->findItems(text, Qt::MatchExactly);
        QVERIFY2(found.size() > nth, qPrintable(text));
        QListWidgetItem* item = found[nth];
        w->termList->scrollToItem(item);
        QTest::mouseClick(w->termList->viewport(), Qt::LeftButton, {},
                          w->termList->visualItemRect(item).center());
        QCOMPARE(w->termList->currentItem(), item);
    }
    bool marked(int k) const
    {
        const ui::Label* l = w->letters[k - 1];
        return l->font().bold() && l->font().underline() && l->textColor() == Blue;
    }
    void verifyLetters(int markedLetter)
    {
        for (int k = 1; k <= IndexWindow::LetterCount; ++k) {
            const bool empty = k == 10 || k == 23 || k == 24 || k == 25;
            if (k == markedLetter) {
                QVERIFY2(marked(k), qPrintable(w->letters[k - 1]->caption()));
                continue;
            }
            const ui::Label* l = w->letters[k - 1];
            QVERIFY2(!l->font().bold() && !l->font().underline(), qPrintable(l->caption()));
            QCOMPARE(l->textColor(), empty ? Grey : Black);
        }
    }
    // The state of a freshly opened window.
    void verifyFresh()
    {
        QVERIFY(w->showsInformation());
        QVERIFY(w->infoPanel->isVisible());
        QCOMPARE(w->viewButton->text(), u"Accéder au glossaire"_s);
        QCOMPARE(QApplication::focusWidget(), w->foc);
        verifyLetters(1);
        QCOMPARE(w->termList->count(), 57);
        QCOMPARE(w->termList->item(0)->text(), u"achilléen"_s);
        QCOMPARE(w->termList->item(56)->text(), u"avulsion"_s);
        QCOMPARE(w->termList->selectedIndex(), -1);
        QVERIFY(w->definition->caption().isEmpty());
        QVERIFY(w->rule->isHidden());
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
        QCOMPARE(w->viewButton->toolTip(), u"Index des mots utilisés"_s);
        QCOMPARE(w->closeButton->text(), u"Fermer"_s);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
        // The information document was read from the start folder.
        QVERIFY(w->information->isVisible());
        QVERIFY(!w->information->text().contains(u"introuvable"));
        QVERIFY(w->information->document()->blockCount() > 3);
        // It is shown from its beginning.
        QVERIFY(w->information->verticalScrollBar()->maximum() > 0);
        QCOMPARE(w->information->verticalScrollBar()->value(), 0);
        // The panel covers the letters and the list; the buttons stay below it.
        const QRect panel = w->infoPanel->geometry();
        QCOMPARE(panel.topLeft(), QPoint(0, 0));
        for (QWidget* covered :
             {static_cast<QWidget*>(w->letters[0]), static_cast<QWidget*>(w->letters[25]),
              static_cast<QWidget*>(w->termList)})
            QVERIFY(panel.contains(covered->geometry()));
        QVERIFY(panel.bottom() < w->viewButton->geometry().top());
        QVERIFY(w->rect().contains(w->closeButton->geometry()));
        QVERIFY(!w->rect().intersects(w->foc->geometry()));
        // Two rows of thirteen letters.
        QCOMPARE(w->letters[0]->geometry(), QRect(16, 12, 23, 23));
        QCOMPARE(w->letters[12]->geometry(), QRect(352, 12, 23, 23));
        QCOMPARE(w->letters[13]->geometry(), QRect(16, 40, 23, 23));
        QCOMPARE(w->letters[25]->caption(), u"Z"_s);
        QCOMPARE(w->letters[25]->objectName(), u"Lab(26)"_s);
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
        QCOMPARE(w->termList->count(), 19);
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
        QCOMPARE(w->termList->entries(), QStringList({u"zona"_s, u"zostérien"_s}));
        QCOMPARE(w->termList->selectedEntry(), u"zona"_s);
        QVERIFY(w->definition->caption().startsWith(u"Éruption douloureuse"));
        QVERIFY(w->findChildren<IndexWindow*>().isEmpty());
        QCOMPARE(mainWindow.findChildren<IndexWindow*>().size(), 1);
    }

    void toggleSwitchesViewsAndKeepsTheGlossary()
    {
        click(w->viewButton);
        QVERIFY(!w->showsInformation());
        QVERIFY(w->termList->isVisible() && w->letters[0]->isVisible());
        QCOMPARE(w->viewButton->text(), u"Informations produits"_s);
        QCOMPARE(QApplication::focusWidget(), w->foc);

        clickLetter('C');
        clickTerm(u"coronaire"_s);
        const QStringList list = w->termList->entries();
        const QString definition = w->definition->caption();
        click(w->viewButton);
        QVERIFY(w->showsInformation());
        QCOMPARE(w->viewButton->text(), u"Accéder au glossaire"_s);
        QCOMPARE(QApplication::focusWidget(), w->foc);
        click(w->viewButton);
        QVERIFY(!w->showsInformation());
        verifyLetters(3);
        QCOMPARE(w->termList->entries(), list);
        QCOMPARE(w->termList->selectedEntry(), u"coronaire"_s);
        QCOMPARE(w->definition->caption(), definition);
        QVERIFY(w->rule->isVisible());
    }

    void theButtonKeyOnTheFocusHolderToggles()
    {
        QCOMPARE(QApplication::focusWidget(), w->foc);
        QTest::keyClick(w->foc, Qt::Key_Space);
        QVERIFY(!w->showsInformation());
        QCOMPARE(w->viewButton->text(), u"Informations produits"_s);
        QCOMPARE(QApplication::focusWidget(), w->foc);
        // After a letter click the focus is back on the holder.
        clickLetter('P');
        QCOMPARE(QApplication::focusWidget(), w->foc);
        QTest::keyClick(w->foc, Qt::Key_Space);
        QVERIFY(w->showsInformation());
        QCOMPARE(w->viewButton->text(), u"Accéder au glossaire"_s);
        QTest::keyClick(w->foc, Qt::Key_Space);
        QVERIFY(!w->showsInformation());
        QVERIFY(marked(16));
    }

    void lettersListTheirTerms()
    {
        click(w->viewButton);
        clickLetter('E');
        verifyLetters(5);
        QStringList e = w->termList->entries();
        QCOMPARE(e.size(), 19);
        QCOMPARE(e.first(), u"eczéma"_s);
        QCOMPARE(e.last(), u"extrasystole"_s);
        const int enuresis = int(e.indexOf(u"enurésie"_s));
        QCOMPARE(e.mid(enuresis, 7),
                 QStringList({u"enurésie"_s, u"énurésie"_s, u"épicondylite"_s, u"épilepsie"_s,
                              u"épistaxis"_s, u"érysipèle"_s, u"érythème"_s}));
        clickLetter('O');
        verifyLetters(15);
        const QStringList o = w->termList->entries();
        QCOMPARE(o.size(), 26);
        QVERIFY(o.indexOf(u"œdémateux"_s) >= 0);
        QCOMPARE(o.indexOf(u"oedème"_s), o.indexOf(u"œdémateux"_s) + 1);
        clickLetter('Z');
        QCOMPARE(w->termList->entries(), QStringList({u"zona"_s, u"zostérien"_s}));
        clickLetter('A');
        verifyLetters(1);
        QCOMPARE(w->termList->count(), 57);
        // Every term sits under its letter, and the 22 letters list the whole glossary.
        int total = 0;
        for (int k = 1; k <= IndexWindow::LetterCount; ++k) {
            click(w->letters[k - 1]);
            const QChar c = w->letters[k - 1]->caption().front().toLower();
            for (const QString& term : w->termList->entries())
                QVERIFY2(term.front() == c || (c == u'e' && term.front() == u'é') ||
                             (c == u'o' && term.front() == u'œ'),
                         qPrintable(term));
            total += w->termList->count();
        }
        QCOMPARE(total, 529);
    }

    void emptyLettersEmptyEverythingAndMarkNothing()
    {
        click(w->viewButton);
        for (char letter : {'J', 'W', 'X', 'Y'}) {
            clickLetter('B');
            clickTerm(u"bulle"_s);
            QVERIFY(!w->definition->caption().isEmpty());
            clickLetter(letter);
            QCOMPARE(w->termList->count(), 0);
            QVERIFY(w->definition->caption().isEmpty());
            QVERIFY(w->rule->isHidden());
            verifyLetters(0);
            QCOMPARE(QApplication::focusWidget(), w->foc);
        }
    }

    void aTermShowsItsOwnDefinition()
    {
        click(w->viewButton);
        clickLetter('C');
        const QString first = u"Artère coronaire, qui porte le sang dans le coeur."_s;
        clickTerm(u"coronaire"_s, 1);
        QCOMPARE(w->definition->caption(), first);
        QVERIFY(w->rule->isVisible());
        clickTerm(u"coronaire"_s, 0);
        QCOMPARE(w->definition->caption(), first);
        // Whole terms only: "bulle" is not taken for "bulleux", nor "bulleux" for "bulle".
        clickLetter('B');
        clickTerm(u"bulle"_s);
        const QString bulle = w->definition->caption();
        clickTerm(u"bulleux"_s);
        QVERIFY(w->definition->caption() != bulle);
        QVERIFY(w->definition->caption().startsWith(u"Qui présente des bulles"));
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
        QCOMPARE(w->definition->caption(), w->table().definitions[longest]);
        QCOMPARE(w->definition->textColor(), QColor(0x80, 0x00, 0x00));
        QVERIFY(w->definition->wordWrap());
        QVERIFY(w->definition->heightForWidth(w->definition->width()) <= w->definition->height());
    }

    void aTermWithoutAnEntryStillShowsTheRule()
    {
        click(w->viewButton);
        clickLetter('A');
        clickTerm(u"acné"_s);
        w->termList->addEntry(u"absent"_s);
        clickTerm(u"absent"_s);
        QVERIFY(w->definition->caption().isEmpty());
        QVERIFY(w->rule->isVisible());
    }

    void aLetterClickClearsTheDefinition()
    {
        click(w->viewButton);
        clickLetter('M');
        clickTerm(u"migraine"_s);
        QVERIFY(w->rule->isVisible());
        clickLetter('M');
        QVERIFY(w->definition->caption().isEmpty());
        QVERIFY(w->rule->isHidden());
        QCOMPARE(w->termList->selectedIndex(), -1);
        QVERIFY(w->termList->entries().contains(u"migraine"_s));
        verifyLetters(13);
    }

    void keyboardMovesUpdateTheDefinition()
    {
        click(w->viewButton);
        clickLetter('D');
        w->termList->setFocus();
        const QStringList d = w->termList->entries();
        QTest::keyClick(w->termList, Qt::Key_Down);
        QCOMPARE(w->termList->selectedEntry(), d[0]);
        QCOMPARE(w->definition->caption(),
                 u"Perte de calcium des os, qui deviennent plus fragiles."_s);
        QVERIFY(w->rule->isVisible());
        QTest::keyClick(w->termList, Qt::Key_Down);
        QCOMPARE(w->termList->selectedEntry(), d[1]);
        QCOMPARE(w->definition->caption(), u"Action d'avaler."_s);
        QTest::keyClick(w->termList, Qt::Key_End);
        QCOMPARE(w->termList->selectedEntry(), u"dysurie"_s);
        QCOMPARE(w->definition->caption(),
                 u"Difficulté à uriner, avec un jet faible ou des brûlures."_s);
        QTest::keyClick(w->termList, Qt::Key_Up);
        QCOMPARE(w->termList->selectedEntry(), u"dyspnée"_s);
        QCOMPARE(w->definition->caption(), u"Difficulté à respirer, essoufflement."_s);
    }

    void closingDestroysAndReopeningStartsAfresh()
    {
        click(w->viewButton);
        clickLetter('H');
        clickTerm(u"hoquet"_s);
        click(w->closeButton);
        QTRY_VERIFY(!w);
        QVERIFY(!IndexWindow::openWindow());
        w = open(startFolder());
        QVERIFY(w);
        verifyFresh();

        // The same through the close box.
        click(w->viewButton);
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
        QVERIFY(w->information->text().contains(u"Liste.rtf"));
        QVERIFY(w->information->text().contains(u"introuvable"));
        // The glossary does not depend on the document.
        click(w->viewButton);
        clickLetter('Z');
        QCOMPARE(w->termList->count(), 2);
    }
};

QTEST_MAIN(TestIndexWindow)
#include "tst_indexwindow.moc"
