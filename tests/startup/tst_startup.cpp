// The start-up stage: one copy at a time, the start folder, the handover.
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <QPushButton>
#include <QTextEdit>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using namespace startup;
using Outcome = SingleInstanceGuard::Outcome;

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
        ::kill(pid_t(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(guard.acquire(), Outcome::Acquired);
    }

    void aLockNoCopyHoldsIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content"); // what the lock file holds; "/": a folder
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("damaged") << QByteArray("\x01\xff garbage");
        QTest::newRow("another machine's") << QByteArray("1\nvitralis\nanother-machine-42\n");
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
        // As root, no folder of the temporary folder can be closed to us.
        const QString closed = ::geteuid() == 0 ? u"/sys"_s : dir.filePath(u"closed"_s);
        QTest::newRow("folder not writable") << closed + u"/vitralis.lock"_s;
        QTest::newRow("folder missing") << dir.filePath(u"missing/vitralis.lock"_s);
        QTest::newRow("a full folder instead") << dir.filePath(u"full"_s);
        QTest::newRow("no private folder") << QString();
    }

    void aLockThatCannotBeTakenStartsAnyway()
    {
        QFETCH(QString, path);
        QDir().mkpath(dir.filePath(u"full/inside"_s));
        QDir().mkdir(dir.filePath(u"closed"_s));
        QFile::setPermissions(dir.filePath(u"closed"_s), QFile::ReadOwner | QFile::ExeOwner);

        SingleInstanceGuard guard(path);
        QCOMPARE(guard.acquire(), Outcome::NoLock);
        QVERIFY2(guard.problem().contains(u"démarre sans vérifier"), qPrintable(guard.problem()));

        QStringList shown;
        setMessageShower([&](const QString&, const QString& text) { shown << text; });
        Starter starter(dir.path(), path);
        QCOMPARE(starter.start(), -1);
        QTRY_VERIFY(starter.mainWindow());
        QCOMPARE(shown, QStringList());
    }

    void theLockLivesInAFolderPrivateToTheUser()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray temp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            qputenv("TMPDIR", temp);
        });
        const QString own = dir.filePath(u"own"_s);
        const QString open = dir.filePath(u"open"_s);
        const QString tmp = dir.filePath(u"tmp"_s);
        for (const QString& folder : {own, open, tmp})
            QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("TMPDIR", QFile::encodeName(tmp));
        const QString fallback = tmp + u"/vitralis-"_s + QString::number(::geteuid());

        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own));
        QCOMPARE(SingleInstanceGuard::defaultLockPath(), own + u"/vitralis.lock"_s);
        // A runtime folder others may enter, or none: a folder made for the user alone.
        for (const QByteArray& elsewhere : {QFile::encodeName(open), QByteArray()}) {
            qputenv("XDG_RUNTIME_DIR", elsewhere);
            QCOMPARE(SingleInstanceGuard::defaultLockPath(), fallback + u"/vitralis.lock"_s);
            QCOMPARE((QFileInfo(fallback).permissions() & 0x0077).toInt(), 0);
        }
        // That folder opened to others (as a stranger could have made it): no lock at all.
        QVERIFY(QFile::setPermissions(fallback, QFile::permissions(fallback) | QFile::WriteOther));
        QCOMPARE(SingleInstanceGuard::defaultLockPath(), QString());
    }

    void twoCopiesStartedAtOnceOpenOneWindow()
    {
        QTemporaryDir runtime; // made closed to others
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        for (int round = 0; round < 3; ++round) {
            QProcess copies[2];
            for (QProcess& p : copies) {
                p.setProcessEnvironment(env);
                p.start(QStringLiteral(LOCKHOLDER), {u"--start"_s});
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

    // Starts as the program does, in the folder `folder` (bytes, as the system names it), and
    // returns the texts of the About box and of the glossary window's information view.
    QStringList documentsSeenFrom(const QByteArray& folder)
    {
        const QByteArray back = QFile::encodeName(QDir::currentPath());
        if (::chdir(folder.constData()) != 0)
            return {u"cannot enter the folder"_s};
        Starter starter(holdWorkingFolder(), lockPath());
        ::chdir(back.constData());
        QSignalSpy loaded(&starter, &Starter::mainWindowLoaded);
        if (starter.start() != -1 || !loaded.wait(2000))
            return {u"no main window"_s};
        mainwin::MainWindow* w = starter.mainWindow();
        QStringList texts{
            w->findChild<QWidget*>(u"Pict(4)"_s)->findChild<QTextEdit*>(u"Rtb1"_s)->toPlainText()};
        w->findChild<QPushButton*>(u"CmdIndex"_s)->click();
        auto* glossary = w->findChild<QWidget*>(u"Frm31Index"_s);
        texts << (glossary ? glossary->findChild<QTextEdit*>(u"Rtb1"_s)->toPlainText() : QString());
        if (glossary)
            glossary->close();
        return texts;
    }

    void documentsAreReadFromAStartFolderWhateverItsName()
    {
        // Not valid UTF-8: the name cannot go through text and back.
        const QByteArray folder = QFile::encodeName(dir.path()) + "/vitr\xe9lis \xff";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        const auto removeFolder = qScopeGuard([&] {
            for (const char* name : {"Licencebis.rtf", "Liste.rtf"})
                ::unlink((folder + '/' + name).constData());
            ::rmdir(folder.constData());
        });
        for (const char* name : {"Licencebis.rtf", "Liste.rtf"}) {
            QFile source(QStringLiteral(VITRALIS_DATA_DIR "/../documents/") +
                         QLatin1StringView(name));
            QVERIFY(source.open(QIODevice::ReadOnly));
            QFile copy;
            const int fd = ::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT, 0600);
            QVERIFY(copy.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            copy.write(source.readAll());
        }
        const QStringList texts = documentsSeenFrom(folder);
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].contains(u"Vitralis") && !texts[0].contains(u"introuvable"),
                 qPrintable(texts[0]));
        QVERIFY2(texts[1].contains(u"Vitralis") && !texts[1].contains(u"introuvable"),
                 qPrintable(texts[1]));
    }

    void aStartFolderDeletedBeforeTheStartHoldsNoDocuments()
    {
        const QByteArray folder = QFile::encodeName(dir.filePath(u"gone"_s));
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        const QByteArray back = QFile::encodeName(QDir::currentPath());
        QCOMPARE(::chdir(folder.constData()), 0);
        QCOMPARE(::rmdir(folder.constData()), 0);
        const QStringList texts = documentsSeenFrom(".");
        ::chdir(back.constData());
        QCOMPARE(texts,
                 QStringList({u"Le document « Licencebis.rtf » est introuvable ou illisible."_s,
                              u"Le document « Liste.rtf » est introuvable ou illisible."_s}));
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
