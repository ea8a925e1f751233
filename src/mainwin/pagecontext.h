#pragma once

#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "mainwin/warningstate.h"

#include <QWidget>

namespace mainwin {

// What the main window lends every page for the whole run.
struct PageContext
{
    const refdata::RemedyTable* table = nullptr;
    const refdata::KeywordList* words = nullptr;
    WarningState* warnings = nullptr;
    QWidget* foc = nullptr; // the out-of-sight field that takes the focus after clicks
};

} // namespace mainwin
