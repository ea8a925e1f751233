// The main window: its start, the page selectors, the About page and the
// window's buttons, driven through the real widgets.
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

using namespace mainwin;
using testsupport::click;

namespace {

using testsupport::colours::Grey;
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Pink(0xFF, 0xC0, 0xFF);

} // namespace

// Receives what the desktop would be asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

    testsupport::MainWindowFixture app;
    MainWindow* w = nullptr;

    template <class T = QWidget> T* control(const char* name) const
    {
        return app.control<T>(QString::fromLatin1(name));
    }
    ui::Label* label(const char* name) const { return control<ui::Label>(name); }
    void choose(int k) { click(app.selector(k)); }

private slots:
    void initTestCase()
    {
        QVERIFY(app.start());
        w = app.window();
    }

    void startsOnRemedyZeroAsPlainText()
    {
        QCOMPARE(w->objectName(), u"FrmHomeo"_s);
        QCOMPARE(w->windowTitle(), u"Vitralis"_s);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        auto* names = control<ui::ListBox>("LstNom");
        // Every name and every word but the piece after the last line break.
        QCOMPARE(names->count(), w->table().count);
        QCOMPARE(names->entries().last(), w->table().latinName[w->table().count - 1]);
        QCOMPARE(control<ui::ListBox>("LstMC")->count(), w->keywords().size() - 1);
        QCOMPARE(names->selectedIndex(), -1);
        const testsupport::Sheet sheet = testsupport::sheetOf(w, 0);
        QVERIFY(sheet.found(0));
        QCOMPARE(sheet.nameLabel->caption(), u" ABIES CANADENSIS "_s);
        QCOMPARE(sheet.frenchName->caption(), u"Sapin du canada"_s);
        QCOMPARE(sheet.rating->caption(), u"."_s);
        QCOMPARE(sheet.dilution->caption(), u"TM"_s);
        QCOMPARE(sheet.body->text(), w->table().indications[0]);
        QVERIFY(!sheet.body->toHtml().contains(u"font-weight:700"));
        QVERIFY(!sheet.timer->isActive());
        QCOMPARE(QApplication::focusWidget(), names);
        QVERIFY(app.page(0)->isVisible() && app.page(0)->isEnabled());
        for (int k = 1; k < MainWindow::PageCount; ++k)
            QVERIFY(!app.page(k)->isVisible() && !app.page(k)->isEnabled());
        // The reduced sheets start empty, with their marks at ".".
        const testsupport::Sheet reduced = testsupport::sheetOf(w, 1);
        QVERIFY(reduced.found(1));
        QVERIFY(reduced.nameLabel->caption().isEmpty());
        QCOMPARE(reduced.listClass->caption(), u"."_s);
        // The count lines start empty.
        for (const char* name : {"LblResult1", "LblResult2", "LblResult11", "LblResult12",
                                 "LblResult21", "LblResult22"})
            QVERIFY2(label(name)->caption().isEmpty(), name);
    }

    void selectorsSwitchPagesAndFocus()
    {
        QWidget* const focusOf[] = {control("LstNom"), control("LstMC"), control("LstBranche"),
                                    control("T1")};
        for (int k : {1, 2, 3, 0, 0, 3}) {
            choose(k);
            QCOMPARE(w->currentPage(), k);
            for (int p = 0; p < MainWindow::PageCount; ++p) {
                QCOMPARE(app.page(p)->isVisible(), p == k);
                QCOMPARE(app.page(p)->isEnabled(), p == k);
                QCOMPARE(app.selector(p)->textColour(), p == k ? Yellow : Grey);
            }
            QCOMPARE(QApplication::focusWidget(), focusOf[k]);
        }
        choose(4);
        QCOMPARE(app.selector(4)->textColour(), Pink);
        // "A propos" gives the focus to nothing of its own.
        QVERIFY(!app.page(4)->isAncestorOf(QApplication::focusWidget()));
        choose(2);
        QCOMPARE(app.selector(4)->textColour(), Grey);
        QCOMPARE(app.selector(2)->textColour(), Yellow);
    }

    void pagesKeepTheirContents()
    {
        auto* word1 = control<QLineEdit>("T1");
        choose(3);
        QTest::keyClicks(word1, u"toux"_s);
        choose(0);
        choose(3);
        QCOMPARE(word1->text(), u"toux"_s);
        word1->clear();
    }

    void aboutPageTexts()
    {
        choose(4);
        QCOMPARE(label("LblTitre")->caption(), u"Vitralis "_s);
        QCOMPARE(label("LblVersion")->caption(), u"1.40"_s);
        QCOMPARE(label("LblVersion")->backgroundColour(), QColor(0xE0, 0xE0, 0xE0));
        const QStringList lines = label("Lb(1)")->caption().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 7);
        const int blanks[] = {19, 22, 22, 20, 0, 0, 0};
        for (int i = 0; i < 7; ++i) {
            const int lead = int(lines[i].size() - lines[i].trimmed().size());
            QCOMPARE(lead - (lines[i].endsWith(u' ') ? 1 : 0), blanks[i]);
        }
        QCOMPARE(
            lines[0].trimmed(),
            u"Créé par le docteur  Velmarin, l'homéopathie est considérée  comme une  médecine douce."_s);
        QCOMPARE(lines[6], u"son  médecin  qui  seul  est  habilité  à  mettre  en  oeuvre  un  "
                           u"traitement  adapté  "
                           u"à  votre  cas  personnel."_s);
        QCOMPARE(label("LblInventaire1")->caption(),
                 u" Inventaire alphabétique et description des "_s);
        QCOMPARE(label("LblInventaire2")->caption(),
                 u"       principaux remèdes homéopathiques."_s);
        QCOMPARE(label("Lbl377")->caption(), u"377"_s);
        QCOMPARE(label("LblAproposDu")->caption(), u"A propos du"_s);
        QVERIFY(label("LblDescription")
                    ->caption()
                    .startsWith(u"Le Vitralis est un logiciel d'information"));
        QCOMPARE(control<QPushButton>("CmdSite")->text(), u"Site internet"_s);
        QCOMPARE(label("LblEdition")->caption(),
                 u"Base de connaissances : 4e édition, décembre 2026"_s);
        // The licence document was read from the start folder.
        auto* licence = control<ui::RichTextBox>("Rtb1");
        QVERIFY(!licence->text().contains(u"introuvable"));
        QVERIFY(licence->document()->blockCount() > 3);
    }

    void aMissingLicenceLeavesANotice()
    {
        QTemporaryDir empty;
        MainWindow other(
            {empty.path() + u'/', u"1.40"_s, QString(), empty.filePath(u"kept"_s), false});
        other.load();
        auto* licence = testsupport::named<ui::RichTextBox>(&other, u"Rtb1"_s);
        QVERIFY(licence->text().contains(u"Licencebis.rtf"));
        QVERIFY(licence->text().contains(u"introuvable"));
    }

    void siteButtonOpensTheWebPage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(u"https"_s, &catcher, "open");
        choose(4);
        click(control("CmdSite"));
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(u"https://vitralis.example.org/"_s)});
        QCOMPARE(QApplication::focusWidget(), control("Foc"));
    }

    void theIndexButtonOpensTheGlossaryBesideTheWindow()
    {
        click(control("CmdIndex"));
        QWidget* glossary = w->findChild<QWidget*>(u"Frm31Index"_s);
        QVERIFY(glossary && glossary->isVisible() && !glossary->isModal());
        click(control("CmdIndex")); // a second request brings the same window forward
        QCOMPARE(w->findChildren<QWidget*>(u"Frm31Index"_s).size(), 1);
        choose(1); // the main window stays usable meanwhile
        QCOMPARE(w->currentPage(), 1);
        glossary->close();
        QTRY_VERIFY(w->findChildren<QWidget*>(u"Frm31Index"_s).isEmpty());
    }

    void everyControlHasANameToBeRead()
    {
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(c) ||
                                 qobject_cast<QAbstractItemView*>(c) ||
                                 qobject_cast<QLineEdit*>(c) || qobject_cast<QTextEdit*>(c);
            if (!control)
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(c->objectName()));
        }
    }

    void everyControlHasItsOwnName()
    {
        QCOMPARE(testsupport::unnamedOrSharedNames(w), QStringList());
    }

    void quitClosesEveryWindow()
    {
        click(control("CmdQuitter"));
        QTRY_VERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
