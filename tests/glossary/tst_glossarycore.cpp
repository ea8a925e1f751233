// The glossary's lookups, on small hand-made glossaries: the window's, and the
// terms found in running text.
#include "glossary/glossarycore.h"
#include "glossary/termlookup.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace glossary;
using refdata::GlossaryTable;

class TestGlossaryCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<GlossaryTable> t = std::make_unique<GlossaryTable>();
    std::unique_ptr<GlossaryTable> terms = std::make_unique<GlossaryTable>();

private slots:
    void initTestCase()
    {
        refdata::parseGlossary(u"eczéma§E1.\r\nEmbolie§Capital.\r\nénurésie§E2.\r\nœdème§O1.\r\n"
                               u"oreille§O2.\r\nOs§Capital.\r\n\r\nbulle§B1.\r\nbulleux§B2.\r\n"
                               u"bulle§B3.\r\nsans séparateur\r\n\0\0\0"_s,
                               *t);
        QCOMPARE(t->count, 11);
        refdata::parseGlossary(u"abcès§A.\r\nbulle§B1.\r\nbulles§B2.\r\ncoronaire§C1.\r\n"
                               u"coronaire§C2.\r\nentérite§E.\r\ngastro-entérite§G.\r\n"
                               u"météorisme§M.\r\nœdème§O.\r\npelvien§P.\r\nrénal§R.\r\n"
                               u"striduleux§S.\r\nténesme§T.\r\n\0\0\0"_s,
                               *terms);
        QCOMPARE(terms->count, 13);
    }

    void lettersTakeTheirAccentedTerms()
    {
        QCOMPARE(termsUnderLetter(*t, u'e'), QStringList({u"eczéma"_s, u"énurésie"_s}));
        QCOMPARE(termsUnderLetter(*t, u'o'), QStringList({u"œdème"_s, u"oreille"_s}));
        QCOMPARE(termsUnderLetter(*t, u'b'), QStringList({u"bulle"_s, u"bulleux"_s, u"bulle"_s}));
        // Capitals belong to no lower-case letter.
        QVERIFY(!termsUnderLetter(*t, u'e').contains(u"Embolie"_s));
        QVERIFY(termsUnderLetter(*t, u'z').isEmpty());
        QCOMPARE(termsUnderLetter(*t, u's'), QStringList{u"sans séparateur"_s});
    }

    void aTermMatchesOnlyItselfAndItsFirstEntry()
    {
        QCOMPARE(entryOfTerm(*t, u"bulle"_s), 7);
        QCOMPARE(entryOfTerm(*t, u"bulleux"_s), 8);
        QCOMPARE(entryOfTerm(*t, u"bull"_s), -1);
        QCOMPARE(entryOfTerm(*t, u"ulle"_s), -1);
        QCOMPARE(entryOfTerm(*t, u"Bulle"_s), -1);
        QCOMPARE(entryOfTerm(*t, u"œdème"_s), 3);
        QCOMPARE(entryOfTerm(*t, u"oedème"_s), -1);
        QCOMPARE(entryOfTerm(*t, u"sans séparateur"_s), 10);
        // The empty line's term is "@@".
        QCOMPARE(entryOfTerm(*t, QString()), 6);
        // Entries past the table's count are never looked at.
        auto empty = std::make_unique<GlossaryTable>();
        QCOMPARE(entryOfTerm(*empty, QString()), -1);
        QVERIFY(termsUnderLetter(*empty, u'a').isEmpty());
    }

    void termsAreFoundInRunningText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("at");     // the text's first stretch that reads so...
        QTest::addColumn<int>("within");     // ...and the position asked about, from its start
        QTest::addColumn<QString>("term");   // the term found, or empty
        QTest::addColumn<QString>("covers"); // the stretch of text it covers

        QTest::newRow("the term") << u"Un ténesme rectal."_s << u"ténesme"_s << 3 << u"ténesme"_s
                                  << u"ténesme"_s;
        QTest::newRow("capitals") << u"MÉTÉORISME."_s << u"MÉTÉORISME"_s << 0 << u"météorisme"_s
                                  << u"MÉTÉORISME"_s;
        QTest::newRow("plural in s")
            << u"Des ténesmes."_s << u"ténesmes"_s << 8 << u"ténesme"_s << u"ténesmes"_s;
        QTest::newRow("plural in aux")
            << u"Troubles rénaux."_s << u"rénaux"_s << 2 << u"rénal"_s << u"rénaux"_s;
        QTest::newRow("feminine") << u"Colique rénale."_s << u"rénale"_s << 0 << u"rénal"_s
                                  << u"rénale"_s;
        QTest::newRow("feminine in -ienne")
            << u"Douleurs pelviennes."_s << u"pelviennes"_s << 3 << u"pelvien"_s << u"pelviennes"_s;
        QTest::newRow("feminine in -euse") << u"Toux striduleuse."_s << u"striduleuse"_s << 5
                                           << u"striduleux"_s << u"striduleuse"_s;
        QTest::newRow("a plural that is a term of its own")
            << u"Des bulles."_s << u"bulles"_s << 1 << u"bulles"_s << u"bulles"_s;
        QTest::newRow("two words, on the second")
            << u"Une gastro-entérite aiguë."_s << u"entérite"_s << 2 << u"gastro-entérite"_s
            << u"gastro-entérite"_s;
        QTest::newRow("two words, on the first") << u"Les gastro-entérites."_s << u"gastro"_s << 0
                                                 << u"gastro-entérite"_s << u"gastro-entérites"_s;
        QTest::newRow("the shorter term alone")
            << u"Une entérite."_s << u"entérite"_s << 0 << u"entérite"_s << u"entérite"_s;
        QTest::newRow("after an elision")
            << u"L'abcès."_s << u"abcès"_s << 5 << u"abcès"_s << u"abcès"_s;
        QTest::newRow("a ligature written out")
            << u"Un oedème."_s << u"oedème"_s << 1 << u"œdème"_s << u"oedème"_s;
        QTest::newRow("a term twice: its first entry")
            << u"Artère coronaire."_s << u"coronaire"_s << 4 << u"coronaire"_s << u"coronaire"_s;
        QTest::newRow("no term") << u"Une tête lourde."_s << u"tête"_s << 1 << QString()
                                 << QString();
        QTest::newRow("between two words")
            << u"Une tête lourde."_s << u" "_s << 1 << QString() << QString();
        QTest::newRow("a longer word")
            << u"Ténesmeux."_s << u"Ténesmeux"_s << 2 << QString() << QString();
    }
    void termsAreFoundInRunningText()
    {
        QFETCH(QString, text);
        QFETCH(QString, at);
        QFETCH(int, within);
        QFETCH(QString, term);
        QFETCH(QString, covers);
        const TermLookup lookup(*terms);
        const TermLookup::Match m = lookup.termAt(text, text.indexOf(at) + within);
        QCOMPARE(lookup.term(m.entry), term);
        QCOMPARE(text.mid(m.start, m.length), m.found() ? covers : QString());
        if (term == u"coronaire")
            QCOMPARE(lookup.definition(m.entry), u"C1."_s);
    }

    void aLookUpOutsideTheTextFindsNothing()
    {
        const TermLookup lookup(*terms);
        for (qsizetype at : {-1, 9, 100})
            QVERIFY(!lookup.termAt(u"ténesme."_s, at).found());
        QVERIFY(!lookup.termAt(QString(), 0).found());
        // Just after its last letter still counts as the word.
        QCOMPARE(lookup.termAt(u"ténesme."_s, 7).length, 7);
        QVERIFY(!TermLookup().termAt(u"ténesme"_s, 0).found());
    }
};

QTEST_GUILESS_MAIN(TestGlossaryCore)
#include "tst_glossarycore.moc"
