// What the main window keeps for its reader: back and forward across the
// pages, favourites and notes that outlive the window, the text size.
#include "mainwindowfixture.h"
#include "personal/keeper.h"
#include "personal/keptwidgets.h"
#include "personal/noteeditor.h"
#include "sheet/remedysheet.h"
#include "sheet/warningwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using personal::Keeper;
using personal::RemedyMenu;
using sheet::WarningWindow;
using testsupport::named;
using testsupport::pick;

class TestKeeping : public QObject
{
    Q_OBJECT

    QTemporaryDir kept; // what the reader keeps, across the windows of a test
    testsupport::MainWindowFixture app;
    QStringList told;   // what the reader was told
    QStringList warned; // the warning windows' messages

    mainwin::MainWindow* w() const { return app.window(); }
    Keeper& keeper() const { return w()->keeper(); }
    QString nameOn(int k) const
    {
        return testsupport::sheetOf(w(), k).nameLabel->caption().trimmed();
    }
    // A key pressed in the window, wherever its focus is.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers)
    {
        if (QApplication::activeWindow() != w()) {
            w()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w()));
        }
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w(), k,
                        modifiers);
    }
    // The actions a sheet's context menu offers, by object name, while it is open.
    QMenu* sheetMenu(int k)
    {
        QWidget* sheet = testsupport::sheetOf(w(), k).nameLabel->parentWidget();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                sheet->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(sheet, &event);
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, 2000))
            return nullptr;
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    QAction* actionIn(QMenu* menu, const QString& name)
    {
        for (QAction* a : menu->actions())
            if (a->objectName() == name)
                return a;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        WarningWindow::setInterceptor([this](WarningWindow& window) {
            warned << named<QLabel>(&window, u"LblMsg"_s)->text();
        });
        personal::Dialogs::current().tell = [this](QWidget*, const QString& text) { told << text; };
        app.keepIn(kept.path());
        QVERIFY(app.start());
    }
    void init()
    {
        told.clear();
        warned.clear();
    }

    void backAndForwardBringBackThePageAndTheRemedy()
    {
        QVERIFY2(!QFileInfo::exists(kept.path() + u"/historique.json"_s) ||
                     QDir(kept.path()).isEmpty(),
                 "the first display is no reader's showing");
        w()->warnings().silenced = false;
        QVERIFY(pick(app.control<ui::ListBox>(u"LstNom"_s), u"ACONITUM NAPELLUS"_s));
        QTRY_COMPARE(warned.size(), 1);
        QVERIFY(app.choosePage(2));
        QVERIFY(pick(app.control<ui::ListBox>(u"LstBranche"_s), u"Cardiologie"_s));
        const QString first = nameOn(2);
        auto* results = app.control<ui::ListBox>(u"LstResult"_s);
        QVERIFY(pick(results, results->entries().at(1)));
        const QString second = nameOn(2);
        QVERIFY(first != second && !first.isEmpty());

        key(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(w()->currentPage(), 2);
        QCOMPARE(nameOn(2), first);
        const qsizetype before = warned.size();
        key(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(w()->currentPage(), 0);
        QCOMPARE(nameOn(0), u"ACONITUM NAPELLUS"_s);
        // Warned again, as any showing is.
        QTRY_VERIFY(warned.size() > before && warned.last().contains(u"L'aconit"_s));
        // The mouse's forward button, anywhere in the window.
        QTest::mousePress(app.control(u"LstNom"_s)->window(), Qt::ForwardButton);
        QCOMPARE(w()->currentPage(), 2);
        QCOMPARE(nameOn(2), first);
        key(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(nameOn(2), second);
        QVERIFY(!keeper().forwardAction()->isEnabled());

        // "Récemment consultés", latest first, one click away.
        auto* recent = w()->findChild<RemedyMenu*>(u"MnuRecents"_s);
        emit recent->aboutToShow();
        QStringList latestFirst{second, first, u"ACONITUM NAPELLUS"_s};
        latestFirst.removeDuplicates();
        QCOMPARE(recent->remedies(), latestFirst);
        recent->actions().at(latestFirst.indexOf(u"ACONITUM NAPELLUS"_s))->trigger();
        QCOMPARE(w()->currentPage(), 0);
        QCOMPARE(nameOn(0), u"ACONITUM NAPELLUS"_s);
        QTRY_VERIFY(warned.last().contains(u"L'aconit"_s) && warned.size() > before + 1);
    }

    void aFavouriteAndANoteOutliveTheWindow()
    {
        QVERIFY(app.choosePage(0));
        QVERIFY(pick(app.control<ui::ListBox>(u"LstNom"_s), u"SULFUR"_s));
        key(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(keeper().store().isFavourite(u"SULFUR"_s));

        QMenu* menu = sheetMenu(0);
        QVERIFY(menu);
        QCOMPARE(actionIn(menu, u"ActFavoriFiche"_s)->text(), u"Retirer des favoris"_s);
        QCOMPARE(actionIn(menu, u"ActNoteFiche"_s)->text(), u"Ma note sur SULFUR…"_s);
        actionIn(menu, u"ActNoteFiche"_s)->trigger();
        menu->close();
        auto* editor = w()->findChild<personal::NoteEditor*>(u"FrmNote"_s);
        QVERIFY(editor && editor->isVisible());
        named<QPlainTextEdit>(editor, u"TxtNote"_s)->setPlainText(u"Note témoin n° 4711."_s);
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!w()->findChild<personal::NoteEditor*>(u"FrmNote"_s));
        auto* mark = app.control<ui::Label>(u"LblNote"_s);
        QVERIFY(mark->isVisible());
        QVERIFY(mark->toolTip().contains(u"Note témoin n° 4711."_s));

        // The note goes on the copy only when the reader ticks it.
        w()->findChild<QAction*>(u"ActCopierFiche"_s)->trigger();
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->text().contains(u"4711"_s));
        w()->findChild<QAction*>(u"ActNoteSurPapier"_s)->setChecked(true);
        w()->findChild<QAction*>(u"ActCopierFiche"_s)->trigger();
        QVERIFY(
            QGuiApplication::clipboard()->mimeData()->text().contains(u"Note témoin n° 4711."_s));

        QVERIFY(app.restart());
        QCOMPARE(told, QStringList());
        QVERIFY(keeper().store().isFavourite(u"SULFUR"_s));
        QVERIFY(pick(app.control<ui::ListBox>(u"LstNom"_s), u"SULFUR"_s));
        QVERIFY(app.control<ui::Label>(u"LblNote"_s)->isVisible());
        QVERIFY(!w()->findChild<QAction*>(u"ActNoteSurPapier"_s)->isChecked());
        QVERIFY(keeper().store().recent().contains(u"ACONITUM NAPELLUS"_s));
        auto* favourites = w()->findChild<RemedyMenu*>(u"MnuFavoris"_s);
        emit favourites->aboutToShow();
        QCOMPARE(favourites->remedies(), QStringList{u"SULFUR"_s});
    }

    void anImportAsksBeforeReplacingANote()
    {
        const QString file = kept.filePath(u"export.json"_s);
        auto& dialogs = personal::Dialogs::current();
        QStringList asked;
        dialogs.chooseFile = [&](QWidget*, const QString&, const QString&, bool) { return file; };
        dialogs.replaceNote = [&](QWidget*, const QString& remedy, const QString&, const QString&) {
            asked << remedy;
            return false;
        };
        keeper().store().setNote(u"OPIUM"_s, u"Exportée."_s);
        w()->findChild<QAction*>(u"ActExporter"_s)->trigger();
        QVERIFY(told.last().contains(QDir::toNativeSeparators(file)));
        keeper().store().setNote(u"OPIUM"_s, u"Changée depuis."_s);
        w()->findChild<QAction*>(u"ActImporter"_s)->trigger();
        QCOMPARE(asked, QStringList{u"OPIUM"_s});
        QCOMPARE(keeper().store().note(u"OPIUM"_s), u"Changée depuis."_s);
        QVERIFY(told.last().startsWith(u"Import terminé"_s));
        dialogs = personal::Dialogs::modal();
        dialogs.tell = [this](QWidget*, const QString& text) { told << text; };
    }

    void theTextSizeChangesTheBodiesOnlyAndIsKept()
    {
        auto* body = app.control<ui::RichTextBox>(u"Rtb1Text"_s);
        const QRect place = body->geometry();
        const qreal designed = body->font().pointSizeF();
        const QSize names = app.control(u"LstNom"_s)->size();
        key(Qt::Key_Plus, Qt::ControlModifier);
        key(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w()->textSize(), 125);
        QCOMPARE(body->font().pointSizeF(), designed * 1.25);
        QCOMPARE(app.control<ui::RichTextBox>(u"Rtb3Text"_s)->font().pointSizeF(), designed * 1.25);
        QCOMPARE(body->geometry(), place);
        QCOMPARE(app.control(u"LstNom"_s)->size(), names);

        QVERIFY(app.restart());
        QCOMPARE(w()->textSize(), 125);
        body = app.control<ui::RichTextBox>(u"Rtb1Text"_s);
        QCOMPARE(body->font().pointSizeF(), designed * 1.25);
        key(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(body->font().pointSizeF(), designed);
    }
};

QTEST_MAIN(TestKeeping)
#include "tst_keeping.moc"
