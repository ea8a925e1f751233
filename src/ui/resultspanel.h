#pragma once

#include "ui/label.h"
#include "ui/listbox.h"

#include <QWidget>

namespace ui {

// What a search page shows of its results, over the upper panel of its sheet:
// the remedies found, the count line and, under it, what was searched.
class ResultsPanel : public QWidget
{
    Q_OBJECT

public:
    // The object names of the three controls, what assistive technology
    // calls the label of what was searched, and that label's height in twips.
    struct Names
    {
        QString list;
        QString countLine;
        QString searched;
        QString searchedWhat;
    };
    ResultsPanel(const Names& names, int searchedHeight, QWidget* parent);

    ListBox* list() const { return m_list; }
    Label* countLine() const { return m_countLine; }
    Label* searched() const { return m_searched; }
    // Empties the count line and the label of what was searched.
    void clearCaptions();

private:
    ListBox* m_list;
    Label* m_countLine;
    Label* m_searched;
};

} // namespace ui
