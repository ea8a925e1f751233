#pragma once

#include "mainwin/mainwindow.h"

#include <QLockFile>

#include <functional>
#include <memory>

namespace startup {

// The version the About page shows: the project's, "1.40".
extern const QString VersionText;

// The working folder with exactly one separator at its end; a folder that
// already ends with one, such as the root, is kept as it is.
QString startFolderFrom(const QString& workingFolder);

// The values every window reads for the whole run, taken at start.
mainwin::ProgramValues programValues(const QString& workingFolder);

// Takes hold of the process's working folder as the start folder, so that the
// documents are read from it whatever the bytes of its name (see
// documents::holdStartFolder()), and returns its path.
QString holdWorkingFolder();

// Keeps a second copy of the program from running. The lock lives in a folder
// private to the user and is released when the holder ends. A lock that is
// plainly no running copy's (its holder died, it is empty or damaged, another
// machine wrote it, an empty folder stands in its place) is taken over.
class SingleInstanceGuard
{
public:
    enum class Outcome
    {
        Acquired,        // this copy is the only one running
        AnotherCopyRuns, // a running copy holds the lock
        NoLock,          // the lock cannot be taken; nothing says another copy runs
    };

    // An empty `lockPath` means that no private folder could be found for it.
    explicit SingleInstanceGuard(const QString& lockPath = defaultLockPath());
    Outcome acquire();
    // Why the lock could not be taken, in French, after acquire() said NoLock.
    QString problem() const { return m_problem; }

    // vitralis.lock in a folder private to the user (one file per system). On
    // Linux: the user's runtime folder when it is the user's own and closed to
    // others, else a folder of the temporary folder made for the user alone. On
    // Windows: Vitralis in the user's local application data. Empty when no
    // such folder can be had.
    static QString defaultLockPath();

    // This machine's name as a lock written here gives it (one file per system).
    static QString thisMachine();

private:
    Outcome giveUp(const QString& why);

    std::unique_ptr<QLockFile> m_lock;
    QString m_problem;
};

// How the second-start message is shown; tests put their own in its place, and
// an empty one brings back the program's message box.
using MessageShower = std::function<void(const QString& title, const QString& text)>;
void setMessageShower(MessageShower shower);
void showAlreadyRunning();

// The start-up stage: guards against a second copy, then hands over to the
// main window 100 ms later from the event loop. Returns the process's exit
// code when the program must end at once, or -1 to run the event loop.
class Starter : public QObject
{
    Q_OBJECT

public:
    explicit Starter(const QString& workingFolder,
                     const QString& lockPath = SingleInstanceGuard::defaultLockPath());
    int start();
    mainwin::MainWindow* mainWindow() const { return m_window.get(); }

signals:
    void mainWindowLoaded(mainwin::MainWindow* window);

private:
    mainwin::ProgramValues m_values;
    SingleInstanceGuard m_guard;
    std::unique_ptr<mainwin::MainWindow> m_built; // built, not yet loaded
    std::unique_ptr<mainwin::MainWindow> m_window;
};

} // namespace startup
