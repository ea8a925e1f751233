#include "remedysheet.h"

#include "warningwindow.h"

#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/palette.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QFrame>
#include <QTimer>

#include <utility>

namespace sheet {

using mainwin::ColouringPlan;
using mainwin::FormatRange;
using mainwin::FormattedText;
using mainwin::TextSpan;
using mainwin::WarningState;

namespace {

using namespace ui::colour;

// The sheet's area in its page, in twips: from the name frame to the warning label.
const QRect Area(5220, 60, 8535, 9675);

QString suffixed(const char* base, int page)
{
    return QString::fromLatin1(base) + (page == 0 ? QString() : QString::number(page));
}

} // namespace

RemedySheet::RemedySheet(int page, QWidget* parent) : QWidget(parent), m_page(page)
{
    setObjectName(suffixed("RemedySheet", page));
    setGeometry(ui::twipsRect(Area));
    // Panels first, so that the labels stand in front of them.
    auto panel = [&](const char* name, const QRect& twips, const QColor& colour, bool boxed) {
        auto* f = new QFrame(this);
        f->setObjectName(suffixed(name, page));
        f->setGeometry(place(twips));
        ui::fillBackground(f, colour);
        QPalette p = f->palette();
        p.setColor(QPalette::WindowText, Black);
        f->setPalette(p);
        f->setFrameStyle(boxed ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    };
    panel("UpperPanel", QRect(5220, 660, 8535, 2895), Panel, false);
    panel("LowerPanel", QRect(5220, 3510, 8535, 5595), White, false);
    panel("MarkPanel", QRect(11340, 60, 2415, 615), Panel, false);
    panel("NameFrame", QRect(5220, 60, 6135, 615), White, true);

    const bool full = isFull();
    m_name = new ui::Label(this, suffixed("LblDNom", page));
    m_name->setGeometry(full ? place(QRect(5250, 180, 6045, 405))
                             : place(QRect(5205, 180, 6135, 405)));
    m_name->setFont(ui::designFont(ui::Face::MsSansSerif, 15, true));
    m_name->setTextColour(Blue);
    m_name->setBackgroundColour(White);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setWordWrap(false);
    m_name->setBordered(true);
    m_name->exposeValue(QStringLiteral("Remède"));

    const int captionTop = (page == 1 || page == 3) ? 75 : 60;
    const int valueTop = page == 3 ? 285 : 300;
    caption("CaptionNote", QStringLiteral(" Noté:"), QRect(11340, captionTop, 795, 225), 9.75,
            QStringLiteral("Recommandation"));
    caption("CaptionDilution", QStringLiteral(" Dilution:"), QRect(12120, captionTop, 795, 225),
            9.75, QStringLiteral("Première dilution"));
    caption("CaptionListe", QStringLiteral(" Liste:"), QRect(12900, captionTop, 795, 225), 9.75,
            QStringLiteral("Classification"));
    const QColor windowText = palette().color(QPalette::WindowText);
    m_rating = valueLabel(suffixed("LblDNot", page), QStringLiteral("Recommandation"), QRect(11340, valueTop, 795, 330), 14.25, true,
                          Red, full ? Orange : Panel);
    m_dilution = valueLabel(suffixed("LblDDil", page), QStringLiteral("Première dilution"), QRect(12120, valueTop, 795, 330), 14.25,
                            false, windowText, full ? QColor(0xFF, 0xFF, 0x80) : Panel);
    m_listClass = valueLabel(suffixed("LblDLis", page), QStringLiteral("Classification"), QRect(12900, valueTop, 795, 330), 14.25,
                             false, Blue, full ? QColor(0x80, 0xFF, 0x80) : Panel);
    m_rating->setToolTip(QStringLiteral("Recommandation"));
    m_dilution->setToolTip(QStringLiteral("Première dilution"));
    m_listClass->setToolTip(QStringLiteral("Classification"));
    for (ui::Label* l : {m_rating, m_dilution, m_listClass}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        if (!full)
            l->setCaption(QStringLiteral("."));
    }

    if (full) {
        caption("CaptionFrancais", QStringLiteral("Nom français:"), QRect(5280, 660, 3015, 315),
                11.25);
        caption("CaptionOrigine", QStringLiteral("Origine, composition:"),
                QRect(5280, 1380, 2535, 315), 11.25);
        caption("CaptionBranche", QStringLiteral("Branche médicale:"), QRect(5280, 2100, 2535, 315),
                11.25);
        m_frenchName = valueLabel(QStringLiteral("LblDFra"), QStringLiteral("Nom français"), QRect(5340, 960, 4275, 390), 14.25,
                                  false, QColor(0x00, 0x80, 0x00), Panel);
        m_origin = valueLabel(QStringLiteral("LblDCom"), QStringLiteral("Origine, composition"), QRect(5340, 1680, 5955, 390), 14.25, false,
                              QColor(0x80, 0x80, 0xFF), Panel);
        m_specialties = valueLabel(QStringLiteral("LblDBra"), QStringLiteral("Branche médicale"), QRect(5340, 2400, 8355, 1125), 14.25,
                                   false, DarkRed, Panel);
        m_frenchName->setWordWrap(false);
        m_origin->setWordWrap(false);
    }

    m_body = new ui::RichTextBox(this, QStringLiteral("Rtb%1Text").arg(page + 1));
    m_body->setGeometry(place(QRect(5340, 3600, 8355, 5475)));
    m_body->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_body->setFrameStyle(QFrame::NoFrame);
    m_body->setAccessibleName(QStringLiteral("Indications"));

    m_warning = valueLabel(QStringLiteral("LblDMe%1").arg(page + 1), QStringLiteral("Avertissement"), QRect(5220, 9090, 8535, 645),
                           12, false, Orange, Panel);
    m_warning->setAlignment(Qt::AlignCenter);
    m_warning->exposeValue(QStringLiteral("Avertissement"), true);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimText%1").arg(page + 1));
    m_timer->setSingleShot(true);
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        emit deferredStep();
    });
}

QRect RemedySheet::place(const QRect& twips) const
{
    // Placed as in the page, so that every pixel falls where the design puts it.
    return ui::twipsRect(twips).translated(-ui::twipsRect(Area).topLeft());
}

ui::Label* RemedySheet::caption(const char* name, const QString& text, const QRect& twips,
                                double points, const QString& hint)
{
    auto* l = new ui::Label(this, suffixed(name, m_page));
    l->setGeometry(place(twips));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, false, true));
    l->setTextColour(DarkGrey);
    l->setBackgroundColour(Panel);
    l->setWordWrap(false);
    l->setCaption(text);
    if (!hint.isEmpty())
        l->setToolTip(hint);
    l->shrinkToFit();
    m_captions << l;
    return l;
}

ui::Label* RemedySheet::valueLabel(const QString& name, const QString& what, const QRect& twips,
                                   double points, bool bold, const QColor& text,
                                   const QColor& background)
{
    auto* l = new ui::Label(this, name);
    l->exposeValue(what);
    l->setGeometry(place(twips));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, bold));
    l->setTextColour(text);
    l->setBackgroundColour(background);
    l->setBordered(true);
    return l;
}

void RemedySheet::present(const refdata::RemedyTable& table, int i, const QString& name,
                          Finish finish)
{
    m_name->setCaption(name);
    if (isFull()) {
        m_frenchName->setCaption(table.frenchName[i]);
        m_origin->setCaption(table.origin[i]);
        m_specialties->setCaption(table.branches[i]);
    }
    m_rating->setCaption(table.rating[i]);
    m_dilution->setCaption(table.dilution[i]);
    m_listClass->setCaption(table.listClass[i]);
    if (finish == Finish::PlainText)
        m_body->setText(table.indications[i]);
    else
        layOutAndArm(table.indications[i]);
}

void RemedySheet::presentAgain()
{
    layOutAndArm(m_body->text());
}

void RemedySheet::layOutAndArm(const QString& text)
{
    // The final text and its looks, set once.
    const FormattedText f = mainwin::formatIndications(text);
    {
        const ui::RichTextBox::OneLayout once(*m_body);
        m_body->setText(f.text);
        for (const FormatRange& r : f.ranges)
            m_body->formatRange(r.start, r.length, r.colour, r.emphasis);
    }
    m_timer->start(10);
}

void RemedySheet::listFound(ui::ListBox* list, const refdata::RemedyTable& table,
                            const QList<int>& found)
{
    list->clearEntries();
    m_warning->setCaption(QString());
    list->addEntries(table.names(found));
    if (found.isEmpty()) {
        presentAgain();
        return;
    }
    const int first = found.front();
    present(table, first, u' ' + table.latinName[first] + u' ');
    if (table.isListed(first))
        m_warning->setCaption(table.listWarning[first]);
}

void RemedySheet::showPicked(const refdata::RemedyTable& table, const QString& name,
                             WarningState& warnings, bool& pending)
{
    m_keyboardPick = ui::keyboardActivation();
    m_warning->setCaption(QString());
    const int i = table.indexOf(name);
    if (i < 0) {
        m_name->setCaption(u' ' + name + u' ');
        presentAgain();
        return;
    }
    present(table, i, u' ' + name + u' ');
    if (table.isListed(i)) {
        m_warning->setCaption(table.listWarning[i]);
        warnings.warningText = table.extraWarning[i];
        pending = true;
    }
}

void RemedySheet::returnFocus(QWidget* results, QWidget* chooser, WarningState& warnings,
                              bool& pending)
{
    (std::exchange(m_keyboardPick, false) ? results : chooser)->setFocus();
    openPendingWarning(warnings, pending, window());
}

void RemedySheet::openPendingWarning(WarningState& warnings, bool& pending, QWidget* parent)
{
    if (pending && !warnings.silenced)
        WarningWindow::openModal(warnings, parent);
    pending = false;
}

void RemedySheet::setWarning(const QString& text)
{
    m_warning->setCaption(text);
}

void RemedySheet::clearBody()
{
    m_body->setText(QString());
}

QString RemedySheet::bodyText() const
{
    return m_body->text();
}

QWidget* RemedySheet::chainTabOrder(QWidget* previous)
{
    setTabOrder(previous, m_body);
    return m_body;
}

void RemedySheet::focusBody()
{
    m_body->setFocus();
}

void RemedySheet::colour(const ColouringPlan& plan, const QColor& colour)
{
    {
        const ui::RichTextBox::OneLayout once(*m_body);
        for (const TextSpan& s : plan.red)
            m_body->setRangeColour(s.start, s.length, colour);
    }
    if (plan.shown)
        m_body->showRange(plan.shown->start, plan.shown->length);
}

void RemedySheet::prepare()
{
    for (ui::Label* c : std::as_const(m_captions))
        c->setTransparent();
    for (ui::Label* l : {m_frenchName, m_origin, m_specialties}) {
        if (l)
            l->setTransparent();
    }
    for (ui::Label* l :
         {m_name, m_frenchName, m_origin, m_specialties, m_rating, m_dilution, m_listClass}) {
        if (l)
            l->setBordered(false);
    }
    if (!isFull())
        m_name->setCaption(QString());
}

} // namespace sheet
