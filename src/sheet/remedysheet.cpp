#include "remedysheet.h"

#include "papersheet.h"
#include "warningwindow.h"

#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/palette.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <utility>

namespace sheet {

using sheet::ColouringPlan;
using sheet::FormatRange;
using sheet::FormattedText;
using sheet::TextSpan;
using sheet::WarningState;

namespace {

using namespace ui::colour;

// The sheet's area in its page, in twips: from the name frame to the warning label.
const QRect Area(5220, 60, 8535, 9675);

QString suffixed(const char* base, int page)
{
    return QString::fromLatin1(base) + (page == 0 ? QString() : QString::number(page));
}

RemedySheet::DialogAnswer& dialogAnswer()
{
    static RemedySheet::DialogAnswer answer;
    return answer;
}

int runDialog(QDialog& dialog)
{
    const RemedySheet::DialogAnswer& answer = dialogAnswer();
    return answer ? answer(dialog) : dialog.exec();
}

// A printer set up for the sheet: the printer's own paper when it names one,
// A4 otherwise, and margins of 2 cm.
void setUpPrinter(QPrinter& printer, const QString& name)
{
    printer.setDocName(name);
    const QPrinterInfo info(printer);
    if (printer.outputFormat() != QPrinter::NativeFormat || info.isNull() ||
        !info.defaultPageSize().isValid())
        printer.setPageSize(paperLayout().pageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(paperLayout().margins(), QPageLayout::Millimeter);
}

} // namespace

void RemedySheet::setDialogAnswer(DialogAnswer answer)
{
    dialogAnswer() = std::move(answer);
}

RemedySheet::RemedySheet(int page, const PageContext& context, QWidget* parent)
    : QWidget(parent), m_page(page), m_context(context)
{
    setObjectName(suffixed("RemedySheet", page));
    setGeometry(ui::twipsRect(Area));
    // Panels first, so that the labels stand in front of them.
    auto panel = [&](const char* name, const QRect& twips, const QColor& colour, bool boxed) {
        auto* f = new QFrame(this);
        f->setObjectName(suffixed(name, page));
        f->setGeometry(place(twips));
        ui::fillBackground(f, colour);
        QPalette p = f->palette();
        p.setColor(QPalette::WindowText, Black);
        f->setPalette(p);
        f->setFrameStyle(boxed ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    };
    panel("UpperPanel", QRect(5220, 660, 8535, 2895), Panel, false);
    panel("LowerPanel", QRect(5220, 3510, 8535, 5595), White, false);
    panel("MarkPanel", QRect(11340, 60, 2415, 615), Panel, false);
    panel("NameFrame", QRect(5220, 60, 6135, 615), White, true);

    const bool full = isFull();
    m_name = new ui::Label(this, suffixed("LblDNom", page));
    m_name->setGeometry(full ? place(QRect(5250, 180, 6045, 405))
                             : place(QRect(5205, 180, 6135, 405)));
    m_name->setFont(ui::designFont(ui::Face::MsSansSerif, 15, true));
    m_name->setTextColour(Blue);
    m_name->setBackgroundColour(White);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setWordWrap(false);
    m_name->setBordered(true);
    m_name->exposeValue(QStringLiteral("Remède"));

    const int captionTop = (page == 1 || page == 3) ? 75 : 60;
    const int valueTop = page == 3 ? 285 : 300;
    caption("CaptionNote", QStringLiteral(" Noté:"), QRect(11340, captionTop, 795, 225), 9.75,
            QStringLiteral("Recommandation"));
    caption("CaptionDilution", QStringLiteral(" Dilution:"), QRect(12120, captionTop, 795, 225),
            9.75, QStringLiteral("Première dilution"));
    caption("CaptionListe", QStringLiteral(" Liste:"), QRect(12900, captionTop, 795, 225), 9.75,
            QStringLiteral("Classification"));
    const QColor windowText = palette().color(QPalette::WindowText);
    m_rating =
        valueLabel(suffixed("LblDNot", page), QStringLiteral("Recommandation"),
                   QRect(11340, valueTop, 795, 330), 14.25, true, Red, full ? Orange : Panel);
    m_dilution = valueLabel(suffixed("LblDDil", page), QStringLiteral("Première dilution"),
                            QRect(12120, valueTop, 795, 330), 14.25, false, windowText,
                            full ? QColor(0xFF, 0xFF, 0x80) : Panel);
    m_listClass = valueLabel(suffixed("LblDLis", page), QStringLiteral("Classification"),
                             QRect(12900, valueTop, 795, 330), 14.25, false, Blue,
                             full ? QColor(0x80, 0xFF, 0x80) : Panel);
    m_rating->setToolTip(QStringLiteral("Recommandation"));
    m_dilution->setToolTip(QStringLiteral("Première dilution"));
    m_listClass->setToolTip(QStringLiteral("Classification"));
    for (ui::Label* l : {m_rating, m_dilution, m_listClass}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        if (!full)
            l->setCaption(QStringLiteral("."));
    }

    if (full) {
        caption("CaptionFrancais", QStringLiteral("Nom français:"), QRect(5280, 660, 3015, 315),
                11.25);
        caption("CaptionOrigine", QStringLiteral("Origine, composition:"),
                QRect(5280, 1380, 2535, 315), 11.25);
        caption("CaptionBranche", QStringLiteral("Branche médicale:"), QRect(5280, 2100, 2535, 315),
                11.25);
        m_frenchName =
            valueLabel(QStringLiteral("LblDFra"), QStringLiteral("Nom français"),
                       QRect(5340, 960, 4275, 390), 14.25, false, QColor(0x00, 0x80, 0x00), Panel);
        m_origin =
            valueLabel(QStringLiteral("LblDCom"), QStringLiteral("Origine, composition"),
                       QRect(5340, 1680, 5955, 390), 14.25, false, QColor(0x80, 0x80, 0xFF), Panel);
        m_specialties = valueLabel(QStringLiteral("LblDBra"), QStringLiteral("Branche médicale"),
                                   QRect(5340, 2400, 8355, 1125), 14.25, false, DarkRed, Panel);
        m_frenchName->setWordWrap(false);
        m_origin->setWordWrap(false);
    }

    m_body = new ui::RichTextBox(this, QStringLiteral("Rtb%1Text").arg(page + 1));
    m_body->setGeometry(place(QRect(5340, 3600, 8355, 5475)));
    m_body->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_body->setFrameStyle(QFrame::NoFrame);
    m_body->setAccessibleName(QStringLiteral("Indications"));
    m_body->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_body, &QWidget::customContextMenuRequested, this, &RemedySheet::onBodyMenu);
    m_body->viewport()->installEventFilter(this);

    // The mark of the reader's note, in the body's lower right corner, left of
    // its scroll bar; the body's text keeps clear of it while it shows.
    m_noteMark = new ui::Label(this, suffixed("LblNote", page));
    m_noteMark->setGeometry(place(QRect(12180, 8760, 1215, 300)));
    m_noteMark->setFont(ui::designFont(ui::Face::Tahoma, 9, true));
    m_noteMark->setCaption(QStringLiteral("✎ Ma note"));
    m_noteMark->setAlignment(Qt::AlignCenter);
    m_noteMark->setWordWrap(false);
    m_noteMark->setTextColour(DarkRed);
    m_noteMark->setBackgroundColour(QColor(0xFF, 0xFF, 0xC0));
    m_noteMark->setBordered(true);
    m_noteMark->setCursor(Qt::PointingHandCursor);
    m_noteMark->setKeyboardClickable(QAccessible::Button);
    m_noteMark->setAccessibleName(QStringLiteral("Ma note"));
    m_noteMark->hide();
    connect(m_noteMark, &ui::Label::clicked, this, &RemedySheet::noteClicked);

    m_warning =
        valueLabel(QStringLiteral("LblDMe%1").arg(page + 1), QStringLiteral("Avertissement"),
                   QRect(5220, 9090, 8535, 645), 12, false, Orange, Panel);
    m_warning->setAlignment(Qt::AlignCenter);
    m_warning->exposeValue(QStringLiteral("Avertissement"), true);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimText%1").arg(page + 1));
    m_timer->setSingleShot(true);
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        emit deferredStep();
    });
    buildActions();
}

void RemedySheet::buildActions()
{
    // The shortcuts hold in the whole window while the sheet's page is shown:
    // the hidden pages' sheets do not answer them.
    auto action = [this](const char* name, const QString& text, const QKeySequence& keys,
                         void (RemedySheet::*run)()) {
        auto* a = new QAction(text, this);
        a->setObjectName(suffixed(name, m_page));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);
        addAction(a);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    m_print = action("ActImprimer", QStringLiteral("Imprimer la fiche…"),
                     QKeySequence(Qt::CTRL | Qt::Key_P), &RemedySheet::print);
    m_preview =
        action("ActApercu", QStringLiteral("Aperçu avant impression…"), {}, &RemedySheet::preview);
    m_savePdf = action("ActEnregistrerPdf", QStringLiteral("Enregistrer la fiche en PDF…"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &RemedySheet::saveAsPdf);
    m_copy = action("ActCopierFiche", QStringLiteral("Copier la fiche"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &RemedySheet::copySheet);
}

void RemedySheet::setShown(int i)
{
    m_shown = i;
    for (QAction* a : {m_print, m_preview, m_savePdf, m_copy})
        a->setEnabled(i >= 0);
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

QRect RemedySheet::place(const QRect& twips) const
{
    // Placed as in the page, so that every pixel falls where the design puts it.
    return ui::twipsRect(twips).translated(-ui::twipsRect(Area).topLeft());
}

ui::Label* RemedySheet::caption(const char* name, const QString& text, const QRect& twips,
                                double points, const QString& hint)
{
    auto* l = new ui::Label(this, suffixed(name, m_page));
    l->setGeometry(place(twips));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, false, true));
    l->setTextColour(DarkGrey);
    l->setBackgroundColour(Panel);
    l->setWordWrap(false);
    l->setCaption(text);
    if (!hint.isEmpty())
        l->setToolTip(hint);
    l->shrinkToFit();
    m_captions << l;
    return l;
}

ui::Label* RemedySheet::valueLabel(const QString& name, const QString& what, const QRect& twips,
                                   double points, bool bold, const QColor& text,
                                   const QColor& background)
{
    auto* l = new ui::Label(this, name);
    l->exposeValue(what);
    l->setGeometry(place(twips));
    l->setFont(ui::designFont(ui::Face::Tahoma, points, bold));
    l->setTextColour(text);
    l->setBackgroundColour(background);
    l->setBordered(true);
    return l;
}

void RemedySheet::present(const refdata::RemedyTable& table, int i, const QString& name,
                          Finish finish)
{
    setShown(i >= 0 && i < table.count ? i : -1);
    m_name->setCaption(name);
    if (isFull()) {
        m_frenchName->setCaption(table.frenchName[i]);
        m_origin->setCaption(table.origin[i]);
        m_specialties->setCaption(table.branches[i]);
    }
    m_rating->setCaption(table.rating[i]);
    m_dilution->setCaption(table.dilution[i]);
    m_listClass->setCaption(table.listClass[i]);
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
    m_warning->setCaption(QString());
    list->addEntries(table.names(found));
    if (found.isEmpty()) {
        presentAgain();
        return;
    }
    const int first = found.front();
    present(table, first, u' ' + table.latinName[first] + u' ');
    if (table.isListed(first))
        m_warning->setCaption(table.listWarning[first]);
}

void RemedySheet::showPicked(const refdata::RemedyTable& table, const QString& name,
                             WarningState& warnings, bool& pending)
{
    m_keyboardPick = ui::keyboardActivation();
    m_warning->setCaption(QString());
    const int i = table.indexOf(name);
    if (i < 0) {
        setShown(-1);
        m_name->setCaption(u' ' + name + u' ');
        presentAgain();
        return;
    }
    present(table, i, u' ' + name + u' ');
    if (table.isListed(i)) {
        m_warning->setCaption(table.listWarning[i]);
        warnings.warningText = table.extraWarning[i];
        pending = true;
    }
}

void RemedySheet::returnFocus(QWidget* results, QWidget* chooser, WarningState& warnings,
                              bool& pending)
{
    (std::exchange(m_keyboardPick, false) ? results : chooser)->setFocus();
    openPendingWarning(warnings, pending, window());
}

void RemedySheet::openPendingWarning(WarningState& warnings, bool& pending, QWidget* parent)
{
    if (pending && !warnings.silenced)
        WarningWindow::openModal(warnings, parent);
    pending = false;
}

void RemedySheet::setWarning(const QString& text)
{
    m_warning->setCaption(text);
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
    for (ui::Label* c : std::as_const(m_captions))
        c->setTransparent();
    for (ui::Label* l : {m_frenchName, m_origin, m_specialties}) {
        if (l)
            l->setTransparent();
    }
    for (ui::Label* l :
         {m_name, m_frenchName, m_origin, m_specialties, m_rating, m_dilution, m_listClass}) {
        if (l)
            l->setBordered(false);
    }
    if (!isFull())
        m_name->setCaption(QString());
}

RemedySheet::TermUnder RemedySheet::termAt(const QPoint& point) const
{
    if (!m_context.terms)
        return {};
    // Only a point over the text itself, not the blank beside a line's end.
    const QPoint inDocument = point + QPoint(m_body->horizontalScrollBar()->value(),
                                             m_body->verticalScrollBar()->value());
    const int position = m_body->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (position < 0)
        return {};
    const QTextBlock block = m_body->document()->findBlock(position);
    const glossary::TermLookup::Match m =
        m_context.terms->termAt(block.text(), position - block.position());
    if (!m.found())
        return {};
    QTextCursor from(m_body->document());
    from.setPosition(block.position() + int(m.start));
    QTextCursor to = from;
    to.setPosition(block.position() + int(m.start + m.length));
    const QRect start = m_body->cursorRect(from);
    const QRect end = m_body->cursorRect(to);
    // A term broken over two lines holds the tooltip on its first part.
    const QRect rect = start.top() == end.top() ? start.united(end) : start;
    return {m.entry, rect};
}

QString RemedySheet::definitionAt(const QPoint& point) const
{
    const TermUnder t = termAt(point);
    if (t.entry < 0)
        return {};
    const QString term = m_context.terms->term(t.entry);
    const QString definition = m_context.terms->definition(t.entry);
    const QString html =
        QStringLiteral("<b>%1</b>&nbsp;: %2").arg(term.toHtmlEscaped(), definition.toHtmlEscaped());
    // A tooltip wraps rich text to a narrow column: a short definition keeps
    // to one line, a long one wraps at a reading width.
    constexpr int ReadingWidth = 420;
    const QFontMetrics metrics(QToolTip::font());
    if (metrics.horizontalAdvance(term + QStringLiteral(" : ") + definition) * 11 / 10 <=
        ReadingWidth)
        return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(html);
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
        .arg(ReadingWidth)
        .arg(html);
}

bool RemedySheet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_body->viewport() && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const TermUnder t = termAt(help->pos());
        if (t.entry < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), definitionAt(help->pos()), m_body->viewport(),
                               t.rect);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RemedySheet::contextMenuEvent(QContextMenuEvent* event)
{
    popUpMenu(new QMenu(this), event->globalPos(), -1);
}

void RemedySheet::onBodyMenu(const QPoint& pos)
{
    const QPoint inDocument =
        pos + QPoint(m_body->horizontalScrollBar()->value(), m_body->verticalScrollBar()->value());
    QMenu* menu = m_body->createStandardContextMenu(inDocument);
    menu->setParent(this, menu->windowFlags());
    menu->addSeparator();
    popUpMenu(menu, m_body->viewport()->mapToGlobal(pos), termAt(pos).entry);
}

void RemedySheet::popUpMenu(QMenu* menu, const QPoint& globalPos, int termEntry)
{
    menu->setObjectName(QStringLiteral("MenuFiche"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QString term;
    if (termEntry >= 0) {
        term = m_context.terms->term(termEntry);
        QAction* first = menu->actions().value(0);
        auto* definition = new QAction(QStringLiteral("Définition de « %1 »").arg(term), menu);
        definition->setObjectName(QStringLiteral("ActDefinition"));
        connect(definition, &QAction::triggered, this,
                [this, term] { emit definitionRequested(term); });
        menu->insertAction(first, definition);
        menu->insertSeparator(first);
    }
    menu->addActions({m_print, m_preview, m_savePdf, m_copy});
    if (!m_addedActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_addedActions);
    }
    emit menuOpening(menu, term);
    // Not modal: the menu closes on its own, and nothing waits for it.
    menu->popup(globalPos);
}

void RemedySheet::addMenuAction(QAction* action)
{
    m_addedActions << action;
    connect(action, &QObject::destroyed, this,
            [this, action] { m_addedActions.removeOne(action); });
}

QString RemedySheet::proposedPdfPath() const
{
    QString name = m_context.table->latinName[m_shown].trimmed();
    // Characters no file name may hold, on any system.
    for (QChar& c : name) {
        if (QStringLiteral("<>:\"/\\|?*").contains(c) || c.unicode() < 0x20)
            c = u'-';
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder)
        .filePath(name + QStringLiteral(".pdf"));
}

void RemedySheet::print()
{
    if (m_shown < 0)
        return;
    const QString name = m_context.table->latinName[m_shown];
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, name);
    QPrintDialog dialog(&printer, window());
    dialog.setWindowTitle(QStringLiteral("Imprimer la fiche"));
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const std::unique_ptr<QTextDocument> document =
        paperSheet(*m_context.table, m_shown, noteForPaper());
    if (!printSheet(*document, printer, {m_context.version, QDate::currentDate()})) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vitralis"),
                        QStringLiteral("La fiche n'a pas pu être imprimée."), QMessageBox::Ok,
                        window());
        runDialog(box);
    }
}

void RemedySheet::preview()
{
    if (m_shown < 0)
        return;
    const int shown = m_shown;
    const QString note = noteForPaper();
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, m_context.table->latinName[shown]);
    QPrintPreviewDialog dialog(&printer, window());
    dialog.setObjectName(QStringLiteral("ApercuFiche"));
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, shown, note](QPrinter* p) {
        const std::unique_ptr<QTextDocument> document = paperSheet(*m_context.table, shown, note);
        printSheet(*document, *p, {m_context.version, QDate::currentDate()});
    });
    runDialog(dialog);
}

void RemedySheet::saveAsPdf()
{
    if (m_shown < 0)
        return;
    const int shown = m_shown;
    const QString proposed = proposedPdfPath();
    QFileDialog dialog(window(), QStringLiteral("Enregistrer la fiche en PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(proposed);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const std::unique_ptr<QTextDocument> document =
        paperSheet(*m_context.table, shown, noteForPaper());
    const QString why = writePdf(*document, path, m_context.table->latinName[shown],
                                 {m_context.version, QDate::currentDate()});
    if (why.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vitralis"),
                    QStringLiteral("La fiche n'a pas pu être enregistrée dans « %1 » : %2.")
                        .arg(QDir::toNativeSeparators(path), why),
                    QMessageBox::Ok, window());
    box.setObjectName(QStringLiteral("MsgEnregistrement"));
    runDialog(box);
}

void RemedySheet::copySheet()
{
    if (m_shown < 0)
        return;
    QGuiApplication::clipboard()->setMimeData(
        sheetMimeData(*m_context.table, m_shown, {m_context.version, QDate::currentDate()},
                      noteForPaper())
            .release());
}

} // namespace sheet
