// The sheet beyond the screen: printed, saved as PDF and copied, laid out for
// paper; and the glossary's definitions in place in its body.
#include "glossary/indexwindow.h"
#include "mainwindowfixture.h"
#include "sheet/papersheet.h"
#include "sheet/remedysheet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QToolTip>

using namespace Qt::StringLiterals;

using sheet::RemedySheet;

namespace {

// Runs of blanks and line ends read as one blank, ligatures as their letters.
QString words(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

// The text of a PDF file as pdftotext reads it, or a null string when the
// tool is absent.
QString pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (tool.isEmpty())
        return {};
    QProcess p;
    p.start(tool, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return u"(pdftotext failed)"_s;
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSheetOutput : public QObject
{
    Q_OBJECT

    testsupport::MainWindowFixture app;
    mainwin::MainWindow* w = nullptr;
    RemedySheet* sheet = nullptr; // page 0's
    QTemporaryDir folder;
    // What the next dialog does; each dialog met, by its class.
    std::function<int(QDialog&)> answer;
    QStringList met;

    // Every dialog of the sheet is answered by `answer`, and none waits.
    void answerDialogs()
    {
        RemedySheet::setDialogAnswer([this](QDialog& d) {
            met << QString::fromLatin1(d.metaObject()->className());
            return answer ? answer(d) : int(QDialog::Rejected);
        });
    }
    void show(const QString& name)
    {
        QVERIFY(testsupport::pick(app.control<ui::ListBox>(u"LstNom"_s), name));
        QCOMPARE(sheet->shownRemedy(), w->table().indexOf(name));
    }
    QAction* action(const RemedySheet* s, const char* name)
    {
        return testsupport::named<QAction>(
            s, QString::fromLatin1(name) + (s->page() ? QString::number(s->page()) : QString()));
    }
    // Saves the shown sheet through its file dialog, to `path`.
    void saveTo(const QString& path)
    {
        answer = [path](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(path);
            return int(QDialog::Accepted);
        };
        action(sheet, "ActEnregistrerPdf")->trigger();
    }
    ui::RichTextBox* body() const { return app.control<ui::RichTextBox>(u"Rtb1Text"_s); }
    // The middle of the first occurrence of `word` in page 0's body, in its viewport.
    QPoint pointOn(const QString& word)
    {
        ui::RichTextBox* b = body();
        const int at = b->toPosition(int(b->text().indexOf(word)));
        QTextCursor c(b->document());
        c.setPosition(at + int(word.size()) / 2);
        b->setTextCursor(c);
        b->ensureCursorVisible();
        return b->cursorRect(c).center();
    }

private slots:
    void initTestCase()
    {
        answerDialogs();
        QVERIFY(folder.isValid());
        QVERIFY(app.start());
        w = app.window();
        sheet = app.control<RemedySheet>(u"RemedySheet"_s);
        QVERIFY(sheet);
    }
    void init()
    {
        met.clear();
        answer = {};
    }
    void cleanupTestCase() { RemedySheet::setDialogAnswer({}); }

    void thePdfHoldsTheSheetInOrder_data()
    {
        QTest::addColumn<QString>("remedy");
        QTest::newRow("the longest body") << u"SULFUR"_s;
        QTest::newRow("list I") << u"ACONITUM NAPELLUS"_s;
    }
    void thePdfHoldsTheSheetInOrder()
    {
        QFETCH(QString, remedy);
        show(remedy);
        const refdata::RemedyTable& t = w->table();
        const int i = t.indexOf(remedy);
        const QString path = folder.filePath(remedy + u".pdf"_s);
        saveTo(path);
        QCOMPARE(met, QStringList{u"QFileDialog"_s});

        // The warning box for a listed stock, and none otherwise.
        const auto paper = sheet::paperSheet(t, i);
        const QList<QTextFrame*> frames = paper->rootFrame()->childFrames();
        QCOMPARE(frames.size(), t.isListed(i) ? 1 : 0);
        if (t.isListed(i))
            QVERIFY(frames.front()->frameFormat().border() > 0);

        const QString text = pdfText(path);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF is not read back");
        QString read = words(text);
        for (const QString& footer :
             {words(sheet::Footer{u"1.40"_s, QDate::currentDate()}.signature()),
              sheet::Footer::Disclaimer})
            QVERIFY2(read.contains(footer), qPrintable(footer));
        QVERIFY(!read.contains(u"Page 1 sur"_s)); // one page: no numbers
        QStringList fields{t.latinName[i],
                           t.frenchName[i],
                           t.origin[i],
                           t.branches[i],
                           u"Noté: "_s + t.rating[i],
                           u"Dilution: "_s + t.dilution[i],
                           u"Liste: "_s + t.listClass[i]};
        if (t.isListed(i))
            fields << t.listWarning[i] << t.extraWarning[i];
        fields << words(sheet::formatIndications(t.indications[i]).text);
        qsizetype from = 0;
        for (const QString& field : std::as_const(fields)) {
            const qsizetype at = read.indexOf(words(field), from);
            QVERIFY2(at >= from, qPrintable(u"not in order: "_s + field.left(60)));
            from = at + words(field).size();
        }
    }

    void aSheetThatRunsOverNumbersItsPages()
    {
        auto t = std::make_unique<refdata::RemedyTable>(w->table());
        const int i = t->indexOf(u"SULFUR"_s);
        t->indications[i] = t->indications[i].repeated(6);
        const QString path = folder.filePath(u"long.pdf"_s);
        const auto paper = sheet::paperSheet(*t, i);
        QCOMPARE(sheet::writePdf(*paper, path, u"SULFUR"_s, {u"1.40"_s, QDate::currentDate()}),
                 QString());
        const QString text = pdfText(path);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF is not read back");
        const QRegularExpressionMatch m = QRegularExpression(u"Page 1 sur (\\d+)"_s).match(text);
        QVERIFY(m.hasMatch());
        const int pages = m.captured(1).toInt();
        QVERIFY(pages >= 2);
        QVERIFY(text.contains(u"Page %1 sur %1"_s.arg(pages)));
        QCOMPARE(text.count(sheet::Footer::Disclaimer), pages);
    }

    void aFailedWriteKeepsTheEarlierFileAndSaysWhy()
    {
        show(u"SULFUR"_s);
        // Write access is no obstacle to root, which runs the tests in CI; a
        // folder that is a file stops anyone.
        const QString earlier = folder.filePath(u"earlier.pdf"_s);
        QFile f(earlier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier");
        f.close();
        QString message;
        answer = [&](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                message = box->text();
                return int(QMessageBox::Ok);
            }
            // Typed into the dialog: a system's own dialog (Windows') takes no
            // path that cannot be chosen in it.
            auto& files = static_cast<QFileDialog&>(d);
            files.setOption(QFileDialog::DontUseNativeDialog);
            files.selectFile(earlier + u"/SULFUR.pdf"_s);
            return int(QDialog::Accepted);
        };
        action(sheet, "ActEnregistrerPdf")->trigger();
        QCOMPARE(met, (QStringList{u"QFileDialog"_s, u"QMessageBox"_s}));
        QVERIFY2(message.startsWith(u"La fiche n'a pas pu être enregistrée dans « "_s),
                 qPrintable(message));
        QVERIFY(message.contains(QDir::toNativeSeparators(earlier)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier"));
    }

    void theClipboardHoldsTheSheetFormattedAndPlain()
    {
        show(u"ACONITUM NAPELLUS"_s);
        QApplication::clipboard()->clear();
        // The shortcut works with the focus anywhere on the page.
        app.control(u"LstNom"_s)->setFocus();
        QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasHtml() && data->hasText());
        QTextDocument fromHtml;
        fromHtml.setHtml(data->html());
        QCOMPARE(words(fromHtml.toPlainText()), words(data->text()));
        const refdata::RemedyTable& t = w->table();
        const int i = t.indexOf(u"ACONITUM NAPELLUS"_s);
        QVERIFY(data->text().startsWith(t.latinName[i]));
        QVERIFY(data->text().contains(t.extraWarning[i]));
        QVERIFY(data->text().contains(sheet::Footer::Disclaimer));
    }

    void printingGoesThroughThePrintDialog()
    {
        show(u"SULFUR"_s);
        const QString path = folder.filePath(u"printed.pdf"_s);
        answer = [&](QDialog& d) {
            static_cast<QPrintDialog&>(d).printer()->setOutputFileName(path);
            return int(QDialog::Accepted);
        };
        QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(met, QStringList{u"QPrintDialog"_s});
        QVERIFY(QFileInfo(path).size() > 1000);
    }

    void thePreviewOpensAndCloses()
    {
        // The one dialog of the sheet that really opens, closed as soon as it shows.
        RemedySheet::setDialogAnswer({});
        bool seen = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            auto* d = w->findChild<QPrintPreviewDialog*>(u"ApercuFiche"_s);
            if (d && d->isVisible()) {
                seen = true;
                d->reject();
            }
        });
        closer.start(20);
        action(sheet, "ActApercu")->trigger();
        closer.stop();
        answerDialogs();
        QVERIFY(seen);
    }

    void theActionsWaitForARemedy()
    {
        QVERIFY(app.choosePage(1));
        const RemedySheet* reduced = app.control<RemedySheet>(u"RemedySheet1"_s);
        QVERIFY(reduced && reduced->shownRemedy() < 0);
        for (const char* name : {"ActImprimer", "ActApercu", "ActEnregistrerPdf", "ActCopierFiche"})
            QVERIFY2(!action(reduced, name)->isEnabled(), name);
        QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(met.isEmpty());
        QVERIFY(app.choosePage(0));
        QVERIFY(action(sheet, "ActImprimer")->isEnabled());
    }

    void aTermShowsItsDefinitionInPlace()
    {
        QVERIFY(app.choosePage(0));
        const refdata::RemedyTable& t = w->table();
        int i = 0;
        while (i < t.count && !t.indications[i].contains(u"ténesme"_s))
            ++i;
        QVERIFY(i < t.count);
        show(t.latinName[i]);
        const glossary::TermLookup& terms = w->terms();
        const QString definition = terms.definition(terms.termAt(u"ténesme"_s, 0).entry);
        QVERIFY(!definition.isEmpty());

        const QPoint on = pointOn(u"ténesme"_s);
        QWidget* viewport = body()->viewport();
        QHelpEvent hover(QEvent::ToolTip, on, viewport->mapToGlobal(on));
        QApplication::sendEvent(viewport, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(u"<b>ténesme</b>&nbsp;: "_s + definition.toHtmlEscaped() +
                                          u'<'));
        QToolTip::hideText();
        QVERIFY(
            sheet->definitionAt(QPoint(viewport->width() - 2, viewport->height() - 2)).isEmpty());

        // Its context menu opens the glossary there, and carries what others add.
        QAction added(u"Ajoutée"_s);
        sheet->addMenuAction(&added);
        QString termOpening;
        const QMetaObject::Connection opening =
            connect(sheet, &RemedySheet::menuOpening, this, [&](QMenu* m, const QString& term) {
                m->addAction(u"Du moment"_s);
                termOpening = term;
            });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, on, viewport->mapToGlobal(on));
        QApplication::sendEvent(viewport, &menuEvent);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QStringList texts;
        for (const QAction* a : menu->actions())
            texts << a->text();
        QCOMPARE(texts.first(), u"Définition de « ténesme »"_s);
        for (const QString& s : {u"Imprimer la fiche…"_s, u"Aperçu avant impression…"_s,
                                 u"Enregistrer la fiche en PDF…"_s, u"Copier la fiche"_s})
            QVERIFY2(texts.contains(s), qPrintable(s));
        QCOMPARE(texts.mid(texts.size() - 2), (QStringList{u"Ajoutée"_s, u"Du moment"_s}));
        QCOMPARE(termOpening, u"ténesme"_s);
        disconnect(opening);
        menu->actions().first()->trigger();
        menu->close();
        glossary::IndexWindow* index = glossary::IndexWindow::openWindow();
        QVERIFY(index && !index->showsInformation());
        auto* list = testsupport::named<ui::ListBox>(index, u"LstMot"_s);
        QCOMPARE(list->selectedEntry(), u"ténesme"_s);
        QCOMPARE(testsupport::named<ui::Label>(index, u"LblDef"_s)->caption(), definition);
        index->close();
    }
};

QTEST_MAIN(TestSheetOutput)
#include "tst_sheetoutput.moc"
