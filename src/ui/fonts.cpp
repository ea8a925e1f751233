#include "fonts.h"

#include <QFontDatabase>

namespace ui {

namespace {

QString familyOf(Face face)
{
    switch (face) {
    case Face::Tahoma:
        return QStringLiteral("Tahoma");
    case Face::Verdana:
        return QStringLiteral("Verdana");
    case Face::MsSansSerif:
        // Its outline twin where the old face is absent, so that bold still shows.
        return QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                   ? QStringLiteral("MS Sans Serif")
                   : QStringLiteral("Tahoma");
    }
    return QStringLiteral("Tahoma");
}

} // namespace

QFont designFont(Face face, double points, bool bold, bool underline)
{
    QFont f(familyOf(face));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace ui
