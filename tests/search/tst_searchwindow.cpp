// The window "Rechercher dans les fiches" over a main window started as the
// program starts: a search as the person types, the repertory grid and its
// paper, suggestions, and the sheet with its warnings as on the pages.
#include "mainwindowfixture.h"
#include "personal/keeper.h"
#include "search/searchwindow.h"
#include "sheet/warningwindow.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;
using search::SearchWindow;
using sheet::WarningWindow;

class TestSearchWindow : public QObject
{
    Q_OBJECT

    testsupport::MainWindowFixture app;
    SearchWindow* win = nullptr;
    QLineEdit* field = nullptr;
    QListWidget* list = nullptr;
    QTableWidget* grid = nullptr;
    ui::Label* status = nullptr;
    testsupport::Sheet sheet;
    QStringList opened; // the warning windows opened, by their message

    template <class T = QWidget> T* control(const QString& name) const
    {
        return testsupport::named<T>(win, name);
    }
    const refdata::RemedyTable& table() const { return app.window()->table(); }
    int rowOf(const QString& name) const
    {
        for (int r = 0; r < list->count(); ++r) {
            if (table().latinName[list->item(r)->data(Qt::UserRole).toInt()] == name)
                return r;
        }
        return -1;
    }
    void clickResult(const QString& name)
    {
        const int r = rowOf(name);
        QVERIFY2(r >= 0, qPrintable(name));
        list->scrollToItem(list->item(r));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(r)).center());
    }

private slots:
    void initTestCase()
    {
        WarningWindow::setInterceptor([this](WarningWindow& window) {
            opened << testsupport::named<ui::Label>(&window, u"LblMsg"_s)->caption();
        });
        QVERIFY(app.start());
        mainwin::MainWindow* w = app.window();
        // The menu bar is a strip above the pages: they and the window's
        // buttons keep their places below it, and the window grows by it.
        auto* bar = app.control<QMenuBar>(u"BarreMenus"_s);
        QVERIFY(bar && bar->isVisible() && bar->geometry().top() == 0);
        const int strip = bar->height();
        QCOMPARE(w->height(), 703 + strip);
        for (int k = 0; k < mainwin::MainWindow::PageCount; ++k)
            QCOMPARE(app.page(k)->pos(), QPoint(ui::px(62), ui::px(662) + strip));
        QCOMPARE(testsupport::geometryIn(app.control(u"CmdQuitter"_s), w).top(),
                 ui::px(30) + strip);
        // Ctrl+F from a page's list opens the window; F3 is the same action's.
        QTest::keyClick(app.control(u"LstNom"_s), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY((win = SearchWindow::openWindow()) && win->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(win));
        auto* open = w->findChild<QAction*>(u"ActRechercherFiches"_s);
        QVERIFY(open && open->shortcuts().contains(QKeySequence(Qt::Key_F3)));
        // Closed, it comes back as the same window.
        win->close();
        QTRY_VERIFY(!win->isVisible());
        open->trigger();
        QTRY_VERIFY(win->isVisible());
        QCOMPARE(SearchWindow::openWindow(), win);
        field = control<QLineEdit>(u"TxtRecherche"_s);
        list = control<QListWidget>(u"LstResultats"_s);
        grid = control<QTableWidget>(u"GrilleRepertoire"_s);
        status = control<ui::Label>(u"LblResultats"_s);
        sheet = testsupport::sheetOf(win, 0);
        QVERIFY(field && list && grid && status && sheet.found(0));
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->accessibleName(), u"Rechercher dans les fiches"_s);
        QCOMPARE(testsupport::unnamedOrSharedNames(win), QStringList());
    }
    void init() { opened.clear(); }

    void aPhraseFindsItsSheetsAndColoursThem()
    {
        field->clear();
        QTest::keyClicks(field, u"Pire par le FROID humide"_s);
        QTRY_VERIFY(list->count() > 0);
        QCOMPARE(status->caption(), u"%1 remèdes trouvés."_s.arg(list->count()));
        QVERIFY(list->isVisible() && !grid->isVisible());
        // Each result reads its name and the sentence found.
        const QString first = list->item(0)->data(Qt::AccessibleTextRole).toString();
        const int remedy = list->item(0)->data(Qt::UserRole).toInt();
        QVERIFY2(first.startsWith(table().latinName[remedy]) && first.contains(u"froid"_s),
                 qPrintable(first));
        // The sheet shows it, the phrase in red.
        QTRY_VERIFY(sheet.settle());
        QCOMPARE(sheet.nameLabel->caption(), u' ' + table().latinName[remedy] + u' ');
        const QList<testsupport::RedRun> red = testsupport::redRuns(sheet.body);
        QVERIFY(!red.isEmpty());
        // "pire" stands for the sheets' other wordings of the modality.
        QVERIFY2(red[0].text.endsWith(u"froid humide"_s), qPrintable(red[0].text));
    }

    void aRepertoryIsAGridThatGoesOnPaper()
    {
        field->clear();
        QTest::keyClicks(field, u"toux; fievre, soif"_s);
        QTRY_VERIFY(grid->isVisible() && grid->rowCount() > 0);
        QVERIFY(control<ui::Label>(u"LblLegende"_s)->isVisible());
        QCOMPARE(grid->columnCount(), 3 + 4);
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), u"toux"_s);
        // Rows by symptoms covered, then the sum of grades.
        QCOMPARE(grid->item(0, 5)->text(), u"3"_s);
        const QString name = grid->item(0, 0)->text();
        const QString grade = grid->item(0, 2)->text();
        QCOMPARE(grid->item(0, 2)->data(Qt::AccessibleTextRole).toString(),
                 u"%1, toux : %2"_s.arg(name, grade));

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(control<QPushButton>(u"CmdCopierGrille"_s), Qt::LeftButton);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasHtml());
        QVERIFY(copied->text().contains(u"Recherche : toux; fievre, soif"_s));
        QVERIFY(copied->text().contains(name + u'\t'));
        QVERIFY(copied->text().contains(u"ne remplace pas un avis médical."_s));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"grille.pdf"_s);
        const QString printed = dir.filePath(u"imprimée.pdf"_s);
        SearchWindow::setDialogAnswer([&](QDialog& d) {
            if (auto* p = qobject_cast<QPrintDialog*>(&d)) {
                p->printer()->setOutputFormat(QPrinter::PdfFormat);
                p->printer()->setOutputFileName(printed);
                return int(QDialog::Accepted);
            }
            if (auto* f = qobject_cast<QFileDialog*>(&d)) {
                f->selectFile(pdf);
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(control<QPushButton>(u"CmdPdfGrille"_s), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(u"CmdImprimerGrille"_s), Qt::LeftButton);
        SearchWindow::setDialogAnswer({});
        // Under wine the file dialog does not take a path chosen this way; the
        // files are read back where the dialogs are Qt's own.
        if (QSysInfo::productType() == u"windows"_s)
            QSKIP("the grid's files are read back on Linux");
        for (const QString& path : {pdf, printed}) {
            QFile f(path);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
            QVERIFY(f.read(5) == "%PDF-");
        }
    }

    void nothingFoundOffersWordsAndSearchesNoneUnasked()
    {
        field->clear();
        QTest::keyClicks(field, u"diarhee"_s);
        auto* suggestion = control<QPushButton>(u"CmdSuggestion0"_s);
        QTRY_VERIFY(suggestion->isVisible());
        QCOMPARE(suggestion->text(), u"Vouliez-vous dire « diarrhée » ?"_s);
        QCOMPARE(list->count(), 0);
        QCOMPARE(status->caption(), u"Aucune fiche ne correspond à « diarhee »."_s);
        QVERIFY(!sheet.body->isVisible());
        QTest::mouseClick(suggestion, Qt::LeftButton);
        QCOMPARE(field->text(), u"diarrhée"_s);
        QVERIFY(list->count() > 0);
        QVERIFY(!suggestion->isVisible());
    }

    void aPickedListedRemedyWarnsAsOnThePages()
    {
        field->clear();
        QTest::keyClicks(field, u"toux"_s);
        QTRY_VERIFY(rowOf(u"PHOSPHORUS"_s) >= 0);
        QTRY_VERIFY(sheet.settle());
        QVERIFY(opened.isEmpty()); // the first remedy shown after a search opens no window
        const int phosphorus = table().indexOf(u"PHOSPHORUS");
        clickResult(u"PHOSPHORUS"_s);
        QTRY_COMPARE(opened, QStringList{table().extraWarning[phosphorus]});
        QCOMPARE(sheet.warning->caption(), table().listWarning[phosphorus]);
        // Silenced on any page, silenced here.
        app.window()->warnings().silenced = true;
        clickResult(u"BROMUM"_s);
        QTRY_VERIFY(sheet.settle());
        QCOMPARE(sheet.warning->caption(), table().listWarning[table().indexOf(u"BROMUM")]);
        QCOMPARE(opened.size(), 1);
        app.window()->warnings().silenced = false;
    }

    void aSheetsMenuSearchesItsSelection()
    {
        const testsupport::Sheet page = testsupport::sheetOf(app.page(0), 0);
        app.choosePage(0);
        QTest::mouseClick(app.control(u"Foc"_s), Qt::LeftButton); // nothing chosen by a click
        page.body->setText(u"Toux sèche la nuit."_s);
        QTextCursor c = page.body->textCursor();
        c.setPosition(0);
        c.setPosition(10, QTextCursor::KeepAnchor);
        page.body->setTextCursor(c);
        QWidget* viewport = page.body->viewport();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    viewport->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(viewport, &menuEvent);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QAction* search = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->text() == u"Rechercher dans les fiches…")
                search = a;
        }
        QVERIFY(search);
        search->trigger();
        menu->close();
        QTRY_COMPARE(field->text(), u"Toux sèche"_s);
        QVERIFY(win->isVisible() && list->count() > 0);
    }

    void itsShowingsAreKeptAndFollowTheTextSize()
    {
        personal::Keeper& keeper = app.window()->keeper();
        field->clear();
        QTest::keyClicks(field, u"vers onze heures du matin"_s);
        QTRY_VERIFY(rowOf(u"SULFUR"_s) >= 0);
        clickResult(u"SULFUR"_s);
        QTRY_COMPARE(keeper.store().recent().value(0), u"SULFUR"_s);
        const qreal designed = sheet.body->font().pointSizeF();
        keeper.largerText();
        QTRY_VERIFY(sheet.body->font().pointSizeF() > designed);
        keeper.normalText();
        QTRY_COMPARE(sheet.body->font().pointSizeF(), designed);
    }

    void enterShowsTheResultInRemediesAndEscapeCloses()
    {
        field->clear();
        QTest::keyClicks(field, u"meteorisme"_s);
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        QSignalSpy shown(win, &SearchWindow::showInRemedies);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(shown.size(), 1);
        const int chosen = list->item(1)->data(Qt::UserRole).toInt();
        QCOMPARE(shown[0][0].toInt(), chosen);
        // Chosen on the page "Remèdes", as a click in its list chooses it.
        QTRY_COMPARE(app.window()->currentPage(), 0);
        QCOMPARE(app.control<ui::ListBox>(u"LstNom"_s)->selectedIndex(), chosen);
        QTRY_COMPARE(testsupport::sheetOf(app.page(0), 0).nameLabel->caption(),
                     u' ' + table().latinName[chosen] + u' ');
        win->activateWindow();
        QTRY_VERIFY(win->isActiveWindow());
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY(!win->isVisible());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
