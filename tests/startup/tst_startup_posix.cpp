// The start-up stage on Linux: where the lock lives, and start folders that
// only a POSIX system can give.
#include "startuptest.h"
#include "ui/fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using namespace startup;

class TestStartupPosix : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("vitralis.lock")); }

    // Starts as the program does, in the folder `folder` (bytes, as the system names it), and
    // returns the texts of the About box and of the glossary window's information view.
    QStringList documentsSeenFrom(const QByteArray& folder)
    {
        const QByteArray back = QFile::encodeName(QDir::currentPath());
        if (::chdir(folder.constData()) != 0)
            return {u"cannot enter the folder"_s};
        Starter starter(holdWorkingFolder(), lockPath());
        ::chdir(back.constData()); // the caller's folder may be gone: the caller comes back
        return documentsSeenBy(starter);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // what the reader keeps, kept apart
        ui::installFonts();
    }

    void aFolderClosedToUsStartsAnyway()
    {
        // As root, no folder of the temporary folder can be closed to us.
        QString closed = u"/sys"_s;
        if (::geteuid() != 0) {
            closed = dir.filePath(u"closed"_s);
            QVERIFY(QDir().mkdir(closed));
            QFile::setPermissions(closed, QFile::ReadOwner | QFile::ExeOwner);
        }
        startsWithoutTheLock(dir.path(), closed + u"/vitralis.lock"_s, u"pas le droit de créer"_s);
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
            QFile source(documentsFolder() + QLatin1StringView(name));
            QVERIFY(source.open(QIODevice::ReadOnly));
            QFile copy;
            const int fd = ::open((folder + '/' + name).constData(), O_WRONLY | O_CREAT, 0600);
            QVERIFY(copy.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            copy.write(source.readAll());
        }
        const QByteArray back = QFile::encodeName(QDir::currentPath());
        QCOMPARE(::chdir(folder.constData()), 0);
        Starter starter(holdWorkingFolder(), lockPath());
        QCOMPARE(::chdir(back.constData()), 0);
        expectDocumentsSeenBy(starter);
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
};

QTEST_MAIN(TestStartupPosix)
#include "tst_startup_posix.moc"
