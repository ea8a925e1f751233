#pragma once

#include "refdata/remedytable.h"

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace sheet {

// Answers a dialog the sheet opens instead of its modal loop (tests put one
// in place); it gets the dialog, ready to show, and returns its result.
using DialogAnswer = std::function<int(QDialog&)>;
void setPaperDialogAnswer(DialogAnswer answer);

// What the sheet gives out for remedy i, each over `window`: printed through
// the print dialog, previewed, saved as a PDF file the file dialog names, and
// copied to the clipboard. `version` goes into the footer.
struct PaperActions
{
    const refdata::RemedyTable& table;
    int remedy;
    QString version;
    QWidget* window;
    QString note = {}; // the reader's note, when they ask for it on paper

    void print() const;
    void preview() const;
    void saveAsPdf() const;
    void copy() const;
};

// Where the file dialog proposes to save a sheet: the remedy's Latin name,
// trimmed, with every character no file name may hold on any system made a
// hyphen, in `folder` (the home folder when empty).
QString proposedPdfPath(const QString& latinName, const QString& folder);

} // namespace sheet
