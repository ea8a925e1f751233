#include "specialtypage.h"

#include "browsecore.h"
#include "mainwin/warningwindow.h"
#include "specialties.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <utility>

namespace browse {

SpecialtyPage::SpecialtyPage(QWidget* container, const mainwin::PageContext& context)
    : QObject(container), m_container(container), m_context(context)
{
    setObjectName(QStringLiteral("SpecialtyPage"));
    sheet = new mainwin::RemedySheet(container, 2);

    specialties = new ui::ListBox(container, QStringLiteral("LstBranche"));
    specialties->setGeometry(ui::twipsRect(60, 60, 5115, 9690));
    specialties->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    specialties->setAccessibleName(QStringLiteral("Spécialités"));
    specialties->addEntries(specialtyEntries());

    remedies = new ui::ListBox(container, QStringLiteral("LstResult"));
    remedies->setGeometry(ui::twipsRect(5220, 660, 4635, 2880));
    remedies->setFont(ui::designFont(ui::Face::Tahoma, 12));
    remedies->setStyleSheet(QStringLiteral("QListWidget { background: #F0F0F0; }"));
    remedies->setAccessibleName(QStringLiteral("Remèdes trouvés"));

    countLine = new ui::Label(container, QStringLiteral("LblResult11"));
    countLine->setGeometry(ui::twipsRect(9900, 1080, 3795, 735));
    countLine->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    countLine->setAlignment(Qt::AlignCenter);
    countLine->exposeValue(QStringLiteral("Résultat"));

    chosen = new ui::Label(container, QStringLiteral("LblResult12"));
    chosen->setGeometry(ui::twipsRect(9900, 1860, 3795, 375));
    chosen->setFont(ui::designFont(ui::Face::Tahoma, 14.25, true));
    chosen->setTextColor(QColor(0xFF, 0x80, 0x00));
    chosen->setAlignment(Qt::AlignCenter);
    chosen->exposeValue(QStringLiteral("Spécialité choisie"));

    connect(specialties, &ui::ListBox::clicked, this, &SpecialtyPage::onSpecialtyClick);
    connect(remedies, &ui::ListBox::clicked, this, &SpecialtyPage::onRemedyClick);
    connect(sheet->timer, &QTimer::timeout, this, &SpecialtyPage::onDeferredStep);
}

void SpecialtyPage::onSpecialtyClick()
{
    const QString specialty = specialties->selectedEntry();
    const refdata::RemedyTable& table = *m_context.table;
    const QList<int> found = remediesInSpecialty(table, specialty);
    sheet->listFound(remedies, table, found);

    countLine->setCaption(specialtyCountLine(int(found.size())));
    chosen->setCaption(specialty);
    sheet->formatBody();
    sheet->timer->start(10);
}

void SpecialtyPage::onRemedyClick()
{
    m_keyboardPick = ui::keyboardActivation();
    sheet->showPicked(*m_context.table, remedies->selectedEntry(), *m_context.warnings,
                      m_context.warnings->pendingSpecialtyPage);
}

void SpecialtyPage::onDeferredStep()
{
    sheet->timer->stop();
    // Back to the specialties; a remedy chosen with the arrows keeps the
    // focus in the remedies, so that the next arrow goes on through them.
    (std::exchange(m_keyboardPick, false) ? remedies : specialties)->setFocus();

    mainwin::RemedySheet::openPendingWarning(
        *m_context.warnings, m_context.warnings->pendingSpecialtyPage, m_container->window());
}

} // namespace browse
