// The page "Mots-clés" in a whole main window: typing into the word fields,
// picking suggestions, searching, picking a remedy found, and what the page
// does ten milliseconds later.
#include "keywordsearch/keywordsearchcore.h"
#include "keywordsearch/keywordsearchpage.h"
#include "mainwindowfixture.h"
#include "sheet/warningwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace mainwin;
using namespace sheet;
using testsupport::click;
using testsupport::formatAt;
using testsupport::occurrences;
using testsupport::pick;

namespace {

using namespace testsupport::colours;

const QString AconiteWarning =
    u"ATTENTION! L'aconit est l'un des poisons les plus violents et les plus puissants que l'on "
    u"connaisse. N'utiliser que sous contrôle médical."_s;

// Where red stretches begin in the body, as offsets into its text.
QList<int> redStarts(const ui::RichTextBox& body)
{
    QList<int> out;
    for (const testsupport::RedRun& r : testsupport::redRuns(&body))
        out << r.offset;
    return out;
}

} // namespace

// The controls of the page "Mots-clés", found by their names.
struct Controls
{
    QLineEdit* word1 = nullptr;
    QLineEdit* word2 = nullptr;
    ui::ListBox* suggestions1 = nullptr;
    ui::ListBox* suggestions2 = nullptr;
    QPushButton* search = nullptr;
    ui::ListBox* remedies = nullptr;
    ui::Label* countLine = nullptr;
    ui::Label* searchedWords = nullptr;
    testsupport::Sheet sheet;

    bool find(const QWidget* root)
    {
        using testsupport::named;
        word1 = named<QLineEdit>(root, u"T1"_s);
        word2 = named<QLineEdit>(root, u"T2"_s);
        suggestions1 = named<ui::ListBox>(root, u"Lst1"_s);
        suggestions2 = named<ui::ListBox>(root, u"Lst2"_s);
        search = named<QPushButton>(root, u"CmdRechercher"_s);
        remedies = named<ui::ListBox>(root, u"LstRecher"_s);
        countLine = named<ui::Label>(root, u"LblResult21"_s);
        searchedWords = named<ui::Label>(root, u"LblResult22"_s);
        sheet = testsupport::sheetOf(root, 3);
        return word1 && word2 && suggestions1 && suggestions2 && search && remedies && countLine &&
               searchedWords && sheet.found(3);
    }
};

class TestKeywordSearchPage : public QObject
{
    Q_OBJECT

    testsupport::MainWindowFixture app;
    MainWindow* w = nullptr;
    const keywordsearch::KeywordSearchPage* wordPage = nullptr;
    Controls page;
    QStringList openings; // what each warning window showed

    // Clicks into a word field, selects all it holds and types over it.
    void type(QLineEdit* field, const QString& text)
    {
        click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        for (QChar c : text) {
            // Letters beyond ASCII come as text, as an input method gives them.
            if (c.unicode() < 0x80)
                QTest::keyClick(field, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
        }
    }
    void search(const QString& w1, const QString& w2)
    {
        type(page.word1, w1);
        type(page.word2, w2);
        QVERIFY(page.search->isEnabled());
        click(page.search);
        QVERIFY(page.sheet.timer->isActive());
    }
    QWidget* focused() const { return QApplication::focusWidget(); }

private slots:
    void initTestCase()
    {
        WarningWindow::setInterceptor([this](WarningWindow& window) {
            openings << testsupport::named<ui::Label>(&window, u"LblMsg"_s)->caption();
        });
        QVERIFY(app.start());
        w = app.window();
        wordPage = w->findChild<keywordsearch::KeywordSearchPage*>();
        QVERIFY(wordPage);
        QVERIFY(page.find(w));
        QVERIFY(app.choosePage(3));
    }

    void init() { openings.clear(); }

    void typingRebuildsTheSuggestionsAndTheButton()
    {
        QCOMPARE(focused(), page.word1); // the page was entered
        QVERIFY(page.suggestions1->isVisible() && !page.suggestions2->isVisible());
        QVERIFY(!page.search->isEnabled());

        const QStringList fa = keywordsearch::suggestions(w->keywords(), u"fa"_s);
        QVERIFY(!fa.isEmpty());
        type(page.word1, u"fa"_s);
        QCOMPARE(page.suggestions1->entries(), fa);
        QCOMPARE(focused(), page.word1);
        QVERIFY(!page.search->isEnabled()); // the second word is still empty
        // Capitals, accented ones too, are lowered for the suggestions only.
        type(page.word1, u"FA"_s);
        QCOMPARE(page.word1->text(), u"FA"_s);
        QCOMPARE(page.suggestions1->entries(), fa);
        type(page.word1, u"É"_s);
        QCOMPARE(wordPage->shadow(0), u"é"_s);
        QCOMPARE(page.suggestions1->entries(), keywordsearch::suggestions(w->keywords(), u"é"_s));

        type(page.word2, u"froid"_s);
        QVERIFY(page.search->isEnabled());
        type(page.word1, QString());
        QVERIFY(!page.search->isEnabled());
        QCOMPARE(page.suggestions1->count(), 0);
        QVERIFY(page.suggestions1->isVisible());
        // A blank is text, though no word begins with it.
        type(page.word1, u" "_s);
        QVERIFY(page.search->isEnabled());
        QCOMPARE(page.suggestions1->count(), 0);
    }

    void focusAndPicksShowTheFieldsOwnSuggestions()
    {
        type(page.word1, u"cou"_s);
        type(page.word2, u"fro"_s);
        const QStringList second = page.suggestions2->entries();
        QVERIFY(!page.suggestions1->isVisible());
        click(page.word1);
        QVERIFY(page.suggestions1->isVisible() && !page.suggestions2->isVisible());
        QCOMPARE(page.suggestions1->entries(), keywordsearch::suggestions(w->keywords(), u"cou"_s));
        click(page.word2);
        QVERIFY(!page.suggestions1->isVisible() && page.suggestions2->isVisible());
        QCOMPARE(page.suggestions2->entries(), second);

        // A pick is a word change: the list follows the picked word.
        click(page.word1);
        QVERIFY(pick(page.suggestions1, u"coup"_s));
        QCOMPARE(page.word1->text(), u"coup"_s);
        QCOMPARE(page.suggestions1->entries(),
                 QStringList({u"coup"_s, u"couperose"_s, u"coupure"_s}));
        QCOMPARE(page.suggestions1->selectedIndex(), -1);
        QCOMPARE(focused(), page.word1);
        // From the keyboard too.
        click(page.word2);
        click(page.suggestions2);
        QTest::keyClick(page.suggestions2, Qt::Key_Down);
        QCOMPARE(page.word2->text(), u"froid"_s);
        QCOMPARE(page.suggestions2->entries(), QStringList{u"froid"_s});
        QCOMPARE(focused(), page.word2);

        // A text set by the program is a word change, focus included.
        click(page.word1);
        page.word2->setText(u"Fièvre"_s);
        QCOMPARE(page.suggestions2->entries(), QStringList{u"fièvre"_s});
        QVERIFY(!page.suggestions1->isVisible() && page.suggestions2->isVisible());
        QCOMPARE(focused(), page.word2);
    }

    void searchListsTheRemediesWithBothWords()
    {
        search(u"toux"_s, u"fièvre"_s);
        const QStringList found = page.remedies->entries();
        QCOMPARE(found,
                 w->table().names(
                     keywordsearch::searchTwoWords(w->table(), u"toux"_s, u"fièvre"_s).found));
        QCOMPARE(found.first(), u"DROSERA ROTUNDIFOLIA"_s);
        QCOMPARE(page.remedies->selectedIndex(), -1);
        QCOMPARE(page.countLine->caption(), u"%1 remèdes trouvés\r\npour"_s.arg(found.size()));
        QCOMPARE(page.searchedWords->caption(), u"toux et\r\nfièvre"_s);
        // The first remedy under its bare name, its body laid out, no warning.
        const int drosera = w->table().indexOf(u"DROSERA ROTUNDIFOLIA");
        QCOMPARE(page.sheet.nameLabel->caption(), u"DROSERA ROTUNDIFOLIA"_s);
        QCOMPARE(page.sheet.rating->caption(), w->table().rating[drosera]);
        QCOMPARE(page.sheet.dilution->caption(), w->table().dilution[drosera]);
        QCOMPARE(page.sheet.listClass->caption(), w->table().listClass[drosera]);
        QVERIFY(page.sheet.warning->caption().isEmpty());
        const QString body = page.sheet.body->text();
        QVERIFY(body.startsWith(u"Pneumologie:"_s));
        QVERIFY(body.contains(u"\r\n\r\nORL:"_s));
        QVERIFY(redStarts(*page.sheet.body).isEmpty()); // not before the deferred step

        QVERIFY(page.sheet.settle());
        QCOMPARE(focused(), page.remedies);
        QVERIFY(!page.search->isEnabled());
        QVERIFY(openings.isEmpty());
        // Five of the six "toux" turn red; "fièvre" lies before the fifth and
        // stays black, the second word carrying on from there.
        const QList<int> cough = occurrences(body, u"toux"_s);
        const QList<int> fever = occurrences(body, u"fièvre"_s);
        QCOMPARE(cough.size(), 6);
        QCOMPARE(fever.size(), 1);
        QVERIFY(fever.first() < cough[4]);
        QCOMPARE(redStarts(*page.sheet.body), cough.first(5));
        QCOMPARE(formatAt(page.sheet.body, fever.first()).foreground().color(), Black);
        QCOMPARE(formatAt(page.sheet.body, cough[5]).foreground().color(), Black);
        // The heading keeps its colour and emphasis.
        QCOMPARE(formatAt(page.sheet.body, 0).foreground().color(), HeadingRed);
        QCOMPARE(formatAt(page.sheet.body, 0).fontWeight(), int(QFont::Bold));
        QVERIFY(!page.sheet.body->textCursor().hasSelection());

        // Swapped, the same remedies; "fièvre" found once leaves the offset at
        // -1, so the five first "toux" are searched from the start.
        search(u"fièvre"_s, u"toux"_s);
        QCOMPARE(page.remedies->entries(), found);
        QCOMPARE(page.sheet.nameLabel->caption(), u"DROSERA ROTUNDIFOLIA"_s);
        QCOMPARE(page.searchedWords->caption(), u"fièvre et\r\ntoux"_s);
        QVERIFY(page.sheet.settle());
        QList<int> red = fever + cough.first(5);
        std::sort(red.begin(), red.end());
        QCOMPARE(redStarts(*page.sheet.body), red);
        QVERIFY(!page.search->isEnabled());
    }

    void pickingAFoundRemedyShowsItWithItsWarning()
    {
        search(u"angoisse"_s, u"peur"_s);
        QCOMPARE(page.remedies->entries().first(), u"ACONITUM NAPELLUS"_s);
        QCOMPARE(page.sheet.listClass->caption(), u"1"_s);
        QVERIFY(page.sheet.warning->caption().isEmpty());
        QVERIFY(page.sheet.settle());
        QVERIFY(openings.isEmpty());
        QVERIFY(!w->warnings().pendingWordPages);

        type(page.word2, u"peur"_s); // a word change enables the button again
        QVERIFY(page.search->isEnabled());
        QVERIFY(pick(page.remedies, u"ACONITUM NAPELLUS"_s));
        const int aconite = w->table().indexOf(u"ACONITUM NAPELLUS");
        QCOMPARE(page.sheet.nameLabel->caption(), u" ACONITUM NAPELLUS "_s);
        QCOMPARE(page.sheet.warning->caption(), w->table().listWarning[aconite]);
        QVERIFY(page.sheet.warning->caption().contains(u"liste I,"_s));
        QCOMPARE(w->warnings().warningText, AconiteWarning);
        QVERIFY(w->warnings().pendingWordPages);
        QVERIFY(openings.isEmpty()); // not before the deferred step
        QVERIFY(page.sheet.settle());
        QCOMPARE(openings, QStringList{AconiteWarning});
        QVERIFY(!w->warnings().pendingWordPages);
        QCOMPARE(focused(), page.remedies);
        QVERIFY(!page.search->isEnabled());
        // Both words in red, each twice in the aconite's text: the first runs
        // out, so the second is searched from the start.
        const QString body = page.sheet.body->text();
        const QList<int> anguish = occurrences(body, u"angoisse"_s);
        const QList<int> fear = occurrences(body, u"peur"_s);
        QCOMPARE(anguish.size(), 2);
        QCOMPARE(fear.size(), 2);
        QList<int> red = anguish + fear;
        std::sort(red.begin(), red.end());
        QCOMPARE(redStarts(*page.sheet.body), red);

        // Silenced, the label still warns but no window opens.
        w->warnings().silenced = true;
        QVERIFY(pick(page.remedies, u"ARSENICUM ALBUM"_s));
        QCOMPARE(page.sheet.nameLabel->caption(), u" ARSENICUM ALBUM "_s);
        QVERIFY(!page.sheet.warning->caption().isEmpty());
        QVERIFY(page.sheet.settle());
        QCOMPARE(openings.size(), 1);
        QVERIFY(!w->warnings().pendingWordPages);
        w->warnings().silenced = false;

        // A search that finds nothing leaves the last remedy's name and marks
        // above an empty body, without warning.
        search(u"Faim"_s, u"froid"_s);
        QCOMPARE(page.remedies->count(), 0);
        QCOMPARE(page.countLine->caption(), u"Aucun remède trouvé\r\npour"_s);
        QCOMPARE(page.sheet.nameLabel->caption(), u" ARSENICUM ALBUM "_s);
        QCOMPARE(page.sheet.listClass->caption(), u"1"_s);
        QCOMPARE(page.sheet.rating->caption(),
                 w->table().rating[w->table().indexOf(u"ARSENICUM ALBUM")]);
        QVERIFY(page.sheet.body->text().isEmpty());
        QVERIFY(page.sheet.warning->caption().isEmpty());
        QVERIFY(page.sheet.settle());
        QCOMPARE(openings.size(), 1);
    }

    void pickedNamesAreLookedUpWholeAndAStartIsNeverColoured()
    {
        search(u"nerf"_s, u"peau"_s);
        QCOMPARE(page.countLine->caption(),
                 u"%1 remèdes trouvés\r\npour"_s.arg(page.remedies->count()));
        QVERIFY(page.sheet.settle());
        // "SEPIA OFFICINALIS" holds the name "CINA", an earlier remedy.
        QVERIFY(pick(page.remedies, u"SEPIA OFFICINALIS"_s));
        QCOMPARE(page.sheet.nameLabel->caption(), u" SEPIA OFFICINALIS "_s);
        QVERIFY(page.sheet.body->text().contains(u"Masque de grossesse"_s));
        QVERIFY(page.sheet.settle());

        // The first word missing, the second is searched from offset 0, where
        // DROSERA's text begins with it: found there, but not coloured.
        search(u"toux"_s, u"fièvre"_s);
        QVERIFY(page.sheet.settle());
        type(page.word1, u"zzz"_s);
        type(page.word2, u"pneumologie"_s);
        QVERIFY(pick(page.remedies, u"DROSERA ROTUNDIFOLIA"_s));
        QVERIFY(page.sheet.settle());
        QVERIFY(redStarts(*page.sheet.body).isEmpty());
        QCOMPARE(formatAt(page.sheet.body, 0).foreground().color(), HeadingRed);
        QVERIFY(!page.search->isEnabled());
        QVERIFY(openings.isEmpty());
    }

    void cleanupTestCase() { WarningWindow::setInterceptor({}); }
};

QTEST_MAIN(TestKeywordSearchPage)
#include "tst_keywordsearchpage.moc"
