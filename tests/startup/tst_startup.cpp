// The start-up stage: one copy at a time, the start folder, the handover.
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

using namespace Qt::StringLiterals;

using namespace startup;

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("vitralis.lock")); }

private slots:
    void initTestCase() { ui::installFonts(); }

    void startFolderEndsWithOneSeparator()
    {
        QCOMPARE(startFolderFrom(u"/home/ana/remedes"_s), u"/home/ana/remedes/"_s);
        QCOMPARE(startFolderFrom(u"/home/ana/remedes/"_s), u"/home/ana/remedes/"_s);
        QCOMPARE(startFolderFrom(u"/"_s), u"/"_s);
        const mainwin::ProgramValues v = programValues(u"/opt/vitralis"_s);
        QCOMPARE(v.versionText, u"1.40"_s);
        QVERIFY(v.webPageAddress.startsWith(u"https://"));
    }

    void onlyOneGuardHoldsTheLock()
    {
        auto first = std::make_unique<SingleInstanceGuard>(lockPath());
        SingleInstanceGuard second(lockPath());
        QVERIFY(first->acquire());
        QVERIFY(first->acquire()); // asking again changes nothing
        QVERIFY(!second.acquire());
        first.reset();
        QVERIFY(second.acquire());
    }

    void aKilledHolderLeavesNothingBehind()
    {
        QProcess holder;
        holder.start(QStringLiteral(LOCKHOLDER), {lockPath()});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("locked"));
        SingleInstanceGuard guard(lockPath());
        QVERIFY(!guard.acquire());
        ::kill(pid_t(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(guard.acquire());
    }

    void aSecondStartShowsTheMessageAndOpensNothing()
    {
        SingleInstanceGuard running(lockPath());
        QVERIFY(running.acquire());
        QStringList shown;
        setMessageShower(
            [&](const QString& title, const QString& text) { shown << title << text; });
        Starter second(u"/tmp"_s, lockPath());
        QCOMPARE(second.start(), 0);
        QCOMPARE(shown, QStringList({u"Vitralis"_s, u"Le programme est déja lancé."_s}));
        QTest::qWait(150);
        QVERIFY(second.mainWindow() == nullptr);
        QVERIFY(running.acquire()); // the first copy keeps its lock
    }

    void theRealMessageBoxIsAWarningWithOneButton()
    {
        setMessageShower({});
        setMessageShower([](const QString& title, const QString& text) {
            QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
            QTimer::singleShot(0, &box, [&box] {
                QCOMPARE(box.windowTitle(), u"Vitralis"_s);
                QCOMPARE(box.icon(), QMessageBox::Warning);
                QCOMPARE(box.buttons().size(), 1);
                box.button(QMessageBox::Ok)->click();
            });
            box.exec();
        });
        showAlreadyRunning();
    }

    void handsOverToTheMainWindow()
    {
        Starter first(dir.path(), lockPath());
        QSignalSpy loaded(&first, &Starter::mainWindowLoaded);
        QCOMPARE(first.start(), -1);
        QVERIFY(first.mainWindow() == nullptr); // the handover waits for the event loop
        QVERIFY(loaded.wait(2000));
        mainwin::MainWindow* w = first.mainWindow();
        QVERIFY(w);
        QCOMPARE(w->values().startFolder, dir.path() + u'/');
        QTRY_VERIFY(w->isVisible());
        QCOMPARE(w->table().count, 378);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
