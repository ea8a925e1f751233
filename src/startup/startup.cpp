#include "startup.h"

#include "documents/documents.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace startup {

const QString VersionText = QStringLiteral(VITRALIS_VERSION);

namespace {

void showWarningBox(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.exec();
}

MessageShower& shower()
{
    static MessageShower s = showWarningBox;
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
    return {
        startFolderFrom(workingFolder), VersionText, QStringLiteral(VITRALIS_WEB_PAGE), {}, false};
}

QString holdWorkingFolder()
{
    const QString working = QDir::currentPath();
    documents::holdStartFolder(startFolderFrom(working));
    return working;
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
{
    if (lockPath.isEmpty())
        return;
    m_lock = std::make_unique<QLockFile>(lockPath);
    // Never judge a lock by its age, only by whether its holder still runs.
    m_lock->setStaleLockTime(0);
}

SingleInstanceGuard::Outcome SingleInstanceGuard::acquire()
{
    if (!m_lock)
        return giveUp(QStringLiteral("aucun dossier réservé à l'utilisateur où le poser"));
    if (m_lock->isLocked())
        return Outcome::Acquired;
    const QString path = m_lock->fileName();
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (m_lock->tryLock(0))
            return Outcome::Acquired;
        if (m_lock->error() == QLockFile::PermissionError)
            return giveUp(QStringLiteral("pas le droit de créer « %1 »").arg(path));
        if (m_lock->error() != QLockFile::LockFailedError)
            return giveUp(QStringLiteral("« %1 » ne peut être créé").arg(path));
        // The lock stands. It is a running copy's when it names this machine:
        // the lock has already found its holder alive.
        qint64 pid = 0;
        QString host;
        QString application;
        const bool readable = m_lock->getLockInfo(&pid, &host, &application);
        const bool here = readable && (host.isEmpty() || host == thisMachine());
        // Unless it names this very process: a copy that died without taking
        // its lock away, whose number the system has given again to this one
        // (wine numbers its processes afresh at each start).
        if (here && pid == QCoreApplication::applicationPid() && m_lock->removeStaleLockFile())
            continue;
        if (here)
            return Outcome::AnotherCopyRuns;
        // Empty, damaged, written on another machine, or a folder: no copy's
        // here, and it goes. But a copy starting at this very moment has made
        // its lock a little before writing in it who it is: an unreadable lock
        // made within the last second, or held by a live process, is given time.
        const QFileInfo found(path);
        const qint64 age = found.lastModified().msecsTo(QDateTime::currentDateTime());
        const bool fresh = found.isFile() && !readable && age >= 0 && age < 1000;
        if (!fresh && (m_lock->removeStaleLockFile() || QDir().rmdir(path)))
            continue;
        if (!found.isFile())
            return giveUp(QStringLiteral("« %1 » n'est pas un verrou").arg(path));
        QThread::msleep(20);
    }
    return giveUp(QStringLiteral("« %1 » reste illisible").arg(path));
}

SingleInstanceGuard::Outcome SingleInstanceGuard::giveUp(const QString& why)
{
    m_problem = QStringLiteral("Vitralis : verrou d'instance unique indisponible (%1) ; "
                               "le programme démarre sans vérifier qu'il est seul lancé.")
                    .arg(why);
    return Outcome::NoLock;
}

void setMessageShower(MessageShower s)
{
    shower() = s ? std::move(s) : MessageShower(showWarningBox);
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
    switch (m_guard.acquire()) {
    case SingleInstanceGuard::Outcome::AnotherCopyRuns:
        showAlreadyRunning();
        return 0;
    case SingleInstanceGuard::Outcome::NoLock:
        std::fprintf(stderr, "%s\n", m_guard.problem().toLocal8Bit().constData());
        // Another copy may be running: this one only reads what the reader keeps.
        m_values.keptReadOnly = true;
        break;
    case SingleInstanceGuard::Outcome::Acquired:
        break;
    }
    QTimer::singleShot(100, Qt::PreciseTimer, this, [this] {
        if (!m_built)
            m_built = std::make_unique<mainwin::MainWindow>(m_values);
        m_window = std::move(m_built);
        m_window->load();
        emit mainWindowLoaded(m_window.get());
    });
    // The main window's widgets are built while the handover waits: nothing of
    // them shows, and its load still comes 100 ms after this one.
    QTimer::singleShot(0, this, [this] {
        if (!m_window && !m_built)
            m_built = std::make_unique<mainwin::MainWindow>(m_values);
    });
    return -1;
}

} // namespace startup
