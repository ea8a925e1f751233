// The searches and texts of the page "Mots-clés", over the shipped tables and
// over small made-up ones.
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "wordsearch/wordsearchcore.h"

#include <QTest>

#include <memory>

using namespace wordsearch;

class TestWordSearchCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<refdata::RemedyTable> table = std::make_unique<refdata::RemedyTable>();
    refdata::KeywordList words;

    QStringList names(const QList<int>& remedies) const { return table->names(remedies); }
    QStringList found(const QString& w1, const QString& w2) const
    {
        return names(searchTwoWords(*table, w1, w2).found);
    }
    static QList<int> starts(const QList<Span>& spans)
    {
        QList<int> out;
        for (const Span& s : spans)
            out << s.start;
        return out;
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(refdata::LoadRemedyTable(*table), 378);
        QCOMPARE(refdata::LoadKeywordList(words), 936);
    }

    void suggestionsArePlainPrefixes()
    {
        QCOMPARE(suggestions(words, u"fa"_qs),
                 QStringList({u"face"_qs, u"facial"_qs, u"faiblesse"_qs, u"faim"_qs, u"fantasme"_qs,
                              u"fatigue"_qs}));
        // The first word of the list is offered like any other.
        QCOMPARE(suggestions(words, u"ab"_qs),
                 QStringList({u"abattement"_qs, u"abcès"_qs, u"abdomen"_qs, u"abeille"_qs}));
        QCOMPARE(suggestions(words, u"cou"_qs), QStringList({u"cou"_qs, u"coup"_qs, u"couperose"_qs,
                                                             u"coupure"_qs, u"courbature"_qs}));
        // No folding of accents or case, no limit.
        const QStringList e = suggestions(words, u"e"_qs);
        const QStringList eAcute = suggestions(words, u"é"_qs);
        QCOMPARE(e.size(), 28);
        QCOMPARE(eAcute.size(), 24);
        for (const QString& w : eAcute)
            QVERIFY(w.startsWith(u'é'));
        QVERIFY(suggestions(words, u"FA"_qs).isEmpty());
        // Nothing for an empty text, a blank, or a text longer than any word.
        QVERIFY(suggestions(words, QString()).isEmpty());
        QVERIFY(suggestions(words, u" "_qs).isEmpty());
        QVERIFY(suggestions(words, u"fatigues"_qs).isEmpty());
        // The piece after the last line break is never offered.
        QVERIFY(suggestions(words, QString(1, QChar(0))).isEmpty());
        QVERIFY(suggestions(refdata::KeywordList{}, u"a"_qs).isEmpty());
        QVERIFY(suggestions(refdata::KeywordList{u"abcès"_qs}, u"a"_qs).isEmpty());
    }

    void bothWordsInTableOrder()
    {
        const QStringList coughFever = found(u"toux"_qs, u"fièvre"_qs);
        QCOMPARE(coughFever.size(), 8);
        QCOMPARE(coughFever.first(), u"DROSERA ROTUNDIFOLIA"_qs);
        QCOMPARE(coughFever.last(), u"SULFUR IODATUM"_qs);
        QVERIFY(std::is_sorted(coughFever.begin(), coughFever.end()));
        // Either order gives the same remedies.
        QCOMPARE(found(u"fièvre"_qs, u"toux"_qs), coughFever);
        QCOMPARE(found(u"faim"_qs, u"froid"_qs), QStringList{u"ABIES CANADENSIS"_qs});

        const SearchResult nervesSkin = searchTwoWords(*table, u"nerf"_qs, u"peau"_qs);
        QCOMPARE(nervesSkin.candidates.size(), 84);
        QCOMPARE(nervesSkin.found.size(), 15);
        QVERIFY(names(nervesSkin.found).contains(u"SEPIA OFFICINALIS"_qs));
    }

    void wordsAreTakenExactlyAndWhole()
    {
        QVERIFY(found(u"Faim"_qs, u"froid"_qs).isEmpty());
        QVERIFY(found(u"FA"_qs, u"fatigue"_qs).isEmpty());
        // A blank typed in a field is searched with the rest.
        QCOMPARE(found(u"faim froid"_qs, u"gastrite"_qs), QStringList{u"ABIES CANADENSIS"_qs});
        QVERIFY(found(u"froid faim"_qs, u"gastrite"_qs).isEmpty());
        QVERIFY(found(u"faim "_qs, u"froid"_qs).isEmpty());
        QVERIFY(found(u" faim"_qs, u"froid"_qs).isEmpty());
        // Only whole words: "sinusite" is no "sinus".
        QVERIFY(found(u"sinusite"_qs, u"nez"_qs).contains(u"CINNABARIS"_qs));
        QVERIFY(!found(u"sinus"_qs, u"nez"_qs).contains(u"CINNABARIS"_qs));
        // The last word of a field without its closing blank is missed.
        int carriers = 0;
        for (int i = 0; i < table->count; ++i)
            carriers +=
                table->keywords[i].split(u' ', Qt::SkipEmptyParts).contains(u"respiration"_qs);
        QCOMPARE(carriers, 15);
        const QStringList breathing = found(u"respiration"_qs, u"respiration"_qs);
        QCOMPARE(breathing.size(), 14);
        QVERIFY(!breathing.contains(u"QUEBRACHO"_qs));
        // Empty words frame to two blanks, which no field holds.
        QVERIFY(found(QString(), QString()).isEmpty());
    }

    void firstWordKeepsAtMostTheLimit()
    {
        auto made = std::make_unique<refdata::RemedyTable>();
        made->count = 120;
        for (int i = 0; i < made->count; ++i) {
            made->latinName[i] = u"R%1"_qs.arg(i, 3, 10, QChar(u'0'));
            made->keywords[i] = i >= 100 ? u" mal tard "_qs : u" mal "_qs;
        }
        const SearchResult r = searchTwoWords(*made, u"mal"_qs, u"tard"_qs);
        QCOMPARE(r.candidates.size(), CandidateLimit);
        QCOMPARE(r.candidates.last(), 100);
        // Only remedy 100 of the twenty that carry both made it into the candidates.
        QCOMPARE(r.found, QList<int>{100});
        QCOMPARE(searchTwoWords(*made, u"tard"_qs, u"mal"_qs).found.size(), 20);
    }

    void countAndWordTexts()
    {
        QCOMPARE(countText(0), u"Aucun remède trouvé\r\npour"_qs);
        QCOMPARE(countText(1), u"1 remède trouvé\r\npour"_qs);
        QCOMPARE(countText(8), u"8 remèdes trouvés\r\npour"_qs);
        QCOMPARE(wordsText(u"toux"_qs, u"fièvre"_qs), u"toux et\r\nfièvre"_qs);
        QCOMPARE(wordsText(u"faim froid"_qs, u" "_qs), u"faim froid et\r\n "_qs);
    }

    void colouringStopsAtFiveAndSharesTheOffset()
    {
        // Seven "ab", and "cd" once before the fifth "ab" and once after it.
        const QString body = u"xab ab cd ab ab AB cd aB ab"_qs;
        ColouringPlan p = colouringPlan(body, u"ab"_qs, u"cd"_qs);
        QCOMPARE(starts(p.red), QList<int>({1, 4, 10, 13, 16, 19}));
        QCOMPARE(p.offsetAfterFirst, 16);
        QCOMPARE(p.red.first().length, 2);
        QCOMPARE(p.lastHit, Span({19, 2}));

        // The first word runs out: the offset falls to -1 and the second word
        // is searched from the start, an occurrence at 0 being found but
        // never coloured.
        p = colouringPlan(u"cd ab cd"_qs, u"ab"_qs, u"cd"_qs);
        QCOMPARE(p.offsetAfterFirst, -1);
        QCOMPARE(starts(p.red), QList<int>({3, 6}));
        QCOMPARE(p.lastHit, Span({6, 2}));

        // The first word is never searched at offset 0.
        p = colouringPlan(u"ab ab"_qs, u"ab"_qs, u"zz"_qs);
        QCOMPARE(starts(p.red), QList<int>{3});
        QCOMPARE(p.offsetAfterFirst, -1);

        // The second word alone, inside longer words too: five searches, the
        // uncoloured occurrence at 0 being one of them.
        p = colouringPlan(u"Toux toux retoux toux toux toux toux"_qs, u"zz"_qs, u"TOUX"_qs);
        QCOMPARE(starts(p.red), QList<int>({5, 12, 17, 22}));
        QCOMPARE(p.lastHit, Span({22, 4}));

        // Nothing to find.
        p = colouringPlan(QString(), u"ab"_qs, u"cd"_qs);
        QVERIFY(p.red.isEmpty());
        QVERIFY(!p.lastHit);
        p = colouringPlan(u"ab cd"_qs, QString(), QString());
        QVERIFY(p.red.isEmpty());
        QCOMPARE(p.offsetAfterFirst, -1);
        // Line breaks count as their two characters.
        p = colouringPlan(u"a\r\nab"_qs, u"ab"_qs, u"zz"_qs);
        QCOMPARE(starts(p.red), QList<int>{3});
    }
};

QTEST_GUILESS_MAIN(TestWordSearchCore)
#include "tst_wordsearchcore.moc"
