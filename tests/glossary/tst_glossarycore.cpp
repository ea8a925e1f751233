// The glossary window's lookups, on small hand-made glossaries.
#include "glossary/glossarycore.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace glossary;
using refdata::GlossaryTable;

class TestGlossaryCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<GlossaryTable> t = std::make_unique<GlossaryTable>();

private slots:
    void initTestCase()
    {
        refdata::parseGlossary(u"eczéma§E1.\r\nEmbolie§Capital.\r\nénurésie§E2.\r\nœdème§O1.\r\n"
                               u"oreille§O2.\r\nOs§Capital.\r\n\r\nbulle§B1.\r\nbulleux§B2.\r\n"
                               u"bulle§B3.\r\nsans séparateur\r\n\0\0\0"_s,
                               *t);
        QCOMPARE(t->count, 11);
    }

    void lettersTakeTheirAccentedTerms()
    {
        QCOMPARE(termsUnderLetter(*t, u'e'), QStringList({u"eczéma"_s, u"énurésie"_s}));
        QCOMPARE(termsUnderLetter(*t, u'o'), QStringList({u"œdème"_s, u"oreille"_s}));
        QCOMPARE(termsUnderLetter(*t, u'b'),
                 QStringList({u"bulle"_s, u"bulleux"_s, u"bulle"_s}));
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
};

QTEST_GUILESS_MAIN(TestGlossaryCore)
#include "tst_glossarycore.moc"
