#pragma once

#include "refdata/remedytable.h"
#include "sheet/indications.h"
#include "sheet/pagecontext.h"
#include "sheet/warningstate.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QDialog;
class QMenu;
class QTimer;

namespace ui {
class Label;
class ListBox;
class RichTextBox;
} // namespace ui

namespace sheet {

class BodyTerms;
class SheetFields;
class SheetMenu;
struct PaperActions;

// The detail panel that shows one remedy. Page 0 carries the full sheet, with
// French name, origin and specialties; the three search pages carry reduced
// sheets with the name, the marks, the body and the warning only. The sheet's
// controls carry the names of their page: "LblDNom" on page 0, "LblDNom1" on
// page 1, and so on.
//
// The sheet also goes beyond the screen: its context menu and shortcuts print
// it, preview it, save it as a PDF file and copy it, laid out for paper; and a
// medical term of its body shows its definition when the mouse rests on it.
class RemedySheet : public QWidget
{
    Q_OBJECT

public:
    // `page` is 0 for the full sheet, 1 to 3 for the reduced ones.
    RemedySheet(int page, const PageContext& context, QWidget* parent);
    ~RemedySheet() override;

    int page() const { return m_page; }
    bool isFull() const { return m_page == 0; }

    // How a showing ends: the body laid out and the timer armed (every click),
    // or the body as plain text and no timer (the window's start-up display).
    enum class Finish
    {
        LayOutAndArm,
        PlainText
    };
    // Shows remedy i under `name` (the name label's whole caption): every
    // member the sheet has, and the body set once, laid out or plain.
    void present(const refdata::RemedyTable& table, int i, const QString& name,
                 Finish finish = Finish::LayOutAndArm);
    // A showing without a remedy: the members keep what they show, the body's
    // own text is laid out again and the timer armed.
    void presentAgain();

    // A browsing page's choice: empties the warning label, lists the remedies
    // found in `list` and shows the first of them with its warning label (its
    // window is not due); then lays out and arms.
    void listFound(ui::ListBox* list, const refdata::RemedyTable& table, const QList<int>& found);
    // A remedy picked in a page's result list, found by its exact name: its
    // warning label, and for a listed remedy the warning text and the page's
    // pending flag, so that the deferred step opens the window. Remembers
    // whether the keyboard made the pick.
    void showPicked(const refdata::RemedyTable& table, const QString& name,
                    sheet::WarningState& warnings, bool& pending);
    // The end of a search page's deferred step: the focus goes back to
    // `chooser`, or stays in `results` when the remedy shown was picked there
    // from the keyboard, so that the next arrow goes on through them; then the
    // warning window when one is due.
    void returnFocus(QWidget* results, QWidget* chooser, sheet::WarningState& warnings,
                     bool& pending);

    // The remedy page's deferred step for remedy i, selected in its list: the
    // warning label, and the warning window when one is due.
    void settleWarning(int i);

    void setWarning(const QString& text);
    void clearBody();
    QString bodyText() const;
    void focusBody();
    // Puts the body after `previous` in the tab order; returns it.
    QWidget* chainTabOrder(QWidget* previous);
    // Colours the plan's stretches of the body, keeping their other looks, and
    // brings the stretch it names into view with nothing selected.
    void colour(const sheet::ColouringPlan& plan, const QColor& colour);

    // What the window's start-up step does to every sheet: fixed captions and
    // the full sheet's text labels become transparent, value labels lose their
    // borders, and a reduced sheet's name is emptied.
    void prepare();

    // The remedy shown, or -1 when the sheet shows none (a page not used yet,
    // a body emptied): then printing, saving and copying are disabled.
    int shownRemedy() const { return m_shown; }

    // The glossary's definition of the term under `point` of the body (in the
    // body's viewport), as its tooltip shows it, or an empty string.
    QString definitionAt(const QPoint& point) const;

    // The text size of the body, in percent of the designed one; the controls
    // keep their size and place, and the body wraps and scrolls.
    void setTextSize(int percent);
    // The reader's note on the remedy shown, or empty: a mark on the sheet
    // says there is one and shows it when the pointer rests on it.
    void setNote(const QString& text);
    // What the paper, the PDF and the copy add of the reader's note on remedy
    // i (empty: nothing); the window decides.
    using NoteForPaper = std::function<QString(int i)>;
    void setNoteForPaper(NoteForPaper note) { m_noteForPaper = std::move(note); }

    // What the sheet gives out, as its context menu and shortcuts do.
    void print();
    void preview();
    void saveAsPdf();
    void copySheet();

    // Adds `action` to the sheet's context menu, after the sheet's own actions,
    // those added in a group of their own. The action stays its owner's.
    void addMenuAction(QAction* action);
    // What a search started from the context menu looks for: the body's
    // selected text, or else the word under the menu's point (at the caret
    // when the menu key opened it); empty for the menu of a label.
    QString menuWords() const { return m_menuWords; }

    // Tests put a function here to answer each dialog the sheet opens (print,
    // preview, file, message) instead of a modal loop: it gets the dialog,
    // ready to show, and returns its result.
    using DialogAnswer = std::function<int(QDialog&)>;
    static void setDialogAnswer(DialogAnswer answer);

signals:
    // The sheet's timer ticked, 10 ms after a showing.
    void deferredStep();
    // The context menu asked for the glossary's page of a term.
    void definitionRequested(const QString& term);
    // Remedy i came onto the sheet (any showing, the window's first included).
    void remedyShown(int i);
    // The note's mark was clicked.
    void noteClicked();
    // The context menu is about to open, with every action the sheet puts in
    // it; `term` is the medical term under the pointer, or an empty string.
    // What is connected here may add actions of the moment to `menu`.
    void menuOpening(QMenu* menu, const QString& term);

protected:
    // A right-click or the menu key on a label or a panel of the sheet.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void addBody();
    void addTimer();
    void addActions();
    void addNoteMark();
    void setShown(int i);
    QString noteForPaper() const;
    // The context menu: the body's own actions first when it is the body's,
    // then the definition of the term under the pointer, then the sheet's.
    void popUpMenu(QMenu* menu, const QPoint& globalPos, int termEntry);
    void onBodyMenu(const QPoint& pos);
    void layOutAndArm(const QString& text);
    // The remedy shown, given out on paper.
    PaperActions paper() const;

    bool m_keyboardPick = false; // the remedy shown was picked from the keyboard
    int m_page;
    PageContext m_context;
    int m_shown = -1;
    std::unique_ptr<SheetFields> m_fields;
    ui::RichTextBox* m_body = nullptr;
    BodyTerms* m_terms = nullptr;
    QTimer* m_timer = nullptr;
    std::unique_ptr<SheetMenu> m_menu;
    QString m_menuWords; // the selection or the word the menu was opened on
    ui::Label* m_noteMark = nullptr;
    NoteForPaper m_noteForPaper;
};

} // namespace sheet
