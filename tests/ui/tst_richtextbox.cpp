// The rich-text box's offsets: a line break counts as CR LF in every offset it
// takes or gives, whatever the document counts.
#include "guitest.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRichTextBox : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaksCountAsTwoCharacters()
    {
        ui::RichTextBox box;
        box.setText(u"ab\r\ncd\ref\ngh"_s);
        // Every spelling of a break is kept as CR LF.
        QCOMPARE(box.text(), u"ab\r\ncd\r\nef\r\ngh"_s);
        QCOMPARE(box.document()->blockCount(), 4);
        // "c" stands at offset 4 and at document position 3.
        QCOMPARE(box.toPosition(4), 3);
        QCOMPARE(box.toOffset(3), 4);
        for (int offset : {0, 1, 4, 8, 12, 14})
            QCOMPARE(box.toOffset(box.toPosition(offset)), offset);
    }

    void rangesAcrossLineBreaksLookAsAsked()
    {
        ui::RichTextBox box;
        box.setText(u"un\r\n\r\ndeux trois"_s);
        const QColor red(0xFF, 0x00, 0x00);
        box.formatRange(1, 7, red, true); // "n", two breaks, "de"
        for (int offset : {1, 6, 7}) {
            QCOMPARE(testsupport::formatAt(&box, offset).foreground().color(), red);
            QCOMPARE(testsupport::formatAt(&box, offset).fontWeight(), int(QFont::Bold));
        }
        QVERIFY(testsupport::formatAt(&box, 0).fontWeight() != QFont::Bold);
        QVERIFY(testsupport::formatAt(&box, 8).fontWeight() != QFont::Bold);
        // Colouring keeps the emphasis; showing leaves nothing selected.
        box.setRangeColour(7, 4, Qt::blue);
        QCOMPARE(testsupport::formatAt(&box, 7).fontWeight(), int(QFont::Bold));
        QCOMPARE(testsupport::formatAt(&box, 9).foreground().color(), QColor(Qt::blue));
        box.showRange(7, 4);
        QVERIFY(!box.textCursor().hasSelection());
        QCOMPARE(box.toOffset(box.textCursor().position()), 11);
        // New text clears every look.
        box.setText(box.text());
        QVERIFY(testsupport::formatAt(&box, 6).fontWeight() != QFont::Bold);
    }

    // A new text and its looks reach the layout as one change.
    void oneLayoutHoldsTheChangesBackUntilItGoes()
    {
        ui::RichTextBox box;
        box.setText(u"old"_s);
        QSignalSpy changes(box.document(), &QTextDocument::contentsChange);
        {
            const ui::RichTextBox::OneLayout once(box);
            box.setText(u"un\r\ndeux"_s);
            box.formatRange(4, 4, Qt::red, true);
            box.setRangeColour(0, 2, Qt::blue);
            QCOMPARE(changes.size(), 1); // the old text's removal only
        }
        QCOMPARE(changes.size(), 2);
        QCOMPARE(testsupport::formatAt(&box, 5).fontWeight(), int(QFont::Bold));
        QCOMPARE(testsupport::formatAt(&box, 1).foreground().color(), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
