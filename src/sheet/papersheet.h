#pragma once

#include "refdata/remedytable.h"

#include <QDate>
#include <QString>

#include <memory>

class QMimeData;
class QPageLayout;
class QPagedPaintDevice;
class QTextDocument;

namespace sheet {

// What the paper sheet says besides the remedy, at the foot of every page.
struct Footer
{
    QString version; // "Vitralis " + this
    QDate date;

    // "Vitralis 1.40 – 9 décembre 2026".
    QString signature() const;
    static const QString Disclaimer;
};

// The sheet of remedy i laid out for paper, one document for the printer, the
// PDF and the clipboard: the Latin name as title; the French name, origin and
// composition, specialties; rating, first dilution and list; for a listed
// stock its warnings in a framed box; then the indications with their
// headings emphasised, as on screen. The footer is not part of it: each page
// draws its own (see printSheet()). The reader's own note on the remedy,
// when they ask for it, comes last, under its own heading.
std::unique_ptr<QTextDocument> paperSheet(const refdata::RemedyTable& table, int i,
                                          const QString& note = {});

// A4 upright with margins of 2 cm.
QPageLayout paperLayout();

// Draws the document on a printer or a PDF writer, page after page, each with
// the footer at the bottom of its margins and, when the sheet runs over, its
// page number. Returns false when the device cannot be drawn on.
bool printSheet(QTextDocument& document, QPagedPaintDevice& device, const Footer& footer);

// Writes the sheet as a PDF file at `path`, whole or not at all: an earlier
// file there stays as it was unless the new one is complete. Returns the
// reason of a failure, or an empty string.
QString writePdf(QTextDocument& document, const QString& path, const QString& title,
                 const Footer& footer);

// The sheet for the clipboard, formatted (HTML) and plain, the footer's words
// after the indications (and the note).
std::unique_ptr<QMimeData> sheetMimeData(const refdata::RemedyTable& table, int i,
                                         const Footer& footer, const QString& note = {});

} // namespace sheet
