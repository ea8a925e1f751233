#include "remedysheet.h"

#include "indications.h"
#include "warningwindow.h"

#include "ui/fonts.h"
#include "ui/twips.h"

namespace mainwin {

namespace {

const QColor Panel(0xE0, 0xE0, 0xE0);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor CaptionGrey(0x40, 0x40, 0x40);

QString suffixed(const char* base, int page)
{
    return QString::fromLatin1(base) + (page == 0 ? QString() : QString::number(page));
}

QFrame* panel(QWidget* parent, const QRect& twips, const QColor& colour, bool boxed)
{
    auto* f = new QFrame(parent);
    f->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::WindowText, Qt::black);
    f->setPalette(p);
    f->setFrameStyle(boxed ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    return f;
}

} // namespace

RemedySheet::RemedySheet(QWidget* container, int page)
    : QObject(container), m_container(container), m_page(page)
{
    setObjectName(QStringLiteral("RemedySheet") + QString::number(page));
    // Panels first, so that the labels stand in front of them.
    panel(container, QRect(5220, 660, 8535, 2895), Panel, false)
        ->setObjectName(suffixed("UpperPanel", page));
    panel(container, QRect(5220, 3510, 8535, 5595), White, false)
        ->setObjectName(suffixed("LowerPanel", page));
    panel(container, QRect(11340, 60, 2415, 615), Panel, false)
        ->setObjectName(suffixed("MarkPanel", page));
    panel(container, QRect(5220, 60, 6135, 615), White, true)
        ->setObjectName(suffixed("NameFrame", page));

    const bool full = isFull();
    nameLabel = new ui::Label(container, suffixed("LblDNom", page));
    nameLabel->setGeometry(full ? ui::twipsRect(5250, 180, 6045, 405)
                                : ui::twipsRect(5205, 180, 6135, 405));
    nameLabel->setFont(ui::designFont(ui::Face::MsSansSerif, 15, true));
    nameLabel->setTextColor(QColor(0x00, 0x00, 0xFF));
    nameLabel->setBackgroundColor(White);
    nameLabel->setAlignment(Qt::AlignCenter);
    nameLabel->setWordWrap(false);
    nameLabel->setBordered(true);
    nameLabel->exposeValue(QStringLiteral("Remède"));

    const int captionTop = (page == 1 || page == 3) ? 75 : 60;
    const int valueTop = page == 3 ? 285 : 300;
    caption(suffixed("CaptionNote", page), QStringLiteral(" Noté:"),
            QRect(11340, captionTop, 795, 225), 9.75, QStringLiteral("Recommandation"));
    caption(suffixed("CaptionDilution", page), QStringLiteral(" Dilution:"),
            QRect(12120, captionTop, 795, 225), 9.75, QStringLiteral("Première dilution"));
    caption(suffixed("CaptionListe", page), QStringLiteral(" Liste:"),
            QRect(12900, captionTop, 795, 225), 9.75, QStringLiteral("Classification"));
    const QColor windowText = container->palette().color(QPalette::WindowText);
    rating = valueLabel(suffixed("LblDNot", page), QStringLiteral("Recommandation"),
                        QRect(11340, valueTop, 795, 330), 14.25, true, QColor(0xFF, 0x00, 0x00),
                        full ? QColor(0xFF, 0x80, 0x00) : Panel);
    dilution = valueLabel(suffixed("LblDDil", page), QStringLiteral("Première dilution"),
                          QRect(12120, valueTop, 795, 330), 14.25, false, windowText,
                          full ? QColor(0xFF, 0xFF, 0x80) : Panel);
    listClass = valueLabel(suffixed("LblDLis", page), QStringLiteral("Classification"),
                           QRect(12900, valueTop, 795, 330), 14.25, false, QColor(0x00, 0x00, 0xFF),
                           full ? QColor(0x80, 0xFF, 0x80) : Panel);
    rating->setToolTip(QStringLiteral("Recommandation"));
    dilution->setToolTip(QStringLiteral("Première dilution"));
    listClass->setToolTip(QStringLiteral("Classification"));
    for (ui::Label* l : {rating, dilution, listClass}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        if (!full)
            l->setCaption(QStringLiteral("."));
    }

    if (full) {
        caption(QStringLiteral("CaptionFrancais"), QStringLiteral("Nom français:"),
                QRect(5280, 660, 3015, 315), 11.25);
        caption(QStringLiteral("CaptionOrigine"), QStringLiteral("Origine, composition:"),
                QRect(5280, 1380, 2535, 315), 11.25);
        caption(QStringLiteral("CaptionBranche"), QStringLiteral("Branche médicale:"),
                QRect(5280, 2100, 2535, 315), 11.25);
        frenchName =
            valueLabel(QStringLiteral("LblDFra"), QStringLiteral("Nom français"),
                       QRect(5340, 960, 4275, 390), 14.25, false, QColor(0x00, 0x80, 0x00), Panel);
        origin =
            valueLabel(QStringLiteral("LblDCom"), QStringLiteral("Origine, composition"),
                       QRect(5340, 1680, 5955, 390), 14.25, false, QColor(0x80, 0x80, 0xFF), Panel);
        specialties = valueLabel(QStringLiteral("LblDBra"), QStringLiteral("Branche médicale"),
                                 QRect(5340, 2400, 8355, 1125), 14.25, false,
                                 QColor(0x80, 0x00, 0x00), Panel);
        frenchName->setWordWrap(false);
        origin->setWordWrap(false);
    }

    body = new ui::RichTextBox(container, page == 0 ? QStringLiteral("Rtb1Text")
                                                    : QStringLiteral("Rtb%1Text").arg(page + 1));
    body->setGeometry(ui::twipsRect(5340, 3600, 8355, 5475));
    body->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    body->setFrameStyle(QFrame::NoFrame);
    body->setAccessibleName(QStringLiteral("Indications"));

    warning = valueLabel(QStringLiteral("LblDMe%1").arg(page + 1), QStringLiteral("Avertissement"),
                         QRect(5220, 9090, 8535, 645), 12, false, QColor(0xFF, 0x80, 0x00), Panel);
    warning->setAlignment(Qt::AlignCenter);
    warning->setBordered(true);
    warning->exposeValue(QStringLiteral("Avertissement"), true);

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("TimText%1").arg(page + 1));
    timer->setSingleShot(true);
    timer->setInterval(10);
}

ui::Label* RemedySheet::caption(const QString& name, const QString& text, const QRect& twips,
                                double points, const QString& hint)
{
    auto* l = new ui::Label(m_container, name);
    l->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, false, true));
    l->setTextColor(CaptionGrey);
    l->setBackgroundColor(Panel);
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
    auto* l = new ui::Label(m_container, name);
    l->exposeValue(what);
    l->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, bold));
    l->setTextColor(text);
    l->setBackgroundColor(background);
    l->setBordered(true);
    return l;
}

void RemedySheet::fill(const refdata::RemedyTable& table, int i, const QString& name)
{
    nameLabel->setCaption(name);
    if (isFull()) {
        frenchName->setCaption(table.frenchName[i]);
        origin->setCaption(table.origin[i]);
        specialties->setCaption(table.branches[i]);
    }
    body->setText(table.indications[i]);
    rating->setCaption(table.rating[i]);
    dilution->setCaption(table.dilution[i]);
    listClass->setCaption(table.listClass[i]);
}

void RemedySheet::showRemedy(const refdata::RemedyTable& table, int i)
{
    fill(table, i, u' ' + table.latinName[i] + u' ');
    formatBody();
    timer->start(10);
}

void RemedySheet::formatBody()
{
    const FormattedText f = formatIndications(body->text());
    body->setText(f.text);
    for (const FormatRange& r : f.ranges)
        body->formatRange(r.start, r.length, r.color, r.emphasis);
}

void RemedySheet::showFound(const refdata::RemedyTable& table, int i)
{
    fill(table, i, u' ' + table.latinName[i] + u' ');
    if (table.isListed(i))
        warning->setCaption(table.listWarning[i]);
}

void RemedySheet::listFound(ui::ListBox* list, const refdata::RemedyTable& table,
                            const QList<int>& found)
{
    list->clearEntries();
    warning->setCaption(QString());
    list->addEntries(table.names(found));
    // The first remedy is shown with its warning label; its window is not due.
    if (!found.isEmpty())
        showFound(table, found.front());
}

void RemedySheet::showPicked(const refdata::RemedyTable& table, const QString& name,
                             WarningState& warnings, bool& pending)
{
    warning->setCaption(QString());
    nameLabel->setCaption(u' ' + name + u' ');
    const int i = table.indexOf(name);
    if (i >= 0) {
        showFound(table, i);
        if (table.isListed(i)) {
            warnings.warningText = table.extraWarning[i];
            pending = true;
        }
    }
    formatBody();
    timer->start(10);
}

void RemedySheet::openPendingWarning(WarningState& warnings, bool& pending, QWidget* parent)
{
    if (pending && !warnings.silenced)
        WarningWindow::openModal(warnings, parent);
    pending = false;
}

void RemedySheet::prepare()
{
    for (ui::Label* c : std::as_const(m_captions))
        c->setTransparent();
    for (ui::Label* l : {frenchName, origin, specialties}) {
        if (l)
            l->setTransparent();
    }
    for (ui::Label* l : {nameLabel, frenchName, origin, specialties, rating, dilution, listClass}) {
        if (l)
            l->setBordered(false);
    }
    if (!isFull())
        nameLabel->setCaption(QString());
}

} // namespace mainwin
