#include "sheetfields.h"

#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/palette.h"
#include "ui/twips.h"

#include <QFrame>

#include <utility>

namespace sheet {

using namespace ui::colour;

const QRect SheetFields::Area(5220, 60, 8535, 9675);

QString pageName(const char* base, int page)
{
    return QString::fromLatin1(base) + (page == 0 ? QString() : QString::number(page));
}

SheetFields::SheetFields(QWidget* sheet, int page) : m_sheet(sheet), m_page(page)
{
    // Panels first, so that the labels stand in front of them.
    addPanels();
    addName();
    addMarks();
    if (full())
        addFullFields();
}

QRect SheetFields::place(const QRect& twips)
{
    // Placed as in the page, so that every pixel falls where the design puts it.
    return ui::twipsRect(twips).translated(-ui::twipsRect(Area).topLeft());
}

void SheetFields::addPanels()
{
    auto panel = [this](const char* name, const QRect& twips, const QColor& colour, bool boxed) {
        auto* f = new QFrame(m_sheet);
        f->setObjectName(pageName(name, m_page));
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
}

void SheetFields::addName()
{
    m_name = new ui::Label(m_sheet, pageName("LblDNom", m_page));
    m_name->setGeometry(full() ? place(QRect(5250, 180, 6045, 405))
                               : place(QRect(5205, 180, 6135, 405)));
    m_name->setFont(ui::designFont(ui::Face::MsSansSerif, 15, true));
    m_name->setTextColour(Blue);
    m_name->setBackgroundColour(White);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setWordWrap(false);
    m_name->setBordered(true);
    m_name->exposeValue(QStringLiteral("Remède"));
}

void SheetFields::addMarks()
{
    const int captionTop = (m_page == 1 || m_page == 3) ? 75 : 60;
    const int valueTop = m_page == 3 ? 285 : 300;
    caption("CaptionNote", QStringLiteral(" Noté:"), QRect(11340, captionTop, 795, 225), 9.75,
            QStringLiteral("Recommandation"));
    caption("CaptionDilution", QStringLiteral(" Dilution:"), QRect(12120, captionTop, 795, 225),
            9.75, QStringLiteral("Première dilution"));
    caption("CaptionListe", QStringLiteral(" Liste:"), QRect(12900, captionTop, 795, 225), 9.75,
            QStringLiteral("Classification"));
    const QColor windowText = m_sheet->palette().color(QPalette::WindowText);
    m_rating =
        valueLabel(pageName("LblDNot", m_page), QStringLiteral("Recommandation"),
                   QRect(11340, valueTop, 795, 330), 14.25, true, Red, full() ? Orange : Panel);
    m_dilution = valueLabel(pageName("LblDDil", m_page), QStringLiteral("Première dilution"),
                            QRect(12120, valueTop, 795, 330), 14.25, false, windowText,
                            full() ? QColor(0xFF, 0xFF, 0x80) : Panel);
    m_listClass = valueLabel(pageName("LblDLis", m_page), QStringLiteral("Classification"),
                             QRect(12900, valueTop, 795, 330), 14.25, false, Blue,
                             full() ? QColor(0x80, 0xFF, 0x80) : Panel);
    m_rating->setToolTip(QStringLiteral("Recommandation"));
    m_dilution->setToolTip(QStringLiteral("Première dilution"));
    m_listClass->setToolTip(QStringLiteral("Classification"));
    for (ui::Label* l : {m_rating, m_dilution, m_listClass}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        if (!full())
            l->setCaption(QStringLiteral("."));
    }
}

void SheetFields::addFullFields()
{
    caption("CaptionFrancais", QStringLiteral("Nom français:"), QRect(5280, 660, 3015, 315), 11.25);
    caption("CaptionOrigine", QStringLiteral("Origine, composition:"), QRect(5280, 1380, 2535, 315),
            11.25);
    caption("CaptionBranche", QStringLiteral("Branche médicale:"), QRect(5280, 2100, 2535, 315),
            11.25);
    m_frenchName =
        valueLabel(QStringLiteral("LblDFra"), QStringLiteral("Nom français"),
                   QRect(5340, 960, 4275, 390), 14.25, false, QColor(0x00, 0x80, 0x00), Panel);
    m_origin =
        valueLabel(QStringLiteral("LblDCom"), QStringLiteral("Origine, composition"),
                   QRect(5340, 1680, 5955, 390), 14.25, false, QColor(0x80, 0x80, 0xFF), Panel);
    m_specialties = valueLabel(QStringLiteral("LblDBra"), QStringLiteral("Branche médicale"),
                               QRect(5340, 2400, 8355, 1125), 14.25, false, DarkRed, Panel);
    m_frenchName->setWordWrap(false);
    m_origin->setWordWrap(false);
}

void SheetFields::addWarningLabel()
{
    m_warning =
        valueLabel(QStringLiteral("LblDMe%1").arg(m_page + 1), QStringLiteral("Avertissement"),
                   QRect(5220, 9090, 8535, 645), 12, false, Orange, Panel);
    m_warning->setAlignment(Qt::AlignCenter);
    m_warning->exposeValue(QStringLiteral("Avertissement"), true);
}

ui::Label* SheetFields::caption(const char* name, const QString& text, const QRect& twips,
                                double points, const QString& hint)
{
    auto* l = new ui::Label(m_sheet, pageName(name, m_page));
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

ui::Label* SheetFields::valueLabel(const QString& name, const QString& what, const QRect& twips,
                                   double points, bool bold, const QColor& text,
                                   const QColor& background)
{
    auto* l = new ui::Label(m_sheet, name);
    l->exposeValue(what);
    l->setGeometry(place(twips));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, bold));
    l->setTextColour(text);
    l->setBackgroundColour(background);
    l->setBordered(true);
    return l;
}

void SheetFields::show(const refdata::RemedyTable& table, int i, const QString& name)
{
    m_name->setCaption(name);
    if (full()) {
        m_frenchName->setCaption(table.frenchName[i]);
        m_origin->setCaption(table.origin[i]);
        m_specialties->setCaption(table.branches[i]);
    }
    m_rating->setCaption(table.rating[i]);
    m_dilution->setCaption(table.dilution[i]);
    m_listClass->setCaption(table.listClass[i]);
}

void SheetFields::setName(const QString& name)
{
    m_name->setCaption(name);
}

void SheetFields::setWarning(const QString& text)
{
    m_warning->setCaption(text);
}

void SheetFields::prepare()
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
    if (!full())
        m_name->setCaption(QString());
}

} // namespace sheet
