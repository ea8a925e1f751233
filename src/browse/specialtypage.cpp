#include "specialtypage.h"

#include "browsecore.h"
#include "sheet/remedysheet.h"
#include "specialties.h"
#include "ui/countline.h"
#include "ui/fonts.h"
#include "ui/resultspanel.h"
#include "ui/twips.h"

namespace browse {

SpecialtyPage::SpecialtyPage(const sheet::PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Pict(2)"));
    m_sheet = new sheet::RemedySheet(2, context, this);

    m_specialties = new ui::ListBox(this, QStringLiteral("LstBranche"));
    m_specialties->setGeometry(ui::twipsRect(QRect(60, 60, 5115, 9690)));
    m_specialties->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_specialties->setAccessibleName(QStringLiteral("Spécialités"));
    m_specialties->addEntries(specialtyEntries());

    m_results =
        new ui::ResultsPanel({QStringLiteral("LstResult"), QStringLiteral("LblResult11"),
                              QStringLiteral("LblResult12"), QStringLiteral("Spécialité choisie")},
                             375, this);

    connect(m_specialties, &ui::ListBox::clicked, this, &SpecialtyPage::onSpecialtyClicked);
    connect(m_results->list(), &ui::ListBox::clicked, this, &SpecialtyPage::onRemedyClicked);
    connect(m_sheet, &sheet::RemedySheet::deferredStep, this, &SpecialtyPage::onDeferredStep);
}

void SpecialtyPage::clearCountLine()
{
    m_results->clearCaptions();
}

QWidget* SpecialtyPage::chainTabOrder(QWidget* previous)
{
    setTabOrder(previous, m_specialties);
    setTabOrder(m_specialties, m_results->list());
    return m_sheet->chainTabOrder(m_results->list());
}

void SpecialtyPage::onSpecialtyClicked()
{
    const QString specialty = m_specialties->selectedEntry();
    const QList<int> found = remediesInSpecialty(*m_context.table, specialty);
    m_sheet->listFound(m_results->list(), *m_context.table, found);
    m_results->countLine()->setCaption(
        ui::countLine(int(found.size()), QStringLiteral("dans la spécialité:")));
    m_results->searched()->setCaption(specialty);
}

void SpecialtyPage::onRemedyClicked()
{
    m_sheet->showPicked(*m_context.table, m_results->list()->selectedEntry(), *m_context.warnings,
                        m_context.warnings->pendingSpecialtyPage);
}

void SpecialtyPage::onDeferredStep()
{
    // Back to the specialties.
    m_sheet->returnFocus(m_results->list(), m_specialties, *m_context.warnings,
                         m_context.warnings->pendingSpecialtyPage);
}

} // namespace browse
