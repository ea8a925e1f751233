// The count line the result pages show above their lists.
#include "ui/countline.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCountLine : public QObject
{
    Q_OBJECT

private slots:
    void countLine_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("noneInWords");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("line");
        QTest::newRow("one") << 1 << false << u"pour:"_s << u"1 remède trouvé\r\npour:"_s;
        QTest::newRow("none in digits")
            << 0 << false << u"pour:"_s << u"0 remèdes trouvés\r\npour:"_s;
        QTest::newRow("several") << 12 << false << u"dans la spécialité:"_s
                                 << u"12 remèdes trouvés\r\ndans la spécialité:"_s;
        QTest::newRow("none in words")
            << 0 << true << u"pour"_s << u"Aucun remède trouvé\r\npour"_s;
        QTest::newRow("one, words asked") << 1 << true << u"pour"_s << u"1 remède trouvé\r\npour"_s;
    }

    void countLine()
    {
        QFETCH(int, count);
        QFETCH(bool, noneInWords);
        QFETCH(QString, second);
        QFETCH(QString, line);
        const QString shown = noneInWords ? ui::countLine(count, second, ui::NoneFound::InWords)
                                          : ui::countLine(count, second);
        QCOMPARE(shown, line);
    }
};

QTEST_GUILESS_MAIN(TestCountLine)
#include "tst_countline.moc"
