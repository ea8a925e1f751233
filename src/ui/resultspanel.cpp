#include "resultspanel.h"

#include "fonts.h"
#include "palette.h"
#include "twips.h"

namespace ui {

ResultsPanel::ResultsPanel(const Names& names, int searchedHeight, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(names.list + QStringLiteral("Panel"));
    const QRect area = twipsRect(QRect(5220, 660, 13695 - 5220, 2880));
    setGeometry(area);
    auto place = [&](QWidget* w, const QRect& twips) {
        w->setGeometry(twipsRect(twips).translated(-area.topLeft()));
    };

    m_list = new ListBox(this, names.list);
    place(m_list, QRect(5220, 660, 4635, 2880));
    m_list->setFont(designFont(Face::Tahoma, 12));
    m_list->setStyleSheet(QStringLiteral("QListWidget { background: #F0F0F0; }"));
    m_list->setAccessibleName(QStringLiteral("Remèdes trouvés"));

    m_countLine = new Label(this, names.countLine);
    place(m_countLine, QRect(9900, 1080, 3795, 735));
    m_countLine->setFont(designFont(Face::Tahoma, 14.25));
    m_countLine->setAlignment(Qt::AlignCenter);
    m_countLine->exposeValue(QStringLiteral("Résultat"));

    m_searched = new Label(this, names.searched);
    place(m_searched, QRect(9900, 1860, 3795, searchedHeight));
    m_searched->setFont(designFont(Face::Tahoma, 14.25, true));
    m_searched->setTextColour(colour::Orange);
    m_searched->setAlignment(Qt::AlignCenter);
    m_searched->exposeValue(names.searchedWhat);
}

void ResultsPanel::clearCaptions()
{
    m_countLine->setCaption(QString());
    m_searched->setCaption(QString());
}

} // namespace ui
