// The sheet's parts that hold rules of their own: the tooltip of a term, the
// file name a saved sheet is offered under, the order of the context menu.
#include "sheet/bodyterms.h"
#include "sheet/paperactions.h"
#include "sheet/sheetmenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

class TestSheetParts : public QObject
{
    Q_OBJECT

private slots:
    void tooltipsKeepShortDefinitionsOnOneLine_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short")
            << u"ictère"_s << u"Jaunisse."_s
            << u"<p style=\"white-space:pre\"><b>ictère</b>&nbsp;: Jaunisse.</p>"_s;
        QTest::newRow("escaped")
            << u"a<b"_s << u"x & y"_s
            << u"<p style=\"white-space:pre\"><b>a&lt;b</b>&nbsp;: x &amp; y</p>"_s;
        const QString longText = u"Inflammation "_s.repeated(40);
        QTest::newRow("long")
            << u"entérite"_s << longText
            << u"<table width=\"420\"><tr><td><b>entérite</b>&nbsp;: %1</td></tr></table>"_s.arg(
                   longText);
    }

    void tooltipsKeepShortDefinitionsOnOneLine()
    {
        QFETCH(QString, term);
        QFETCH(QString, definition);
        QFETCH(QString, expected);
        QCOMPARE(sheet::definitionTooltip(term, definition, QFontMetrics(QToolTip::font())),
                 expected);
    }

    void aSavedSheetIsOfferedUnderItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u" ACONITUM NAPELLUS "_s << u"/docs"_s
                               << u"/docs/ACONITUM NAPELLUS.pdf"_s;
        QTest::newRow("forbidden characters")
            << u"A/B\\C:D*E?F\"G<H>I|J\tK"_s << u"/docs"_s << u"/docs/A-B-C-D-E-F-G-H-I-J-K.pdf"_s;
        QTest::newRow("no documents folder")
            << u"ZINCUM"_s << QString() << QDir::home().filePath(u"ZINCUM.pdf"_s);
    }

    void aSavedSheetIsOfferedUnderItsName()
    {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(sheet::proposedPdfPath(name, folder), expected);
    }

    void theMenuPutsTheDefinitionFirstAndOthersLast_data()
    {
        QTest::addColumn<bool>("withTerm");
        QTest::addColumn<bool>("withAdded");
        QTest::addColumn<QStringList>("expected");
        const QStringList own = {u"ActImprimer2"_s, u"ActApercu2"_s, u"ActEnregistrerPdf2"_s,
                                 u"ActCopierFiche2"_s};
        QTest::newRow("bare") << false << false << (QStringList{u"body"_s, u"|"_s} + own);
        QTest::newRow("term") << true << false
                              << (QStringList{u"ActDefinition"_s, u"|"_s, u"body"_s, u"|"_s} + own);
        QTest::newRow("term and added")
            << true << true
            << (QStringList{u"ActDefinition"_s, u"|"_s, u"body"_s, u"|"_s} + own +
                QStringList{u"|"_s, u"added"_s});
    }

    void theMenuPutsTheDefinitionFirstAndOthersLast()
    {
        QFETCH(bool, withTerm);
        QFETCH(bool, withAdded);
        QFETCH(QStringList, expected);
        QWidget owner;
        sheet::SheetMenu sheetMenu(&owner, 2);
        QAction added;
        added.setObjectName(u"added"_s);
        auto gone = std::make_unique<QAction>();
        sheetMenu.add(gone.get());
        gone.reset(); // an action its owner destroyed leaves the menu
        if (withAdded)
            sheetMenu.add(&added);
        QMenu menu;
        menu.addAction(u"body"_s)->setObjectName(u"body"_s);
        menu.addSeparator();
        QAction* definition = nullptr;
        if (withTerm) {
            definition = new QAction(&menu);
            definition->setObjectName(u"ActDefinition"_s);
        }
        sheetMenu.compose(&menu, definition);
        QStringList names;
        for (const QAction* a : menu.actions())
            names << (a->isSeparator() ? u"|"_s : a->objectName());
        QCOMPARE(names, expected);
    }
};

QTEST_MAIN(TestSheetParts)
#include "tst_sheetparts.moc"
