// Helps the start-up tests from another process, and waits to be killed.
//   lockholder PATH    takes the single-instance lock PATH and says "locked" or "refused".
//   lockholder --start PATH  waits for a line on its input, then starts as the program does,
//                      with its lock at PATH, and says "window" once its main window is
//                      loaded, or "refused" when it is told that another copy runs.
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void say(const char* what)
{
    std::puts(what);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    if (std::string(argv[1]) != "--start") {
        QCoreApplication app(argc, argv);
        startup::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
        say(guard.acquire() == startup::SingleInstanceGuard::Outcome::Acquired ? "locked"
                                                                               : "refused");
        QThread::sleep(60);
        return 0;
    }
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // what the reader keeps, kept apart
    ui::installFonts();
    startup::setMessageShower([](const QString&, const QString&) { say("refused"); });
    startup::Starter starter(QDir::currentPath(),
                             argc > 2 ? QString::fromLocal8Bit(argv[2])
                                      : startup::SingleInstanceGuard::defaultLockPath());
    QObject::connect(&starter, &startup::Starter::mainWindowLoaded, [] { say("window"); });
    std::string line;
    std::getline(std::cin, line);
    if (starter.start() >= 0) {
        QThread::sleep(60);
        return 0;
    }
    return QApplication::exec();
}
