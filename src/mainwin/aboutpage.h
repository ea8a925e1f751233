#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
namespace ui {
class Label;
class RichTextBox;
} // namespace ui

namespace mainwin {

// The page "A propos", `Pict(4)`: the program's icon, title, medical
// disclaimer, version, the licence document and a short description of the
// program.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    explicit AboutPage(QWidget* parent);

    // The window's load: the version, the licence document "Licencebis.rtf"
    // found from `startFolder`, and the disclaimer.
    void load(const QString& version, const QString& startFolder);
    // The start-up step's last touch: the version on the panel colour.
    void prepare();
    // Puts the page's controls after `previous` in the tab order; returns the last.
    QWidget* chainTabOrder(QWidget* previous);

signals:
    // CmdSite was clicked.
    void siteClicked();

private:
    QLabel* m_icon = nullptr;             // ImgIcone
    ui::Label* m_disclaimer = nullptr;    // Lb(1)
    ui::Label* m_version = nullptr;       // LblVersion
    ui::RichTextBox* m_licence = nullptr; // Rtb1
    QPushButton* m_site = nullptr;        // CmdSite
};

} // namespace mainwin
