// The searches and texts of the page "Mots-clés", over small made-up tables
// (the data test keeps the shipped tables' answers).
#include "keywordsearch/keywordsearchcore.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QTest>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

using namespace keywordsearch;

class TestKeywordSearchCore : public QObject
{
    Q_OBJECT

    // Five made-up remedies and their search words, and a word list as the
    // shipped one is cut: in order, with the piece after the last line break.
    std::unique_ptr<refdata::RemedyTable> table = std::make_unique<refdata::RemedyTable>();
    const refdata::KeywordList words = {
        u"abcès"_s, u"cou"_s,  u"coup"_s,    u"couperose"_s, u"écume"_s,          u"été"_s,
        u"face"_s,  u"faim"_s, u"fatigue"_s, u"froid"_s,     QString(3, QChar(0))};

    QStringList names(const QList<int>& remedies) const { return table->names(remedies); }
    QStringList found(const QString& w1, const QString& w2) const
    {
        return names(searchTwoWords(*table, w1, w2).found);
    }
    static QList<int> starts(const QList<sheet::TextSpan>& spans)
    {
        QList<int> out;
        for (const sheet::TextSpan& s : spans)
            out << s.start;
        return out;
    }

private slots:
    void initTestCase()
    {
        const std::pair<QString, QString> made[] = {
            {u"ALPHA"_s, u" toux fièvre faim froid gastrite "_s},
            {u"BETA"_s, u" fièvre sinusite nez "_s},
            {u"GAMMA"_s, u" toux sinus nez fièvre "_s},
            {u"DELTA"_s, u" faim "_s},
            {u"EPSILON"_s, u" toux fièvre respiration"_s}};
        for (const auto& [name, searchWords] : made) {
            table->latinName[table->count] = name;
            table->keywords[table->count++] = searchWords;
        }
    }

    void suggestionsArePlainPrefixes()
    {
        QCOMPARE(suggestions(words, u"fa"_s), QStringList({u"face"_s, u"faim"_s, u"fatigue"_s}));
        // The first word of the list is offered like any other.
        QCOMPARE(suggestions(words, u"ab"_s), QStringList{u"abcès"_s});
        QCOMPARE(suggestions(words, u"cou"_s), QStringList({u"cou"_s, u"coup"_s, u"couperose"_s}));
        // No folding of accents or case.
        QCOMPARE(suggestions(words, u"e"_s), QStringList{});
        QCOMPARE(suggestions(words, u"é"_s), QStringList({u"écume"_s, u"été"_s}));
        QVERIFY(suggestions(words, u"FA"_s).isEmpty());
        // Nothing for an empty text, a blank, or a text longer than any word.
        QVERIFY(suggestions(words, QString()).isEmpty());
        QVERIFY(suggestions(words, u" "_s).isEmpty());
        QVERIFY(suggestions(words, u"fatigues"_s).isEmpty());
        // The piece after the last line break is never offered.
        QVERIFY(suggestions(words, QString(1, QChar(0))).isEmpty());
        QVERIFY(suggestions(refdata::KeywordList{}, u"a"_s).isEmpty());
        QVERIFY(suggestions(refdata::KeywordList{u"abcès"_s}, u"a"_s).isEmpty());
    }

    void bothWordsInTableOrder()
    {
        const QStringList coughFever = found(u"toux"_s, u"fièvre"_s);
        QCOMPARE(coughFever, QStringList({u"ALPHA"_s, u"GAMMA"_s, u"EPSILON"_s}));
        // Either order gives the same remedies.
        QCOMPARE(found(u"fièvre"_s, u"toux"_s), coughFever);
        QCOMPARE(found(u"faim"_s, u"froid"_s), QStringList{u"ALPHA"_s});
        const SearchResult r = searchTwoWords(*table, u"fièvre"_s, u"nez"_s);
        QCOMPARE(r.candidates, (QList<int>{0, 1, 2, 4}));
        QCOMPARE(r.found, (QList<int>{1, 2}));
    }

    void wordsAreTakenExactlyAndWhole()
    {
        QVERIFY(found(u"Faim"_s, u"froid"_s).isEmpty());
        QVERIFY(found(u"FA"_s, u"faim"_s).isEmpty());
        // A blank typed in a field is searched with the rest.
        QCOMPARE(found(u"faim froid"_s, u"gastrite"_s), QStringList{u"ALPHA"_s});
        QVERIFY(found(u"froid faim"_s, u"gastrite"_s).isEmpty());
        QVERIFY(found(u"faim "_s, u"froid"_s).isEmpty());
        QVERIFY(found(u" faim"_s, u"froid"_s).isEmpty());
        // Only whole words: "sinusite" is no "sinus".
        QCOMPARE(found(u"sinusite"_s, u"nez"_s), QStringList{u"BETA"_s});
        QCOMPARE(found(u"sinus"_s, u"nez"_s), QStringList{u"GAMMA"_s});
        // The last word of a field without its closing blank is missed.
        QVERIFY(found(u"respiration"_s, u"toux"_s).isEmpty());
        // Empty words frame to two blanks, which no field holds.
        QVERIFY(found(QString(), QString()).isEmpty());
    }

    void firstWordKeepsAtMostTheLimit()
    {
        auto made = std::make_unique<refdata::RemedyTable>();
        made->count = 120;
        for (int i = 0; i < made->count; ++i) {
            made->latinName[i] = u"R%1"_s.arg(i, 3, 10, QChar(u'0'));
            made->keywords[i] = i >= 100 ? u" mal tard "_s : u" mal "_s;
        }
        const SearchResult r = searchTwoWords(*made, u"mal"_s, u"tard"_s);
        QCOMPARE(r.candidates.size(), CandidateLimit);
        QCOMPARE(r.candidates.last(), 100);
        // Only remedy 100 of the twenty that carry both made it into the candidates.
        QCOMPARE(r.found, QList<int>{100});
        QCOMPARE(searchTwoWords(*made, u"tard"_s, u"mal"_s).found.size(), 20);
    }

    void wordTexts()
    {
        QCOMPARE(wordsText(u"toux"_s, u"fièvre"_s), u"toux et\r\nfièvre"_s);
        QCOMPARE(wordsText(u"faim froid"_s, u" "_s), u"faim froid et\r\n "_s);
    }

    void colouringStopsAtFiveAndSharesTheOffset()
    {
        // Seven "ab", and "cd" once before the fifth "ab" and once after it.
        const QString body = u"xab ab cd ab ab AB cd aB ab"_s;
        sheet::ColouringPlan p = colouringPlan(body, u"ab"_s, u"cd"_s);
        QCOMPARE(starts(p.red), QList<int>({1, 4, 10, 13, 16, 19}));
        QCOMPARE(p.red.first().length, 2);
        QCOMPARE(p.shown, sheet::TextSpan({19, 2}));

        // The first word runs out: the offset falls to -1 and the second word
        // is searched from the start, an occurrence at 0 being found but
        // never coloured.
        p = colouringPlan(u"cd ab cd"_s, u"ab"_s, u"cd"_s);
        QCOMPARE(starts(p.red), QList<int>({3, 6}));
        QCOMPARE(p.shown, sheet::TextSpan({6, 2}));

        // The first word is never searched at offset 0.
        p = colouringPlan(u"ab ab"_s, u"ab"_s, u"zz"_s);
        QCOMPARE(starts(p.red), QList<int>{3});

        // The second word alone, inside longer words too: five searches, the
        // uncoloured occurrence at 0 being one of them.
        p = colouringPlan(u"Toux toux retoux toux toux toux toux"_s, u"zz"_s, u"TOUX"_s);
        QCOMPARE(starts(p.red), QList<int>({5, 12, 17, 22}));
        QCOMPARE(p.shown, sheet::TextSpan({22, 4}));

        // Nothing to find.
        p = colouringPlan(QString(), u"ab"_s, u"cd"_s);
        QVERIFY(p.red.isEmpty());
        QVERIFY(!p.shown);
        p = colouringPlan(u"ab cd"_s, QString(), QString());
        QVERIFY(p.red.isEmpty());
        // Line breaks count as their two characters.
        p = colouringPlan(u"a\r\nab"_s, u"ab"_s, u"zz"_s);
        QCOMPARE(starts(p.red), QList<int>{3});
    }
};

QTEST_GUILESS_MAIN(TestKeywordSearchCore)
#include "tst_keywordsearchcore.moc"
