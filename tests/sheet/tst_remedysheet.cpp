// The remedy sheet of page 0 and the prescription warning: the paragraph layout
// of the indications, the warning label and the warning window.
#include "mainwindowfixture.h"
#include "sheet/indications.h"
#include "sheet/warningwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace mainwin;
using namespace sheet;
using testsupport::formatAt;

namespace {

const QString ListText1 =
    u"ATTENTION! Ce produit est classé en liste I, il présente un risque d'accident "
    u"thérapeutique. La prise de ce produit nécessite une surveillance médicale."_s;
const QString ListText3 =
    u"ATTENTION! Ce produit est un stupéfiant, il présente un risque d'accident "
    u"thérapeutique. La prise de ce produit nécessite une surveillance médicale."_s;

bool isHeading(const QTextCharFormat& f)
{
    return f.foreground().color() == HeadingColour && f.fontWeight() == QFont::Bold;
}

bool isBody(const QTextCharFormat& f)
{
    const QColor c =
        f.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : f.foreground().color();
    return c == QColor(Qt::black) && f.fontWeight() != QFont::Bold;
}

} // namespace

class TestRemedySheet : public QObject
{
    Q_OBJECT

    testsupport::MainWindowFixture app;
    MainWindow* w = nullptr;
    ui::ListBox* names = nullptr;
    testsupport::Sheet sheet;
    QStringList opened; // what the warning window showed, each time it opened

    static QString messageOf(const WarningWindow& window)
    {
        return testsupport::named<ui::Label>(&window, u"LblMsg"_s)->caption();
    }
    void pick(const QString& name)
    {
        QVERIFY(testsupport::pick(names, name));
        QCOMPARE(names->selectedIndex(), w->table().indexOf(name));
    }
    // Every character of the body is either a heading's, in the heading style, or plain.
    void checkStyles(const QStringList& headings)
    {
        const QString text = sheet.body->text();
        QList<bool> heading(text.size(), false);
        for (const QString& h : headings) {
            const qsizetype f = text.indexOf(h, 0, Qt::CaseInsensitive);
            QVERIFY2(f >= 0, qPrintable(h));
            for (qsizetype k = f; k < f + h.size(); ++k)
                heading[k] = true;
        }
        for (int k = 0; k < text.size(); ++k) {
            if (text[k] == u'\r' || text[k] == u'\n')
                continue;
            const QTextCharFormat f = formatAt(sheet.body, k);
            QVERIFY2(heading[k] ? isHeading(f) : isBody(f), qPrintable(text.mid(k, 20)));
        }
    }

private slots:
    void initTestCase()
    {
        WarningWindow::setInterceptor(
            [this](WarningWindow& window) { opened << messageOf(window); });
        QVERIFY(app.start());
        w = app.window();
        names = app.control<ui::ListBox>(u"LstNom"_s);
        sheet = testsupport::sheetOf(w, 0);
        QVERIFY(names && sheet.found(0));
    }
    void init() { opened.clear(); }

    void headingsOpenParagraphsOnce()
    {
        const FormattedText f = formatIndications(
            u"Pédiatrie: Enfant. Autres: Vers. autres: encore. Voir la nutrition: régime."_s);
        QCOMPARE(
            f.text,
            u"Pédiatrie: Enfant. \r\n\r\nAutres: Vers. autres: encore. Voir la \r\n\r\nnutrition: "
            u"régime."_s);
        // "Nutrition:" is emphasised before "Pédiatrie:", and "Autres:" last.
        QCOMPARE(f.ranges.size(), 3);
        QCOMPARE(f.ranges[0].start, int(f.text.indexOf(u"nutrition:")));
        QCOMPARE(f.ranges[1], (FormatRange{0, 10, HeadingColour, true}));
        QCOMPARE(f.ranges[2].start, int(f.text.indexOf(u"Autres:")));
        QCOMPARE(formatIndications(QString()).text, QString());
        QCOMPARE(headingList().size(), 42);
        QCOMPARE(emphasisOrder().size(), 42);
        QCOMPARE(QSet<QString>(emphasisOrder().begin(), emphasisOrder().end()).size(), 42);
    }

    void abrotanumIsLaidOutInThreeParagraphs()
    {
        pick(u"ABROTANUM"_s);
        QCOMPARE(sheet.nameLabel->caption(), u" ABROTANUM "_s);
        QCOMPARE(sheet.frenchName->caption(), u"Aurône mâle"_s);
        QCOMPARE(sheet.specialties->caption(), u"Pédiatrie. Rhumatologie. Autres."_s);
        QCOMPARE(sheet.body->text(), u"Pédiatrie: Problèmes d'assimilations déficientes chez "
                                     u"l'enfant. Troubles digestifs de "
                                     u"l'enfant, amaigrissement. \r\n\r\nRhumatologie: Goutte "
                                     u"et rhumatisme. \r\n\r\nAutres: "
                                     u"Engelures, vers intestinaux."_s);
        checkStyles({u"Pédiatrie:"_s, u"Rhumatologie:"_s, u"Autres:"_s});
    }

    // The French name and the origin are one line each: every record's value must fit
    // its label in the label's own font, or the sheet cuts it mid-word.
    void everyNameAndOriginFitsItsLine()
    {
        const refdata::RemedyTable& t = w->table();
        for (ui::Label* label : {sheet.frenchName, sheet.origin}) {
            QVERIFY(!label->wordWrap());
            QCOMPARE(QFontInfo(label->font()).family(), u"Tahoma"_s);
            const QFontMetrics metrics(label->font());
            const int room = label->contentsRect().width();
            const refdata::RemedyTable::Column& values =
                label == sheet.origin ? t.origin : t.frenchName;
            QStringList tooLong;
            for (int i = 0; i < t.count; ++i) {
                const int over = metrics.horizontalAdvance(values[i]) - room;
                if (over > 0)
                    tooLong
                        << u"%1 (%2 px over): %3"_s.arg(t.latinName[i]).arg(over).arg(values[i]);
            }
            QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong.join(u"; "_s)));
        }
    }

    void headingsAreFoundWhateverTheirCase()
    {
        pick(u"ZINGIBER OFFICINALE"_s);
        const QString zingiber = sheet.body->text();
        const int orl = int(zingiber.indexOf(u"ORL:"));
        QVERIFY(orl > 0);
        QCOMPARE(zingiber.mid(orl - 4, 4), u"\r\n\r\n"_s);
        QVERIFY(isHeading(formatAt(sheet.body, orl)));

        pick(u"TABACUM"_s);
        QVERIFY(sheet.body->text().startsWith(u"Addictologie:"));
        QVERIFY(isHeading(formatAt(sheet.body, 0)));
        // Nothing of the previous remedy's look is left.
        pick(u"ABIES CANADENSIS"_s);
        checkStyles({u"Gastro-entérologie:"_s});
    }

    void keyboardMovesShowRemediesToo()
    {
        pick(u"ABIES CANADENSIS"_s);
        QTest::keyClick(names, Qt::Key_Down);
        QCOMPARE(sheet.nameLabel->caption(), u" ABROTANUM "_s);
    }

    void listedRemediesWarn()
    {
        w->warnings().silenced = false;
        pick(u"ACONITUM NAPELLUS"_s);
        QVERIFY(opened.isEmpty()); // the window waits for the timer
        QTRY_COMPARE(opened.size(), 1);
        QCOMPARE(
            opened[0],
            u"ATTENTION! L'aconit est l'un des poisons les plus violents et les plus puissants que "
            u"l'on connaisse. N'utiliser que sous contrôle médical."_s);
        QCOMPARE(sheet.warning->caption(), ListText1);
        QCOMPARE(QApplication::focusWidget(), names);

        pick(u"OPIUM"_s);
        QTRY_COMPARE(opened.size(), 2);
        QCOMPARE(sheet.warning->caption(), ListText3);

        pick(u"ABIES CANADENSIS"_s);
        QCOMPARE(sheet.warning->caption(), ListText3); // until the timer fires
        // The label empties in the step that would have opened the window.
        QTRY_VERIFY(sheet.warning->caption().isEmpty());
        QCOMPARE(opened.size(), 2);
    }

    void theCheckBoxSilencesForTheRestOfTheRun()
    {
        w->warnings().silenced = false;
        WarningWindow window(w->warnings());
        auto* silence = testsupport::named<QCheckBox>(&window, u"ChkMsg"_s);
        QVERIFY(silence);
        QCOMPARE(window.windowTitle(), u"Information"_s);
        QCOMPARE(testsupport::named<ui::Label>(&window, u"LblOpt"_s)->caption(),
                 u"Ne plus afficher\r\nles  messages\r\n d'avertissement."_s);
        QCOMPARE(testsupport::named<QPushButton>(&window, u"CmdFermer"_s)->text(), u"  Fermer "_s);
        QVERIFY(!silence->isChecked());
        // Where the box is drawn: beside it, some styles take no click.
        QStyleOptionButton box;
        box.initFrom(silence);
        const QPoint tick =
            silence->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, silence).center();
        QTest::mouseClick(silence, Qt::LeftButton, {}, tick);
        QTest::mouseClick(silence, Qt::LeftButton, {}, tick); // ticked, then cleared again
        QVERIFY(!silence->isChecked());
        QVERIFY(w->warnings().silenced);

        pick(u"ACONITUM NAPELLUS"_s);
        // The label still shows; the window would have opened in the same step.
        QTRY_COMPARE(sheet.warning->caption(), ListText1);
        QVERIFY(opened.isEmpty());
        w->warnings().silenced = false;
    }

    // The window itself, shown modally from the interceptor and closed by its button.
    void theWindowOpensModallyAndCloses()
    {
        w->warnings().warningText = u"ATTENTION! Plante toxique !"_s;
        bool shown = false;
        bool closed = false;
        WarningWindow::setInterceptor([&](WarningWindow& window) {
            window.open();
            shown = QApplication::activeModalWidget() == &window && window.isVisible() &&
                    messageOf(window) == u"ATTENTION! Plante toxique !"_s;
            QTest::mouseClick(testsupport::named<QPushButton>(&window, u"CmdFermer"_s),
                              Qt::LeftButton);
            closed = !window.isVisible() && window.result() == QDialog::Accepted;
        });
        WarningWindow::openModal(w->warnings(), w);
        WarningWindow::setInterceptor(
            [this](WarningWindow& window) { opened << messageOf(window); });
        QVERIFY(shown);
        QVERIFY(closed);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestRemedySheet)
#include "tst_remedysheet.moc"
