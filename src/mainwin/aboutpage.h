#pragma once

#include "ui/label.h"
#include "ui/richtextbox.h"

#include <QPushButton>

namespace mainwin {

// The page "A propos": title, medical disclaimer, version, the licence
// document and a short description of the program.
class AboutPage : public QObject
{
    Q_OBJECT

public:
    explicit AboutPage(QWidget* container);

    ui::Label* title = nullptr;         // "Vitralis "
    ui::Label* disclaimer = nullptr;    // Lb(1)
    ui::Label* version = nullptr;       // LblVersion
    ui::RichTextBox* licence = nullptr; // Rtb1
    QPushButton* site = nullptr;        // CmdSite
};

} // namespace mainwin
