// The pages "Symptômes" and "Spécialités" of a whole main window, driven
// through their real widgets: letters, words, specialties, remedies, the word
// in red, the focus and the warning window.
#include "browse/browsecore.h"
#include "browse/specialtypage.h"
#include "browse/symptomspage.h"
#include "mainwindowfixture.h"
#include "sheet/indications.h"
#include "sheet/warningwindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace mainwin;
using namespace sheet;
using testsupport::click;
using testsupport::occurrences;
using testsupport::pick;

namespace {

using namespace testsupport::colours;
using Run = testsupport::RedRun;
using testsupport::redRuns;

bool marked(const ui::Label* l)
{
    return l->font().bold() || l->font().underline();
}

} // namespace

// The controls of the page "Symptômes" or "Spécialités", found by their names.
struct KeywordControls
{
    std::array<ui::Label*, 26> letters{};
    ui::ListBox* words = nullptr;
    ui::ListBox* remedies = nullptr;
    ui::Label* countLine = nullptr;
    ui::Label* chosenWord = nullptr;
    testsupport::Sheet sheet;

    bool find(const QWidget* root)
    {
        for (int k = 1; k <= 26; ++k) {
            letters[k - 1] = testsupport::named<ui::Label>(root, u"Lab(%1)"_s.arg(k));
            if (!letters[k - 1])
                return false;
        }
        words = testsupport::named<ui::ListBox>(root, u"LstMC"_s);
        remedies = testsupport::named<ui::ListBox>(root, u"LstRech"_s);
        countLine = testsupport::named<ui::Label>(root, u"LblResult1"_s);
        chosenWord = testsupport::named<ui::Label>(root, u"LblResult2"_s);
        sheet = testsupport::sheetOf(root, 1);
        return words && remedies && countLine && chosenWord && sheet.found(1);
    }
};

struct SpecialtyControls
{
    ui::ListBox* specialties = nullptr;
    ui::ListBox* remedies = nullptr;
    ui::Label* countLine = nullptr;
    ui::Label* chosen = nullptr;
    testsupport::Sheet sheet;

    bool find(const QWidget* root)
    {
        specialties = testsupport::named<ui::ListBox>(root, u"LstBranche"_s);
        remedies = testsupport::named<ui::ListBox>(root, u"LstResult"_s);
        countLine = testsupport::named<ui::Label>(root, u"LblResult11"_s);
        chosen = testsupport::named<ui::Label>(root, u"LblResult12"_s);
        sheet = testsupport::sheetOf(root, 2);
        return specialties && remedies && countLine && chosen && sheet.found(2);
    }
};

class TestBrowsePages : public QObject
{
    Q_OBJECT

    testsupport::MainWindowFixture app;
    MainWindow* w = nullptr;
    KeywordControls kp;
    SpecialtyControls sp;
    QStringList openings; // the messages of the warning windows opened

    void clickLetter(QChar c) { click(kp.letters[c.unicode() - u'A']); }

    QStringList namesOf(const QList<int>& remedies) const
    {
        QStringList out;
        for (int i : remedies)
            out << w->table().latinName[i];
        return out;
    }
    int remedy(const QString& name) const { return w->table().indexOf(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(app.start());
        w = app.window();
        QVERIFY(kp.find(w));
        QVERIFY(sp.find(w));
        WarningWindow::setInterceptor([this](WarningWindow& window) {
            openings << testsupport::named<ui::Label>(&window, u"LblMsg"_s)->caption();
        });
    }
    void cleanupTestCase() { WarningWindow::setInterceptor({}); }
    void init()
    {
        openings.clear();
        QVERIFY(app.choosePage(1));
    }

    void lettersMarkOneAndListItsWords()
    {
        QCOMPARE(kp.letters[0]->textColour(), QColor(0x40, 0x40, 0x40)); // as designed
        clickLetter(u'E');
        QCOMPARE(QApplication::focusWidget(), app.control(u"Foc"_s));
        QCOMPARE(kp.words->entries(), browse::wordsUnderLetter(w->keywords(), u'E'));
        QVERIFY(kp.words->entries().contains(u"éblouissement"_s));
        const ui::Label* e = kp.letters[4];
        QVERIFY(e->font().bold() && e->font().underline());
        QCOMPARE(e->textColour(), Blue);
        for (int k = 1; k <= 26; ++k) {
            if (k == 5)
                continue;
            const ui::Label* l = kp.letters[k - 1];
            QVERIFY(!marked(l));
            // Clicked once, the index loses its design greys: black, W X Y grey.
            QCOMPARE(l->textColour(), (k == 23 || k == 24 || k == 25) ? Grey : QColor(Qt::black));
        }

        clickLetter(u'O');
        QCOMPARE(kp.words->entries(), browse::wordsUnderLetter(w->keywords(), u'O'));
        const QStringList o = kp.words->entries();
        QVERIFY(
            std::any_of(o.begin(), o.end(), [](const QString& x) { return x.startsWith(u'œ'); }));
        QVERIFY(!marked(e));
        QCOMPARE(e->textColour(), QColor(Qt::black));

        clickLetter(u'Z');
        QCOMPARE(kp.words->entries(), QStringList{u"zona"_s});
        QCOMPARE(kp.letters[25]->textColour(), Blue);

        for (QChar c : {u'W', u'X', u'Y'}) {
            clickLetter(c);
            QCOMPARE(kp.words->count(), 0);
            for (const ui::Label* l : kp.letters)
                QVERIFY(!marked(l));
            QCOMPARE(kp.letters[c.unicode() - u'A']->textColour(), Grey);
            QCOMPARE(kp.letters[25]->textColour(), QColor(Qt::black));
        }
    }

    void wordOsListsItsRemediesAndColoursOsseu()
    {
        clickLetter(u'O');
        QVERIFY(pick(kp.words, u"os"_s));
        const QStringList listed = kp.remedies->entries();
        QCOMPARE(listed, namesOf(browse::remediesWithWord(w->table(), u"os"_s)));
        QCOMPARE(kp.remedies->selectedIndex(), -1);
        QCOMPARE(kp.countLine->caption(), u"%1 remèdes trouvés\r\npour:"_s.arg(listed.size()));
        QCOMPARE(kp.chosenWord->caption(), u"os"_s);
        const int first = remedy(u"CALCAREA CARBONICA"_s);
        QCOMPARE(kp.sheet.nameLabel->caption(), u" CALCAREA CARBONICA "_s);
        QCOMPARE(kp.sheet.rating->caption(), w->table().rating[first]);
        QCOMPARE(kp.sheet.dilution->caption(), w->table().dilution[first]);
        QCOMPARE(kp.sheet.listClass->caption(), w->table().listClass[first]);
        QCOMPARE(kp.sheet.body->text(), formatIndications(w->table().indications[first]).text);
        QVERIFY(kp.sheet.timer->isActive());
        QVERIFY(kp.sheet.settle());
        // Its body holds "os" but not "osseu": nothing turns red.
        QVERIFY(kp.sheet.body->text().contains(u"os"));
        QVERIFY(redRuns(kp.sheet.body).isEmpty());
        QCOMPARE(QApplication::focusWidget(), kp.words);

        QVERIFY(pick(kp.remedies, u"CALCAREA FLUORICA"_s));
        QCOMPARE(kp.sheet.nameLabel->caption(), u" CALCAREA FLUORICA "_s);
        QVERIFY(kp.sheet.settle());
        const QList<Run> red = redRuns(kp.sheet.body);
        QCOMPARE(red.size(), 1);
        QCOMPARE(red[0].text.toLower(), u"osseu"_s);
        QVERIFY(occurrences(kp.sheet.body->text(), u"os"_s, 1).size() > 1);
        QCOMPARE(QApplication::focusWidget(), kp.words);
        QVERIFY(openings.isEmpty());
    }

    void colouringIgnoresWordsAndCase()
    {
        clickLetter(u'C');
        QVERIFY(pick(kp.words, u"cou"_s));
        QCOMPARE(
            kp.remedies->entries(),
            (QStringList{u"LACHESIS MUTUS"_s, u"LACHNANTHES TINCTORIA"_s, u"NATRUM MURIATICUM"_s}));
        QVERIFY(kp.sheet.settle());
        QVERIFY(pick(kp.remedies, u"NATRUM MURIATICUM"_s));
        QVERIFY(kp.sheet.settle());
        const QString text = kp.sheet.body->text();
        const QList<Run> red = redRuns(kp.sheet.body);
        QList<int> at;
        for (const Run& r : red) {
            QCOMPARE(r.text.toLower(), u"cou"_s);
            at << r.offset;
        }
        QCOMPARE(at, occurrences(text, u"cou"_s, 1));
        QCOMPARE(red.size(), 3);
        // "coups" and "écoulement" too.
        QVERIFY(std::any_of(red.begin(), red.end(),
                            [&](const Run& r) { return text.at(r.offset + 3).isLetter(); }));

        clickLetter(u'B');
        QVERIFY(pick(kp.words, u"bronchite"_s));
        QVERIFY(kp.sheet.settle());
        const QList<Run> bronchite = redRuns(kp.sheet.body);
        QVERIFY(std::any_of(bronchite.begin(), bronchite.end(),
                            [](const Run& r) { return r.text == u"Bronchite"; }));
        QCOMPARE(bronchite.size(), occurrences(kp.sheet.body->text(), u"bronchite"_s, 1).size());
    }

    void oneRemedyGivesTheSingularLine()
    {
        clickLetter(u'A');
        QVERIFY(pick(kp.words, u"apnée"_s));
        QCOMPARE(kp.countLine->caption(), u"1 remède trouvé\r\npour:"_s);
        QCOMPARE(kp.remedies->entries(), QStringList{u"GRINDELIA ROBUSTA"_s});
        QVERIFY(kp.sheet.settle());
    }

    void warningWindowOnlyAfterARemedyClick()
    {
        WarningState& state = w->warnings();
        clickLetter(u'N');
        QVERIFY(pick(kp.words, u"nerf"_s));
        QCOMPARE(kp.remedies->entries(), namesOf(browse::remediesWithWord(w->table(), u"nerf"_s)));
        const int aconite = remedy(u"ACONITUM NAPELLUS"_s);
        QCOMPARE(kp.sheet.nameLabel->caption(), u" ACONITUM NAPELLUS "_s);
        QCOMPARE(kp.sheet.warning->caption(), w->table().listWarning[aconite]);
        QVERIFY(!state.pendingWordPages);
        QVERIFY(kp.sheet.settle());
        QVERIFY(openings.isEmpty());

        QVERIFY(pick(kp.remedies, u"ACONITUM NAPELLUS"_s));
        QCOMPARE(kp.sheet.warning->caption(), w->table().listWarning[aconite]);
        QCOMPARE(state.warningText, w->table().extraWarning[aconite]);
        QVERIFY(state.pendingWordPages);
        QVERIFY(openings.isEmpty()); // not before the deferred step
        QVERIFY(kp.sheet.settle());
        QCOMPARE(openings, QStringList{w->table().extraWarning[aconite]});
        QVERIFY(openings[0].startsWith(u"ATTENTION! L'aconit est l'un des poisons"));
        QVERIFY(!state.pendingWordPages);
        QCOMPARE(QApplication::focusWidget(), kp.words);

        QVERIFY(pick(kp.remedies, u"ACTAEA RACEMOSA"_s));
        QVERIFY(kp.sheet.warning->caption().isEmpty());
        QVERIFY(kp.sheet.settle());
        QCOMPARE(openings.size(), 1);

        const int agaricus = remedy(u"AGARICUS MUSCARIUS"_s);
        QVERIFY(pick(kp.remedies, u"AGARICUS MUSCARIUS"_s));
        QVERIFY(kp.sheet.settle());
        QCOMPARE(openings.size(), 2);
        QCOMPARE(openings[1], w->table().extraWarning[agaricus]);
    }

    void letterClickKeepsTheSheetLabelsButNotTheBody()
    {
        clickLetter(u'N');
        QVERIFY(pick(kp.words, u"nerf"_s));
        QVERIFY(kp.sheet.settle());
        QVERIFY(pick(kp.remedies, u"AGARICUS MUSCARIUS"_s));
        QVERIFY(kp.sheet.settle());
        const testsupport::Sheet& s = kp.sheet;
        const QStringList before = {s.nameLabel->caption(), s.rating->caption(),
                                    s.dilution->caption(), s.listClass->caption(),
                                    s.warning->caption()};
        QVERIFY(!s.warning->caption().isEmpty());
        clickLetter(u'M');
        QCOMPARE((QStringList{s.nameLabel->caption(), s.rating->caption(), s.dilution->caption(),
                              s.listClass->caption(), s.warning->caption()}),
                 before);
        QVERIFY(s.body->text().isEmpty());
        QCOMPARE(kp.remedies->count(), 0);
        QVERIFY(kp.countLine->caption().isEmpty());
        QVERIFY(kp.chosenWord->caption().isEmpty());
    }

    void leavingThePageKeepsEverything()
    {
        clickLetter(u'C');
        QVERIFY(pick(kp.words, u"cou"_s));
        QVERIFY(kp.sheet.settle());
        QVERIFY(pick(kp.remedies, u"NATRUM MURIATICUM"_s));
        QVERIFY(kp.sheet.settle());
        auto snapshot = [&] {
            QStringList s = {kp.words->entries().join(u'|'),    kp.words->selectedEntry(),
                             kp.remedies->entries().join(u'|'), kp.remedies->selectedEntry(),
                             kp.countLine->caption(),           kp.chosenWord->caption(),
                             kp.sheet.nameLabel->caption(),     kp.sheet.body->text()};
            for (const Run& r : redRuns(kp.sheet.body))
                s << QString::number(r.offset) + r.text;
            return s;
        };
        const QStringList before = snapshot();
        QVERIFY(app.choosePage(0));
        QVERIFY(app.choosePage(2));
        QVERIFY(app.choosePage(1));
        QCOMPARE(snapshot(), before);
        QVERIFY(kp.letters[2]->font().underline());
        QCOMPARE(QApplication::focusWidget(), kp.words);
    }

    void specialtiesListTheirRemedies()
    {
        QVERIFY(app.choosePage(2));
        QVERIFY(pick(sp.specialties, u"Système nerveux"_s));
        QCOMPARE(sp.remedies->entries(),
                 namesOf(browse::remediesInSpecialty(w->table(), u"Système nerveux"_s)));
        QCOMPARE(sp.remedies->selectedIndex(), -1);
        QCOMPARE(sp.countLine->caption(),
                 u"%1 remèdes trouvés\r\ndans la spécialité:"_s.arg(sp.remedies->count()));
        QCOMPARE(sp.chosen->caption(), u"Système nerveux"_s);
        const int aconite = remedy(u"ACONITUM NAPELLUS"_s);
        QCOMPARE(sp.sheet.nameLabel->caption(), u" ACONITUM NAPELLUS "_s);
        QCOMPARE(sp.sheet.warning->caption(), w->table().listWarning[aconite]);
        QCOMPARE(sp.sheet.body->text(), formatIndications(w->table().indications[aconite]).text);
        QVERIFY(sp.sheet.timer->isActive());
        QVERIFY(sp.sheet.settle());
        QCOMPARE(QApplication::focusWidget(), sp.specialties);
        QVERIFY(redRuns(sp.sheet.body).isEmpty());
        QVERIFY(openings.isEmpty());

        QVERIFY(pick(sp.specialties, u"ORL"_s));
        QCOMPARE(sp.remedies->entries(),
                 namesOf(browse::remediesInSpecialty(w->table(), u"ORL"_s)));
        QVERIFY(sp.sheet.warning->caption().isEmpty()); // AGRAPHIS NUTANS is not listed
        QVERIFY(sp.sheet.settle());

        QVERIFY(pick(sp.specialties, u"Addictologie"_s));
        QCOMPARE(sp.countLine->caption(), u"1 remède trouvé\r\ndans la spécialité:"_s);
        QCOMPARE(sp.remedies->entries(), QStringList{u"TABACUM"_s});
        QVERIFY(sp.sheet.settle());
        QVERIFY(openings.isEmpty());

        // A remedy click on a listed remedy raises the window, after the step.
        WarningState& state = w->warnings();
        const int tabacum = remedy(u"TABACUM"_s);
        QVERIFY(pick(sp.remedies, u"TABACUM"_s));
        QVERIFY(state.pendingSpecialtyPage);
        QVERIFY(!state.pendingWordPages);
        QVERIFY(openings.isEmpty());
        QVERIFY(sp.sheet.settle());
        QCOMPARE(openings, QStringList{w->table().extraWarning[tabacum]});
        QVERIFY(!state.pendingSpecialtyPage);
        QCOMPARE(QApplication::focusWidget(), sp.specialties);
    }

    void aListedRemedyOnSpecialtiesLeavesNoWindowDueOnWords()
    {
        QVERIFY(app.choosePage(2));
        QVERIFY(pick(sp.specialties, u"Système nerveux"_s));
        QVERIFY(sp.sheet.settle());
        QVERIFY(pick(sp.remedies, u"AGARICUS MUSCARIUS"_s));
        QCOMPARE(sp.sheet.warning->caption(),
                 w->table().listWarning[remedy(u"AGARICUS MUSCARIUS"_s)]);
        QVERIFY(sp.sheet.settle());
        QCOMPARE(openings.size(), 1);

        QVERIFY(app.choosePage(1));
        clickLetter(u'N');
        QVERIFY(pick(kp.words, u"nerf"_s));
        QVERIFY(kp.sheet.settle());
        QVERIFY(pick(kp.remedies, u"ACTAEA RACEMOSA"_s));
        QVERIFY(kp.sheet.settle());
        QCOMPARE(openings.size(), 1);
    }

    // Last: silencing lasts for the rest of the run.
    void silencedWarningsStillShowTheirLabels()
    {
        WarningWindow::setInterceptor([this](WarningWindow& window) {
            openings << testsupport::named<ui::Label>(&window, u"LblMsg"_s)->caption();
            testsupport::named<QCheckBox>(&window, u"ChkMsg"_s)->click();
        });
        clickLetter(u'N');
        QVERIFY(pick(kp.words, u"nerf"_s));
        QVERIFY(kp.sheet.settle());
        QVERIFY(pick(kp.remedies, u"BELLADONNA"_s));
        QVERIFY(kp.sheet.settle());
        QCOMPARE(openings.size(), 1);
        QVERIFY(w->warnings().silenced);

        QVERIFY(pick(kp.remedies, u"ACONITUM NAPELLUS"_s));
        QVERIFY(!kp.sheet.warning->caption().isEmpty());
        QVERIFY(kp.sheet.settle());
        QVERIFY(app.choosePage(2));
        QVERIFY(pick(sp.specialties, u"Addictologie"_s));
        QVERIFY(sp.sheet.settle());
        QVERIFY(pick(sp.remedies, u"TABACUM"_s));
        QVERIFY(!sp.sheet.warning->caption().isEmpty());
        QVERIFY(sp.sheet.settle());
        QCOMPARE(openings.size(), 1);
        QVERIFY(!w->warnings().pendingSpecialtyPage && !w->warnings().pendingWordPages);
    }

    // Cases the shipped data does not hold: a body with many occurrences, a
    // word inside a heading, a word and a specialty that no remedy carries.
    void madeUpTable()
    {
        auto table = std::make_unique<refdata::RemedyTable>();
        table->count = 2;
        QString body = u"toux: Pédiatrie: la toux"_s;
        for (int k = 0; k < 12; ++k)
            body += u", Toux"_s;
        const QStringList fields[] = {{u"ALPHA"_s,
                                       {},
                                       {},
                                       u"Pédiatrie."_s,
                                       body,
                                       u" toux pédiatrie "_s,
                                       u"+"_s,
                                       u"5 CH"_s,
                                       u"."_s,
                                       {},
                                       {}},
                                      {u"BETA"_s,
                                       {},
                                       {},
                                       u"Autres."_s,
                                       u"Autres: rien."_s,
                                       u" beta "_s,
                                       u"++"_s,
                                       u"TM"_s,
                                       u"."_s,
                                       {},
                                       {}}};
        for (int i = 0; i < 2; ++i) {
            refdata::RemedyTable::Column* columns[] = {
                &table->latinName,   &table->frenchName,  &table->origin,      &table->branches,
                &table->indications, &table->keywords,    &table->rating,      &table->dilution,
                &table->listClass,   &table->listWarning, &table->extraWarning};
            for (int c = 0; c < 11; ++c)
                (*columns[c])[i] = fields[i][c];
        }
        const refdata::KeywordList words = {u"pédiatrie"_s, u"toux"_s, u"zéro"_s,
                                            QString(3, QChar(0))};
        WarningState state;
        QWidget container;
        container.resize(940, 660);
        auto* foc = new QLineEdit(&container);
        const PageContext context{table.get(), &words, &state, foc, nullptr, {}};
        // Each page belongs to its container.
        new browse::SymptomsPage(context, &container);
        KeywordControls page;
        QVERIFY(page.find(&container));
        page.words->addEntries(words.mid(0, 3));
        QWidget other;
        other.resize(940, 660);
        new browse::SpecialtyPage(context, &other);
        SpecialtyControls specialties;
        QVERIFY(specialties.find(&other));
        container.show();
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        QVERIFY(QTest::qWaitForWindowExposed(&other));

        // Thirteen "toux" after the first character: only the first ten turn red.
        QVERIFY(pick(page.words, u"toux"_s));
        QVERIFY(page.sheet.settle());
        const QString text = page.sheet.body->text();
        const QList<Run> red = redRuns(page.sheet.body);
        QCOMPARE(occurrences(text, u"toux"_s, 1).size(), 13);
        QCOMPARE(red.size(), 10);
        QCOMPARE(red.front().offset, occurrences(text, u"toux"_s, 1).front());
        QVERIFY(text.startsWith(u"toux"));
        QCOMPARE(red.back().offset, occurrences(text, u"toux"_s, 1).at(9));

        // Red on a heading keeps its emphasis.
        QVERIFY(pick(page.words, u"pédiatrie"_s));
        QVERIFY(page.sheet.settle());
        const QList<Run> heading = redRuns(page.sheet.body);
        QCOMPARE(heading.size(), 1);
        QCOMPARE(heading[0].text, u"Pédiatrie"_s);
        QVERIFY(heading[0].bold);

        // No remedy: "0" with the plural, the sheet as it was.
        QVERIFY(pick(page.words, u"zéro"_s));
        QCOMPARE(page.countLine->caption(), u"0 remèdes trouvés\r\npour:"_s);
        QCOMPARE(page.remedies->count(), 0);
        QCOMPARE(page.sheet.nameLabel->caption(), u" ALPHA "_s);
        QVERIFY(page.sheet.warning->caption().isEmpty());
        QVERIFY(page.sheet.settle());
        QVERIFY(redRuns(page.sheet.body).isEmpty());

        QVERIFY(pick(specialties.specialties, u"Urologie"_s));
        QCOMPARE(specialties.countLine->caption(), u"0 remèdes trouvés\r\ndans la spécialité:"_s);
        QVERIFY(specialties.sheet.nameLabel->caption().isEmpty());
        QVERIFY(specialties.sheet.settle());
        QVERIFY(pick(specialties.specialties, u"Pédiatrie"_s));
        QCOMPARE(specialties.remedies->entries(), QStringList{u"ALPHA"_s});
        QVERIFY(specialties.sheet.settle());
        QVERIFY(openings.isEmpty());
    }
};

QTEST_MAIN(TestBrowsePages)
#include "tst_browsepages.moc"
