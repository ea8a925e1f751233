// The prescription warnings' rules without a widget: what the warning label
// shows after each kind of showing, when the window opens, what silencing does.
#include "sheet/warningflow.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using sheet::WarningFlow;
using sheet::WarningState;

namespace {

// Three remedies: one on no list, one on list I, one narcotic.
std::unique_ptr<refdata::RemedyTable> smallTable()
{
    auto t = std::make_unique<refdata::RemedyTable>();
    const char* classes[] = {".", "1", "3"};
    for (int i = 0; i < 3; ++i) {
        t->latinName[i] = u"REMEDY %1"_s.arg(i);
        t->listClass[i] = QString::fromLatin1(classes[i]);
        t->listWarning[i] = i == 0 ? QString() : u"list warning %1"_s.arg(i);
        t->extraWarning[i] = i == 0 ? QString() : u"own warning %1"_s.arg(i);
    }
    t->count = 3;
    return t;
}

const QString Before = u"earlier warning"_s;
const QString Unchanged = u"<unchanged>"_s;

} // namespace

class TestWarningFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<refdata::RemedyTable> table = smallTable();

private slots:
    void remedyPageStep_data()
    {
        QTest::addColumn<bool>("silenced");
        QTest::addColumn<int>("remedy");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("text");
        QTest::newRow("on no list") << false << 0 << QString() << false << Before;
        QTest::newRow("list I") << false << 1 << u"list warning 1"_s << true << u"own warning 1"_s;
        QTest::newRow("narcotic") << false << 2 << u"list warning 2"_s << true
                                  << u"own warning 2"_s;
        QTest::newRow("silenced") << true << 1 << u"list warning 1"_s << false
                                  << u"own warning 1"_s;
        QTest::newRow("none selected") << false << -1 << Unchanged << false << Before;
        QTest::newRow("past the table") << false << 3 << Unchanged << false << Before;
    }

    void remedyPageStep()
    {
        QFETCH(bool, silenced);
        QFETCH(int, remedy);
        QFETCH(QString, label);
        QFETCH(bool, opens);
        QFETCH(QString, text);
        WarningState state{silenced, Before};
        const WarningFlow::Step step = WarningFlow(state).remedyPageStep(*table, remedy);
        QCOMPARE(step.label.value_or(Unchanged), label);
        QCOMPARE(step.openWindow, opens);
        QCOMPARE(state.warningText, text);
        QCOMPARE(state.silenced, silenced);
    }

    void searchPagePick_data()
    {
        QTest::addColumn<bool>("silenced");
        QTest::addColumn<int>("remedy");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<QString>("text");
        QTest::newRow("on no list") << false << 0 << QString() << false << Before;
        QTest::newRow("list I") << false << 1 << u"list warning 1"_s << true << u"own warning 1"_s;
        QTest::newRow("silenced") << true << 2 << u"list warning 2"_s << true << u"own warning 2"_s;
        QTest::newRow("a name not in the table") << false << -1 << QString() << false << Before;
    }

    // A pick arms the page's flag; the deferred step opens the window when not
    // silenced and clears the flag in every case. A list found shows the same
    // label and never arms.
    void searchPagePick()
    {
        QFETCH(bool, silenced);
        QFETCH(int, remedy);
        QFETCH(QString, label);
        QFETCH(bool, armed);
        QFETCH(QString, text);
        WarningState state{silenced, Before};
        WarningFlow flow(state);
        QCOMPARE(WarningFlow::found(*table, remedy), label);
        QCOMPARE(state.warningText, Before);

        QCOMPARE(flow.picked(*table, remedy, state.pendingSpecialtyPage), label);
        QCOMPARE(state.pendingSpecialtyPage, armed);
        QCOMPARE(state.warningText, text);
        QVERIFY(!state.pendingWordPages);

        QCOMPARE(flow.takePending(state.pendingSpecialtyPage), armed && !silenced);
        QVERIFY(!state.pendingSpecialtyPage);
        QVERIFY(!flow.takePending(state.pendingSpecialtyPage));
    }

    // A listed pick on "Spécialités", then an unlisted one on "Symptômes": the
    // second page's step opens nothing; the first page's flag waits for its own.
    void eachPageStepTakesItsOwnFlag()
    {
        WarningState state;
        WarningFlow flow(state);
        flow.picked(*table, 1, state.pendingSpecialtyPage);
        flow.picked(*table, 0, state.pendingWordPages);
        QVERIFY(!flow.takePending(state.pendingWordPages));
        QVERIFY(flow.takePending(state.pendingSpecialtyPage));
    }

    // Ticking the box, or ticking and clearing it, silences for the rest of
    // the run: no window on any page, the labels still shown.
    void silencingLastsTheRun()
    {
        WarningState state;
        WarningFlow flow(state);
        flow.silence();
        flow.silence();
        QVERIFY(state.silenced);
        const WarningFlow::Step step = flow.remedyPageStep(*table, 1);
        QCOMPARE(step.label, u"list warning 1"_s);
        QVERIFY(!step.openWindow);
        flow.picked(*table, 2, state.pendingWordPages);
        QVERIFY(!flow.takePending(state.pendingWordPages));
        QVERIFY(state.silenced);
    }
};

QTEST_GUILESS_MAIN(TestWarningFlow)
#include "tst_warningflow.moc"
