// How words are compared: the forms that share a key, and those that must not.
#include "french/folding.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestFolding : public QObject
{
    Q_OBJECT

private slots:
    void formsShareTheirKey_data()
    {
        QTest::addColumn<QStringList>("forms");
        QTest::newRow("case and accents")
            << QStringList{u"Diarrhée"_s, u"diarrhee"_s, u"DIARRHÉES"_s};
        QTest::newRow("ligatures") << QStringList{u"œdème"_s, u"oedeme"_s, u"Œdèmes"_s};
        QTest::newRow("plural in -aux, feminine")
            << QStringList{u"rénal"_s, u"rénaux"_s, u"rénale"_s, u"rénales"_s};
        QTest::newRow("-eux, -euse") << QStringList{u"nerveux"_s, u"nerveuse"_s, u"nerveuses"_s};
        QTest::newRow("-if, -ive") << QStringList{u"vif"_s, u"vive"_s, u"vifs"_s, u"vives"_s};
        QTest::newRow("-ien, -ienne") << QStringList{u"pelvien"_s, u"pelviennes"_s};
        QTest::newRow("-el, -elle") << QStringList{u"cruel"_s, u"cruelles"_s};
        QTest::newRow("participles")
            << QStringList{u"aggravé"_s, u"aggravée"_s, u"aggravées"_s, u"Aggravés"_s};
        QTest::newRow("-eau, -eaux") << QStringList{u"peau"_s, u"peaux"_s};
        QTest::newRow("-ou, -oux") << QStringList{u"genou"_s, u"genoux"_s};
        QTest::newRow("a final e") << QStringList{u"gorge"_s, u"gorges"_s};
    }
    void formsShareTheirKey()
    {
        QFETCH(QStringList, forms);
        for (const QString& f : forms)
            QCOMPARE(french::wordKey(f), french::wordKey(forms.front()));
    }

    void differentWordsKeepDifferentKeys()
    {
        const QStringList words{u"toux"_s, u"tout"_s, u"froid"_s,   u"chaud"_s,
                                u"mal"_s,  u"main"_s, u"pire"_s,    u"mieux"_s,
                                u"os"_s,   u"nez"_s,  u"ténesme"_s, u"ténesmeux"_s};
        QSet<QString> keys;
        for (const QString& w : words)
            keys.insert(french::wordKey(w));
        QCOMPARE(keys.size(), words.size());
    }

    void textsPartIntoWords()
    {
        const QString text = u"Pire l’hiver, d'un froid gastro-entérite. Qu'il  mange!"_s;
        QStringList seen;
        QList<bool> breaks;
        for (const french::Word& w : french::words(text)) {
            seen << text.mid(w.start, w.length);
            breaks << w.newSentence;
        }
        QCOMPARE(seen, (QStringList{u"Pire"_s, u"hiver"_s, u"un"_s, u"froid"_s, u"gastro"_s,
                                    u"entérite"_s, u"il"_s, u"mange"_s}));
        QCOMPARE(breaks, (QList<bool>{false, false, false, false, false, false, true, false}));
        QVERIFY(french::words(u" ... '"_s).isEmpty());
        // An apostrophe after a word that is no elision leaves it a word.
        QCOMPARE(french::words(u"aujourd'hui"_s).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestFolding)
#include "tst_folding.moc"
