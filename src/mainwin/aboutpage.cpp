#include "aboutpage.h"

#include "shellcore.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/palette.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace mainwin {

namespace {

using namespace ui::colour;

ui::Label* label(QWidget* parent, const QString& name, const QString& caption, const QRect& twips,
                 const QFont& font, const QColor& colour)
{
    auto* l = new ui::Label(parent, name);
    l->setGeometry(ui::twipsRect(twips));
    l->setFont(font);
    l->setTextColour(colour);
    l->setWordWrap(false);
    l->setCaption(caption);
    return l;
}

} // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Pict(4)"));
    auto* title =
        label(this, QStringLiteral("LblTitre"), QStringLiteral("Vitralis "),
              QRect(60, 150, 13815, 405), ui::designFont(ui::Face::Tahoma, 18, true), Orange);
    title->setAlignment(Qt::AlignCenter);
    auto* aboutOf =
        label(this, QStringLiteral("LblAproposDu"), QStringLiteral("A propos du"),
              QRect(2160, 270, 0, 0), ui::designFont(ui::Face::Tahoma, 12, true), Orange);
    aboutOf->adjustSize();
    // The program's icon, in the empty start of the title row just before
    // "A propos du"; shown once the application has one.
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("ImgIcone"));
    m_icon->setGeometry(ui::twipsRect(1680, 150, 405, 405));
    m_icon->setAccessibleName(QStringLiteral("Icône de Vitralis"));
    m_icon->hide();

    m_disclaimer = label(this, QStringLiteral("Lb(1)"), QString(), QRect(60, 750, 13815, 2445),
                         ui::designFont(ui::Face::Tahoma, 14.25), DarkGrey);
    m_disclaimer->setBackgroundColour(Panel);
    m_disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_version = label(this, QStringLiteral("LblVersion"), QString(), QRect(9780, 3360, 675, 345),
                      ui::designFont(ui::Face::Tahoma, 14.25, true), DarkGrey);
    m_version->setAlignment(Qt::AlignCenter);
    m_version->exposeValue(QStringLiteral("Version"));

    m_licence = new ui::RichTextBox(this, QStringLiteral("Rtb1"));
    m_licence->setGeometry(ui::twipsRect(180, 3840, 8895, 5835));
    m_licence->setAccessibleName(QStringLiteral("Licence"));

    const QFont text = ui::designFont(ui::Face::Tahoma, 12);
    label(this, QStringLiteral("LblInventaire1"),
          QStringLiteral(" Inventaire alphabétique et description des "),
          QRect(9120, 3900, 4605, 270), text, Black);
    label(this, QStringLiteral("LblInventaire2"),
          QStringLiteral("       principaux remèdes homéopathiques."), QRect(9120, 4170, 4605, 270),
          text, Black);
    auto* count =
        label(this, QStringLiteral("Lbl377"), QStringLiteral("377"), QRect(9180, 4170, 0, 0),
              ui::designFont(ui::Face::Tahoma, 12, true), DarkRed);
    count->adjustSize();

    auto* description = label(
        this, QStringLiteral("LblDescription"),
        QStringLiteral(
            "Le Vitralis est un logiciel d'information décrivant les principaux remèdes "
            "homéopathiques "
            "ainsi que des différentes maladies susceptibles d'être traitées par l'homéopathie, "
            "une "
            "thérapie douce et atoxique. Ce logiciel permet d'effectuer des recherches sur les "
            "différents remèdes mais également en fonction des symptômes d'une maladie, par "
            "branche "
            "médicale ainsi que par mots clés."),
        QRect(9120, 4470, 4605, 2985), text, Black);
    description->setBackgroundColour(White);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);

    auto* site = m_site = new QPushButton(QStringLiteral("Site internet"), this);
    site->setObjectName(QStringLiteral("CmdSite"));
    site->setGeometry(ui::twipsRect(9120, 7560, 2265, 495));
    site->setFont(ui::designFont(ui::Face::Tahoma, 12, true));
    connect(site, &QPushButton::clicked, this, &AboutPage::siteClicked);
    ui::pressWithKeys(site);
}

void AboutPage::load(const QString& version, const QString& startFolder)
{
    m_version->setCaption(version);
    m_licence->loadDocument(startFolder, QStringLiteral("Licencebis.rtf"));
    m_disclaimer->setCaption(disclaimerText());
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) {
        m_icon->setPixmap(icon.pixmap(m_icon->size(), m_icon->devicePixelRatioF()));
        m_icon->show();
    }
}

QWidget* AboutPage::chainTabOrder(QWidget* previous)
{
    setTabOrder(previous, m_licence);
    setTabOrder(m_licence, m_site);
    return m_site;
}

void AboutPage::prepare()
{
    m_version->setBackgroundColour(Panel);
}

} // namespace mainwin
