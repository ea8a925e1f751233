#pragma once

#include "refdata/glossary.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/richtextbox.h"

#include <QPushButton>
#include <QWidget>

#include <array>
#include <memory>

namespace glossary {

// Frm31Index: the product information "Liste.rtf" and, one click away, the
// glossary of the medical terms that the remedy texts use: a letter index, the
// terms under the chosen letter and the definition of the chosen term. The
// window is not modal; it owns its glossary table, which it reads afresh each
// time it opens.
class IndexWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int LetterCount = 26;

    // Opens the window over `mainWindow`, reading "Liste.rtf" from
    // `startFolder` (which ends with a separator), or brings the window that
    // is already open forward unchanged. Closing the window destroys it.
    static IndexWindow* showWindow(const QString& startFolder, QWidget* mainWindow);
    // The window that is open, or nullptr.
    static IndexWindow* openWindow();

    IndexWindow(const QString& startFolder, QWidget* mainWindow);
    ~IndexWindow() override;

    const refdata::GlossaryTable& table() const { return *m_table; }
    // Whether the product information covers the glossary.
    bool showsInformation() const { return !infoPanel->isHidden(); }

    QWidget* infoPanel = nullptr;                  // FraInfo
    QWidget* glossaryView = nullptr;               // what FraInfo covers
    ui::RichTextBox* information = nullptr;        // Rtb1
    std::array<ui::Label*, LetterCount> letters{}; // Lab(1) to Lab(26)
    ui::ListBox* termList = nullptr;               // LstMot
    ui::Label* definition = nullptr;               // LblDef
    QWidget* rule = nullptr;                       // Lin1
    QPushButton* viewButton = nullptr;             // CmdGlossaire
    QPushButton* closeButton = nullptr;            // CmdFermer
    QPushButton* foc = nullptr;                    // Foc

protected:
    // Escape closes the window as "Fermer" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLetters();
    void switchView();
    void toggleView();
    void chooseLetter(int k);
    void chooseTerm();
    void placeOver(const QWidget* mainWindow);

    std::unique_ptr<refdata::GlossaryTable> m_table;
};

} // namespace glossary
