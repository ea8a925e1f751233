// The start-up stage: one copy at a time, the start folder, the handover.
#include "startup/startup.h"
#include "startuptest.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace startup;
using Outcome = SingleInstanceGuard::Outcome;

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("vitralis.lock")); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // what the reader keeps, kept apart
        ui::installFonts();
    }

    void startFolderEndsWithOneSeparator()
    {
        // In the system's own spelling: backslashes on Windows.
        const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };
        QCOMPARE(startFolderFrom(u"/home/ana/remedes"_s), native(u"/home/ana/remedes/"_s));
        QCOMPARE(startFolderFrom(u"/home/ana/remedes/"_s), native(u"/home/ana/remedes/"_s));
        QCOMPARE(startFolderFrom(u"/"_s), native(u"/"_s));
        const mainwin::ProgramValues v = programValues(u"/opt/vitralis"_s);
        QCOMPARE(v.versionText, u"1.40"_s);
        QVERIFY(v.webPageAddress.startsWith(u"https://"));
    }

    void onlyOneGuardHoldsTheLock()
    {
        auto first = std::make_unique<SingleInstanceGuard>(lockPath());
        SingleInstanceGuard second(lockPath());
        QCOMPARE(first->acquire(), Outcome::Acquired);
        QCOMPARE(first->acquire(), Outcome::Acquired); // asking again changes nothing
        QCOMPARE(second.acquire(), Outcome::AnotherCopyRuns);
        first.reset();
        QCOMPARE(second.acquire(), Outcome::Acquired);
    }

    void aKilledHolderLeavesNothingBehind()
    {
        QProcess holder;
        holder.start(QStringLiteral(LOCKHOLDER), {lockPath()});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("locked"));
        SingleInstanceGuard guard(lockPath());
        QCOMPARE(guard.acquire(), Outcome::AnotherCopyRuns);
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(guard.acquire(), Outcome::Acquired);
    }

    void aLockNoCopyHoldsIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content"); // what the lock file holds; "/": a folder
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("damaged") << QByteArray("\x01\xff garbage");
        QTest::newRow("another machine's") << QByteArray("1\nvitralis\nanother-machine-42\n");
        // A dead copy's, whose process number is this process's now.
        QTest::newRow("naming this process")
            << (QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                QCoreApplication::applicationName().toUtf8() + '\n' +
                SingleInstanceGuard::thisMachine().toUtf8() + '\n');
        QTest::newRow("an empty folder") << QByteArray("/");
    }

    void aLockNoCopyHoldsIsTakenOver()
    {
        QFETCH(QByteArray, content);
        if (content == "/") {
            QVERIFY(QDir().mkdir(lockPath()));
        } else {
            QFile file(lockPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            // Left there a while ago, not being written by a copy starting now.
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime));
        }
        SingleInstanceGuard guard(lockPath());
        QCOMPARE(guard.acquire(), Outcome::Acquired);
    }

    void aLockThatCannotBeTakenStartsAnyway_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file for its folder")
            << dir.filePath(u"file/vitralis.lock"_s) << u"ne peut être créé"_s;
        QTest::newRow("folder missing")
            << dir.filePath(u"missing/vitralis.lock"_s) << u"ne peut être créé"_s;
        // Given up at once, not after the wait that a lock being written gets.
        QTest::newRow("a full folder instead")
            << dir.filePath(u"full"_s) << u"n'est pas un verrou"_s;
        QTest::newRow("no private folder") << QString() << u"aucun dossier réservé"_s;
    }

    void aLockThatCannotBeTakenStartsAnyway()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QDir().mkpath(dir.filePath(u"full/inside"_s));
        QFile file(dir.filePath(u"file"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        startsWithoutTheLock(dir.path(), path, reason);
    }

    void twoCopiesStartedAtOnceOpenOneWindow()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        for (int round = 0; round < 3; ++round) {
            QProcess copies[2];
            for (QProcess& p : copies) {
                p.setProcessEnvironment(env);
                p.start(QStringLiteral(LOCKHOLDER), {u"--start"_s, lockPath()});
                QVERIFY(p.waitForStarted(10000));
            }
            for (QProcess& p : copies)
                p.write("go\n");
            QStringList said;
            for (QProcess& p : copies) {
                QVERIFY(p.waitForReadyRead(10000));
                said << QString::fromLatin1(p.readLine().trimmed());
            }
            said.sort();
            QCOMPARE(said, QStringList({u"refused"_s, u"window"_s}));
            for (QProcess& p : copies) {
                p.kill();
                p.waitForFinished(10000);
            }
        }
    }

    void aSecondStartShowsTheMessageAndOpensNothing()
    {
        SingleInstanceGuard running(lockPath());
        QCOMPARE(running.acquire(), Outcome::Acquired);
        QStringList shown;
        setMessageShower(
            [&](const QString& title, const QString& text) { shown << title << text; });
        Starter second(u"/tmp"_s, lockPath());
        QSignalSpy loaded(&second, &Starter::mainWindowLoaded);
        QCOMPARE(second.start(), 0);
        QCOMPARE(shown, QStringList({u"Vitralis"_s, u"Le programme est déja lancé."_s}));
        // No handover follows, not even after its 100 ms.
        QVERIFY(!loaded.wait(300));
        QVERIFY(second.mainWindow() == nullptr);
        QCOMPARE(running.acquire(), Outcome::Acquired); // the first copy keeps its lock
    }

    void theProgramsMessageIsAWarningWithOneButton()
    {
        setMessageShower({}); // the program's own message box
        // What the box shows is read while it is open, then it is closed whatever
        // it shows, so that a wrong box fails the checks below instead of waiting.
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QTimer watch;
        watch.setInterval(10);
        connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            watch.stop();
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
        watch.start();
        showAlreadyRunning();
        QCOMPARE(title, u"Vitralis"_s);
        QCOMPARE(text, u"Le programme est déja lancé."_s);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 1);
    }

    void documentsAreReadFromAStartFolderOfAnyScript()
    {
        const QString folder = dir.filePath(u"Remèdes Ж 漢方 ü"_s);
        QVERIFY(QDir().mkdir(folder));
        for (const QString& name : {u"Licencebis.rtf"_s, u"Liste.rtf"_s})
            QVERIFY(QFile::copy(documentsFolder() + name, QDir(folder).filePath(name)));
        const QString back = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder));
        Starter starter(holdWorkingFolder(), lockPath());
        QDir::setCurrent(back);
        expectDocumentsSeenBy(starter);
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
        QCOMPARE(w->values().startFolder, QDir::toNativeSeparators(dir.path() + u'/'));
        QTRY_VERIFY(w->isVisible());
        QCOMPARE(w->table().count, 378);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
