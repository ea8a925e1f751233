// The reader's store where only a POSIX system can put it to the test: its
// permissions, a read-only folder, a full disk, a writer killed mid-save.
#include "storetest.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace storetest;

namespace {

bool run(const QString& program, const QStringList& arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

} // namespace

class TestStorePosix : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString folder() const
    {
        return dir.filePath(QString::fromLatin1(QTest::currentTestFunction()));
    }

    // What a save that cannot be done says, once; the note stays in memory,
    // the file on disk as it was; `undo` lifts the obstacle and the next save
    // writes it all.
    void aFailedSaveLosesNothing(Store& store, const QString& note, const QString& said,
                                 const std::function<void()>& undo)
    {
        const QByteArray before = bytesOf(store.filePath(Store::Notes));
        store.setNote(u"SULFUR"_s, note);
        store.setNote(u"OPIUM"_s, note); // a second failure, not told again
        const QStringList problems = store.takeProblems();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(said), qPrintable(problems.first()));
        QCOMPARE(store.note(u"SULFUR"_s), note);
        QCOMPARE(bytesOf(store.filePath(Store::Notes)), before);
        undo();
        QVERIFY(store.save());
        Store again(store.folder());
        again.load();
        QCOMPARE(again.note(u"OPIUM"_s), note);
    }

private slots:
    void theFilesAreTheReadersAlone()
    {
        ::umask(022);
        Store store(folder());
        keepOneOfEverything(store);
        QCOMPARE(QFileInfo(folder()).permissions() & 0x0777, QFile::Permissions(0x0700));
        for (const QString& name : filesIn(folder()))
            QCOMPARE(QFileInfo(QDir(folder()).filePath(name)).permissions() & 0x0777,
                     QFile::Permissions(0x0600));
    }

    void aReadOnlyFolder()
    {
        Store store(folder());
        keepOneOfEverything(store);
        std::function<void()> undo;
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
            undo = [this] {
                QFile::setPermissions(folder(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            };
        } else {
            // Root writes through any permission: a file system mounted read-only stops it.
            const QString mounted = folder() + u"-mounted"_s;
            QVERIFY(QDir().mkdir(mounted));
            if (!run(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, mounted}))
                QSKIP("root, and no file system can be mounted read-only here");
            const auto unmount = qScopeGuard([&] { run(u"umount"_s, {mounted}); });
            Store onMount(mounted);
            keepOneOfEverything(onMount);
            QVERIFY(run(u"mount"_s, {u"-o"_s, u"remount,ro"_s, mounted}));
            aFailedSaveLosesNothing(onMount, u"Sur un disque en lecture seule."_s,
                                    u"n'accepte pas d'écriture"_s, [&] {
                                        run(u"mount"_s, {u"-o"_s, u"remount,rw"_s, mounted});
                                    });
            return;
        }
        aFailedSaveLosesNothing(store, u"Dans un dossier en lecture seule."_s,
                                u"n'accepte pas d'écriture"_s, undo);
    }

    // A file may grow no larger than the process's limit: as on a full disk,
    // the write fails midway.
    void aFullDisk()
    {
        Store store(folder());
        keepOneOfEverything(store);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 16 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        });
        aFailedSaveLosesNothing(store, QString(40000, u'é'), u"disque est peut-être plein"_s,
                                [&] { ::setrlimit(RLIMIT_FSIZE, &saved); });
    }

    // A writer killed at random moments of its saves leaves the old note or
    // the new one, whole, never a mix nor a cut.
    void aWriterKilledMidSave()
    {
        constexpr int Size = 2'000'000;
        QVERIFY(QDir().mkpath(folder()));
        const QString notes = Store(folder()).filePath(Store::Notes);
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(KEPTWRITER), {folder(), QString::number(Size)});
            QVERIFY(writer.waitForReadyRead(20000));
            QTest::qWait(int(QRandomGenerator::global()->bounded(40)));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(10000));

            const QJsonObject saved = QJsonDocument::fromJson(bytesOf(notes)).object();
            const QString note = saved.value(u"notes"_s).toObject().value(u"SULFUR"_s).toString();
            QCOMPARE(note.size(), Size);
            QVERIFY2(note.count(note.front()) == Size, "a mix of two saves");
            Store reader(folder());
            reader.load();
            QCOMPARE(reader.takeProblems(), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestStorePosix)
#include "tst_store_posix.moc"
