#include "sheetmenu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <utility>

namespace sheet {

namespace {

QAction* sheetAction(QWidget* sheet, int page, const char* name, const QString& text,
                     const QKeySequence& keys)
{
    // The shortcuts hold in the whole window while the sheet's page is shown:
    // the hidden pages' sheets do not answer them.
    auto* a = new QAction(text, sheet);
    a->setObjectName(QString::fromLatin1(name) + (page == 0 ? QString() : QString::number(page)));
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setEnabled(false);
    sheet->addAction(a);
    return a;
}

} // namespace

SheetMenu::SheetMenu(QWidget* sheet, int page)
    : print(sheetAction(sheet, page, "ActImprimer", QStringLiteral("Imprimer la fiche…"),
                        QKeySequence(Qt::CTRL | Qt::Key_P))),
      preview(
          sheetAction(sheet, page, "ActApercu", QStringLiteral("Aperçu avant impression…"), {})),
      savePdf(sheetAction(sheet, page, "ActEnregistrerPdf",
                          QStringLiteral("Enregistrer la fiche en PDF…"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))),
      copy(sheetAction(sheet, page, "ActCopierFiche", QStringLiteral("Copier la fiche"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)))
{
}

void SheetMenu::setEnabled(bool enabled)
{
    for (QAction* a : {print, preview, savePdf, copy})
        a->setEnabled(enabled);
}

void SheetMenu::add(QAction* action)
{
    m_added << action;
}

void SheetMenu::compose(QMenu* menu, QAction* definition) const
{
    if (definition) {
        QAction* first = menu->actions().value(0);
        menu->insertAction(first, definition);
        menu->insertSeparator(first);
    }
    menu->addActions({print, preview, savePdf, copy});
    bool grouped = false;
    for (QAction* a : m_added) {
        if (!a)
            continue;
        if (!std::exchange(grouped, true))
            menu->addSeparator();
        menu->addAction(a);
    }
}

} // namespace sheet
