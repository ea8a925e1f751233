// The search of the sheets and the repertory, on a small made-up table, then
// over the shipped sheets: every word finds its sheet, every result holds what
// was searched.
#include "french/folding.h"
#include "search/searchindex.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using search::Outcome;
using search::SearchIndex;

namespace {

// One record: name, indications, search words, mark.
QString record(const QString& name, const QString& indications, const QString& keywords,
               const QString& mark)
{
    return QStringList{name,
                       u"Nom de "_s + name,
                       u"Plante entière."_s,
                       u"Autres."_s,
                       indications,
                       keywords,
                       mark,
                       u"5 CH"_s,
                       u"."_s,
                       QString(),
                       QString()}
        .join(QChar(0xA7));
}

const QString Fatigue = u"Autres: Fatigue du matin. Diarrhée matinale."_s;

} // namespace

class TestSearchCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<refdata::RemedyTable> table = std::make_unique<refdata::RemedyTable>();
    std::unique_ptr<SearchIndex> index;

    // The rows of a search as "NAME 3 0 2", in their order.
    QStringList rows(const QString& query) const
    {
        QStringList out;
        for (const search::Row& r : index->search(query).rows) {
            QStringList grades;
            for (int g : r.grades)
                grades << QString::number(g);
            out << table->latinName[r.remedy] + u' ' + grades.join(u' ');
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        const QStringList records{
            record(
                u"ALPHA"_s,
                u"Pneumologie: Toux sèche pire par le froid humide. Douleurs aggravées la "
                u"nuit. Rhumatologie: Raideur améliorée par la chaleur. L'œdème des chevilles."_s,
                u" toux raideur "_s, u"+"_s),
            record(u"BETA"_s, u"Dermatologie: Eczéma sec. Toux rare, mieux au grand air."_s,
                   u" eczéma froid "_s, u"++"_s),
            record(u"GAMMA"_s, Fatigue, u" toux "_s, u"."_s),
            record(u"DELTA"_s, Fatigue, QString(), u"++"_s),
            record(u"EPSILON"_s, Fatigue, QString(), u"."_s),
        };
        QCOMPARE(refdata::parseRemedyTable(records.join(u"\r\n"_s) + u"\r\n"_s, *table), 5);
        index = std::make_unique<SearchIndex>(*table, QStringList{u"diarrhée"_s});
    }

    void searchesFindTheirSheets_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("rows");
        const QStringList fatigue{u"DELTA 3"_s, u"EPSILON 3"_s, u"GAMMA 3"_s};
        QTest::newRow("grades: first sentence, elsewhere, search words")
            << u"toux"_s << QStringList{u"ALPHA 3"_s, u"BETA 2"_s, u"GAMMA 1"_s};
        QTest::newRow("case, accents, plural")
            << u"TOUX"_s << QStringList{u"ALPHA 3"_s, u"BETA 2"_s, u"GAMMA 1"_s};
        QTest::newRow("a plural in the text") << u"douleur"_s << QStringList{u"ALPHA 2"_s};
        QTest::newRow("ligature written out") << u"oedeme"_s << QStringList{u"ALPHA 2"_s};
        QTest::newRow("elision in the query") << u"l'œdème"_s << QStringList{u"ALPHA 2"_s};
        QTest::newRow("ties: mark, then name") << u"fatigué"_s << fatigue;
        QTest::newRow("a head field")
            << u"plante"_s
            << QStringList{u"BETA 1"_s, u"DELTA 1"_s, u"ALPHA 1"_s, u"EPSILON 1"_s, u"GAMMA 1"_s};
        QTest::newRow("phrase a few words apart") << u"pire froid"_s << QStringList{u"ALPHA 3"_s};
        QTest::newRow("phrase with its linking words")
            << u"pire par le froid"_s << QStringList{u"ALPHA 3"_s};
        QTest::newRow("modality: aggravation for pire")
            << u"aggravation froid"_s << QStringList{u"ALPHA 3"_s};
        QTest::newRow("modality: pire for aggravées")
            << u"douleurs pire"_s << QStringList{u"ALPHA 2"_s};
        QTest::newRow("modality: mieux for améliorée")
            << u"mieux chaleur"_s << QStringList{u"ALPHA 3"_s};
        QTest::newRow("modality: amélioré for mieux")
            << u"amélioré air"_s << QStringList{u"BETA 2"_s};
        QTest::newRow("phrase in the wrong order") << u"froid pire"_s << QStringList{};
        QTest::newRow("phrase too far apart") << u"toux froid"_s << QStringList{};
        QTest::newRow("phrase across two sentences") << u"eczéma toux"_s << QStringList{};
        QTest::newRow("repertory")
            << u"toux; eczéma, fatigue"_s
            << QStringList{u"BETA 2 3 0"_s, u"GAMMA 1 0 3"_s, u"DELTA 0 0 3"_s, u"ALPHA 3 0 0"_s,
                           u"EPSILON 0 0 3"_s};
        QTest::newRow("empty parts are no symptoms")
            << u" ;toux,, "_s << QStringList{u"ALPHA 3"_s, u"BETA 2"_s, u"GAMMA 1"_s};
        QTest::newRow("nothing") << u" .,; "_s << QStringList{};
    }
    void searchesFindTheirSheets()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, rows);
        QCOMPARE(this->rows(query), rows);
    }

    void aResultShowsItsSentenceAndHeading()
    {
        const Outcome o = index->search(u"pire froid"_s);
        QCOMPARE(o.rows.size(), 1);
        const search::Hit hit = o.rows[0].hits.value(0);
        const QString sentence = index->text(*table, hit.sentence);
        QCOMPARE(sentence, u"Toux sèche pire par le froid humide."_s);
        const search::Span s = index->spanOf(hit);
        QCOMPARE(sentence.mid(s.start, s.length), u"pire par le froid"_s);
        QCOMPARE(SearchIndex::headingTitle(index->sentence(hit.sentence).heading),
                 u"Pneumologie"_s);
        // The same phrase found in the body as the sheet shows it.
        const QString body = u"Pneumologie: Toux sèche pire par le froid humide.\r\n\r\nL'œdème."_s;
        const QList<search::Span> spans = index->spansIn(body, u"oedème, pire froid"_s);
        QCOMPARE(spans.size(), 2);
        QCOMPARE(body.mid(spans[0].start, spans[0].length), u"pire par le froid"_s);
        QCOMPARE(body.mid(spans[1].start, spans[1].length), u"œdème"_s);
    }

    void unknownWordsGetSuggestions_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("suggested"); // the queries proposed
        QTest::newRow("two letters off, the word list's spelling")
            << u"diarhe"_s << QStringList{u"diarrhée"_s};
        QTest::newRow("in a repertory") << u"toux, fatige"_s << QStringList{u"toux, fatigue"_s};
        QTest::newRow("too far from any word") << u"zzzzzz"_s << QStringList{};
    }
    void unknownWordsGetSuggestions()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, suggested);
        const Outcome o = index->search(query);
        QCOMPARE(o.unknownWords.size(), 1);
        QStringList queries;
        for (const search::Suggestion& s : o.suggestions)
            queries << s.query;
        QCOMPARE(queries, suggested);
        // Nothing was searched in the person's place.
        for (const search::Row& r : o.rows)
            QCOMPARE(r.grades.value(o.symptoms.size() - 1), 0);
    }

    void manySymptomsAreBounded()
    {
        QStringList parts;
        for (int k = 0; k < 20; ++k)
            parts << u"toux"_s;
        const Outcome o = index->search(parts.join(u','));
        QCOMPARE(o.symptoms.size(), SearchIndex::MaxSymptoms);
        QVERIFY(o.truncated);
        QCOMPARE(o.rows.size(), 3);
        QVERIFY(index->search(QString(100000, u'a')).rows.isEmpty());
        // Many unknown words: suggestions for the first few only.
        const Outcome many = index->search(u"fatige, diarhe, ezcema, raideu, tousse, froide"_s);
        QCOMPARE(many.unknownWords.size(), 5);
        for (const search::Suggestion& s : many.suggestions)
            QVERIFY(many.unknownWords.indexOf(s.typed) < SearchIndex::MaxSuggested);
        QVERIFY(SearchIndex().search(u"toux"_s).rows.isEmpty());
    }

    // Over the shipped sheets: each word of each sentence, searched alone,
    // lists its sheet, and each sheet listed holds the word (or a wording of
    // its modality).
    void everyWordFindsItsSheet()
    {
        auto shipped = std::make_unique<refdata::RemedyTable>();
        QVERIFY(refdata::LoadRemedyTable(*shipped) > 370);
        const SearchIndex all(*shipped);
        QHash<QString, QSet<int>> found; // key -> sheets listed
        QHash<QString, QString> typed;   // key -> a word that has it
        for (int s = 0; s < all.sentenceCount(); ++s) {
            const QString text = all.text(*shipped, s);
            for (const search::Span& w : all.wordsOf(s)) {
                const QString word = text.mid(w.start, w.length);
                const QString key = french::wordKey(word);
                if (!found.contains(key)) {
                    typed.insert(key, word);
                    const Outcome o = all.search(word);
                    QSet<int> sheets;
                    const QStringList keys = SearchIndex::equivalentKeys(key);
                    for (const search::Row& r : o.rows) {
                        sheets.insert(r.remedy);
                        QVERIFY2(!r.hits.isEmpty(), qPrintable(word));
                        for (const search::Hit& h : r.hits) {
                            const search::Span at = all.spanOf(h);
                            const QString held = french::wordKey(
                                all.text(*shipped, h.sentence).mid(at.start, at.length));
                            QVERIFY2(keys.contains(held), qPrintable(word + u" / "_s + held));
                        }
                    }
                    found.insert(key, sheets);
                }
                QVERIFY2(found[key].contains(all.sentence(s).remedy),
                         qPrintable(word + u" in "_s + shipped->latinName[all.sentence(s).remedy]));
            }
        }
        QVERIFY(found.size() > 3000);
    }
};

QTEST_GUILESS_MAIN(TestSearchCore)
#include "tst_searchcore.moc"
