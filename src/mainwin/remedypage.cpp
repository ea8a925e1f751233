#include "remedypage.h"

#include "sheet/remedysheet.h"

#include "ui/fonts.h"
#include "ui/listbox.h"
#include "ui/twips.h"

namespace mainwin {

using sheet::PageContext;
using sheet::RemedySheet;

RemedyPage::RemedyPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Pict(0)"));
    m_sheet = new RemedySheet(0, context, this);
    m_names = new ui::ListBox(this, QStringLiteral("LstNom"));
    m_names->setGeometry(ui::twipsRect(QRect(60, 60, 5115, 9690)));
    m_names->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_names->setAccessibleName(QStringLiteral("Remèdes"));
    connect(m_names, &ui::ListBox::clicked, this, &RemedyPage::onNameClicked);
    connect(m_sheet, &RemedySheet::deferredStep, this, &RemedyPage::onDeferredStep);
}

void RemedyPage::addNames(const QStringList& names)
{
    m_names->addEntries(names);
}

void RemedyPage::showFirstRemedy()
{
    const refdata::RemedyTable& table = *m_context.table;
    m_sheet->present(table, 0, u' ' + table.latinName[0] + u' ', RemedySheet::Finish::PlainText);
}

QWidget* RemedyPage::chainTabOrder(QWidget* previous)
{
    setTabOrder(previous, m_names);
    return m_sheet->chainTabOrder(m_names);
}

void RemedyPage::chooseRemedy(int i)
{
    if (i < 0 || i >= m_names->count())
        return;
    m_names->setCurrentRow(i);
    m_names->scrollToItem(m_names->item(i));
    onNameClicked(i);
}

void RemedyPage::onNameClicked(int i)
{
    const refdata::RemedyTable& table = *m_context.table;
    m_sheet->present(table, i, u' ' + table.latinName[i] + u' ');
}

void RemedyPage::onDeferredStep()
{
    m_sheet->focusBody();
    m_names->setFocus();
    m_sheet->settleWarning(m_names->selectedIndex());
}

} // namespace mainwin
