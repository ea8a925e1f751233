// The searches behind the letter index, the word and specialty lists and the
// colouring of a chosen word, over the shipped knowledge base and small
// made-up tables.
#include "browse/browsecore.h"
#include "browse/specialties.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QTest>

#include <memory>

using namespace browse;

class TestBrowseCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<refdata::RemedyTable> table = std::make_unique<refdata::RemedyTable>();
    refdata::KeywordList words;

    QStringList names(const QList<int>& remedies) const { return table->names(remedies); }

private slots:
    void initTestCase()
    {
        QCOMPARE(refdata::LoadRemedyTable(*table), 378);
        QCOMPARE(refdata::LoadKeywordList(words), 936);
    }

    void lettersOverTheShippedWords()
    {
        const QStringList e = wordsUnderLetter(words, u'E');
        QCOMPARE(e.size(), 52);
        // "é" stands among the "e" words, in file order, not after them.
        QStringList inFileOrder;
        for (const QString& w : std::as_const(words)) {
            if (w.startsWith(u'e') || w.startsWith(u'é'))
                inFileOrder << w;
        }
        QCOMPARE(e, inFileOrder);
        QCOMPARE(e.first(), u"éblouissement"_qs);
        QCOMPARE(e.at(1), u"ecchymose"_qs);
        QCOMPARE(e.at(2), u"écœurement"_qs);

        const QStringList o = wordsUnderLetter(words, u'O');
        QCOMPARE(o.size(), 39);
        QCOMPARE(
            std::count_if(o.begin(), o.end(), [](const QString& w) { return w.startsWith(u'œ'); }),
            5);
        QCOMPARE(wordsUnderLetter(words, u'Z'), QStringList{u"zona"_qs});
        for (QChar c : {u'W', u'X', u'Y'})
            QVERIFY(wordsUnderLetter(words, c).isEmpty());

        // Every shipped word is under exactly one letter; the trailing piece under none.
        qsizetype total = 0;
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            total += wordsUnderLetter(words, QChar(c)).size();
        QCOMPARE(total, 936);
        QCOMPARE(words.size(), 937);
    }

    void onlyTheTwoAccentedInitialsCount()
    {
        const QStringList list = {u"abcès"_qs, u"à-coup"_qs, u"èbe"_qs,   u"Eau"_qs,
                                  u"été"_qs,   u"ëx"_qs,     u"œil"_qs,   u"ôter"_qs,
                                  u"Œuf"_qs,   QString(),    u"ongle"_qs, QString(3, QChar(0))};
        QCOMPARE(wordsUnderLetter(list, u'A'), QStringList{u"abcès"_qs});
        QCOMPARE(wordsUnderLetter(list, u'E'), QStringList{u"été"_qs});
        QCOMPARE(wordsUnderLetter(list, u'O'), (QStringList{u"œil"_qs, u"ongle"_qs}));
        QCOMPARE(wordsUnderLetter(list, u'o'), wordsUnderLetter(list, u'O'));
        QVERIFY(wordsUnderLetter({}, u'A').isEmpty());
    }

    void wordsMatchWholeBlankFramedWords()
    {
        QCOMPARE(remediesWithWord(*table, u"os"_qs).size(), 12);
        QCOMPARE(names(remediesWithWord(*table, u"cou"_qs)),
                 (QStringList{u"LACHESIS MUTUS"_qs, u"LACHNANTHES TINCTORIA"_qs,
                              u"NATRUM MURIATICUM"_qs}));
        QCOMPARE(remediesWithWord(*table, u"nerf"_qs).size(), 84);
        // Table order, not alphabetical order.
        const QList<int> os = remediesWithWord(*table, u"os"_qs);
        QVERIFY(std::is_sorted(os.begin(), os.end()));
        QCOMPARE(table->latinName[os.front()], u"CALCAREA CARBONICA"_qs);
        // The two shipped records whose field lacks its trailing blank lose their last word.
        const int quebracho = table->indexOf(u"QUEBRACHO");
        QVERIFY(table->keywords[quebracho].endsWith(u"respiration"));
        QVERIFY(!remediesWithWord(*table, u"respiration"_qs).contains(quebracho));
        QVERIFY(!remediesWithWord(*table, u"Cou"_qs).size());
        QVERIFY(remediesWithWord(*table, QString()).isEmpty());

        refdata::RemedyTable made;
        made.count = 4;
        made.keywords[0] = u"cou nuque "_qs; // no leading blank
        made.keywords[1] = u" coup cou"_qs;  // no trailing blank
        made.keywords[2] = u" accouchement "_qs;
        made.keywords[3] = u" nuque cou "_qs;
        QCOMPARE(remediesWithWord(made, u"cou"_qs), QList<int>{3});
        QCOMPARE(remediesWithWord(made, u"nuque"_qs), (QList<int>{0, 3}));
    }

    void specialtiesMatchAsWritten_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("count");
        const QList<int> counts = {1, 11, 5,  24, 2, 69, 1,  11, 55, 1, 64, 4,  1, 16,
                                   6, 49, 6,  2,  1, 6,  7,  4,  7,  3, 17, 69, 2, 23,
                                   6, 36, 11, 50, 7, 4,  88, 1,  15, 4, 28, 1};
        QCOMPARE(specialtyEntries().size(), 40);
        for (int k = 0; k < 40; ++k)
            QTest::newRow(specialtyEntries()[k].toUtf8()) << specialtyEntries()[k] << counts[k];
    }
    void specialtiesMatchAsWritten()
    {
        QFETCH(QString, entry);
        QFETCH(int, count);
        const QList<int> found = remediesInSpecialty(*table, entry);
        QCOMPARE(found.size(), count);
        QVERIFY(std::is_sorted(found.begin(), found.end()));
    }

    void specialtiesReachEveryRemedy()
    {
        QVERIFY(remediesInSpecialty(*table, u"Orl"_qs).isEmpty()); // case counts
        QVERIFY(remediesInSpecialty(*table, u"Diététique"_qs).isEmpty());
        QCOMPARE(names(remediesInSpecialty(*table, u"Addictologie"_qs)),
                 QStringList{u"TABACUM"_qs});
        QList<bool> reached(table->count, false);
        for (const QString& s : specialtyEntries()) {
            for (int i : remediesInSpecialty(*table, s))
                reached[i] = true;
        }
        QVERIFY(!reached.contains(false));

        refdata::RemedyTable made;
        made.count = 3;
        made.branches[0] = u"Système nerveux. Autres."_qs;
        made.branches[1] = u"Systèmenerveux"_qs;
        made.branches[2] = u"Neuro: Système nerveux"_qs;
        QCOMPARE(remediesInSpecialty(made, u"Système nerveux"_qs), (QList<int>{0, 2}));
    }

    void countLines()
    {
        QCOMPARE(wordCountLine(1), u"1 remède trouvé\r\npour:"_qs);
        QCOMPARE(wordCountLine(0), u"0 remèdes trouvés\r\npour:"_qs);
        QCOMPARE(wordCountLine(12), u"12 remèdes trouvés\r\npour:"_qs);
        QCOMPARE(specialtyCountLine(1), u"1 remède trouvé\r\ndans la spécialité:"_qs);
        QCOMPARE(specialtyCountLine(88), u"88 remèdes trouvés\r\ndans la spécialité:"_qs);
    }

    void colouringPlan()
    {
        QCOMPARE(colouredTerm(u"os"_qs), u"osseu"_qs);
        QCOMPARE(colouredTerm(u"OS"_qs), u"OS"_qs);
        QCOMPARE(colouredTerm(u"oss"_qs), u"oss"_qs);
        QCOMPARE(colouredTerm(u"cou"_qs), u"cou"_qs);

        // Without regard to case, inside longer words, never at offset 0.
        const QString text = u"Cou raide, coups au COU, écoulement."_qs;
        QCOMPARE(browse::colouringPlan(text, u"cou"_qs), (QList<int>{11, 20, 26}));
        QCOMPARE(browse::colouringPlan(text, u"xyz"_qs), QList<int>{});
        QCOMPARE(browse::colouringPlan(text, QString()), QList<int>{});
        QCOMPARE(browse::colouringPlan(QString(), u"cou"_qs), QList<int>{});
        QCOMPARE(browse::colouringPlan(u"c"_qs, u"c"_qs), QList<int>{});

        // Ten at most, each search one character past the previous find.
        QString many;
        for (int k = 0; k < 14; ++k)
            many += u"toux "_qs;
        const QList<int> ten = browse::colouringPlan(many, u"TOUX"_qs);
        QCOMPARE(ten.size(), MaxColoured);
        QCOMPARE(ten.front(), 5);
        QCOMPARE(ten.back(), 50);
        QCOMPARE(browse::colouringPlan(u"aaaa"_qs, u"aa"_qs), (QList<int>{1, 2}));
        QCOMPARE(browse::colouringPlan(many, u"toux"_qs, 3), (QList<int>{5, 10, 15}));
    }
};

QTEST_GUILESS_MAIN(TestBrowseCore)
#include "tst_browsecore.moc"
