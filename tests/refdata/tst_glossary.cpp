// The glossary: its loader on hand-made texts, and the shipped glossary read
// through that loader from the embedded resource.
#include "datafacts.h"
#include "refdata/decoding.h"
#include "refdata/glossary.h"
#include "refdata/remedytable.h"
#include "refdata/resources.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace refdata;
using testsupport::dictionaryKey;
using testsupport::fileBytes;

namespace {

const QString Nuls(3, QChar(0));

// Lower case, with the ligatures spelt out, so that "oedème" finds "Œdème".
QString folded(const QString& s)
{
    return s.toLower().replace(u"œ"_s, u"oe"_s).replace(u"æ"_s, u"ae"_s);
}

// Whether `word` begins a word of `text` (both folded): "amygdale" occurs in
// "amygdales", "os" does not occur in "gros".
bool beginsAWord(const QString& text, const QString& word)
{
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        if (at == 0 || !text.at(at - 1).isLetter())
            return true;
    }
    return false;
}

} // namespace

class TestGlossary : public QObject
{
    Q_OBJECT

    std::unique_ptr<GlossaryTable> g = std::make_unique<GlossaryTable>();
    QStringList listed; // what the loader hands to the term list
    QStringList lines;  // "term§definition" as loaded

    QStringList termsStartingWith(const QString& firsts) const
    {
        QStringList out;
        for (int i = 0; i < g->count; ++i) {
            const QString term = plainTerm(g->terms[i]);
            if (firsts.contains(term.front()))
                out << term;
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(LoadGlossary(*g, [this](const QString& t) { listed << t; }), 529);
        for (int i = 0; i < g->count; ++i)
            lines << plainTerm(g->terms[i]) + u'§' + g->definitions[i];
    }

    void embeddedGlossaryIsTheDataFile()
    {
        const QByteArray bytes = embeddedResource(u"GLOSSAIRE"_s);
        QCOMPARE(bytes.size(), 38072);
        QCOMPARE(bytes, fileBytes(u"GLOSSAIRE"_s));
        QVERIFY(bytes.endsWith(QByteArray("\r\n\0\0\0", 5)));
        QCOMPARE(bytes.count("\r\n"), 529);
        QCOMPARE(bytes.count('\r'), 529);
        QCOMPARE(bytes.count('\n'), 529);
        QCOMPARE(bytes.count('\xA7'), 529); // one separator a line
    }

    void loaderFramesTermsAndListsTheA()
    {
        QCOMPARE(g->count, 529);
        QCOMPARE(g->GlossaryLines.size(), 530);
        QCOMPARE(g->GlossaryLines.last(), Nuls);
        QCOMPARE(g->terms[0], u"@achilléen@"_s);
        QCOMPARE(g->definitions[0], u"Relatif au tendon d'Achille."_s);
        QCOMPARE(g->GlossaryLines.first(), u"achilléen§Relatif au tendon d'Achille."_s);
        for (int i = 529; i < GlossaryTable::Slots; ++i)
            QVERIFY(g->terms[i].isEmpty() && g->definitions[i].isEmpty());
        QCOMPARE(listed.size(), 57);
        QCOMPARE(listed, termsStartingWith(u"a"_s));
        QCOMPARE(listed.first(), u"achilléen"_s);
        QCOMPARE(listed.last(), u"avulsion"_s);
    }

    void everyLineIsATermAndOneSentence()
    {
        for (int i = 0; i < g->count; ++i) {
            const QString& line = g->GlossaryLines.at(i);
            const QString term = plainTerm(g->terms[i]);
            const QString& definition = g->definitions[i];
            QCOMPARE(line.count(u'§'), 1);
            QCOMPARE(lines[i], line);
            QVERIFY2(!term.isEmpty() && term == term.toLower() && term.size() <= 20 &&
                         !term.contains(u'@') && !term.contains(u' '),
                     qPrintable(term));
            QVERIFY2(!definition.isEmpty() && definition.size() <= 168 &&
                         definition.front().isUpper() && definition.endsWith(u'.') &&
                         !definition.contains(u". "),
                     qPrintable(line));
            QVERIFY2(!u"jwxy"_s.contains(term.front()), qPrintable(term));
            if (i > 0)
                QVERIFY2(dictionaryKey(plainTerm(g->terms[i - 1])) <= dictionaryKey(term),
                         qPrintable(term));
        }
    }

    void lettersHoldTheirKnownTerms()
    {
        const QStringList e = termsStartingWith(u"eé"_s);
        QCOMPARE(e.size(), 19);
        QCOMPARE(e.first(), u"eczéma"_s);
        QCOMPARE(e.last(), u"extrasystole"_s);
        int previous = -1;
        for (const char* word : {"enurésie", "énurésie", "épicondylite", "épilepsie", "épistaxis",
                                 "érysipèle", "érythème"}) {
            const int at = int(e.indexOf(QString::fromUtf8(word)));
            QVERIFY2(at > previous, word);
            previous = at;
        }
        const QStringList o = termsStartingWith(u"oœ"_s);
        QCOMPARE(o.size(), 26);
        QCOMPARE(termsStartingWith(u"œ"_s), QStringList{u"œdémateux"_s});
        QVERIFY(o.indexOf(u"œdémateux"_s) < o.indexOf(u"oedème"_s));
        QCOMPARE(termsStartingWith(u"z"_s), QStringList({u"zona"_s, u"zostérien"_s}));
        QVERIFY(termsStartingWith(u"jwxy"_s).isEmpty());
        // Every term is listed under one of the 22 letters that have terms.
        int underLetters = 0;
        for (QChar c = u'a'; c <= u'z'; c = QChar(c.unicode() + 1))
            underLetters += int(termsStartingWith(c == u'e'   ? u"eé"_s
                                                  : c == u'o' ? u"oœ"_s
                                                              : QString(c))
                                    .size());
        QCOMPARE(underLetters, 529);
    }

    void coronaryHasTwoDefinitions()
    {
        QList<int> at;
        for (int i = 0; i < g->count; ++i) {
            if (g->terms[i] == u"@coronaire@"_s)
                at << i;
        }
        QCOMPARE(at.size(), 2);
        QCOMPARE(at[1], at[0] + 1);
        QCOMPARE(g->definitions[at[0]], u"Artère coronaire, qui porte le sang dans le coeur."_s);
        QVERIFY(g->definitions[at[1]] != g->definitions[at[0]]);
        // No other term is there twice.
        QStringList terms;
        for (int i = 0; i < g->count; ++i)
            terms << g->terms[i];
        terms.removeDuplicates();
        QCOMPARE(terms.size(), 528);
    }

    void termsComeFromTheRemedyTexts()
    {
        auto remedies = std::make_unique<RemedyTable>();
        QCOMPARE(LoadRemedyTable(*remedies), 378);
        QStringList texts;
        for (int i = 0; i < remedies->count; ++i)
            texts << folded(remedies->indications[i]);
        QStringList absent;
        for (int i = 0; i < g->count; ++i) {
            const QString term = folded(plainTerm(g->terms[i]));
            if (std::none_of(texts.begin(), texts.end(),
                             [&](const QString& t) { return beginsAWord(t, term); }))
                absent << term;
        }
        // A few terms explain words of the explanations themselves.
        QVERIFY2(absent.size() <= 15, qPrintable(absent.join(u' ')));
        QVERIFY(!absent.contains(u"oedème"_s)); // found as "œdème"
    }

    void malformedTextsStayInsideTheTable()
    {
        auto t = std::make_unique<GlossaryTable>();
        QStringList got;
        auto collect = [&](const QString& s) { got << s; };
        // A line without a separator is all term; one with two keeps the second
        // in its definition; "A" is not "a"; an empty line is an empty term.
        QCOMPARE(
            parseGlossary(u"abcès\r\nabdomen§Ventre.§Bas.\r\nAigu§x\r\n\r\nzona§y\r\n"_s + Nuls, *t,
                          collect),
            5);
        QCOMPARE(got, QStringList({u"abcès"_s, u"abdomen"_s}));
        QCOMPARE(t->terms[0], u"@abcès@"_s);
        QVERIFY(t->definitions[0].isEmpty());
        QCOMPARE(t->definitions[1], u"Ventre.§Bas."_s);
        QCOMPARE(t->terms[3], u"@@"_s);
        QCOMPARE(plainTerm(t->terms[3]), QString());
        QCOMPARE(t->terms[4], u"@zona@"_s);
        QVERIFY(t->terms[5].isEmpty());

        // More lines than slots: the extra ones are neither stored nor listed.
        QString many;
        for (int i = 0; i < GlossaryTable::Slots + 40; ++i)
            many += u"a%1§d%1\r\n"_s.arg(i);
        got.clear();
        QCOMPARE(parseGlossary(many, *t, collect), GlossaryTable::Slots);
        QCOMPARE(got.size(), GlossaryTable::Slots);
        QCOMPARE(t->terms[560], u"@a560@"_s);
        QCOMPARE(t->definitions[560], u"d560"_s);

        // Nothing after the last line break is an entry; a reload forgets the old table.
        got.clear();
        QCOMPARE(parseGlossary(u"acné§Boutons."_s, *t, collect), 0);
        QVERIFY(got.isEmpty());
        QVERIFY(t->terms[0].isEmpty() && t->definitions[560].isEmpty());
        QCOMPARE(t->GlossaryLines.size(), 1);
        QCOMPARE(parseGlossary(QString(), *t), 0);
        QCOMPARE(parseGlossary(decodeWindows1252(QByteArray("\0\0\0", 3)), *t), 0);
        QCOMPARE(plainTerm(u"@"_s), QString());
    }
};

QTEST_GUILESS_MAIN(TestGlossary)
#include "tst_glossary.moc"
