#include "countline.h"

using namespace Qt::StringLiterals;

namespace ui {

QString countLine(int count, const QString& secondLine, NoneFound none)
{
    QString first;
    if (count <= 0 && none == NoneFound::InWords)
        first = u"Aucun remède trouvé"_s;
    else if (count == 1)
        first = u"1 remède trouvé"_s;
    else
        first = QString::number(count) + u" remèdes trouvés"_s;
    return first + LineBreak + secondLine;
}

} // namespace ui
