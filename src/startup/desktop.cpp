#include "desktop.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

namespace startup {

bool loadToolkitTranslations()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return true;
    auto* candidate = new QTranslator(QCoreApplication::instance());
    if (!candidate->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete candidate;
        return false;
    }
    QCoreApplication::installTranslator(candidate);
    translator = candidate;
    return true;
}

void setUpApplication()
{
    QApplication::setApplicationName(AppName);
    QGuiApplication::setDesktopFileName(AppId);
    // Read by Qt's own PNG reader: left to guess, the reader would load every
    // image plugin first to ask whether it knows the picture better.
    QIcon icon;
    for (const int n : {VITRALIS_ICON_SIZES}) {
        QImageReader reader(QStringLiteral(":/vitralis/icons/%1.png").arg(n), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);
    loadToolkitTranslations();
}

} // namespace startup
