#include "desktop.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace startup {

bool loadToolkitTranslations()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return true;
    auto* candidate = new QTranslator(QCoreApplication::instance());
    if (!candidate->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vitralis/icon.svg")));
    loadToolkitTranslations();
}

} // namespace startup
