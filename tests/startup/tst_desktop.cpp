// The program on a desktop: Qt's own texts in French, and the icon.
#include "mainwin/aboutpage.h"
#include "startup/desktop.h"
#include "ui/richtextbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
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
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
