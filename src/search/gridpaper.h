#pragma once

#include "refdata/remedytable.h"
#include "search/searchindex.h"

#include <QDate>
#include <QString>

#include <memory>

class QMimeData;
class QTextDocument;

namespace search {

// The legend of the repertory's grades, in plain French.
extern const QString GradeLegend;

// The repertory laid out for paper, one document for the printer, the PDF
// and the clipboard: its title, the query, the date, the grid of remedies by
// symptoms with their grades, and the legend. The sheet's footer is drawn by
// sheet::printSheet() on every page.
std::unique_ptr<QTextDocument> paperGrid(const refdata::RemedyTable& table, const Outcome& outcome,
                                         const QString& query, const QDate& date);

// The grid for the clipboard, formatted (HTML) and plain (tab-separated
// columns), with the footer's words at its end.
std::unique_ptr<QMimeData> gridMimeData(const refdata::RemedyTable& table, const Outcome& outcome,
                                        const QString& query, const QDate& date,
                                        const QString& version);

} // namespace search
