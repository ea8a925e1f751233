#pragma once

// What the tests of the windows share: the controls reached by their object
// names, and clicks as a person makes them.
#include "datafacts.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/richtextbox.h"

#include <QTextCharFormat>
#include <QTimer>

namespace testsupport {

// The one object of type T under `root` that carries `name`, or nullptr (with
// a warning that says how many there were) when there is none or several.
template <class T = QWidget> T* named(const QObject* root, const QString& name)
{
    const QList<T*> found = root->findChildren<T*>(name);
    if (found.size() != 1) {
        qWarning("%d objects named \"%s\"", int(found.size()), qPrintable(name));
        return nullptr;
    }
    return found.first();
}

// The controls of `window` (labels, buttons, lists, text fields and boxes,
// panels; child windows aside) that have no object name or share it with
// another: "(unnamed)" or the shared name, once for each control.
QStringList unnamedOrSharedNames(const QWidget* window);

// Where a control stands in one of its ancestors, the window for instance.
QRect geometryIn(const QWidget* control, const QWidget* ancestor);

// A left click in the middle of a control.
void click(QWidget* widget);

// Clicks the `nth` entry that reads `text` in a list, as a person does.
// Returns whether there was such an entry to click.
bool pick(QListWidget* list, const QString& text, int nth = 0);

// The look of the character at `offset` of the box's text.
QTextCharFormat formatAt(const ui::RichTextBox* box, int offset);

// The colours the tests look for, as designed.
namespace colours {
inline const QColor Red(0xFF, 0x00, 0x00);
inline const QColor HeadingRed(0x80, 0x00, 0x00);
inline const QColor Blue(0x00, 0x00, 0xFF);
inline const QColor Grey(0xC0, 0xC0, 0xC0);
inline const QColor Black(0x00, 0x00, 0x00);
} // namespace colours

// A stretch of a box's text in red, as an offset into its text.
struct RedRun
{
    int offset = 0;
    QString text;
    bool bold = false;
};
// The red stretches of the box, neighbours joined.
QList<RedRun> redRuns(const ui::RichTextBox* box);

// The controls of the remedy sheet of page k (0 to 3), found by their names.
struct Sheet
{
    ui::Label* nameLabel = nullptr;
    ui::Label* frenchName = nullptr;  // page 0 only
    ui::Label* origin = nullptr;      // page 0 only
    ui::Label* specialties = nullptr; // page 0 only
    ui::Label* rating = nullptr;
    ui::Label* dilution = nullptr;
    ui::Label* listClass = nullptr;
    ui::Label* warning = nullptr;
    ui::RichTextBox* body = nullptr;
    QTimer* timer = nullptr;

    // Whether every control the page's sheet has was found.
    bool found(int k) const;
    // Whether the deferred step has run: the timer is idle (polls up to 5 s).
    bool settle() const;
};
Sheet sheetOf(const QWidget* window, int k);

} // namespace testsupport
