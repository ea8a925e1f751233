#pragma once

#include "personal/store.h"
#include "personal/trail.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace personal {

class NoteEditor;
class RemedyMenu;

// What the reader keeps, wired into the main window: the store and the trail,
// the menus that reach them, the actions the sheets' context menus add, the
// shortcuts and the mouse's back and forward buttons. The window tells it each
// showing and shows what it asks for; the keeper never touches a page.
class Keeper : public QObject
{
    Q_OBJECT

public:
    Keeper(const QString& folder, Access access, QWidget* window);
    // Saves what is still unsaved, telling no one.
    ~Keeper() override;

    Store& store() { return m_store; }
    const Trail& trail() const { return m_trail; }

    // What the window shows now: its page and the remedy on that page's sheet
    // (empty when the sheet shows none).
    void setCurrent(std::function<Trail::Stop()> current) { m_current = std::move(current); }
    QString currentRemedy() const;

    // Reads the files; what could not be read waits for tellProblems().
    void load();
    // Tells, in one message, what went wrong since the last time.
    void tellProblems();
    // Adds the menus "Historique", "Favoris", "Mes notes" and "Affichage" at
    // the end of `bar`.
    void addMenus(QMenuBar* bar);
    // The actions a sheet's context menu offers for the remedy `remedyOf`
    // gives: its favourite, its note, and the tick that puts notes on paper.
    // They belong to `owner`, which must outlive the sheet (the sheet holds
    // them until they go); updateSheetActions() names them for the remedy each
    // time the menu opens.
    QList<QAction*> sheetActions(QObject* owner, std::function<QString()> remedyOf);
    void updateSheetActions(const QList<QAction*>& actions, const QString& remedy) const;

    // Whether the paper, the PDF and the copy of a sheet carry the reader's
    // note: a tick of the menus, off at each start.
    bool noteGoesOnPaper() const;

    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }

public slots:
    // A remedy shown on the sheet of `page`. The window's own first display
    // (`byReader` false) goes on the trail only: nothing is kept before the
    // reader shows something.
    void recordShowing(int page, const QString& remedy, bool byReader = true);
    void goBack();
    void goForward();
    void toggleFavourite(const QString& remedy);
    // Opens the note editor of `remedy`, or brings it forward when open.
    void editNote(const QString& remedy);
    void largerText();
    void smallerText();
    void normalText();
    void exportKept();
    void importKept();
    // Saves what is unsaved and tells what could not be (the window's close).
    bool saveNow();

signals:
    // Show `remedy` on the sheet of `page`, as any showing does.
    void showRequested(int page, const QString& remedy);
    // The sheets' text size, in percent of the designed one.
    void textSizeChanged(int percent);
    void noteChanged(const QString& remedy);
    void favouritesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void go(const std::optional<Trail::Stop>& stop);
    void setTextSize(int percent);
    void updateActions();
    QString favouriteText(const QString& remedy) const;

    QWidget* m_window;
    Store m_store;
    Trail m_trail;
    std::function<Trail::Stop()> m_current;
    QPointer<NoteEditor> m_editor;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_favourite = nullptr;
    QAction* m_note = nullptr;
    QAction* m_sizeShown = nullptr;
    QAction* m_notePaper = nullptr;
    RemedyMenu* m_recentMenu = nullptr;
    RemedyMenu* m_favouritesMenu = nullptr;
    RemedyMenu* m_notesMenu = nullptr;
};

} // namespace personal
