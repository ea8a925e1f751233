#include "remedysheet.h"

#include "bodyterms.h"
#include "paperactions.h"
#include "sheetfields.h"
#include "sheetmenu.h"
#include "warningflow.h"
#include "warningwindow.h"

#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/palette.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QFrame>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include <utility>

namespace sheet {

using sheet::ColouringPlan;
using sheet::FormatRange;
using sheet::FormattedText;
using sheet::TextSpan;
using sheet::WarningState;

void RemedySheet::setDialogAnswer(DialogAnswer answer)
{
    setPaperDialogAnswer(std::move(answer));
}

RemedySheet::RemedySheet(int page, const PageContext& context, QWidget* parent)
    : QWidget(parent), m_page(page), m_context(context)
{
    setObjectName(pageName("RemedySheet", page));
    setGeometry(ui::twipsRect(SheetFields::Area));
    m_fields = std::make_unique<SheetFields>(this, page);
    addBody();
    m_fields->addWarningLabel();
    addTimer();
    addActions();
    addNoteMark();
}

RemedySheet::~RemedySheet() = default;

void RemedySheet::addBody()
{
    m_body = new ui::RichTextBox(this, QStringLiteral("Rtb%1Text").arg(m_page + 1));
    m_body->setGeometry(SheetFields::place(QRect(5340, 3600, 8355, 5475)));
    m_body->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_body->setFrameStyle(QFrame::NoFrame);
    m_body->setAccessibleName(QStringLiteral("Indications"));
    m_body->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_body, &QWidget::customContextMenuRequested, this, &RemedySheet::onBodyMenu);
    m_terms = new BodyTerms(m_body, m_context.terms);
}

void RemedySheet::addNoteMark()
{
    // The mark of the reader's note, in the body's lower right corner, left of
    // its scroll bar; the body's text keeps clear of it while it shows.
    m_noteMark = new ui::Label(this, pageName("LblNote", m_page));
    m_noteMark->setGeometry(SheetFields::place(QRect(12180, 8760, 1215, 300)));
    m_noteMark->setFont(ui::designFont(ui::Face::Tahoma, 9, true));
    m_noteMark->setCaption(QStringLiteral("✎ Ma note"));
    m_noteMark->setAlignment(Qt::AlignCenter);
    m_noteMark->setWordWrap(false);
    m_noteMark->setTextColour(ui::colour::DarkRed);
    m_noteMark->setBackgroundColour(QColor(0xFF, 0xFF, 0xC0));
    m_noteMark->setBordered(true);
    m_noteMark->setCursor(Qt::PointingHandCursor);
    m_noteMark->setKeyboardClickable(QAccessible::Button);
    m_noteMark->setAccessibleName(QStringLiteral("Ma note"));
    m_noteMark->hide();
    connect(m_noteMark, &ui::Label::clicked, this, &RemedySheet::noteClicked);
}

void RemedySheet::addTimer()
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimText%1").arg(m_page + 1));
    m_timer->setSingleShot(true);
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        emit deferredStep();
    });
}

void RemedySheet::addActions()
{
    m_menu = std::make_unique<SheetMenu>(this, m_page);
    connect(m_menu->print, &QAction::triggered, this, &RemedySheet::print);
    connect(m_menu->preview, &QAction::triggered, this, &RemedySheet::preview);
    connect(m_menu->savePdf, &QAction::triggered, this, &RemedySheet::saveAsPdf);
    connect(m_menu->copy, &QAction::triggered, this, &RemedySheet::copySheet);
}

void RemedySheet::setShown(int i)
{
    m_shown = i;
    m_menu->setEnabled(i >= 0);
    if (i >= 0)
        emit remedyShown(i);
    else
        setNote(QString());
}

void RemedySheet::setTextSize(int percent)
{
    m_body->setFont(ui::designFont(ui::Face::Tahoma, 14.25 * percent / 100.0));
}

void RemedySheet::setNote(const QString& text)
{
    const bool has = !text.isEmpty() && m_shown >= 0;
    m_noteMark->setVisible(has);
    m_noteMark->raise();
    m_body->keepClearAtBottom(has ? m_noteMark->height() : 0);
    m_noteMark->setToolTip(
        has ? QStringLiteral("<table width=\"420\"><tr><td><b>Ma note</b> "
                             "(cliquer pour la modifier)<br>%1</td></tr></table>")
                  .arg(text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")))
            : QString());
    m_noteMark->setAccessibleDescription(text);
}

QString RemedySheet::noteForPaper() const
{
    return m_noteForPaper && m_shown >= 0 ? m_noteForPaper(m_shown) : QString();
}

void RemedySheet::present(const refdata::RemedyTable& table, int i, const QString& name,
                          Finish finish)
{
    setShown(i >= 0 && i < table.count ? i : -1);
    m_fields->show(table, i, name);
    if (finish == Finish::PlainText)
        m_body->setText(table.indications[i]);
    else
        layOutAndArm(table.indications[i]);
}

void RemedySheet::presentAgain()
{
    layOutAndArm(m_body->text());
}

void RemedySheet::layOutAndArm(const QString& text)
{
    // The final text and its looks, set once.
    const FormattedText f = sheet::formatIndications(text);
    {
        const ui::RichTextBox::OneLayout once(*m_body);
        m_body->setText(f.text);
        for (const FormatRange& r : f.ranges)
            m_body->formatRange(r.start, r.length, r.colour, r.emphasis);
    }
    m_timer->start(10);
}

void RemedySheet::listFound(ui::ListBox* list, const refdata::RemedyTable& table,
                            const QList<int>& found)
{
    list->clearEntries();
    m_fields->setWarning(QString());
    list->addEntries(table.names(found));
    if (found.isEmpty()) {
        presentAgain();
        return;
    }
    const int first = found.front();
    present(table, first, u' ' + table.latinName[first] + u' ');
    m_fields->setWarning(WarningFlow::found(table, first));
}

void RemedySheet::showPicked(const refdata::RemedyTable& table, const QString& name,
                             WarningState& warnings, bool& pending)
{
    m_keyboardPick = ui::keyboardActivation();
    m_fields->setWarning(QString());
    const int i = table.indexOf(name);
    if (i < 0) {
        setShown(-1);
        m_fields->setName(u' ' + name + u' ');
        presentAgain();
        return;
    }
    present(table, i, u' ' + name + u' ');
    m_fields->setWarning(WarningFlow(warnings).picked(table, i, pending));
}

void RemedySheet::returnFocus(QWidget* results, QWidget* chooser, WarningState& warnings,
                              bool& pending)
{
    (std::exchange(m_keyboardPick, false) ? results : chooser)->setFocus();
    if (WarningFlow(warnings).takePending(pending))
        WarningWindow::openModal(warnings, window());
}

void RemedySheet::settleWarning(int i)
{
    const WarningFlow::Step step =
        WarningFlow(*m_context.warnings).remedyPageStep(*m_context.table, i);
    if (step.label)
        m_fields->setWarning(*step.label);
    if (step.openWindow)
        WarningWindow::openModal(*m_context.warnings, window());
}

void RemedySheet::setWarning(const QString& text)
{
    m_fields->setWarning(text);
}

void RemedySheet::clearBody()
{
    setShown(-1);
    m_body->setText(QString());
}

QString RemedySheet::bodyText() const
{
    return m_body->text();
}

QWidget* RemedySheet::chainTabOrder(QWidget* previous)
{
    setTabOrder(previous, m_body);
    return m_body;
}

void RemedySheet::focusBody()
{
    m_body->setFocus();
}

void RemedySheet::colour(const ColouringPlan& plan, const QColor& colour)
{
    {
        const ui::RichTextBox::OneLayout once(*m_body);
        for (const TextSpan& s : plan.red)
            m_body->setRangeColour(s.start, s.length, colour);
    }
    if (plan.shown)
        m_body->showRange(plan.shown->start, plan.shown->length);
}

void RemedySheet::prepare()
{
    m_fields->prepare();
}

QString RemedySheet::definitionAt(const QPoint& point) const
{
    return m_terms->definitionAt(point);
}

void RemedySheet::contextMenuEvent(QContextMenuEvent* event)
{
    m_menuWords = m_body->textCursor().selectedText().trimmed();
    popUpMenu(new QMenu(this), event->globalPos(), -1);
}

void RemedySheet::onBodyMenu(const QPoint& pos)
{
    const QPoint inDocument =
        pos + QPoint(m_body->horizontalScrollBar()->value(), m_body->verticalScrollBar()->value());
    QTextCursor words = m_body->textCursor();
    if (!words.hasSelection()) {
        words = m_body->cursorForPosition(pos);
        words.select(QTextCursor::WordUnderCursor);
    }
    m_menuWords = words.selectedText().trimmed();
    QMenu* menu = m_body->createStandardContextMenu(inDocument);
    menu->setParent(this, menu->windowFlags());
    menu->addSeparator();
    popUpMenu(menu, m_body->viewport()->mapToGlobal(pos), m_terms->at(pos).entry);
}

void RemedySheet::popUpMenu(QMenu* menu, const QPoint& globalPos, int termEntry)
{
    menu->setObjectName(QStringLiteral("MenuFiche"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QString term;
    QAction* definition = nullptr;
    if (termEntry >= 0) {
        term = m_terms->term(termEntry);
        definition = new QAction(QStringLiteral("Définition de « %1 »").arg(term), menu);
        definition->setObjectName(QStringLiteral("ActDefinition"));
        connect(definition, &QAction::triggered, this,
                [this, term] { emit definitionRequested(term); });
    }
    m_menu->compose(menu, definition);
    emit menuOpening(menu, term);
    // Not modal: the menu closes on its own, and nothing waits for it.
    menu->popup(globalPos);
}

void RemedySheet::addMenuAction(QAction* action)
{
    m_menu->add(action);
}

PaperActions RemedySheet::paper() const
{
    return {*m_context.table, m_shown, m_context.version, window(), noteForPaper()};
}

void RemedySheet::print()
{
    if (m_shown >= 0)
        paper().print();
}

void RemedySheet::preview()
{
    if (m_shown >= 0)
        paper().preview();
}

void RemedySheet::saveAsPdf()
{
    if (m_shown >= 0)
        paper().saveAsPdf();
}

void RemedySheet::copySheet()
{
    if (m_shown >= 0)
        paper().copy();
}

} // namespace sheet
