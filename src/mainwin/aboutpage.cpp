#include "aboutpage.h"

#include "ui/fonts.h"
#include "ui/twips.h"

namespace mainwin {

namespace {

const QColor Orange(0xFF, 0x80, 0x00);
const QColor DarkGrey(0x40, 0x40, 0x40);

ui::Label* label(QWidget* parent, const QString& name, const QString& caption, const QRect& twips,
                 const QFont& font, const QColor& colour)
{
    auto* l = new ui::Label(parent, name);
    l->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setFont(font);
    l->setTextColor(colour);
    l->setWordWrap(false);
    l->setCaption(caption);
    return l;
}

} // namespace

AboutPage::AboutPage(QWidget* container) : QObject(container)
{
    setObjectName(QStringLiteral("AboutPage"));
    title = label(container, QStringLiteral("LblTitre"), QStringLiteral("Vitralis "),
                  QRect(60, 150, 13815, 405), ui::designFont(ui::Face::Tahoma, 18, true), Orange);
    title->setAlignment(Qt::AlignCenter);
    auto* aboutOf =
        label(container, QStringLiteral("LblAproposDu"), QStringLiteral("A propos du"),
              QRect(2160, 270, 0, 0), ui::designFont(ui::Face::Tahoma, 12, true), Orange);
    aboutOf->adjustSize();

    disclaimer = label(container, QStringLiteral("Lb(1)"), QString(), QRect(60, 750, 13815, 2445),
                       ui::designFont(ui::Face::Tahoma, 14.25), DarkGrey);
    disclaimer->setBackgroundColor(QColor(0xE0, 0xE0, 0xE0));
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    version = label(container, QStringLiteral("LblVersion"), QString(), QRect(9780, 3360, 675, 345),
                    ui::designFont(ui::Face::Tahoma, 14.25, true), DarkGrey);
    version->setAlignment(Qt::AlignCenter);
    version->exposeValue(QStringLiteral("Version"));

    licence = new ui::RichTextBox(container, QStringLiteral("Rtb1"));
    licence->setGeometry(ui::twipsRect(180, 3840, 8895, 5835));
    licence->setAccessibleName(QStringLiteral("Licence"));

    const QFont text = ui::designFont(ui::Face::Tahoma, 12);
    label(container, QStringLiteral("LblInventaire1"),
          QStringLiteral(" Inventaire alphabétique et description des "),
          QRect(9120, 3900, 4605, 270), text, Qt::black);
    label(container, QStringLiteral("LblInventaire2"),
          QStringLiteral("       principaux remèdes homéopathiques."), QRect(9120, 4170, 4605, 270),
          text, Qt::black);
    auto* count =
        label(container, QStringLiteral("Lbl377"), QStringLiteral("377"), QRect(9180, 4170, 0, 0),
              ui::designFont(ui::Face::Tahoma, 12, true), QColor(0x80, 0x00, 0x00));
    count->adjustSize();

    auto* description = label(
        container, QStringLiteral("LblDescription"),
        QStringLiteral(
            "Le Vitralis est un logiciel d'information décrivant les principaux remèdes "
            "homéopathiques "
            "ainsi que des différentes maladies susceptibles d'être traitées par l'homéopathie, "
            "une "
            "thérapie douce et atoxique. Ce logiciel permet d'effectuer des recherches sur les "
            "différents remèdes mais également en fonction des symptômes d'une maladie, par "
            "branche "
            "médicale ainsi que par mots clés."),
        QRect(9120, 4470, 4605, 2985), text, Qt::black);
    description->setBackgroundColor(Qt::white);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);

    site = new QPushButton(QStringLiteral("Site internet"), container);
    site->setObjectName(QStringLiteral("CmdSite"));
    site->setGeometry(ui::twipsRect(9120, 7560, 2265, 495));
    site->setFont(ui::designFont(ui::Face::Tahoma, 12, true));
}

} // namespace mainwin
