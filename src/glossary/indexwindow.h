#pragma once

#include "refdata/glossary.h"

#include <QWidget>

#include <memory>

class QPushButton;
namespace ui {
class Label;
class LetterIndex;
class ListBox;
class RichTextBox;
} // namespace ui

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
    // Opens the window over `mainWindow`, reading "Liste.rtf" from
    // `startFolder` (which ends with a separator), or brings the window that
    // is already open forward unchanged. Closing the window destroys it.
    static IndexWindow* showWindow(const QString& startFolder, QWidget* mainWindow);
    // The window that is open, or nullptr.
    static IndexWindow* openWindow();

    IndexWindow(const QString& startFolder, QWidget* mainWindow);
    ~IndexWindow() override;

    const refdata::GlossaryTable& table() const { return *m_table; }
    // Shows the glossary at `term` (as it is spelt there): its letter chosen,
    // the term selected and under the keyboard, its definition shown.
    void showTerm(const QString& term);
    // Whether the product information covers the glossary.
    bool showsInformation() const;

private:
    // Foc was pressed: the other view.
    void onFocClicked();
    // CmdGlossaire: the other view, and the focus back to Foc.
    void onViewClicked();
    // A letter of the index: the terms under it.
    void onLetterClicked(QChar letter);
    // A term of LstMot: its definition.
    void onTermClicked();
    void placeOver(const QWidget* mainWindow);

    std::unique_ptr<refdata::GlossaryTable> m_table;
    QWidget* m_infoPanel = nullptr;           // FraInfo
    ui::RichTextBox* m_information = nullptr; // Rtb1
    ui::LetterIndex* m_letters = nullptr;     // Lab(1) to Lab(26)
    ui::ListBox* m_terms = nullptr;           // LstMot
    ui::Label* m_definition = nullptr;        // LblDef
    QWidget* m_rule = nullptr;                // Lin1
    QPushButton* m_viewButton = nullptr;      // CmdGlossaire
    QPushButton* m_foc = nullptr;             // Foc
    QPushButton* m_close = nullptr;           // CmdFermer
    QWidget* m_glossaryView = nullptr;        // what FraInfo covers
};

} // namespace glossary
