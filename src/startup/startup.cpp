#include "startup.h"

#include "ui/documents.h"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#ifndef VITRALIS_WEB_PAGE
#define VITRALIS_WEB_PAGE "https://vitralis.example.org/"
#endif

namespace startup {

namespace {

MessageShower& shower()
{
    static MessageShower s = [](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
        box.exec();
    };
    return s;
}

} // namespace

QString startFolderFrom(const QString& workingFolder)
{
    QString folder = QDir::toNativeSeparators(workingFolder);
    const QChar separator = QDir::separator();
    if (!folder.endsWith(separator))
        folder += separator;
    return folder;
}

mainwin::ProgramValues programValues(const QString& workingFolder)
{
    return {startFolderFrom(workingFolder), VersionText, QStringLiteral(VITRALIS_WEB_PAGE)};
}

QString holdWorkingFolder()
{
    const QString working = QDir::currentPath();
    ui::holdStartFolder(startFolderFrom(working));
    return working;
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath))
{
    // Never judge a lock by its age, only by whether its holder still runs.
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceGuard::acquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

QString SingleInstanceGuard::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/vitralis.lock");
}

void setMessageShower(MessageShower s)
{
    shower() = std::move(s);
}

void showAlreadyRunning()
{
    shower()(QStringLiteral("Vitralis"), QStringLiteral("Le programme est déja lancé."));
}

Starter::Starter(const QString& workingFolder, const QString& lockPath)
    : m_values(programValues(workingFolder)), m_guard(lockPath)
{
}

int Starter::start()
{
    if (!m_guard.acquire()) {
        showAlreadyRunning();
        return 0;
    }
    QTimer::singleShot(100, Qt::PreciseTimer, this, [this] {
        m_window = std::make_unique<mainwin::MainWindow>(m_values);
        m_window->load();
        emit mainWindowLoaded(m_window.get());
    });
    return -1;
}

} // namespace startup
