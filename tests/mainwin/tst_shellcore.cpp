// The main window's arithmetic, without a window.
#include "mainwin/shellcore.h"

#include <QTest>

class TestShellCore : public QObject
{
    Q_OBJECT

private slots:
    void placementIsCentredAQuarterDown()
    {
        const QPointF at = mainwin::windowPlacement(QSizeF(1024 * 15, 768 * 15));
        QCOMPARE(at.x(), 660.0);
        QCOMPARE(at.y(), 131.25);
        QCOMPARE(mainwin::WindowHeightTwips, 10995.0);
    }
};

QTEST_GUILESS_MAIN(TestShellCore)
#include "tst_shellcore.moc"
