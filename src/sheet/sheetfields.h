#pragma once

#include "refdata/remedytable.h"

#include <QList>
#include <QRect>
#include <QString>

class QColor;
class QWidget;

namespace ui {
class Label;
}

namespace sheet {

// The labels of a sheet and the panels behind them, placed as the design puts
// them in the page: the name, the marks with their captions, on the full sheet
// the French name, origin and specialties, and the warning label.
class SheetFields
{
public:
    // The sheet's area in its page, in twips: from the name frame to the warning label.
    static const QRect Area;

    // Builds everything above the body on `sheet`, page `page`'s names.
    SheetFields(QWidget* sheet, int page);
    // Builds the warning label, below the body.
    void addWarningLabel();

    // Remedy i's fields under `name`, the name label's whole caption.
    void show(const refdata::RemedyTable& table, int i, const QString& name);
    void setName(const QString& name);
    void setWarning(const QString& text);

    // What the window's start-up step does: fixed captions and the full
    // sheet's text labels become transparent, value labels lose their borders,
    // and a reduced sheet's name is emptied.
    void prepare();

    // A rectangle of the page, in twips, in the sheet's pixels.
    static QRect place(const QRect& twips);

private:
    bool full() const { return m_page == 0; }
    void addPanels();
    void addName();
    void addMarks();
    void addFullFields();
    ui::Label* caption(const char* name, const QString& text, const QRect& twips, double points,
                       const QString& hint = {});
    ui::Label* valueLabel(const QString& name, const QString& what, const QRect& twips,
                          double points, bool bold, const QColor& text, const QColor& background);

    QWidget* m_sheet;
    int m_page;
    ui::Label* m_name = nullptr;
    ui::Label* m_frenchName = nullptr;  // full sheet only
    ui::Label* m_origin = nullptr;      // full sheet only
    ui::Label* m_specialties = nullptr; // full sheet only
    ui::Label* m_rating = nullptr;
    ui::Label* m_dilution = nullptr;
    ui::Label* m_listClass = nullptr;
    ui::Label* m_warning = nullptr;
    QList<ui::Label*> m_captions;
};

// A name of the sheet's page: `base` on page 0, followed by the page's number on the others.
QString pageName(const char* base, int page);

} // namespace sheet
