// Vitralis starts here: the start-up stage, then the main window.
#include "desktop.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    startup::setUpApplication();
    startup::Starter starter(startup::holdWorkingFolder());
    const int ended = starter.start();
    if (ended >= 0)
        return ended;
    return QApplication::exec();
}
