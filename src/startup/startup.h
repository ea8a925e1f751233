#pragma once

#include "mainwin/mainwindow.h"

#include <QLockFile>

#include <functional>
#include <memory>

namespace startup {

inline const QString VersionText = QStringLiteral("1.40");

// The working folder with exactly one separator at its end; a folder that
// already ends with one, such as the root, is kept as it is.
QString startFolderFrom(const QString& workingFolder);

// The values every window reads for the whole run, taken at start.
mainwin::ProgramValues programValues(const QString& workingFolder);

// Takes hold of the process's working folder as the start folder, so that the
// documents are read from it whatever the bytes of its name (see
// ui::holdStartFolder()), and returns its path.
QString holdWorkingFolder();

// Keeps a second copy of the program from running. The lock lives in the
// user's runtime folder and is released when the holder ends; the lock of a
// copy that was killed or crashed is recognised as stale and taken over.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString& lockPath = defaultLockPath());
    // True when this copy is the only one running.
    bool acquire();
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

// How the second-start message is shown; tests put their own in its place.
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
    std::unique_ptr<mainwin::MainWindow> m_window;
};

} // namespace startup
