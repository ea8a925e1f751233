// The start-up stage on Windows: where the lock lives.
#include "startup/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace startup;
using Outcome = SingleInstanceGuard::Outcome;

class TestStartupWin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // a folder of its own

    void theLockLivesInTheLocalApplicationData()
    {
        const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QVERIFY2(local.contains(u"AppData/Local"_s, Qt::CaseInsensitive), qPrintable(local));
        const QString folder = local + u"/Vitralis"_s;
        QDir(folder).removeRecursively();
        QCOMPARE(SingleInstanceGuard::defaultLockPath(), folder + u"/vitralis.lock"_s);
        QVERIFY(QFileInfo(folder).isDir());
        SingleInstanceGuard first;
        SingleInstanceGuard second;
        QCOMPARE(first.acquire(), Outcome::Acquired);
        QVERIFY2(second.acquire() == Outcome::AnotherCopyRuns, qPrintable(second.problem()));
    }

    void aFileInTheFolderPlaceGivesNoLock()
    {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Vitralis"_s;
        QDir(folder).removeRecursively();
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(SingleInstanceGuard::defaultLockPath(), QString());
        QVERIFY(QFile::remove(folder));
    }

    void aFolderOfAnyScriptHoldsTheLock()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Utilisateur Ж 漢方 é"_s);
        QVERIFY(QDir().mkdir(folder));
        SingleInstanceGuard first(folder + u"/vitralis.lock"_s);
        SingleInstanceGuard second(folder + u"/vitralis.lock"_s);
        QCOMPARE(first.acquire(), Outcome::Acquired);
        QVERIFY2(second.acquire() == Outcome::AnotherCopyRuns, qPrintable(second.problem()));
    }
};

QTEST_MAIN(TestStartupWin)
#include "tst_startup_win.moc"
