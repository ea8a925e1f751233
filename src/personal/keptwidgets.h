#pragma once

#include <QMenu>

#include <functional>

namespace personal {

// A menu of remedies by name, below the actions it is given first: a click or
// Enter on one asks for it to be shown. Without remedies, it says so.
class RemedyMenu : public QMenu
{
    Q_OBJECT

public:
    RemedyMenu(const QString& title, const QString& emptyText, QWidget* parent);
    // Puts `names` in the place of the remedies listed before.
    void setRemedies(const QStringList& names);
    QStringList remedies() const;

signals:
    void remedyChosen(const QString& name);

private:
    QString m_emptyText;
    QList<QAction*> m_listed;
};

// How the reader is told and asked things about what they keep. Tests put
// their own answers in place of the modal boxes.
struct Dialogs
{
    // Tells `text` (a problem, an outcome) in a box titled "Vitralis".
    std::function<void(QWidget* parent, const QString& text)> tell;
    // Whether the note of `remedy` in an imported file replaces the reader's.
    std::function<bool(QWidget* parent, const QString& remedy, const QString& mine,
                       const QString& theirs)>
        replaceNote;
    // A file to write (`saving`) or read, or an empty string when none is chosen.
    std::function<QString(QWidget* parent, const QString& title, const QString& proposed,
                          bool saving)>
        chooseFile;

    static Dialogs& current();
    // The boxes a person sees.
    static Dialogs modal();
};

} // namespace personal
