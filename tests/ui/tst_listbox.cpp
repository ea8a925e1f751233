// The list's click: a change of its selection by a person, never by code.
#include "guitest.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestListBox : public QObject
{
    Q_OBJECT

private slots:
    void onlyThePersonsChangesClick()
    {
        ui::ListBox list;
        list.resize(200, 200);
        QSignalSpy clicks(&list, &ui::ListBox::clicked);
        list.addEntries({u"alpha"_s, u"beta"_s, u"gamma"_s});
        list.addEntry(u"delta"_s);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(clicks.count(), 0);

        QVERIFY(testsupport::pick(&list, u"beta"_s));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.last().at(0).toInt(), 1);
        QCOMPARE(list.selectedEntry(), u"beta"_s);

        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(list.selectedIndex(), 2);

        // Emptying and filling from code is silent, and leaves nothing selected.
        list.clearEntries();
        list.addEntries({u"one"_s, u"two"_s});
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(list.selectedIndex(), -1);
        QCOMPARE(list.entries(), QStringList({u"one"_s, u"two"_s}));
        // With nothing selected, the first arrow key selects the first entry.
        list.clearFocus();
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(list.selectedIndex(), 0);
    }
};

QTEST_MAIN(TestListBox)
#include "tst_listbox.moc"
