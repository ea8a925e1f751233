#include "searchwindow.h"

#include "gridpaper.h"

#include "sheet/papersheet.h"
#include "sheet/remedysheet.h"
#include "ui/label.h"
#include "ui/palette.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace search {

namespace {

constexpr int RemedyRole = Qt::UserRole;
constexpr int HtmlRole = Qt::UserRole + 1;
constexpr int SortRole = Qt::UserRole + 2;
constexpr int MaxSentencesShown = 3;

QPointer<SearchWindow>& currentWindow()
{
    static QPointer<SearchWindow> window;
    return window;
}

SearchWindow::DialogAnswer& dialogAnswer()
{
    static SearchWindow::DialogAnswer answer;
    return answer;
}

int runDialog(QDialog& dialog)
{
    const SearchWindow::DialogAnswer& answer = dialogAnswer();
    return answer ? answer(dialog) : dialog.exec();
}

int markRank(const QString& rating)
{
    const QString r = rating.trimmed();
    return r == u"++" ? 2 : r == u"+" ? 1 : 0;
}

QString fieldTitle(Field field)
{
    switch (field) {
    case Field::LatinName:
        return u"Nom"_s;
    case Field::FrenchName:
        return u"Nom français"_s;
    case Field::Origin:
        return u"Origine, composition"_s;
    case Field::Specialties:
        return u"Branche médicale"_s;
    case Field::Keywords:
        return u"Mots-clés"_s;
    case Field::Indications:
        break;
    }
    return {};
}

// A result drawn as its rich text: the name, the mark and the sentences found.
class ResultDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        QTextDocument d;
        layOut(d, o, index);
        painter->save();
        painter->translate(o.rect.topLeft());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = o.palette;
        if (o.state & QStyle::State_Selected)
            context.palette.setColor(QPalette::Text, o.palette.color(QPalette::HighlightedText));
        d.documentLayout()->draw(painter, context);
        painter->restore();
    }

    // The view asks several times for each size: a result is laid out once
    // for a width.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString key =
            QString::number(widthFor(option)) + u'|' + index.data(HtmlRole).toString();
        auto it = m_sizes.constFind(key);
        if (it != m_sizes.cend())
            return *it;
        if (m_sizes.size() > 4000)
            m_sizes.clear();
        QTextDocument d;
        layOut(d, option, index);
        return *m_sizes.insert(key, d.size().toSize());
    }

private:
    static int widthFor(const QStyleOptionViewItem& o)
    {
        return std::max(120, o.widget ? o.widget->width() - 24 : 300);
    }
    static void layOut(QTextDocument& d, const QStyleOptionViewItem& o, const QModelIndex& index)
    {
        d.setDefaultFont(o.font);
        d.setDocumentMargin(4);
        d.setHtml(index.data(HtmlRole).toString());
        d.setTextWidth(widthFor(o));
    }

    mutable QHash<QString, QSize> m_sizes;
};

// A grid cell that sorts by its key, not by its text.
class GridItem : public QTableWidgetItem
{
public:
    GridItem(const QString& text, const QVariant& key) : QTableWidgetItem(text)
    {
        setData(SortRole, key);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant a = data(SortRole), b = other.data(SortRole);
        if (a.typeId() == QMetaType::QString)
            return a.toString() < b.toString();
        return a.toInt() < b.toInt();
    }
};

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

void SearchWindow::setDialogAnswer(DialogAnswer answer)
{
    dialogAnswer() = std::move(answer);
}

SearchWindow* SearchWindow::showWindow(const sheet::PageContext& context, QWidget* mainWindow,
                                       const QString& query)
{
    QPointer<SearchWindow>& open = currentWindow();
    if (!open)
        open = new SearchWindow(context, mainWindow);
    if (!query.trimmed().isEmpty())
        open->setQuery(query.trimmed());
    open->show();
    open->raise();
    open->activateWindow();
    open->m_field->setFocus();
    open->m_field->selectAll();
    return open;
}

SearchWindow* SearchWindow::openWindow()
{
    return currentWindow();
}

SearchWindow::SearchWindow(const sheet::PageContext& context, QWidget* mainWindow)
    : QWidget(mainWindow), m_context(context)
{
    setObjectName(u"FrmRecherche"_s);
    setWindowTitle(u"Rechercher dans les fiches"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    ui::fillBackground(this, ui::colour::Grey);

    auto* fieldLabel = new QLabel(u"&Rechercher :"_s, this);
    fieldLabel->setObjectName(u"LblRecherche"_s);
    m_field = new QLineEdit(this);
    m_field->setObjectName(u"TxtRecherche"_s);
    m_field->setAccessibleName(u"Rechercher dans les fiches"_s);
    m_field->setAccessibleDescription(
        u"Un symptôme, ou plusieurs séparés par des virgules pour un répertoire"_s);
    m_field->setPlaceholderText(
        u"Un symptôme (« pire par le froid »), ou plusieurs séparés par des virgules"_s);
    m_field->setClearButtonEnabled(true);
    m_field->setMaxLength(500);
    fieldLabel->setBuddy(m_field);

    m_status = new ui::Label(this, u"LblResultats"_s);
    m_status->setWordWrap(true);
    m_status->exposeValue(u"Résultats"_s, true);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(m_status, 1);
    for (int k = 0; k < 3; ++k) {
        QPushButton* b = button(this, "", QString());
        b->setObjectName(u"CmdSuggestion%1"_s.arg(k));
        b->hide();
        connect(b, &QPushButton::clicked, this,
                [this, b] { setQuery(b->property("query").toString()); });
        statusRow->addWidget(b);
        m_suggestions << b;
    }

    m_list = new QListWidget(this);
    m_list->setObjectName(u"LstResultats"_s);
    m_list->setAccessibleName(u"Remèdes trouvés"_s);
    m_list->setItemDelegate(new ResultDelegate(m_list));
    m_list->setWordWrap(true);
    m_list->setUniformItemSizes(false);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(u"GrilleRepertoire"_s);
    m_grid->setAccessibleName(u"Répertoire : remèdes par symptômes"_s);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setTabKeyNavigation(false);
    m_views = new QStackedWidget(this);
    m_views->setObjectName(u"PileResultats"_s);
    m_views->addWidget(m_list);
    m_views->addWidget(m_grid);
    m_legend = new ui::Label(this, u"LblLegende"_s);
    m_legend->setWordWrap(true);
    m_legend->setCaption(GradeLegend);
    m_legend->setAccessibleName(u"Légende"_s);
    m_legend->hide();

    // The sheet on a ground of the main window's grey, as on the page "Remèdes".
    auto* holder = new QWidget(this);
    holder->setObjectName(u"FraFiche"_s);
    m_sheet = new sheet::RemedySheet(0, m_context, holder);
    m_sheet->move(0, 0);
    m_sheet->prepare();
    holder->setFixedSize(m_sheet->size());
    m_sheet->hide();
    connect(m_sheet, &sheet::RemedySheet::deferredStep, this, &SearchWindow::onDeferredStep);
    connect(m_sheet, &sheet::RemedySheet::definitionRequested, this,
            &SearchWindow::definitionRequested);
    // As on every sheet: a search from its context menu, here in this window.
    auto* again = new QAction(u"Rechercher dans les fiches…"_s, this);
    again->setObjectName(u"ActRechercherFiches"_s);
    connect(again, &QAction::triggered, this, [this] {
        if (!m_sheet->menuWords().isEmpty())
            setQuery(m_sheet->menuWords());
        m_field->setFocus();
    });
    m_sheet->addMenuAction(again);

    m_showInRemedies = button(this, "CmdAfficherRemedes", u"Afficher dans Remèdes"_s);
    m_showInRemedies->setEnabled(false);
    m_paperButtons = {button(this, "CmdImprimerGrille", u"Imprimer…"_s),
                      button(this, "CmdApercuGrille", u"Aperçu…"_s),
                      button(this, "CmdPdfGrille", u"Enregistrer en PDF…"_s),
                      button(this, "CmdCopierGrille", u"Copier"_s)};
    m_paperButtons[0]->setAccessibleName(u"Imprimer la grille"_s);
    m_paperButtons[1]->setAccessibleName(u"Aperçu avant impression de la grille"_s);
    m_paperButtons[2]->setAccessibleName(u"Enregistrer la grille en PDF"_s);
    m_paperButtons[3]->setAccessibleName(u"Copier la grille"_s);
    auto* close = button(this, "CmdFermer", u"Fermer"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(fieldLabel);
    top->addWidget(m_field, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(statusRow);
    left->addWidget(m_views, 1);
    left->addWidget(m_legend);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addWidget(holder, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showInRemedies);
    for (QPushButton* b : std::as_const(m_paperButtons))
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(middle, 1);
    all->addLayout(buttons);
    resize(1100, 720);

    m_debounce = new QTimer(this);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(150);
    connect(m_debounce, &QTimer::timeout, this, &SearchWindow::runSearch);
    connect(m_field, &QLineEdit::textChanged, m_debounce, qOverload<>(&QTimer::start));
    connect(m_field, &QLineEdit::returnPressed, this, [this] {
        runSearch();
        if (!m_outcome.rows.isEmpty())
            m_views->currentWidget()->setFocus();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, &SearchWindow::onResultChosen);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &SearchWindow::onResultChosen);
    connect(m_list, &QListWidget::itemActivated, this, &SearchWindow::onShowInRemedies);
    connect(m_grid, &QTableWidget::activated, this, &SearchWindow::onShowInRemedies);
    connect(m_showInRemedies, &QPushButton::clicked, this, &SearchWindow::onShowInRemedies);
    connect(m_paperButtons[0], &QPushButton::clicked, this, &SearchWindow::printGrid);
    connect(m_paperButtons[1], &QPushButton::clicked, this, &SearchWindow::previewGrid);
    connect(m_paperButtons[2], &QPushButton::clicked, this, &SearchWindow::saveGridAsPdf);
    connect(m_paperButtons[3], &QPushButton::clicked, this, &SearchWindow::copyGrid);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setObjectName(u"ActFermer"_s);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WindowShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    for (QPushButton* b : std::as_const(m_paperButtons))
        b->setEnabled(false);
    showStatus();
}

SearchWindow::~SearchWindow() = default;

const SearchIndex& SearchWindow::index()
{
    if (!m_index) {
        QStringList spellings;
        if (m_context.words)
            spellings = *m_context.words;
        if (m_context.terms) {
            for (int k = 0; k < m_context.terms->count(); ++k)
                spellings << m_context.terms->term(k);
        }
        m_index = std::make_unique<SearchIndex>(*m_context.table, spellings);
    }
    return *m_index;
}

void SearchWindow::setQuery(const QString& query)
{
    m_field->setText(query);
    runSearch();
}

QString SearchWindow::query() const
{
    return m_field->text();
}

int SearchWindow::shownRemedy() const
{
    return m_sheet->isVisible() || !m_sheet->isHidden() ? m_sheet->shownRemedy() : -1;
}

void SearchWindow::runSearch()
{
    m_debounce->stop();
    m_searched = m_field->text();
    m_outcome = index().search(m_searched);
    m_filling = true;
    const bool grid = m_outcome.isRepertory();
    if (grid)
        fillGrid();
    else
        fillList();
    m_views->setCurrentWidget(grid ? static_cast<QWidget*>(m_grid) : m_list);
    m_legend->setVisible(grid);
    for (QPushButton* b : std::as_const(m_paperButtons))
        b->setEnabled(grid && !m_outcome.rows.isEmpty());
    m_showInRemedies->setEnabled(!m_outcome.rows.isEmpty());
    m_filling = false;
    showStatus();
    if (m_outcome.rows.isEmpty()) {
        m_sheet->hide();
        return;
    }
    showRemedy(m_outcome.rows.front().remedy, false);
}

void SearchWindow::showStatus()
{
    const int n = int(m_outcome.rows.size());
    QString text;
    if (m_outcome.symptoms.isEmpty()) {
        text = m_outcome.unknownWords.isEmpty() && m_searched.trimmed().isEmpty()
                   ? u"Tapez un symptôme, ou plusieurs séparés par des virgules."_s
                   : u"Aucune fiche ne correspond à « %1 »."_s.arg(m_searched.trimmed());
    } else if (n == 0) {
        text = u"Aucune fiche ne correspond à « %1 »."_s.arg(m_searched.trimmed());
    } else {
        text = n == 1 ? u"1 remède trouvé"_s : u"%1 remèdes trouvés"_s.arg(n);
        if (m_outcome.isRepertory())
            text += u" pour %1 symptômes"_s.arg(m_outcome.symptoms.size());
        if (m_outcome.truncated)
            text += u" (les %1 premiers symptômes seulement)"_s.arg(SearchIndex::MaxSymptoms);
        text += u'.';
    }
    if (!m_outcome.unknownWords.isEmpty() && m_outcome.suggestions.isEmpty())
        text += u" Aucun mot proche de « %1 » dans les fiches."_s.arg(
            m_outcome.unknownWords.join(u", "_s));
    m_status->setCaption(text);
    for (int k = 0; k < m_suggestions.size(); ++k) {
        QPushButton* b = m_suggestions[k];
        const bool shown = k < m_outcome.suggestions.size();
        b->setVisible(shown);
        if (shown) {
            const Suggestion& s = m_outcome.suggestions[k];
            b->setText(u"Vouliez-vous dire « %1 » ?"_s.arg(s.word));
            b->setProperty("query", s.query);
        }
    }
}

QString SearchWindow::resultHtml(const Row& row, QString& plain) const
{
    const refdata::RemedyTable& t = *m_context.table;
    plain = t.latinName[row.remedy].trimmed();
    QString html = u"<b style=\"color:#0000ff\">%1</b>"_s.arg(
        t.latinName[row.remedy].trimmed().toHtmlEscaped());
    const QString mark = t.rating[row.remedy].trimmed();
    if (!mark.isEmpty() && mark != u".") {
        html += u" <b style=\"color:#ff0000\">%1</b>"_s.arg(mark.toHtmlEscaped());
        plain += u' ' + mark;
    }
    QList<int> sentences;
    for (const Hit& h : row.hits) {
        if (!sentences.contains(h.sentence))
            sentences << h.sentence;
    }
    for (int s : sentences.mid(0, MaxSentencesShown)) {
        const Sentence& sentence = m_index->sentence(s);
        const QString text = m_index->text(t, s);
        QList<Span> spans;
        for (const Hit& h : row.hits) {
            if (h.sentence == s)
                spans << m_index->spanOf(h);
        }
        QString body;
        int at = 0;
        for (const Span& span : std::as_const(spans)) {
            if (span.start < at)
                continue;
            body += text.mid(at, span.start - at).toHtmlEscaped();
            body += u"<b>"_s + text.mid(span.start, span.length).toHtmlEscaped() + u"</b>"_s;
            at = span.start + span.length;
        }
        body += text.mid(at).toHtmlEscaped();
        const QString title = sentence.field == Field::Indications
                                  ? SearchIndex::headingTitle(sentence.heading)
                                  : fieldTitle(sentence.field);
        html += u"<br/>"_s;
        plain += u" — "_s;
        if (!title.isEmpty()) {
            html += u"<span style=\"color:#800000\">%1 :</span> "_s.arg(title.toHtmlEscaped());
            plain += title + u" : "_s;
        }
        html += body;
        plain += text;
    }
    if (sentences.size() > MaxSentencesShown)
        html += u"<br/><i>… et %1 autres phrases</i>"_s.arg(sentences.size() - MaxSentencesShown);
    return html;
}

void SearchWindow::fillList()
{
    m_list->clear();
    const refdata::RemedyTable& t = *m_context.table;
    for (const Row& r : std::as_const(m_outcome.rows)) {
        QString plain;
        const QString html = resultHtml(r, plain);
        auto* item = new QListWidgetItem(plain);
        item->setData(RemedyRole, r.remedy);
        item->setData(HtmlRole, html);
        item->setData(Qt::AccessibleTextRole, item->text());
        item->setToolTip(t.frenchName[r.remedy]);
        m_list->addItem(item);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void SearchWindow::fillGrid()
{
    const refdata::RemedyTable& t = *m_context.table;
    m_grid->setSortingEnabled(false);
    m_grid->clear();
    const QStringList& symptoms = m_outcome.symptoms;
    const int columns = int(symptoms.size()) + 4;
    m_grid->setColumnCount(columns);
    m_grid->setRowCount(int(m_outcome.rows.size()));
    QStringList head{u"Remède"_s, u"Note"_s};
    head += symptoms;
    head << u"Symptômes"_s << u"Total"_s;
    m_grid->setHorizontalHeaderLabels(head);
    for (int row = 0; row < m_outcome.rows.size(); ++row) {
        const Row& r = m_outcome.rows[row];
        const QString name = t.latinName[r.remedy].trimmed();
        const QString mark = t.rating[r.remedy].trimmed();
        auto* nameItem = new GridItem(name, name);
        nameItem->setData(RemedyRole, r.remedy);
        nameItem->setData(Qt::AccessibleTextRole, name);
        m_grid->setItem(row, 0, nameItem);
        auto* markItem = new GridItem(mark, markRank(mark));
        markItem->setData(Qt::AccessibleTextRole, u"%1, note : %2"_s.arg(name, mark));
        markItem->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(row, 1, markItem);
        for (int k = 0; k < symptoms.size(); ++k) {
            const int g = r.grades.value(k);
            auto* cell = new GridItem(g > 0 ? QString::number(g) : QString(), g);
            cell->setData(Qt::AccessibleTextRole,
                          u"%1, %2 : %3"_s.arg(name, symptoms[k],
                                               g > 0 ? QString::number(g) : u"non nommé"_s));
            cell->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(row, 2 + k, cell);
        }
        const std::pair<QString, int> totals[] = {{u"symptômes"_s, r.covered},
                                                  {u"total"_s, r.total}};
        for (int k = 0; k < 2; ++k) {
            auto* cell = new GridItem(QString::number(totals[k].second), totals[k].second);
            cell->setData(Qt::AccessibleTextRole,
                          u"%1, %2 : %3"_s.arg(name, totals[k].first).arg(totals[k].second));
            cell->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(row, columns - 2 + k, cell);
        }
    }
    m_grid->resizeColumnsToContents();
    // Sorting on a header's click, from the order the search gave.
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    m_grid->setSortingEnabled(true);
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(0, 0);
}

int SearchWindow::chosenRemedy() const
{
    if (m_views->currentWidget() == m_grid) {
        const int row = m_grid->currentRow();
        const QTableWidgetItem* item = row >= 0 ? m_grid->item(row, 0) : nullptr;
        return item ? item->data(RemedyRole).toInt() : -1;
    }
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(RemedyRole).toInt() : -1;
}

void SearchWindow::onResultChosen()
{
    if (m_filling)
        return;
    const int i = chosenRemedy();
    if (i >= 0 && i != m_sheet->shownRemedy())
        showRemedy(i, true);
}

void SearchWindow::showRemedy(int i, bool picked)
{
    const refdata::RemedyTable& t = *m_context.table;
    m_sheet->show();
    m_picked = picked;
    if (picked) {
        // As a pick in a page's result list: the label now, the window at the
        // deferred step unless the warnings are silenced.
        m_sheet->showPicked(t, t.latinName[i], *m_context.warnings, m_pending);
    } else {
        // As a page's list is filled: the first remedy with its label, no window.
        m_sheet->present(t, i, u' ' + t.latinName[i] + u' ');
        m_sheet->setWarning(t.isListed(i) ? t.listWarning[i] : QString());
    }
}

void SearchWindow::onDeferredStep()
{
    sheet::ColouringPlan plan;
    for (const Span& s : index().spansIn(m_sheet->bodyText(), m_searched))
        plan.red.append({s.start, s.length});
    if (!plan.red.isEmpty())
        plan.shown = plan.red.front();
    m_sheet->colour(plan, ui::colour::Red);
    if (std::exchange(m_picked, false)) {
        QWidget* results = m_views->currentWidget();
        m_sheet->returnFocus(results, results, *m_context.warnings, m_pending);
    }
}

void SearchWindow::onShowInRemedies()
{
    const int i = chosenRemedy();
    if (i >= 0)
        emit showInRemedies(i);
}

namespace {

QString proposedGridPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(u"Répertoire.pdf"_s);
}

} // namespace

void SearchWindow::printGrid()
{
    if (!m_outcome.isRepertory() || m_outcome.rows.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"Répertoire"_s);
    printer.setPageLayout(sheet::paperLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(u"Imprimer la grille"_s);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const QDate today = QDate::currentDate();
    const auto document = paperGrid(*m_context.table, m_outcome, m_searched, today);
    if (!sheet::printSheet(*document, printer, {m_context.version, today})) {
        QMessageBox box(QMessageBox::Warning, u"Vitralis"_s,
                        u"La grille n'a pas pu être imprimée."_s, QMessageBox::Ok, this);
        runDialog(box);
    }
}

void SearchWindow::previewGrid()
{
    if (!m_outcome.isRepertory() || m_outcome.rows.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"Répertoire"_s);
    printer.setPageLayout(sheet::paperLayout());
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(u"ApercuGrille"_s);
    dialog.setWindowTitle(u"Aperçu avant impression"_s);
    const Outcome outcome = m_outcome;
    const QString query = m_searched;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, outcome, query](QPrinter* p) {
                const QDate today = QDate::currentDate();
                const auto document = paperGrid(*m_context.table, outcome, query, today);
                sheet::printSheet(*document, *p, {m_context.version, today});
            });
    runDialog(dialog);
}

void SearchWindow::saveGridAsPdf()
{
    if (!m_outcome.isRepertory() || m_outcome.rows.isEmpty())
        return;
    const QString proposed = proposedGridPath();
    QFileDialog dialog(this, u"Enregistrer la grille en PDF"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(u"Documents PDF (*.pdf)"_s);
    dialog.setDefaultSuffix(u"pdf"_s);
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(proposed);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const QDate today = QDate::currentDate();
    const auto document = paperGrid(*m_context.table, m_outcome, m_searched, today);
    const QString why =
        sheet::writePdf(*document, path, u"Répertoire"_s, {m_context.version, today});
    if (why.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, u"Vitralis"_s,
                    u"La grille n'a pas pu être enregistrée dans « %1 » : %2."_s.arg(
                        QDir::toNativeSeparators(path), why),
                    QMessageBox::Ok, this);
    box.setObjectName(u"MsgEnregistrement"_s);
    runDialog(box);
}

void SearchWindow::copyGrid()
{
    if (!m_outcome.isRepertory() || m_outcome.rows.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(gridMimeData(*m_context.table, m_outcome, m_searched,
                                                           QDate::currentDate(), m_context.version)
                                                  .release());
}

} // namespace search
