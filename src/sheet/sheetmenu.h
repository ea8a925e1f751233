#pragma once

#include <QList>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace sheet {

// The sheet's context menu: its four actions for paper, which also answer
// their shortcuts in the whole window while the sheet's page is shown, and
// the actions others add to it.
class SheetMenu
{
public:
    // The actions belong to `sheet` and carry the names of its page.
    SheetMenu(QWidget* sheet, int page);

    QAction* const print;
    QAction* const preview;
    QAction* const savePdf;
    QAction* const copy;

    // The four are enabled only while the sheet shows a remedy.
    void setEnabled(bool enabled);

    // Adds `action` after the sheet's own, in a group of its own; it leaves the
    // menu when its owner destroys it.
    void add(QAction* action);

    // Fills `menu`, which may hold actions already (the body's own): the
    // definition of a term first when there is one, in a group of its own;
    // then what the menu held; then the sheet's actions and the added ones.
    void compose(QMenu* menu, QAction* definition) const;

private:
    QList<QPointer<QAction>> m_added; // others', gone when their owner destroys them
};

} // namespace sheet
