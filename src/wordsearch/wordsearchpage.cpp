#include "wordsearchpage.h"

#include "mainwin/warningwindow.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "wordsearchcore.h"

#include <QEvent>
#include <QTextCursor>

namespace wordsearch {

namespace {

ui::Label* text(QWidget* parent, const QString& name, const QString& caption, const QRect& twips)
{
    auto* l = new ui::Label(parent, name);
    l->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setFont(ui::designFont(ui::Face::Tahoma, 12));
    l->setCaption(caption);
    return l;
}

QLineEdit* field(QWidget* parent, const QString& name, const QRect& twips,
                 const QString& accessible)
{
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    f->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    f->setAccessibleName(accessible);
    return f;
}

ui::ListBox* suggestionList(QWidget* parent, const QString& name, const QString& accessible)
{
    auto* l = new ui::ListBox(parent, name);
    l->setGeometry(ui::twipsRect(60, 3510, 5115, 6240));
    l->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    l->setAccessibleName(accessible);
    return l;
}

const QColor Red(0xFF, 0x00, 0x00);

} // namespace

WordSearchPage::WordSearchPage(QWidget* container, const mainwin::PageContext& context)
    : QObject(container), m_container(container), m_context(context)
{
    setObjectName(QStringLiteral("WordSearchPage"));
    sheet = new mainwin::RemedySheet(container, 3);

    text(container, QStringLiteral("LblConsigne1"),
         QStringLiteral("Effectuer une recherche en associant deux symptômes ou mots clés."),
         QRect(60, 60, 5025, 555));
    text(container, QStringLiteral("LblMot1"), QStringLiteral("mot clé 1"),
         QRect(60, 1020, 1035, 255));
    word1 = field(container, QStringLiteral("T1"), QRect(1140, 840, 3195, 465),
                  QStringLiteral("mot clé 1"));
    text(container, QStringLiteral("LblMot2"), QStringLiteral("mot clé 2"),
         QRect(60, 1620, 1035, 255));
    word2 = field(container, QStringLiteral("T2"), QRect(1140, 1440, 3195, 465),
                  QStringLiteral("mot clé 2"));

    search = new QPushButton(QStringLiteral("Rechercher"), container);
    search->setObjectName(QStringLiteral("CmdRechercher"));
    search->setGeometry(ui::twipsRect(1680, 2220, 2115, 465));
    search->setFont(ui::designFont(ui::Face::Tahoma, 12, true));
    search->setEnabled(false);

    text(container, QStringLiteral("LblConsigne2"),
         QStringLiteral(
             "Vous pouvez également sélectionner un mot en cliquant dans la liste déroulante "
             "ci-dessous."),
         QRect(60, 2940, 5115, 555));
    suggestions1 = suggestionList(container, QStringLiteral("Lst1"),
                                  QStringLiteral("Suggestions pour le mot clé 1"));
    suggestions2 = suggestionList(container, QStringLiteral("Lst2"),
                                  QStringLiteral("Suggestions pour le mot clé 2"));

    remedies = new ui::ListBox(container, QStringLiteral("LstRecher"));
    remedies->setGeometry(ui::twipsRect(5220, 660, 4635, 2880));
    remedies->setFont(ui::designFont(ui::Face::Tahoma, 12));
    remedies->setStyleSheet(QStringLiteral("QListWidget { background: #F0F0F0; }"));
    remedies->setAccessibleName(QStringLiteral("Remèdes trouvés"));

    countLine = new ui::Label(container, QStringLiteral("LblResult21"));
    countLine->setGeometry(ui::twipsRect(9900, 1080, 3795, 735));
    countLine->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    countLine->setBackgroundColor(QColor(0xC0, 0xC0, 0xC0));
    countLine->setAlignment(Qt::AlignCenter);
    countLine->exposeValue(QStringLiteral("Résultat"));

    searchedWords = new ui::Label(container, QStringLiteral("LblResult22"));
    searchedWords->setGeometry(ui::twipsRect(9900, 1860, 3795, 855));
    searchedWords->setFont(ui::designFont(ui::Face::Tahoma, 14.25, true));
    searchedWords->setTextColor(QColor(0xFF, 0x80, 0x00));
    searchedWords->setBackgroundColor(QColor(0xFF, 0xFF, 0xC0));
    searchedWords->setAlignment(Qt::AlignCenter);
    searchedWords->exposeValue(QStringLiteral("Mots recherchés"));

    for (int k : {0, 1}) {
        wordField(k)->installEventFilter(this);
        connect(wordField(k), &QLineEdit::textChanged, this, [this, k] { wordChanged(k); });
        connect(suggestionsOf(k), &ui::ListBox::clicked, this, [this, k] { suggestionPicked(k); });
    }
    connect(search, &QPushButton::clicked, this, &WordSearchPage::runSearch);
    connect(remedies, &ui::ListBox::clicked, this, &WordSearchPage::showFound);
    connect(sheet->timer, &QTimer::timeout, this, &WordSearchPage::deferredStep);
}

bool WordSearchPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == word1)
            wordFocused(0);
        else if (watched == word2)
            wordFocused(1);
    }
    return QObject::eventFilter(watched, event);
}

void WordSearchPage::wordChanged(int k)
{
    QLineEdit* field = wordField(k);
    const QString lowered = field->text().toLower();
    const bool refreshed = lowered != m_shadow[k];
    if (refreshed) {
        m_shadow[k] = lowered;
        refreshSuggestions(k);
    }
    // The focus comes back to the field. After a refresh the field counts as
    // receiving it anew, even when it never lost it.
    field->setFocus();
    if (refreshed)
        wordFocused(k);
    search->setEnabled(searchAllowed(word1->text(), word2->text()));
}

void WordSearchPage::refreshSuggestions(int k)
{
    ui::ListBox* list = suggestionsOf(k);
    list->hide();
    list->clearEntries();
    if (m_context.words)
        list->addEntries(suggestions(*m_context.words, m_shadow[k]));
    list->show();
}

void WordSearchPage::wordFocused(int k)
{
    suggestionsOf(k)->show();
    suggestionsOf(1 - k)->hide();
}

void WordSearchPage::suggestionPicked(int k)
{
    // Setting the text is a word change when it differs.
    wordField(k)->setText(suggestionsOf(k)->selectedEntry());
}

void WordSearchPage::runSearch()
{
    const QString w1 = word1->text();
    remedies->clearEntries();
    sheet->body->setText(QString());
    sheet->warning->setCaption(QString());
    countLine->setCaption(QString());
    searchedWords->setCaption(QString());
    const QString w2 = word2->text();

    const refdata::RemedyTable& table = *m_context.table;
    const SearchResult result = searchTwoWords(table, w1, w2);
    remedies->addEntries(table.names(result.found));
    // The first remedy found, under its bare name; a search never warns.
    if (!result.found.isEmpty()) {
        const int first = result.found.first();
        sheet->fill(table, first, table.latinName[first]);
    }
    countLine->setCaption(countText(int(result.found.size())));
    searchedWords->setCaption(wordsText(w1, w2));
    sheet->formatBody();
    sheet->timer->start(10);
}

void WordSearchPage::showFound()
{
    sheet->showPicked(*m_context.table, remedies->selectedEntry(), *m_context.warnings,
                      m_context.warnings->pendingWordPages);
}

void WordSearchPage::deferredStep()
{
    sheet->timer->stop();
    ui::RichTextBox& body = *sheet->body;
    body.setFocus();

    const ColouringPlan plan = colouringPlan(body.text(), word1->text(), word2->text());
    for (const Span& s : plan.red)
        body.setRangeColor(s.start, s.length, Red);
    // The view follows the last occurrence found.
    if (plan.lastHit)
        body.showRange(plan.lastHit->start, plan.lastHit->length);

    remedies->setFocus();
    mainwin::RemedySheet::openPendingWarning(
        *m_context.warnings, m_context.warnings->pendingWordPages, m_container->window());
    search->setEnabled(false);
}

} // namespace wordsearch
