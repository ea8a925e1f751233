// The searches behind the letter index, the word and specialty lists and the
// colouring of a chosen word: their rules over small made-up tables, and over
// the shipped knowledge base only what holds whatever its contents (the data
// test keeps its counts).
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
        // "é" stands among the "e" words, in file order, not after them.
        QStringList inFileOrder;
        for (const QString& w : std::as_const(words)) {
            if (w.startsWith(u'e') || w.startsWith(u'é'))
                inFileOrder << w;
        }
        QCOMPARE(e, inFileOrder);

        // Every shipped word is under exactly one letter; the trailing piece under none.
        qsizetype total = 0;
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            total += wordsUnderLetter(words, QChar(c)).size();
        QCOMPARE(total, words.size() - 1);
    }

    void onlyTheTwoAccentedInitialsCount()
    {
        const QStringList list = {u"abcès"_s, u"à-coup"_s, u"èbe"_s,   u"Eau"_s,
                                  u"été"_s,   u"ëx"_s,     u"œil"_s,   u"ôter"_s,
                                  u"Œuf"_s,   QString(),   u"ongle"_s, QString(3, QChar(0))};
        QCOMPARE(wordsUnderLetter(list, u'A'), QStringList{u"abcès"_s});
        QCOMPARE(wordsUnderLetter(list, u'E'), QStringList{u"été"_s});
        QCOMPARE(wordsUnderLetter(list, u'O'), (QStringList{u"œil"_s, u"ongle"_s}));
        QCOMPARE(wordsUnderLetter(list, u'o'), wordsUnderLetter(list, u'O'));
        QVERIFY(wordsUnderLetter({}, u'A').isEmpty());
    }

    void wordsMatchWholeBlankFramedWords()
    {
        // Table order, not alphabetical order.
        const QList<int> os = remediesWithWord(*table, u"os"_s);
        QVERIFY(std::is_sorted(os.begin(), os.end()));
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

    void specialtiesReachEveryRemedy()
    {
        QVERIFY(remediesInSpecialty(*table, u"Orl"_s).isEmpty()); // case counts
        QVERIFY(remediesInSpecialty(*table, u"Diététique"_s).isEmpty());
        QCOMPARE(names(remediesInSpecialty(*table, u"Addictologie"_s)), QStringList{u"TABACUM"_s});
        QList<bool> reached(table->count, false);
        for (const QString& s : specialtyEntries()) {
            const QList<int> found = remediesInSpecialty(*table, s);
            QVERIFY2(!found.isEmpty() && std::is_sorted(found.begin(), found.end()), qPrintable(s));
            for (int i : found)
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
        auto starts = [](const sheet::ColouringPlan& plan) {
            QList<int> out;
            for (const sheet::TextSpan& s : plan.red)
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
        const sheet::ColouringPlan plan = browse::colouringPlan(many, u"TOUX"_s);
        const QList<int> ten = starts(plan);
        QCOMPARE(plan.shown, (sheet::TextSpan{50, 4}));
        QCOMPARE(ten.size(), MaxColoured);
        QCOMPARE(ten.front(), 5);
        QCOMPARE(ten.back(), 50);
        QCOMPARE(starts(browse::colouringPlan(u"aaaa"_s, u"aa"_s)), (QList<int>{1, 2}));
        QCOMPARE(starts(browse::colouringPlan(many, u"toux"_s, 3)), (QList<int>{5, 10, 15}));
    }
};

QTEST_GUILESS_MAIN(TestBrowseCore)
#include "tst_browsecore.moc"
