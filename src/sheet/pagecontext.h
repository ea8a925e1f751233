#pragma once

#include "glossary/termlookup.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "sheet/warningstate.h"

#include <QWidget>

namespace sheet {

// What the main window lends every page for the whole run.
struct PageContext
{
    const refdata::RemedyTable* table = nullptr;
    const refdata::KeywordList* words = nullptr;
    sheet::WarningState* warnings = nullptr;
    QWidget* foc = nullptr; // the out-of-sight field that takes the focus after clicks
    const glossary::TermLookup* terms = nullptr; // the glossary's terms, for definitions in place
    QString version;                             // the program's version, on paper
};

} // namespace sheet
