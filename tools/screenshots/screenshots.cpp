// Takes a picture of each page of the main window and of the glossary window's
// two views, for the documentation:
//   vitralis_screenshots OUTPUT_FOLDER
// Run it in the folder that holds the two documents, on a real display (for
// instance under Xvfb at 96 dpi).
#include "glossary/indexwindow.h"
#include "search/searchwindow.h"
#include "startup/desktop.h"
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
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
                    index->grab().save(
                        QDir(out).filePath(QStringLiteral("glossary-information.png")));
                    // The glossary with a term chosen and its definition shown.
                    glossary::IndexWindow::openWindow()->showTerm(QStringLiteral("angine"));
                    QApplication::processEvents();
                    index->grab().save(
                        QDir(out).filePath(QStringLiteral("glossary-glossaire.png")));
                    index->close();
                }
                // The search window: one symptom, then a repertory, and the
                // repertory's page as it goes to paper.
                const sheet::PageContext context{
                    &w->table(),    &w->keywords(),
                    &w->warnings(), w->findChild<QWidget*>(QStringLiteral("Foc")),
                    &w->terms(),    w->values().versionText};
                auto* search = search::SearchWindow::showWindow(context, w);
                // The sheet's deferred step (its colours) comes 10 ms after a showing.
                auto settle = [] {
                    QElapsedTimer waited;
                    waited.start();
                    while (waited.elapsed() < 400)
                        QApplication::processEvents(QEventLoop::AllEvents, 20);
                };
                auto picture = [&](const QString& query, const char* name) {
                    search->setQuery(query);
                    QApplication::processEvents();
                    settle();
                    search->grab().save(QDir(out).filePath(QString::fromLatin1(name)));
                };
                picture(QStringLiteral("pire par le froid humide"), "search-symptom.png");
                picture(QStringLiteral("toux sèche, pire la nuit, soif, fièvre, agitation, "
                                       "anxiété, mieux par la chaleur, sueurs"),
                        "search-repertory.png");
                search::SearchWindow::setDialogAnswer([&](QDialog& d) {
                    d.resize(900, 1000);
                    d.show();
                    settle();
                    d.grab().save(QDir(out).filePath(QStringLiteral("search-repertory-paper.png")));
                    return int(QDialog::Rejected);
                });
                search->previewGrid();
                search::SearchWindow::setDialogAnswer({});
                search->close();
                QApplication::quit();
            });
        });
    });
    return QApplication::exec();
}
