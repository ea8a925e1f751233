#include "keptwidgets.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace personal {

RemedyMenu::RemedyMenu(const QString& title, const QString& emptyText, QWidget* parent)
    : QMenu(title, parent), m_emptyText(emptyText)
{
    setRemedies({});
}

void RemedyMenu::setRemedies(const QStringList& names)
{
    for (QAction* action : std::exchange(m_listed, {})) {
        removeAction(action);
        delete action;
    }
    if (names.isEmpty()) {
        m_listed << addAction(m_emptyText);
        m_listed.last()->setEnabled(false);
    }
    for (const QString& name : names) {
        m_listed << addAction(name);
        m_listed.last()->setData(name);
        connect(m_listed.last(), &QAction::triggered, this,
                [this, name] { emit remedyChosen(name); });
    }
}

QStringList RemedyMenu::remedies() const
{
    QStringList names;
    for (const QAction* action : m_listed) {
        if (action->data().isValid())
            names << action->data().toString();
    }
    return names;
}

Dialogs& Dialogs::current()
{
    static Dialogs dialogs = modal();
    return dialogs;
}

Dialogs Dialogs::modal()
{
    Dialogs d;
    d.tell = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Vitralis"), text, QMessageBox::Ok,
                        parent);
        box.exec();
    };
    d.replaceNote = [](QWidget* parent, const QString& remedy, const QString& mine,
                       const QString& theirs) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Vitralis"),
                        QStringLiteral("Vous avez déjà une note sur %1. Le fichier importé en "
                                       "contient une autre.\n\nVotre note :\n%2\n\nCelle du "
                                       "fichier :\n%3")
                            .arg(remedy, mine.left(600), theirs.left(600)),
                        QMessageBox::NoButton, parent);
        QPushButton* keep =
            box.addButton(QStringLiteral("Garder la mienne"), QMessageBox::RejectRole);
        box.addButton(QStringLiteral("Prendre celle du fichier"), QMessageBox::AcceptRole);
        box.setDefaultButton(keep);
        box.exec();
        return box.clickedButton() != keep;
    };
    d.chooseFile = [](QWidget* parent, const QString& title, const QString& proposed, bool saving) {
        const QString filter = QStringLiteral("Notes et favoris de Vitralis (*.json)");
        return saving ? QFileDialog::getSaveFileName(parent, title, proposed, filter)
                      : QFileDialog::getOpenFileName(parent, title, proposed, filter);
    };
    return d;
}

} // namespace personal
