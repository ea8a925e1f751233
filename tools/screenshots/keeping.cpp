// Takes the pictures of what a reader keeps, for the documentation: the
// history menu, the favourites menu, a note and its mark on the sheet.
//   vitralis_keeping_screenshots OUTPUT_FOLDER
// Run it in the folder that holds the two documents, under Xvfb at 96 dpi: the
// menus are windows of their own, so the pictures are taken of the screen.
#include "personal/keeper.h"
#include "personal/noteeditor.h"
#include "startup/desktop.h"
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The screen around the window and what opened over it.
void shoot(const QWidget* w, const QString& path, int extraHeight = 0)
{
    const QRect frame = w->frameGeometry().adjusted(0, 0, 0, extraHeight);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    startup::setUpApplication();
    QStandardPaths::setTestModeEnabled(true); // the reader's own folder stays theirs
    ui::installFonts();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    QTemporaryDir lockFolder;
    startup::Starter starter(QDir::currentPath(), lockFolder.filePath(QStringLiteral("lock")));
    if (starter.start() >= 0)
        return 1;
    QObject::connect(&starter, &startup::Starter::mainWindowLoaded, [&](mainwin::MainWindow* w) {
        QTimer::singleShot(600, w, [&, w] {
            personal::Keeper& keeper = w->keeper();
            w->move(20, 20);
            for (const char* name : {"ARNICA MONTANA", "BELLADONNA", "NUX VOMICA", "GELSEMIUM",
                                     "ACONITUM NAPELLUS", "PULSATILLA", "SULFUR"}) {
                w->warnings().silenced = true;
                w->showRemedyOn(0, QString::fromLatin1(name));
                wait(60);
            }
            for (const char* name : {"ARNICA MONTANA", "SULFUR", "GELSEMIUM"})
                keeper.toggleFavourite(QString::fromLatin1(name));
            keeper.store().setNote(
                QStringLiteral("NUX VOMICA"),
                QStringLiteral("Bon effet en 9 CH chez un adulte surmené (troubles digestifs "
                               "après les repas d'affaires)."));

            auto* bar = w->findChild<QMenuBar*>(QStringLiteral("BarreMenus"));
            auto* history = w->findChild<QMenu*>(QStringLiteral("MnuHistorique"));
            auto* recent = w->findChild<QMenu*>(QStringLiteral("MnuRecents"));
            bar->setActiveAction(history->menuAction());
            wait(200);
            history->setActiveAction(recent->menuAction());
            recent->popup(history->geometry().topRight() +
                          QPoint(0, history->actionGeometry(recent->menuAction()).top()));
            wait(300);
            shoot(w, QDir(out).filePath(QStringLiteral("keeping-historique.png")));
            recent->close();
            history->close();
            wait(100);

            auto* favourites = w->findChild<QMenu*>(QStringLiteral("MnuFavoris"));
            bar->setActiveAction(favourites->menuAction());
            wait(300);
            shoot(w, QDir(out).filePath(QStringLiteral("keeping-favoris.png")));
            favourites->close();
            wait(100);

            w->showRemedyOn(0, QStringLiteral("NUX VOMICA"));
            wait(200);
            keeper.editNote(QStringLiteral("NUX VOMICA"));
            auto* editor = w->findChild<personal::NoteEditor*>(QStringLiteral("FrmNote"));
            editor->move(w->frameGeometry().topLeft() + QPoint(380, 130));
            wait(300);
            shoot(w, QDir(out).filePath(QStringLiteral("keeping-note.png")));
            editor->close();
            QApplication::quit();
        });
    });
    return QApplication::exec();
}
