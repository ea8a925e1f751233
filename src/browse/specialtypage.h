#pragma once

#include "mainwin/pagecontext.h"
#include "mainwin/remedysheet.h"
#include "ui/label.h"
#include "ui/listbox.h"

namespace browse {

// The page "Spécialités": the 40 specialties, the remedies of the chosen one,
// and the page's reduced sheet.
class SpecialtyPage : public QObject
{
    Q_OBJECT

public:
    SpecialtyPage(QWidget* container, const mainwin::PageContext& context);

    ui::ListBox* specialties = nullptr; // LstBranche
    ui::ListBox* remedies = nullptr;    // LstResult
    ui::Label* countLine = nullptr;     // LblResult11
    ui::Label* chosen = nullptr;        // LblResult12
    mainwin::RemedySheet* sheet = nullptr;

private:
    mainwin::PageContext m_context;
};

} // namespace browse
