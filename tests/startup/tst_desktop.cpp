// The program on a Linux desktop: Qt's own texts in French, and the menu entry
// and AppStream data that the desktop's tools accept.
#include "mainwin/aboutpage.h"
#include "startup/desktop.h"
#include "ui/richtextbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A menu's or a button's text as the user reads it: no mnemonic mark, no
// shortcut after the tab.
QString shown(QString text)
{
    return text.section(u'\t', 0, 0).remove(u'&').trimmed();
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << shown(a->text());
    delete menu;
    return texts;
}

// Runs a validator on a file; skips when the tool is not installed.
#define VALIDATE(tool, args)                                                                  \
    do {                                                                                      \
        const QString exe = QStandardPaths::findExecutable(QStringLiteral(tool));             \
        if (exe.isEmpty())                                                                    \
            QSKIP(tool " is not installed; the file was not validated");                      \
        QProcess p;                                                                           \
        p.setProcessChannelMode(QProcess::MergedChannels);                                    \
        p.start(exe, args);                                                                   \
        QVERIFY(p.waitForFinished(60000));                                                    \
        const QByteArray said = p.readAll();                                                  \
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, said.constData()); \
    } while (false)

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void toolkitTextsAreFrench()
    {
        QVERIFY2(startup::loadToolkitTranslations(),
                 "qtbase_fr.qm not found (package qt6-translations-l10n)");

        QLineEdit field(u"Arnica"_s);
        const QStringList fieldMenu = menuTexts(field.createStandardContextMenu());
        ui::RichTextBox body;
        body.setText(u"Douleurs\r\nContusions"_s);
        const QStringList bodyMenu = menuTexts(body.createStandardContextMenu());
        for (const QStringList& menu : {fieldMenu, bodyMenu}) {
            QVERIFY2(menu.contains(u"Copier"_s), qPrintable(menu.join(u'|')));
            QVERIFY2(menu.contains(u"Tout sélectionner"_s), qPrintable(menu.join(u'|')));
        }

        QMessageBox box(QMessageBox::Warning, u"Vitralis"_s, u"?"_s,
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(shown(box.button(QMessageBox::Cancel)->text()), u"Annuler"_s);
    }

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

    // The icon drawn for the desktop is the window's, and the About page shows it.
    void theIconIsShown()
    {
        startup::setUpApplication();
        QVERIFY(!QGuiApplication::windowIcon().isNull());
        mainwin::AboutPage page(nullptr);
        page.load(u"1.0"_s, QString());
        auto* icon = page.findChild<QLabel*>(u"ImgIcone"_s);
        QVERIFY(icon && !icon->isHidden());
        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), icon->size());
    }

    void metainfoIsValid()
    {
        VALIDATE("appstreamcli",
                 (QStringList{u"validate"_s, u"--no-net"_s, QStringLiteral(VITRALIS_METAINFO_FILE)}));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
