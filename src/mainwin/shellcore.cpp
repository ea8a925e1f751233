#include "shellcore.h"

#include "ui/countline.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace mainwin {

QPointF windowPlacement(QSizeF screen, QSizeF window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 4};
}

QString disclaimerText()
{
    const QStringList lines = {
        QString(19, u' ') +
            u"Créé par le docteur  Velmarin, l'homéopathie est considérée  comme une  médecine douce."_s,
        QString(22, u' ') +
            u"C'est une méthode thérapeutique visant à soigner l'être humain en lui administrant des doses"_s,
        QString(22, u' ') +
            u"infinitésimales  de  produits  naturels. Ce guide  a pour seul objet  de  vous  "
            u"informer  sur  les"_s,
        QString(20, u' ') +
            u"caractéristiques des remèdes homéopathiques, mais ne peut être utilisé pour "
            u"l'instauration d'un"_s,
        u"traitement  ou  l' établissement d' un diagnostic, lequel  nécessite  obligatoirement  "
        u"un  "
        u"examen  du  patient"_s,
        u"auprès  du médecin  traitant. Il conviendra donc  d'être prudent et de  toujours  "
        u"prendre "
        u"conseil  auprès de"_s,
        u"son  médecin  qui  seul  est  habilité  à  mettre  en  oeuvre  un  traitement  adapté  à "
        u" "
        u"votre  cas  personnel."_s,
    };
    return lines.join(ui::LineBreak);
}

} // namespace mainwin
