#pragma once

#include <QString>

namespace sheet {

// What the prescription warnings share across pages for the whole run.
struct WarningState
{
    bool silenced = false;             // the warning window opens no more
    QString warningText;               // what the warning window shows
    bool pendingWordPages = false;     // a listed remedy was picked on "Symptômes" or "Mots-clés"
    bool pendingSpecialtyPage = false; // the same on "Spécialités"
};

} // namespace sheet
