#pragma once

#include "mainwin/warningstate.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"

#include <QWidget>

namespace sheet {

// What the main window lends every page for the whole run.
struct PageContext
{
    const refdata::RemedyTable* table = nullptr;
    const refdata::KeywordList* words = nullptr;
    mainwin::WarningState* warnings = nullptr;
    QWidget* foc = nullptr; // the out-of-sight field that takes the focus after clicks
};

} // namespace sheet
