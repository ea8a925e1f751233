// The remedy sheet of page 0 and the prescription warning: the paragraph layout
// of the indications, the warning label and the warning window.
#include "mainwin/indications.h"
#include "mainwin/mainwindow.h"
#include "mainwin/warningwindow.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

using namespace mainwin;

namespace {

const QString ListText1 =
    u"ATTENTION! Ce produit est classé en liste I, il présente un risque d'accident "
    u"thérapeutique. La prise de ce produit nécessite une surveillance médicale."_s;
const QString ListText3 =
    u"ATTENTION! Ce produit est un stupéfiant, il présente un risque d'accident "
    u"thérapeutique. La prise de ce produit nécessite une surveillance médicale."_s;

// The look of the character at `offset` of the box's text.
QTextCharFormat formatAt(ui::RichTextBox* box, int offset)
{
    QTextCursor c(box->document());
    c.setPosition(box->toPosition(offset) + 1);
    return c.charFormat();
}

bool isHeading(const QTextCharFormat& f)
{
    return f.foreground().color() == HeadingColor && f.fontWeight() == QFont::Bold;
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

    QTemporaryDir folder;
    std::unique_ptr<MainWindow> w;
    QStringList opened; // what the warning window showed, each time it opened

    void pick(const QString& name)
    {
        const int i = w->table().indexOf(name);
        QVERIFY2(i >= 0, qPrintable(name));
        QListWidgetItem* item = w->remedyNames->item(i);
        w->remedyNames->scrollToItem(item);
        QTest::mouseClick(w->remedyNames->viewport(), Qt::LeftButton, {},
                          w->remedyNames->visualItemRect(item).center());
        QCOMPARE(w->remedyNames->selectedIndex(), i);
    }
    // Every character of the body is either a heading's, in the heading style, or plain.
    void checkStyles(const QStringList& headings)
    {
        ui::RichTextBox* body = w->sheet->body;
        const QString text = body->text();
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
            const QTextCharFormat f = formatAt(body, k);
            QVERIFY2(heading[k] ? isHeading(f) : isBody(f), qPrintable(text.mid(k, 20)));
        }
    }

private slots:
    void initTestCase()
    {
        ui::installFonts();
        WarningWindow::setInterceptor(
            [this](WarningWindow& window) { opened << window.message->caption(); });
        w = std::make_unique<MainWindow>(
            ProgramValues{folder.path() + u'/', u"1.40"_s, QString()});
        w->load();
        QTRY_VERIFY(w->isVisible());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
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
        QCOMPARE(f.ranges[1], (FormatRange{0, 10, HeadingColor, true}));
        QCOMPARE(f.ranges[2].start, int(f.text.indexOf(u"Autres:")));
        QCOMPARE(formatIndications(QString()).text, QString());
        QCOMPARE(headingList().size(), 42);
        QCOMPARE(emphasisOrder().size(), 42);
        QCOMPARE(QSet<QString>(emphasisOrder().begin(), emphasisOrder().end()).size(), 42);
    }

    void abrotanumIsLaidOutInThreeParagraphs()
    {
        pick(u"ABROTANUM"_s);
        QCOMPARE(w->sheet->nameLabel->caption(), u" ABROTANUM "_s);
        QCOMPARE(w->sheet->frenchName->caption(), u"Aurône mâle"_s);
        QCOMPARE(w->sheet->specialties->caption(), u"Pédiatrie. Rhumatologie. Autres."_s);
        QCOMPARE(w->sheet->body->text(), u"Pédiatrie: Problèmes d'assimilations déficientes chez "
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
        for (ui::Label* label : {w->sheet->frenchName, w->sheet->origin}) {
            QVERIFY(!label->wordWrap());
            QCOMPARE(QFontInfo(label->font()).family(), u"Tahoma"_s);
            const QFontMetrics metrics(label->font());
            const int room = label->contentsRect().width();
            const refdata::RemedyTable::Column& values =
                label == w->sheet->origin ? t.origin : t.frenchName;
            for (int i = 0; i < t.count; ++i) {
                QVERIFY2(metrics.horizontalAdvance(values[i]) <= room,
                         qPrintable(t.latinName[i] + u": "_s + values[i]));
            }
        }
    }

    void headingsAreFoundWhateverTheirCase()
    {
        pick(u"ZINGIBER OFFICINALE"_s);
        const QString zingiber = w->sheet->body->text();
        const int orl = int(zingiber.indexOf(u"ORL:"));
        QVERIFY(orl > 0);
        QCOMPARE(zingiber.mid(orl - 4, 4), u"\r\n\r\n"_s);
        QVERIFY(isHeading(formatAt(w->sheet->body, orl)));

        pick(u"TABACUM"_s);
        QVERIFY(w->sheet->body->text().startsWith(u"Addictologie:"));
        QVERIFY(isHeading(formatAt(w->sheet->body, 0)));
        // Nothing of the previous remedy's look is left.
        pick(u"ABIES CANADENSIS"_s);
        checkStyles({u"Gastro-entérologie:"_s});
    }

    void keyboardMovesShowRemediesToo()
    {
        pick(u"ABIES CANADENSIS"_s);
        QTest::keyClick(w->remedyNames, Qt::Key_Down);
        QCOMPARE(w->sheet->nameLabel->caption(), u" ABROTANUM "_s);
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
        QCOMPARE(w->sheet->warning->caption(), ListText1);
        QCOMPARE(QApplication::focusWidget(), w->remedyNames);

        pick(u"OPIUM"_s);
        QTRY_COMPARE(opened.size(), 2);
        QCOMPARE(w->sheet->warning->caption(), ListText3);

        pick(u"ABIES CANADENSIS"_s);
        QCOMPARE(w->sheet->warning->caption(), ListText3); // until the timer fires
        QTRY_VERIFY(w->sheet->warning->caption().isEmpty());
        QTest::qWait(30);
        QCOMPARE(opened.size(), 2);
    }

    void theCheckBoxSilencesForTheRestOfTheRun()
    {
        w->warnings().silenced = false;
        WarningWindow window(w->warnings());
        QCOMPARE(window.windowTitle(), u"Information"_s);
        QCOMPARE(window.silenceCaption->caption(),
                 u"Ne plus afficher\r\nles  messages\r\n d'avertissement."_s);
        QCOMPARE(window.close->text(), u"  Fermer "_s);
        QVERIFY(!window.silence->isChecked());
        QTest::mouseClick(window.silence, Qt::LeftButton);
        QTest::mouseClick(window.silence, Qt::LeftButton); // ticked, then cleared again
        QVERIFY(!window.silence->isChecked());
        QVERIFY(w->warnings().silenced);

        pick(u"ACONITUM NAPELLUS"_s);
        QTRY_COMPARE(w->sheet->warning->caption(), ListText1); // the label still shows
        QTest::qWait(30);
        QVERIFY(opened.isEmpty());
        w->warnings().silenced = false;
    }

    void theWindowReallyOpensAndCloses()
    {
        WarningWindow::setInterceptor({});
        w->warnings().warningText = u"ATTENTION! Plante toxique !"_s;
        bool seen = false;
        QTimer::singleShot(50, [&] {
            auto* modal = qobject_cast<WarningWindow*>(QApplication::activeModalWidget());
            QVERIFY(modal);
            seen = modal->isVisible() &&
                   modal->message->caption() == u"ATTENTION! Plante toxique !"_s;
            QTest::mouseClick(modal->close, Qt::LeftButton);
        });
        WarningWindow::openModal(w->warnings(), w.get());
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        WarningWindow::setInterceptor(
            [this](WarningWindow& window) { opened << window.message->caption(); });
    }
};

QTEST_MAIN(TestRemedySheet)
#include "tst_remedysheet.moc"
