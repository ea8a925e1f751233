// The main window: its start, the page selectors, the About page and the
// window's buttons, driven through the real widgets.
#include "browse/keywordpage.h"
#include "mainwin/mainwindow.h"
#include "mainwin/shellcore.h"
#include "ui/fonts.h"
#include "wordsearch/wordsearchpage.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

using namespace mainwin;

namespace {

const QColor Grey(0xC0, 0xC0, 0xC0);
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

    QTemporaryDir folder;
    std::unique_ptr<MainWindow> w;

    ProgramValues values() const
    {
        return {folder.path() + u'/', u"1.40"_s, u"https://vitralis.example.org/"_s};
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        ui::installFonts();
        QFile::copy(QStringLiteral(VITRALIS_DATA_DIR "/../documents/Licencebis.rtf"),
                    folder.filePath(u"Licencebis.rtf"_s));
        w = std::make_unique<MainWindow>(values());
        w->load();
        QVERIFY(!w->isVisible()); // shown by the start-up step, 200 ms later
        QTRY_VERIFY(w->isVisible());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    void startsOnRemedyZeroAsPlainText()
    {
        QCOMPARE(w->objectName(), u"FrmHomeo"_s);
        QCOMPARE(w->windowTitle(), u"Vitralis"_s);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->remedyNames->count(), 378);
        QCOMPARE(w->keywordPage->words->count(), 936);
        QCOMPARE(w->remedyNames->selectedIndex(), -1);
        QCOMPARE(w->sheet->nameLabel->caption(), u" ABIES CANADENSIS "_s);
        QCOMPARE(w->sheet->frenchName->caption(), u"Sapin du canada"_s);
        QCOMPARE(w->sheet->rating->caption(), u"."_s);
        QCOMPARE(w->sheet->dilution->caption(), u"TM"_s);
        QCOMPARE(w->sheet->body->text(), w->table().indications[0]);
        QVERIFY(!w->sheet->body->toHtml().contains(u"font-weight:700"));
        QCOMPARE(QApplication::focusWidget(), w->remedyNames);
        QVERIFY(w->pages[0]->isVisible() && w->pages[0]->isEnabled());
        for (int k = 1; k < MainWindow::PageCount; ++k)
            QVERIFY(!w->pages[k]->isVisible() && !w->pages[k]->isEnabled());
        // The reduced sheets start empty, with their marks at ".".
        QVERIFY(w->keywordPage->sheet->nameLabel->caption().isEmpty());
        QCOMPARE(w->keywordPage->sheet->listClass->caption(), u"."_s);
    }

    void selectorsSwitchPagesAndFocus()
    {
        QWidget* const focusOf[] = {w->remedyNames, w->keywordPage->words, nullptr,
                                    w->wordSearchPage->word1};
        for (int k : {1, 2, 3, 0, 0, 3}) {
            click(w->selectors[k]);
            QCOMPARE(w->currentPage(), k);
            for (int p = 0; p < MainWindow::PageCount; ++p) {
                QCOMPARE(w->pages[p]->isVisible(), p == k);
                QCOMPARE(w->pages[p]->isEnabled(), p == k);
                QCOMPARE(w->selectors[p]->textColor(), p == k ? Yellow : Grey);
            }
            if (focusOf[k])
                QCOMPARE(QApplication::focusWidget(), focusOf[k]);
        }
        click(w->selectors[4]);
        QCOMPARE(w->selectors[4]->textColor(), Pink);
        // "A propos" gives the focus to nothing of its own.
        QVERIFY(!w->pages[4]->isAncestorOf(QApplication::focusWidget()));
        click(w->selectors[2]);
        QCOMPARE(w->selectors[4]->textColor(), Grey);
        QCOMPARE(w->selectors[2]->textColor(), Yellow);
    }

    void pagesKeepTheirContents()
    {
        click(w->selectors[3]);
        QTest::keyClicks(w->wordSearchPage->word1, u"toux"_s);
        click(w->selectors[0]);
        click(w->selectors[3]);
        QCOMPARE(w->wordSearchPage->word1->text(), u"toux"_s);
        w->wordSearchPage->word1->clear();
    }

    void aboutPageTexts()
    {
        click(w->selectors[4]);
        QCOMPARE(w->about->title->caption(), u"Vitralis "_s);
        QCOMPARE(w->about->version->caption(), u"1.40"_s);
        QCOMPARE(w->about->version->backgroundColor(), QColor(0xE0, 0xE0, 0xE0));
        const QStringList lines = w->about->disclaimer->caption().split(u"\r\n"_s);
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
        auto caption = [&](const char* name) {
            return w->pages[4]->findChild<ui::Label*>(QString::fromLatin1(name))->caption();
        };
        QCOMPARE(caption("LblInventaire1"), u" Inventaire alphabétique et description des "_s);
        QCOMPARE(caption("LblInventaire2"), u"       principaux remèdes homéopathiques."_s);
        QCOMPARE(caption("Lbl377"), u"377"_s);
        QCOMPARE(caption("LblAproposDu"), u"A propos du"_s);
        QVERIFY(caption("LblDescription").startsWith(u"Le Vitralis est un logiciel d'information"));
        QCOMPARE(w->about->site->text(), u"Site internet"_s);
        // The licence document was read from the start folder.
        QVERIFY(!w->about->licence->text().contains(u"introuvable"));
        QVERIFY(w->about->licence->document()->blockCount() > 3);
    }

    void aMissingLicenceLeavesANotice()
    {
        QTemporaryDir empty;
        MainWindow other({empty.path() + u'/', u"1.40"_s, QString()});
        other.load();
        QVERIFY(other.about->licence->text().contains(u"Licencebis.rtf"));
        QVERIFY(other.about->licence->text().contains(u"introuvable"));
    }

    void siteButtonOpensTheWebPage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(u"https"_s, &catcher, "open");
        click(w->selectors[4]);
        click(w->about->site);
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(u"https://vitralis.example.org/"_s)});
        QCOMPARE(QApplication::focusWidget(), w->foc);
    }

    void placementIsCentredAQuarterDown()
    {
        const QPointF at = windowPlacement(QSizeF(1024 * 15, 768 * 15));
        QCOMPARE(at.x(), 660.0);
        QCOMPARE(at.y(), 131.25);
        QCOMPARE(WindowHeightTwips, 10995.0);
        QCOMPARE(countLine(1, u"pour:"_s), u"1 remède trouvé\r\npour:"_s);
        QCOMPARE(countLine(0, u"pour:"_s), u"0 remèdes trouvés\r\npour:"_s);
    }

    void theIndexButtonOpensTheGlossaryBesideTheWindow()
    {
        click(w->indexButton);
        QWidget* glossary = w->findChild<QWidget*>(u"Frm31Index"_s);
        QVERIFY(glossary && glossary->isVisible() && !glossary->isModal());
        click(w->indexButton); // a second request brings the same window forward
        QCOMPARE(w->findChildren<QWidget*>(u"Frm31Index"_s).size(), 1);
        click(w->selectors[1]); // the main window stays usable meanwhile
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

    void quitClosesEveryWindow()
    {
        click(w->quitButton);
        QTRY_VERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
