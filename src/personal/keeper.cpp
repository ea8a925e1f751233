#include "keeper.h"

#include "keptwidgets.h"
#include "noteeditor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStandardPaths>

namespace personal {

namespace {

QAction* action(QObject* parent, const char* name, const QString& text,
                const QList<QKeySequence>& keys = {})
{
    auto* a = new QAction(text, parent);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    return a;
}

} // namespace

Keeper::Keeper(const QString& folder, Access access, QWidget* window)
    : QObject(window), m_window(window), m_store(folder, access)
{
    m_back = action(this, "ActPrecedent", QStringLiteral("Précédent"),
                    {QKeySequence(Qt::ALT | Qt::Key_Left)});
    m_forward = action(this, "ActSuivant", QStringLiteral("Suivant"),
                       {QKeySequence(Qt::ALT | Qt::Key_Right)});
    m_favourite = action(this, "ActFavori", QStringLiteral("Ajouter aux favoris"),
                         {QKeySequence(Qt::CTRL | Qt::Key_D)});
    m_note = action(this, "ActNote", NoteEditor::menuText(QString()));
    m_notePaper = action(this, "ActNoteSurPapier",
                         QStringLiteral("Inclure ma note à l'impression, au PDF et à la copie"));
    m_notePaper->setCheckable(true);
    connect(m_back, &QAction::triggered, this, &Keeper::goBack);
    connect(m_forward, &QAction::triggered, this, &Keeper::goForward);
    connect(m_favourite, &QAction::triggered, this, [this] { toggleFavourite(currentRemedy()); });
    connect(m_note, &QAction::triggered, this, [this] { editNote(currentRemedy()); });
    // The shortcuts work wherever the focus is in the window, menu bar or not.
    for (QAction* a : {m_back, m_forward, m_favourite})
        m_window->addAction(a);
    qApp->installEventFilter(this);
    updateActions();
}

Keeper::~Keeper()
{
    m_store.save();
}

QString Keeper::currentRemedy() const
{
    return m_current ? m_current().remedy : QString();
}

void Keeper::load()
{
    m_store.load();
    emit textSizeChanged(m_store.textSize());
}

void Keeper::tellProblems()
{
    const QStringList problems = m_store.takeProblems();
    if (!problems.isEmpty())
        Dialogs::current().tell(m_window, problems.join(QStringLiteral("\n\n")));
}

void Keeper::addMenus(QMenuBar* bar)
{
    QMenu* history = bar->addMenu(QStringLiteral("&Historique"));
    history->setObjectName(QStringLiteral("MnuHistorique"));
    history->addAction(m_back);
    history->addAction(m_forward);
    history->addSeparator();
    m_recentMenu = new RemedyMenu(QStringLiteral("Récemment consultés"),
                                  QStringLiteral("Aucun remède consulté"), history);
    m_recentMenu->setObjectName(QStringLiteral("MnuRecents"));
    history->addMenu(m_recentMenu);

    m_favouritesMenu = new RemedyMenu(QStringLiteral("&Favoris"),
                                      QStringLiteral("Aucun favori pour l'instant"), bar);
    m_favouritesMenu->setObjectName(QStringLiteral("MnuFavoris"));
    m_favouritesMenu->addAction(m_favourite);
    m_favouritesMenu->addSeparator();
    bar->addMenu(m_favouritesMenu);

    m_notesMenu = new RemedyMenu(QStringLiteral("&Mes notes"),
                                 QStringLiteral("Aucune note pour l'instant"), bar);
    m_notesMenu->setObjectName(QStringLiteral("MnuNotes"));
    m_notesMenu->addAction(m_note);
    m_notesMenu->addAction(m_notePaper);
    QAction* exportAction =
        action(this, "ActExporter", QStringLiteral("Exporter mes notes et favoris…"));
    QAction* importAction = action(this, "ActImporter", QStringLiteral("Importer…"));
    connect(exportAction, &QAction::triggered, this, &Keeper::exportKept);
    connect(importAction, &QAction::triggered, this, &Keeper::importKept);
    m_notesMenu->addAction(exportAction);
    m_notesMenu->addAction(importAction);
    m_notesMenu->addSeparator();
    m_notesMenu->addSection(QStringLiteral("Remèdes annotés"));
    bar->addMenu(m_notesMenu);

    QMenu* display = bar->addMenu(QStringLiteral("&Affichage"));
    display->setObjectName(QStringLiteral("MnuAffichage"));
    QAction* larger =
        action(this, "ActAgrandir", QStringLiteral("Agrandir le texte"),
               {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal),
                QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    QAction* smaller =
        action(this, "ActReduire", QStringLiteral("Réduire le texte"),
               {QKeySequence::ZoomOut,
                QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    QAction* normal = action(this, "ActTailleNormale", QStringLiteral("Taille normale du texte"),
                             {QKeySequence(Qt::CTRL | Qt::Key_0),
                              QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)});
    connect(larger, &QAction::triggered, this, &Keeper::largerText);
    connect(smaller, &QAction::triggered, this, &Keeper::smallerText);
    connect(normal, &QAction::triggered, this, &Keeper::normalText);
    for (QAction* a : {larger, smaller, normal}) {
        display->addAction(a);
        m_window->addAction(a);
    }
    display->addSeparator();
    m_sizeShown = display->addAction(QString());
    m_sizeShown->setEnabled(false);

    for (RemedyMenu* menu : {m_recentMenu, m_favouritesMenu, m_notesMenu})
        connect(menu, &RemedyMenu::remedyChosen, this,
                [this](const QString& name) { emit showRequested(0, name); });
    for (QMenu* menu : {history, static_cast<QMenu*>(m_favouritesMenu),
                        static_cast<QMenu*>(m_notesMenu), display})
        connect(menu, &QMenu::aboutToShow, this, &Keeper::updateActions);
    updateActions();
}

QList<QAction*> Keeper::sheetActions(QObject* owner, std::function<QString()> remedyOf)
{
    QAction* favourite = action(owner, "ActFavoriFiche", favouriteText(QString()));
    // Shown in the menu; the window's own action answers the keys.
    favourite->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    favourite->setShortcutContext(Qt::WidgetShortcut);
    QAction* note = action(owner, "ActNoteFiche", NoteEditor::menuText(QString()));
    connect(favourite, &QAction::triggered, this,
            [this, remedyOf] { toggleFavourite(remedyOf()); });
    connect(note, &QAction::triggered, this, [this, remedyOf] { editNote(remedyOf()); });
    return {favourite, note, m_notePaper};
}

void Keeper::updateSheetActions(const QList<QAction*>& actions, const QString& remedy) const
{
    actions.value(0)->setText(favouriteText(remedy));
    actions.value(1)->setText(NoteEditor::menuText(remedy));
    for (QAction* a : actions)
        a->setEnabled(!remedy.isEmpty());
}

bool Keeper::noteGoesOnPaper() const
{
    return m_notePaper->isChecked();
}

QString Keeper::favouriteText(const QString& remedy) const
{
    return m_store.isFavourite(remedy) ? QStringLiteral("Retirer des favoris")
                                       : QStringLiteral("Ajouter aux favoris");
}

void Keeper::updateActions()
{
    const QString remedy = currentRemedy();
    m_back->setEnabled(m_trail.canGoBack());
    m_forward->setEnabled(m_trail.canGoForward());
    m_favourite->setText(favouriteText(remedy));
    m_favourite->setEnabled(!remedy.isEmpty());
    m_note->setText(remedy.isEmpty() ? QStringLiteral("Ma note…") : NoteEditor::menuText(remedy));
    m_note->setEnabled(!remedy.isEmpty());
    if (m_recentMenu) {
        m_recentMenu->setRemedies(m_store.recent());
        m_favouritesMenu->setRemedies(m_store.favourites());
        m_notesMenu->setRemedies(m_store.notedRemedies());
        m_sizeShown->setText(QStringLiteral("Taille du texte : %1 %").arg(m_store.textSize()));
    }
}

void Keeper::recordShowing(int page, const QString& remedy, bool byReader)
{
    if (remedy.isEmpty())
        return;
    m_trail.record({page, remedy});
    if (byReader)
        m_store.recordShown(remedy);
    updateActions();
}

void Keeper::go(const std::optional<Trail::Stop>& stop)
{
    if (stop)
        emit showRequested(stop->page, stop->remedy);
    updateActions();
}

void Keeper::goBack()
{
    go(m_trail.back());
}

void Keeper::goForward()
{
    go(m_trail.forward());
}

void Keeper::toggleFavourite(const QString& remedy)
{
    if (remedy.isEmpty())
        return;
    m_store.setFavourite(remedy, !m_store.isFavourite(remedy));
    updateActions();
    emit favouritesChanged();
    tellProblems();
}

void Keeper::editNote(const QString& remedy)
{
    if (remedy.isEmpty())
        return;
    if (m_editor && m_editor->remedy() == remedy) {
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    if (m_editor)
        m_editor->close(); // hands its own note over first
    m_editor = new NoteEditor(remedy, m_store.note(remedy), m_window);
    connect(m_editor, &NoteEditor::noteClosed, this,
            [this](const QString& name, const QString& text) {
                m_store.setNote(name, text);
                updateActions();
                emit noteChanged(name);
                tellProblems();
            });
    m_editor->open();
}

void Keeper::setTextSize(int percent)
{
    m_store.setTextSize(percent);
    updateActions();
    emit textSizeChanged(m_store.textSize());
}

void Keeper::largerText()
{
    setTextSize(Store::largerTextSize(m_store.textSize()));
}

void Keeper::smallerText()
{
    setTextSize(Store::smallerTextSize(m_store.textSize()));
}

void Keeper::normalText()
{
    setTextSize(Store::NormalTextSize);
}

void Keeper::exportKept()
{
    const QString proposed =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Vitralis - notes et favoris.json"));
    const QString path = Dialogs::current().chooseFile(
        m_window, QStringLiteral("Exporter mes notes et favoris"), proposed, true);
    if (path.isEmpty())
        return;
    const QString problem = m_store.exportTo(path);
    Dialogs::current().tell(m_window, problem.isEmpty()
                                          ? QStringLiteral("Vos notes et favoris sont exportés "
                                                           "dans « %1 ».")
                                                .arg(QDir::toNativeSeparators(path))
                                          : problem);
}

void Keeper::importKept()
{
    const QString path = Dialogs::current().chooseFile(
        m_window, QStringLiteral("Importer des notes et favoris"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), false);
    if (path.isEmpty())
        return;
    if (m_editor)
        m_editor->close(); // its note first, so that the import sees it
    const Store::ImportOutcome outcome = m_store.importFrom(
        path, [this](const QString& remedy, const QString& mine, const QString& theirs) {
            return Dialogs::current().replaceNote(m_window, remedy, mine, theirs);
        });
    updateActions();
    emit favouritesChanged();
    emit noteChanged(QString());
    QStringList told{outcome.summary()};
    told << m_store.takeProblems();
    Dialogs::current().tell(m_window, told.join(QStringLiteral("\n\n")));
}

bool Keeper::saveNow()
{
    if (m_editor)
        m_editor->close();
    const bool saved = m_store.save();
    tellProblems();
    return saved;
}

// The mouse's back and forward buttons, anywhere in the window.
bool Keeper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_window) {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::BackButton || button == Qt::ForwardButton) {
            button == Qt::BackButton ? goBack() : goForward();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace personal
