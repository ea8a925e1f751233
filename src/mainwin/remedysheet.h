#pragma once

#include "refdata/remedytable.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/richtextbox.h"
#include "warningstate.h"

#include <QFrame>
#include <QTimer>

namespace mainwin {

// The detail panel that shows one remedy. Page 0 carries the full sheet, with
// French name, origin and specialties; the three search pages carry reduced
// sheets with the name, the marks, the body and the warning only.
class RemedySheet : public QObject
{
    Q_OBJECT

public:
    // `page` is 0 for the full sheet, 1 to 3 for the reduced ones; the members
    // are created inside `container` under the names that page gives them.
    RemedySheet(QWidget* container, int page);

    int page() const { return m_page; }
    bool isFull() const { return m_page == 0; }

    ui::Label* nameLabel = nullptr;
    ui::Label* frenchName = nullptr;  // full sheet only
    ui::Label* origin = nullptr;      // full sheet only
    ui::Label* specialties = nullptr; // full sheet only
    ui::Label* rating = nullptr;
    ui::Label* dilution = nullptr;
    ui::Label* listClass = nullptr;
    ui::Label* warning = nullptr;
    ui::RichTextBox* body = nullptr;
    QTimer* timer = nullptr;

    // Shows remedy i: every member the sheet has, the name between two blanks,
    // the body laid out; then arms the sheet's timer.
    void showRemedy(const refdata::RemedyTable& table, int i);
    // Writes the name, marks and body of remedy i, without layout or timer.
    void fill(const refdata::RemedyTable& table, int i, const QString& name);
    // Lays out the body's paragraphs and emphasises their headings.
    void formatBody();

    // What the search pages share. A search shows its first remedy with the
    // warning label of its list, never the window.
    void showFound(const refdata::RemedyTable& table, int i);
    // A browsing page's choice: empties the warning label, lists the remedies
    // found in `list` and shows the first of them.
    void listFound(ui::ListBox* list, const refdata::RemedyTable& table, const QList<int>& found);
    // A remedy picked in a page's result list, found by its exact name: its
    // warning label, and for a listed remedy the warning text and the page's
    // pending flag, so that the deferred step opens the window. Lays out the
    // body and arms the timer.
    void showPicked(const refdata::RemedyTable& table, const QString& name, WarningState& warnings,
                    bool& pending);
    // The deferred step's last part: the window when one is due and warnings
    // are not silenced; the flag is cleared in every case.
    static void openPendingWarning(WarningState& warnings, bool& pending, QWidget* parent);

    // What the window's start-up step does to every sheet: fixed captions and
    // the full sheet's text labels become transparent, value labels lose their
    // borders, and a reduced sheet's name is emptied.
    void prepare();

private:
    ui::Label* caption(const QString& name, const QString& text, const QRect& twips, double points,
                       const QString& hint = {});
    ui::Label* valueLabel(const QString& name, const QString& what, const QRect& twips,
                          double points, bool bold, const QColor& text, const QColor& background);

    QWidget* m_container;
    int m_page;
    QList<ui::Label*> m_captions;
};

} // namespace mainwin
