// The program on a Linux desktop: the menu entry and AppStream data that the
// desktop's tools accept.
#include "startup/desktop.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Runs a validator on a file; skips when the tool is not installed.
#define VALIDATE(tool, args)                                                                       \
    do {                                                                                           \
        const QString exe = QStandardPaths::findExecutable(QStringLiteral(tool));                  \
        if (exe.isEmpty())                                                                         \
            QSKIP(tool " is not installed; the file was not validated");                           \
        QProcess p;                                                                                \
        p.setProcessChannelMode(QProcess::MergedChannels);                                         \
        p.start(exe, args);                                                                        \
        QVERIFY(p.waitForFinished(60000));                                                         \
        const QByteArray said = p.readAll();                                                       \
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, said.constData());   \
    } while (false)

} // namespace

class TestLinuxDesktop : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntryNamesTheWindow()
    {
        const QString path = QStringLiteral(VITRALIS_DESKTOP_FILE);
        QCOMPARE(QFileInfo(path).fileName(), startup::AppId + u".desktop"_s);
        QSettings entry(path, QSettings::IniFormat);
        entry.beginGroup(u"Desktop Entry"_s);
        QCOMPARE(entry.value(u"StartupWMClass"_s).toString(), startup::AppName);
        QCOMPARE(entry.value(u"Icon"_s).toString(), startup::AppId);
        VALIDATE("desktop-file-validate", QStringList{path});
    }

    void metainfoIsValid()
    {
        VALIDATE("appstreamcli", (QStringList{u"validate"_s, u"--no-net"_s,
                                              QStringLiteral(VITRALIS_METAINFO_FILE)}));
    }
};

QTEST_MAIN(TestLinuxDesktop)
#include "tst_linuxdesktop.moc"
