// The searches behind the letter index, the word and specialty lists and the
// colouring of a chosen word, over the shipped knowledge base and small
// made-up tables.
#include "browse/browsecore.h"
#include "browse/specialties.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

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
        QCOMPARE(e.first(), u"éblouissement"_s);
        QCOMPARE(e.at(1), u"ecchymose"_s);
        QCOMPARE(e.at(2), u"écœurement"_s);

        const QStringList o = wordsUnderLetter(words, u'O');
        QCOMPARE(o.size(), 39);
        QCOMPARE(
            std::count_if(o.begin(), o.end(), [](const QString& w) { return w.startsWith(u'œ'); }),
            5);
        QCOMPARE(wordsUnderLetter(words, u'Z'), QStringList{u"zona"_s});
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
        const QStringList list = {u"abcès"_s, u"à-coup"_s, u"èbe"_s,   u"Eau"_s,
                                  u"été"_s,   u"ëx"_s,     u"œil"_s,   u"ôter"_s,
                                  u"Œuf"_s,   QString(),    u"ongle"_s, QString(3, QChar(0))};
        QCOMPARE(wordsUnderLetter(list, u'A'), QStringList{u"abcès"_s});
        QCOMPARE(wordsUnderLetter(list, u'E'), QStringList{u"été"_s});
        QCOMPARE(wordsUnderLetter(list, u'O'), (QStringList{u"œil"_s, u"ongle"_s}));
        QCOMPARE(wordsUnderLetter(list, u'o'), wordsUnderLetter(list, u'O'));
        QVERIFY(wordsUnderLetter({}, u'A').isEmpty());
    }

    void wordsMatchWholeBlankFramedWords()
    {
        QCOMPARE(remediesWithWord(*table, u"os"_s).size(), 12);
        QCOMPARE(names(remediesWithWord(*table, u"cou"_s)),
                 (QStringList{u"LACHESIS MUTUS"_s, u"LACHNANTHES TINCTORIA"_s,
                              u"NATRUM MURIATICUM"_s}));
        QCOMPARE(remediesWithWord(*table, u"nerf"_s).size(), 84);
        // Table order, not alphabetical order.
        const QList<int> os = remediesWithWord(*table, u"os"_s);
        QVERIFY(std::is_sorted(os.begin(), os.end()));
        QCOMPARE(table->latinName[os.front()], u"CALCAREA CARBONICA"_s);
        // The two shipped records whose field lacks its trailing blank lose their last word.
        const int quebracho = table->indexOf(u"QUEBRACHO");
        QVERIFY(table->keywords[quebracho].endsWith(u"respiration"));
        QVERIFY(!remediesWithWord(*table, u"respiration"_s).contains(quebracho));
        QVERIFY(!remediesWithWord(*table, u"Cou"_s).size());
        QVERIFY(remediesWithWord(*table, QString()).isEmpty());

        refdata::RemedyTable made;
        made.count = 4;
        made.keywords[0] = u"cou nuque "_s; // no leading blank
        made.keywords[1] = u" coup cou"_s;  // no trailing blank
        made.keywords[2] = u" accouchement "_s;
        made.keywords[3] = u" nuque cou "_s;
        QCOMPARE(remediesWithWord(made, u"cou"_s), QList<int>{3});
        QCOMPARE(remediesWithWord(made, u"nuque"_s), (QList<int>{0, 3}));
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
        QVERIFY(remediesInSpecialty(*table, u"Orl"_s).isEmpty()); // case counts
        QVERIFY(remediesInSpecialty(*table, u"Diététique"_s).isEmpty());
        QCOMPARE(names(remediesInSpecialty(*table, u"Addictologie"_s)),
                 QStringList{u"TABACUM"_s});
        QList<bool> reached(table->count, false);
        for (const QString& s : specialtyEntries()) {
            for (int i : remediesInSpecialty(*table, s))
                reached[i] = true;
        }
        QVERIFY(!reached.contains(false));

        refdata::RemedyTable made;
        made.count = 3;
        made.branches[0] = u"Système nerveux. Autres."_s;
        made.branches[1] = u"Systèmenerveux"_s;
        made.branches[2] = u"Neuro: Système nerveux"_s;
        QCOMPARE(remediesInSpecialty(made, u"Système nerveux"_s), (QList<int>{0, 2}));
    }

    void colouringPlan()
    {
        QCOMPARE(colouredTerm(u"os"_s), u"osseu"_s);
        QCOMPARE(colouredTerm(u"OS"_s), u"OS"_s);
        QCOMPARE(colouredTerm(u"oss"_s), u"oss"_s);
        QCOMPARE(colouredTerm(u"cou"_s), u"cou"_s);

        // Without regard to case, inside longer words, never at offset 0.
        auto starts = [](const mainwin::ColouringPlan& plan) {
            QList<int> out;
            for (const mainwin::TextSpan& s : plan.red)
                out << s.start;
            return out;
        };
        const QString text = u"Cou raide, coups au COU, écoulement."_s;
        QCOMPARE(starts(browse::colouringPlan(text, u"cou"_s)), (QList<int>{11, 20, 26}));
        QCOMPARE(starts(browse::colouringPlan(text, u"xyz"_s)), QList<int>{});
        QCOMPARE(starts(browse::colouringPlan(text, QString())), QList<int>{});
        QCOMPARE(starts(browse::colouringPlan(QString(), u"cou"_s)), QList<int>{});
        QCOMPARE(starts(browse::colouringPlan(u"c"_s, u"c"_s)), QList<int>{});

        // Ten at most, each search one character past the previous find.
        QString many;
        for (int k = 0; k < 14; ++k)
            many += u"toux "_s;
        const mainwin::ColouringPlan plan = browse::colouringPlan(many, u"TOUX"_s);
        const QList<int> ten = starts(plan);
        QCOMPARE(plan.shown, (mainwin::TextSpan{50, 4}));
        QCOMPARE(ten.size(), MaxColoured);
        QCOMPARE(ten.front(), 5);
        QCOMPARE(ten.back(), 50);
        QCOMPARE(starts(browse::colouringPlan(u"aaaa"_s, u"aa"_s)), (QList<int>{1, 2}));
        QCOMPARE(starts(browse::colouringPlan(many, u"toux"_s, 3)), (QList<int>{5, 10, 15}));
    }
};

QTEST_GUILESS_MAIN(TestBrowseCore)
#include "tst_browsecore.moc"
