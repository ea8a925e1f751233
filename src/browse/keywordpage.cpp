#include "keywordpage.h"

#include "ui/fonts.h"
#include "ui/twips.h"

namespace browse {

KeywordPage::KeywordPage(QWidget* container, const mainwin::PageContext& context)
    : QObject(container), m_context(context)
{
    setObjectName(QStringLiteral("KeywordPage"));
    sheet = new mainwin::RemedySheet(container, 1);

    for (int k = 1; k <= 26; ++k) {
        auto* l = new ui::Label(container, QStringLiteral("Lab(%1)").arg(k));
        const int column = k <= 13 ? k - 1 : k - 14;
        l->setGeometry(ui::twipsRect(300 + 360 * column, k <= 13 ? 30 : 390, 315, 315));
        l->setFont(ui::designFont(ui::Face::Verdana, 12));
        l->setBackgroundColor(QColor(0xE0, 0xE0, 0xE0));
        const bool empty = k == 23 || k == 24 || k == 25;
        l->setTextColor(empty     ? QColor(0xC0, 0xC0, 0xC0)
                        : k == 26 ? Qt::black
                                  : QColor(0x40, 0x40, 0x40));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        l->setCaption(QString(QChar(u'A' + k - 1)));
        l->setCursor(Qt::PointingHandCursor);
        letters[k - 1] = l;
    }

    words = new ui::ListBox(container, QStringLiteral("LstMC"));
    words->setGeometry(ui::twipsRect(60, 720, 5115, 9000));
    words->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    words->setAccessibleName(QStringLiteral("Mots clés"));

    remedies = new ui::ListBox(container, QStringLiteral("LstRech"));
    remedies->setGeometry(ui::twipsRect(5220, 660, 4635, 2880));
    remedies->setFont(ui::designFont(ui::Face::Tahoma, 12));
    remedies->setStyleSheet(QStringLiteral("QListWidget { background: #F0F0F0; }"));
    remedies->setAccessibleName(QStringLiteral("Remèdes trouvés"));

    countLine = new ui::Label(container, QStringLiteral("LblResult1"));
    countLine->setGeometry(ui::twipsRect(9900, 1080, 3795, 735));
    countLine->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    countLine->setAlignment(Qt::AlignCenter);

    chosenWord = new ui::Label(container, QStringLiteral("LblResult2"));
    chosenWord->setGeometry(ui::twipsRect(9900, 1860, 3795, 375));
    chosenWord->setFont(ui::designFont(ui::Face::Tahoma, 14.25, true));
    chosenWord->setTextColor(QColor(0xFF, 0x80, 0x00));
    chosenWord->setAlignment(Qt::AlignCenter);
}

} // namespace browse
