// Takes a picture of each page of the main window and of the glossary window's
// two views, for the documentation:
//   vitralis_screenshots OUTPUT_FOLDER
// Run it in the folder that holds the two documents, on a real display (for
// instance under Xvfb at 96 dpi).
#include "glossary/indexwindow.h"
#include "startup/desktop.h"
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    startup::setUpApplication();
    QStandardPaths::setTestModeEnabled(true); // the reader's history stays theirs
    ui::installFonts();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const QString lock = QDir::temp().filePath(QStringLiteral("vitralis-screenshots.lock"));
    startup::Starter starter(QDir::currentPath(), lock);
    if (starter.start() >= 0)
        return 1;
    QObject::connect(&starter, &startup::Starter::mainWindowLoaded, [&](mainwin::MainWindow* w) {
        QTimer::singleShot(600, w, [&, w] {
            const char* const names[] = {"remedes", "symptomes", "specialites", "mots-cles",
                                         "a-propos"};
            for (int k = 0; k < mainwin::MainWindow::PageCount; ++k) {
                w->showPage(k);
                QApplication::processEvents();
                w->grab().save(QDir(out).filePath(
                    QStringLiteral("page-%1.png").arg(QString::fromLatin1(names[k]))));
            }
            // The glossary window, on its information, then on the glossary.
            w->findChild<QPushButton*>(QStringLiteral("CmdIndex"))->click();
            QTimer::singleShot(600, w, [&, w] {
                auto* index = w->findChild<QWidget*>(QStringLiteral("Frm31Index"));
                if (index) {
                    index->grab().save(QDir(out).filePath(QStringLiteral("glossary-information.png")));
                    // The glossary with a term chosen and its definition shown.
                    glossary::IndexWindow::openWindow()->showTerm(QStringLiteral("angine"));
                    QApplication::processEvents();
                    index->grab().save(QDir(out).filePath(QStringLiteral("glossary-glossaire.png")));
                    index->close();
                }
                QApplication::quit();
            });
        });
    });
    return QApplication::exec();
}
