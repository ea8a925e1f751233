#include "paperactions.h"

#include "papersheet.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>

#include <utility>

namespace sheet {

namespace {

DialogAnswer& dialogAnswer()
{
    static DialogAnswer answer;
    return answer;
}

int runDialog(QDialog& dialog)
{
    const DialogAnswer& answer = dialogAnswer();
    return answer ? answer(dialog) : dialog.exec();
}

// A printer set up for the sheet: the printer's own paper when it names one,
// A4 otherwise, and margins of 2 cm.
void setUpPrinter(QPrinter& printer, const QString& name)
{
    printer.setDocName(name);
    const QPrinterInfo info(printer);
    if (printer.outputFormat() != QPrinter::NativeFormat || info.isNull() ||
        !info.defaultPageSize().isValid())
        printer.setPageSize(paperLayout().pageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(paperLayout().margins(), QPageLayout::Millimeter);
}

void tellFailure(const QString& text, const char* name, QWidget* window)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vitralis"), text, QMessageBox::Ok,
                    window);
    if (name)
        box.setObjectName(QString::fromLatin1(name));
    runDialog(box);
}

} // namespace

void setPaperDialogAnswer(DialogAnswer answer)
{
    dialogAnswer() = std::move(answer);
}

void PaperActions::print() const
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, table.latinName[remedy]);
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(QStringLiteral("Imprimer la fiche"));
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const std::unique_ptr<QTextDocument> document = paperSheet(table, remedy, note);
    if (!printSheet(*document, printer, {version, QDate::currentDate()}))
        tellFailure(QStringLiteral("La fiche n'a pas pu être imprimée."), nullptr, window);
}

void PaperActions::preview() const
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, table.latinName[remedy]);
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("ApercuFiche"));
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* p) {
        const std::unique_ptr<QTextDocument> document = paperSheet(table, remedy, note);
        printSheet(*document, *p, {version, QDate::currentDate()});
    });
    runDialog(dialog);
}

void PaperActions::saveAsPdf() const
{
    const QString proposed =
        proposedPdfPath(table.latinName[remedy],
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QFileDialog dialog(window, QStringLiteral("Enregistrer la fiche en PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(proposed);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const std::unique_ptr<QTextDocument> document = paperSheet(table, remedy, note);
    const QString why =
        writePdf(*document, path, table.latinName[remedy], {version, QDate::currentDate()});
    if (!why.isEmpty())
        tellFailure(QStringLiteral("La fiche n'a pas pu être enregistrée dans « %1 » : %2.")
                        .arg(QDir::toNativeSeparators(path), why),
                    "MsgEnregistrement", window);
}

void PaperActions::copy() const
{
    QGuiApplication::clipboard()->setMimeData(
        sheetMimeData(table, remedy, {version, QDate::currentDate()}, note).release());
}

QString proposedPdfPath(const QString& latinName, const QString& folder)
{
    QString name = latinName.trimmed();
    // Characters no file name may hold, on any system.
    for (QChar& c : name) {
        if (QStringLiteral("<>:\"/\\|?*").contains(c) || c.unicode() < 0x20)
            c = u'-';
    }
    return QDir(folder.isEmpty() ? QDir::homePath() : folder)
        .filePath(name + QStringLiteral(".pdf"));
}

} // namespace sheet
