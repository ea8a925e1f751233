#include "fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace ui {

namespace {

const char* const WineFonts = "/usr/share/wine/fonts";

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

void installFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QDir wine(QString::fromLatin1(WineFonts));
    // Only the regular face: the packaged bold one draws no heavier than it, so
    // bold is better made from the regular outlines.
    for (const char* file : {"tahoma.ttf"}) {
        const QString path = wine.filePath(QString::fromLatin1(file));
        if (QFileInfo::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
    const QStringList fallback{QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), fallback);
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("Veranda"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
}

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
