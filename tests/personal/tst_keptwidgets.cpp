// The note editor and the menus of remedies, on their own.
#include "personal/keptwidgets.h"
#include "personal/noteeditor.h"
#include "personal/store.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace personal;

class TestKeptWidgets : public QObject
{
    Q_OBJECT

private slots:
    void theEditorHandsItsNoteOverHoweverItCloses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("handed");
        QTest::newRow("closed by Escape") << u"Aggravé à 11 h."_s << true << u"Aggravé à 11 h."_s;
        QTest::newRow("closed by its button")
            << u"Aggravé à 11 h."_s << false << u"Aggravé à 11 h."_s;
        QTest::newRow("blank is no note") << u" \n\t"_s << false << QString();
        QTest::newRow("cut at the limit")
            << QString(Store::NoteLimit + 40, u'x') << true << QString(Store::NoteLimit, u'x');
    }
    void theEditorHandsItsNoteOverHoweverItCloses()
    {
        QFETCH(QString, typed);
        QFETCH(bool, escape);
        QFETCH(QString, handed);
        QWidget parent;
        auto* editor = new NoteEditor(u"SULFUR"_s, u"Ancienne."_s, &parent);
        QSignalSpy closed(editor, &NoteEditor::noteClosed);
        editor->open();
        QCOMPARE(editor->windowTitle(), u"Ma note sur SULFUR"_s);
        QCOMPARE(editor->findChild<QLabel*>(u"LblRappel"_s)->text(), NoteEditor::Reminder);
        auto* text = editor->findChild<QPlainTextEdit*>(u"TxtNote"_s);
        QCOMPARE(text->toPlainText(), u"Ancienne."_s);
        text->setPlainText(typed);
        if (escape)
            QTest::keyClick(text, Qt::Key_Escape);
        else
            QTest::mouseClick(editor->findChild<QWidget*>(u"CmdFermer"_s), Qt::LeftButton);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed.first().at(0).toString(), u"SULFUR"_s);
        QCOMPARE(closed.first().at(1).toString(), handed);
    }

    void aMenuOfRemediesOffersThemOrSaysItIsEmpty()
    {
        RemedyMenu menu(u"Favoris"_s, u"Aucun favori"_s, nullptr);
        QCOMPARE(menu.actions().size(), 1);
        QVERIFY(!menu.actions().first()->isEnabled());
        menu.setRemedies({u"SULFUR"_s, u"OPIUM"_s});
        QSignalSpy chosen(&menu, &RemedyMenu::remedyChosen);
        menu.actions().at(1)->trigger();
        QCOMPARE(chosen.first().first().toString(), u"OPIUM"_s);
    }
};

QTEST_MAIN(TestKeptWidgets)
#include "tst_keptwidgets.moc"
