// Takes the single-instance lock given as argument, says so, and waits to be killed.
#include "startup/startup.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    startup::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    std::puts(guard.acquire() ? "locked" : "refused");
    std::fflush(stdout);
    QThread::sleep(60);
    return 0;
}
