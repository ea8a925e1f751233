// The knowledge base as shipped: read through the program's own loaders from the
// embedded resources, it must hold every count and example the pages rely on.
#include "datafacts.h"
#include "refdata/decoding.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "refdata/resources.h"

#include <QSet>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace refdata;
using testsupport::dictionaryKey;
using testsupport::fileBytes;

namespace {

const QString ListText1 = u"ATTENTION! Ce produit est classé en liste I, il présente un risque "
                          u"d'accident thérapeutique. La prise de ce produit nécessite une "
                          u"surveillance médicale."_s;
const QString ListText2 = u"Ce produit est classé en liste II, il renferme des produits pouvant "
                          u"donner lieu à un accident thérapeutique et nécessite une surveillance "
                          u"médicale."_s;
const QString ListText3 = u"ATTENTION! Ce produit est un stupéfiant, il présente un risque "
                          u"d'accident thérapeutique. La prise de ce produit nécessite une "
                          u"surveillance médicale."_s;

// The 40 specialties a person can browse, with the number of remedies each one
// must list.
const QList<QPair<QString, int>> SpecialtyCounts = {{u"Addictologie"_s, 1},
                                                    {u"Allergologie"_s, 11},
                                                    {u"Angiologie"_s, 5},
                                                    {u"Cardiologie"_s, 24},
                                                    {u"Dentisterie"_s, 2},
                                                    {u"Dermatologie"_s, 69},
                                                    {u"Diabétologie"_s, 1},
                                                    {u"Endocrinologie"_s, 11},
                                                    {u"Gastro-entérologie"_s, 55},
                                                    {u"Gériatrie"_s, 1},
                                                    {u"Gynécologie"_s, 64},
                                                    {u"Hématologie"_s, 4},
                                                    {u"Hémopathie"_s, 1},
                                                    {u"Hépatologie"_s, 16},
                                                    {u"Immunologie"_s, 6},
                                                    {u"Infectiologie"_s, 49},
                                                    {u"Maladies vasculaires"_s, 6},
                                                    {u"Médecine du sport"_s, 2},
                                                    {u"Médecine montagne"_s, 1},
                                                    {u"Métabolisme"_s, 6},
                                                    {u"Néphrologie"_s, 7},
                                                    {u"Nutrition"_s, 4},
                                                    {u"Obstétrique"_s, 7},
                                                    {u"Oncologie"_s, 3},
                                                    {u"Ophtalmologie"_s, 17},
                                                    {u"ORL"_s, 69},
                                                    {u"Parasitologie"_s, 2},
                                                    {u"Pédiatrie"_s, 23},
                                                    {u"Phlébologie"_s, 6},
                                                    {u"Pneumologie"_s, 36},
                                                    {u"Proctologie"_s, 11},
                                                    {u"Rhumatologie"_s, 50},
                                                    {u"Sexologie"_s, 7},
                                                    {u"Stomatologie"_s, 4},
                                                    {u"Système nerveux"_s, 88},
                                                    {u"Toxicologie"_s, 1},
                                                    {u"Traitement de la douleur"_s, 15},
                                                    {u"Traumatologie"_s, 4},
                                                    {u"Urologie"_s, 28},
                                                    {u"Vénérologie"_s, 1}};

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

    std::unique_ptr<RemedyTable> t = std::make_unique<RemedyTable>();
    KeywordList words;
    QStringList lstNom, lstMC;

    int n() const { return t->count; }
    int carrying(const QString& word) const
    {
        int c = 0;
        for (int i = 0; i < n(); ++i)
            c += t->keywords[i].contains(u' ' + word + u' ');
        return c;
    }
    QStringList carryingBoth(const QString& a, const QString& b) const
    {
        QStringList found;
        for (int i = 0; i < n(); ++i) {
            if (t->keywords[i].contains(u' ' + a + u' ') &&
                t->keywords[i].contains(u' ' + b + u' '))
                found << t->latinName[i];
        }
        return found;
    }
    template <typename Pred> int countWhere(Pred pred) const
    {
        int c = 0;
        for (int i = 0; i < n(); ++i)
            c += pred(i) ? 1 : 0;
        return c;
    }
    QStringList wordsStartingWith(const QString& prefix) const
    {
        QStringList out;
        for (const QString& w : lstMC) {
            if (w.startsWith(prefix))
                out << w;
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        LoadRemedyTable(*t, [this](const QString& s) { lstNom << s; });
        LoadKeywordList(words, [this](const QString& s) { lstMC << s; });
    }

    void resourcesAreTheDataFilesByteForByte()
    {
        for (const QString& name : {u"DICOHOMEO"_s, u"MOTSCLES"_s}) {
            const QByteArray embedded = embeddedResource(name);
            QVERIFY2(!embedded.isEmpty(), qPrintable(name));
            QCOMPARE(embedded, fileBytes(name));
        }
        QVERIFY(embeddedResource(u"NOSUCH"_s).isEmpty());
        const QByteArray dico = embeddedResource(u"DICOHOMEO"_s);
        const QByteArray mots = embeddedResource(u"MOTSCLES"_s);
        QCOMPARE(dico.size(), 237480);
        QCOMPARE(mots.size(), 9852);
        QVERIFY(dico.endsWith("\r\n"));
        QVERIFY(mots.endsWith(QByteArray("\r\n\0\0\0", 5)));
        // Every line break is a CR LF pair.
        for (const QByteArray& bytes : {dico, mots}) {
            QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
            QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        }
        QCOMPARE(dico.count("\r\n"), 378);
        QCOMPARE(dico.count('\xA7'), 3780); // ten separators a record
    }

    void remediesAreSortedUniqueAndListed()
    {
        QCOMPARE(n(), 378);
        QCOMPARE(lstNom.size(), 378);
        for (int i = 378; i < RemedyTable::Slots; ++i)
            QVERIFY(t->latinName[i].isEmpty() && t->indications[i].isEmpty());
        for (int i = 0; i < n(); ++i) {
            const QString& name = t->latinName[i];
            QCOMPARE(lstNom[i], name);
            QVERIFY2(name == name.toUpper() && !name.isEmpty() && name.size() <= 27,
                     qPrintable(name));
            if (i > 0)
                QVERIFY2(t->latinName[i - 1].toLatin1() < name.toLatin1(), qPrintable(name));
        }
        for (const char* name : {"CINA", "SEPIA OFFICINALIS", "OPIUM", "QUEBRACHO", "CINNABARIS"})
            QVERIFY2(t->indexOf(QString::fromLatin1(name)) >= 0, name);
    }

    void firstRecordsAndQuotedExamples()
    {
        QCOMPARE(t->latinName[0], u"ABIES CANADENSIS"_s);
        QCOMPARE(t->frenchName[0], u"Sapin du canada"_s);
        QCOMPARE(t->origin[0], u"Sapin du Canada."_s);
        QCOMPARE(t->keywords[0], u" digestion estomac faim froid gastrite météorisme stomacal "_s);
        QCOMPARE(t->listClass[0], u"."_s);
        QCOMPARE(t->latinName[1], u"ABROTANUM"_s);
        QCOMPARE(t->frenchName[1], u"Aurône mâle"_s);
        QCOMPARE(t->origin[1], u"Aurone, citronnelle, armoise."_s);
        QCOMPARE(t->branches[1], u"Pédiatrie. Rhumatologie. Autres."_s);
        QCOMPARE(t->indications[1],
                 u"Pédiatrie: Problèmes d'assimilations déficientes chez l'enfant. Troubles "
                 u"digestifs de l'enfant, amaigrissement. Rhumatologie: Goutte et rhumatisme. "
                 u"Autres: Engelures, vers intestinaux."_s);
        QVERIFY(t->indications[t->indexOf(u"TABACUM")].startsWith(u"Addictologie:"));
        QVERIFY(t->indications[t->indexOf(u"ZINGIBER OFFICINALE")].indexOf(u"ORL:") > 0);
        const int aconit = t->indexOf(u"ACONITUM NAPELLUS");
        QCOMPARE(t->listClass[aconit], u"1"_s);
        QCOMPARE(
            t->extraWarning[aconit],
            u"ATTENTION! L'aconit est l'un des poisons les plus violents et les plus puissants "
            u"que l'on connaisse. N'utiliser que sous contrôle médical."_s);
    }

    void namesAndOriginsKeepTheirBlanks()
    {
        QStringList emptyFrench;
        for (int i = 0; i < n(); ++i) {
            if (t->frenchName[i].isEmpty())
                emptyFrench << t->latinName[i];
        }
        QCOMPARE(emptyFrench, QStringList({u"SERUM ANTICOLIBACILLAIRE"_s, u"SERUM DE YERSIN"_s}));
        QCOMPARE(countWhere([&](int i) { return t->frenchName[i].endsWith(u' '); }), 1);
        QCOMPARE(t->origin[t->indexOf(u"MAGNESIA PHOSPHORICA")], u" Phosphate de magnésium."_s);
        QCOMPARE(countWhere([&](int i) { return t->origin[i].startsWith(u' '); }), 1);
        QCOMPARE(countWhere([&](int i) { return t->origin[i].endsWith(u' '); }), 1);
    }

    void specialtiesMatchTheirHeadings()
    {
        for (const auto& [entry, expected] : SpecialtyCounts)
            QCOMPARE(countWhere([&](int i) { return t->branches[i].contains(entry); }), expected);
        QCOMPARE(countWhere([&](int i) { return t->branches[i].contains(u"Autres"); }), 41);
        QCOMPARE(countWhere([&](int i) { return t->branches[i].contains(u"Diététique"); }), 0);
        QCOMPARE(countWhere([&](int i) { return t->branches[i].endsWith(u' '); }), 2);
        for (int i = 0; i < n(); ++i) {
            const QString& b = t->branches[i];
            const QString name = t->latinName[i];
            QVERIFY2(b.size() <= 132, qPrintable(name));
            QStringList items = b.trimmed().split(u". "_s);
            QVERIFY2(items.last().endsWith(u'.'), qPrintable(name));
            items.last().chop(1);
            QVERIFY2(!items.isEmpty() && items != QStringList{u"Autres"_s}, qPrintable(name));
            // Every specialty of the remedy opens a paragraph of its indications, and no
            // other heading stands there.
            for (const auto& [entry, count] : SpecialtyCounts) {
                const QString heading = (entry == u"ORL"_s ? u"Orl"_s : entry) + u':';
                QCOMPARE(t->indications[i].contains(heading, Qt::CaseInsensitive),
                         items.contains(entry));
            }
            QCOMPARE(t->indications[i].contains(u"Autres:"), items.contains(u"Autres"_s));
            QVERIFY2(!t->indications[i].contains(u"Diététique:", Qt::CaseInsensitive),
                     qPrintable(name));
            QVERIFY2(!t->indications[i].contains(u'\r') && !t->indications[i].contains(u'\n'),
                     qPrintable(name));
            QVERIFY2(t->indications[i].size() <= 1669, qPrintable(name));
        }
        int longest = 0;
        for (int i = 0; i < n(); ++i)
            longest = std::max(longest, int(t->indications[i].size()));
        QCOMPARE(longest, 1669);
    }

    void marksDilutionsAndLists()
    {
        auto count = [&](const RemedyTable::Column& c, const char* v) {
            return countWhere([&](int i) { return c[i] == QString::fromUtf8(v); });
        };
        QCOMPARE(count(t->rating, "."), 219);
        QCOMPARE(count(t->rating, "+"), 97);
        QCOMPARE(count(t->rating, "++"), 62);
        const QList<QPair<const char*, int>> dilutions = {
            {"TM", 198}, {"3 CH", 61}, {"1 CH", 46}, {"4 CH", 27}, {"3 DH", 16}, {"1 DH", 16},
            {"2 CH", 8}, {"3CH", 2},   {"3DH", 1},   {"2CH", 1},   {"5 DH", 1},  {"5 CH", 1}};
        for (const auto& [value, expected] : dilutions)
            QCOMPARE(count(t->dilution, value), expected);
        QCOMPARE(count(t->listClass, "."), 289);
        QCOMPARE(count(t->listClass, "1"), 47);
        QCOMPARE(count(t->listClass, "2"), 41);
        QCOMPARE(count(t->listClass, "3"), 1);
        QCOMPARE(t->listClass[t->indexOf(u"OPIUM")], u"3"_s);

        QSet<QString> extra;
        for (int i = 0; i < n(); ++i) {
            const QString& c = t->listClass[i];
            const QString expected = c == u"1"_s   ? ListText1
                                     : c == u"2"_s ? ListText2
                                     : c == u"3"_s ? ListText3
                                                   : QString();
            QCOMPARE(t->listWarning[i], expected);
            QCOMPARE(t->extraWarning[i].isEmpty(), c == u"."_s);
            // A list I stock never starts at its mother tincture.
            QVERIFY2(c != u"1"_s || t->dilution[i] != u"TM"_s, qPrintable(t->latinName[i]));
            if (!t->extraWarning[i].isEmpty())
                extra.insert(t->extraWarning[i]);
        }
        QCOMPARE(extra.size(), 34);
        QVERIFY(extra.contains(u"ATTENTION! Plante toxique !"_s));
        QVERIFY(extra.contains(
            u"A utiliser sous contrôle médical et en respectant les doses prescrites."_s));
        int endingInBlank = 0, longest = 0;
        for (const QString& w : extra) {
            endingInBlank += w.endsWith(u' ');
            longest = std::max(longest, int(w.size()));
        }
        QCOMPARE(endingInBlank, 1);
        QCOMPARE(longest, 204);
    }

    void keywordFieldsUseTheWordList()
    {
        const QSet<QString> vocabulary(lstMC.begin(), lstMC.end());
        QSet<QString> used;
        int longest = 0;
        QStringList withoutTrailingBlank;
        for (int i = 0; i < n(); ++i) {
            const QString& k = t->keywords[i];
            QVERIFY2(k.startsWith(u' ') && !k.startsWith(u"  "), qPrintable(t->latinName[i]));
            longest = std::max(longest, int(k.size()));
            if (!k.endsWith(u' '))
                withoutTrailingBlank << t->latinName[i];
            const QStringList ws = k.trimmed().split(u' ');
            for (const QString& w : ws) {
                QVERIFY2(vocabulary.contains(w), qPrintable(t->latinName[i] + u": "_s + w));
                used.insert(w);
            }
        }
        QCOMPARE(longest, 714);
        QCOMPARE(withoutTrailingBlank.size(), 2);
        QVERIFY(withoutTrailingBlank.contains(u"QUEBRACHO"_s));
        QVERIFY(t->keywords[t->indexOf(u"QUEBRACHO")].endsWith(u" respiration"));
        for (const QString& w : lstMC)
            QVERIFY2(used.contains(w), qPrintable(u"carried by no remedy: "_s + w));
    }

    void searchesGiveTheirKnownAnswers()
    {
        const QStringList coughFever = carryingBoth(u"toux"_s, u"fièvre"_s);
        QCOMPARE(coughFever.size(), 8);
        QCOMPARE(coughFever.first(), u"DROSERA ROTUNDIFOLIA"_s);
        QCOMPARE(coughFever.last(), u"SULFUR IODATUM"_s);
        QCOMPARE(carryingBoth(u"faim"_s, u"froid"_s), QStringList{u"ABIES CANADENSIS"_s});
        QCOMPARE(carryingBoth(u"angoisse"_s, u"peur"_s).value(0), u"ACONITUM NAPELLUS"_s);
        QCOMPARE(carrying(u"nerf"_s), 84);
        for (const QString& w : lstMC)
            QVERIFY2(w == u"nerf"_s || carrying(w) < 84, qPrintable(w));
        QCOMPARE(carryingBoth(u"nerf"_s, u"peau"_s).size(), 15);
        QCOMPARE(carrying(u"os"_s), 12);
        QCOMPARE(carrying(u"cou"_s), 3);
        QCOMPARE(countWhere([&](int i) { return t->keywords[i].contains(u"cou"); }), 34);
        QCOMPARE(carrying(u"respiration"_s), 14);
        QCOMPARE(countWhere(
                     [&](int i) { return t->keywords[i].split(u' ').contains(u"respiration"_s); }),
                 15);
        const QString& cinnabaris = t->keywords[t->indexOf(u"CINNABARIS")];
        QVERIFY(cinnabaris.contains(u" sinusite "));
        QVERIFY(!cinnabaris.contains(u" sinus "));
        QVERIFY(carrying(u"sinus"_s) > 0);
    }

    void wordListIsOrderedAndComplete()
    {
        QCOMPARE(lstMC.size(), 936);
        QCOMPARE(words.size(), 937);
        QCOMPARE(words.last(), QString(3, QChar(0)));
        QCOMPARE(QSet<QString>(lstMC.begin(), lstMC.end()).size(), 936);
        bool hyphenated = false;
        for (int i = 0; i < lstMC.size(); ++i) {
            const QString& w = lstMC[i];
            QVERIFY2(!w.isEmpty() && w == w.toLower() && !w.contains(u' ') && w.size() <= 20 &&
                         !w.contains(QChar(0)),
                     qPrintable(w));
            hyphenated |= w.contains(u'-');
            if (i > 0)
                QVERIFY2(dictionaryKey(lstMC[i - 1]) <= dictionaryKey(w), qPrintable(w));
        }
        QVERIFY(hyphenated);
        QVERIFY(lstMC.contains(u"gastro-entérite"_s));
        QCOMPARE(lstMC.first(), u"abattement"_s);
        QVERIFY(lstMC.indexOf(u"acétonémie"_s) < lstMC.indexOf(u"acide"_s));
        QVERIFY(lstMC.indexOf(u"aérophagie"_s) < lstMC.indexOf(u"agalactie"_s));
        QCOMPARE(wordsStartingWith(u"ab"_s),
                 QStringList({u"abattement"_s, u"abcès"_s, u"abdomen"_s, u"abeille"_s}));
        QCOMPARE(wordsStartingWith(u"fa"_s), QStringList({u"face"_s, u"facial"_s, u"faiblesse"_s,
                                                          u"faim"_s, u"fantasme"_s, u"fatigue"_s}));
        QCOMPARE(wordsStartingWith(u"cou"_s),
                 QStringList({u"cou"_s, u"coup"_s, u"couperose"_s, u"coupure"_s, u"courbature"_s}));
        QCOMPARE(wordsStartingWith(u"e"_s).size(), 28);
        QCOMPARE(wordsStartingWith(u"é"_s).size(), 24);
        QVERIFY(!wordsStartingWith(u"œ"_s).isEmpty());
        QCOMPARE(wordsStartingWith(u"o"_s).size() + wordsStartingWith(u"œ"_s).size(), 39);
        QCOMPARE(wordsStartingWith(u"z"_s), QStringList{u"zona"_s});
        for (const QString& w : lstMC) {
            const QChar c = w.front();
            QVERIFY2((c >= u'a' && c <= u'v') || c == u'z' || c == u'é' || c == u'œ',
                     qPrintable(w));
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
