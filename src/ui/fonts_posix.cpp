// The designed faces on Linux: Debian ships metric-compatible Tahoma and MS Sans
// Serif with wine, outside the font configuration, and Veranda (or DejaVu Sans,
// which keeps its metrics) for Verdana.
#include "ui/fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace ui {

namespace {

const char* const WineFonts = "/usr/share/wine/fonts";

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

} // namespace ui
