#include "keywordsearchpage.h"

#include "keywordsearchcore.h"
#include "sheet/remedysheet.h"
#include "ui/countline.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/palette.h"
#include "ui/resultspanel.h"
#include "ui/twips.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace keywordsearch {

namespace {

void text(QWidget* parent, const QString& name, const QString& caption, const QRect& twips)
{
    auto* l = new ui::Label(parent, name);
    l->setGeometry(ui::twipsRect(twips));
    l->setFont(ui::designFont(ui::Face::Tahoma, 12));
    l->setCaption(caption);
}

QLineEdit* field(QWidget* parent, const QString& name, const QRect& twips,
                 const QString& accessible)
{
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(ui::twipsRect(twips));
    f->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    f->setAccessibleName(accessible);
    return f;
}

ui::ListBox* suggestionList(QWidget* parent, const QString& name, const QString& accessible)
{
    auto* l = new ui::ListBox(parent, name);
    l->setGeometry(ui::twipsRect(QRect(60, 3510, 5115, 6240)));
    l->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    l->setAccessibleName(accessible);
    return l;
}

} // namespace

KeywordSearchPage::KeywordSearchPage(const sheet::PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Pict(3)"));
    m_sheet = new sheet::RemedySheet(3, context, this);

    text(this, QStringLiteral("LblConsigne1"),
         QStringLiteral("Effectuer une recherche en associant deux symptômes ou mots clés."),
         QRect(60, 60, 5025, 555));
    text(this, QStringLiteral("LblMot1"), QStringLiteral("mot clé 1"), QRect(60, 1020, 1035, 255));
    m_words[0] =
        field(this, QStringLiteral("T1"), QRect(1140, 840, 3195, 465), QStringLiteral("mot clé 1"));
    text(this, QStringLiteral("LblMot2"), QStringLiteral("mot clé 2"), QRect(60, 1620, 1035, 255));
    m_words[1] = field(this, QStringLiteral("T2"), QRect(1140, 1440, 3195, 465),
                       QStringLiteral("mot clé 2"));

    m_search = new QPushButton(QStringLiteral("Rechercher"), this);
    m_search->setObjectName(QStringLiteral("CmdRechercher"));
    m_search->setGeometry(ui::twipsRect(QRect(1680, 2220, 2115, 465)));
    m_search->setFont(ui::designFont(ui::Face::Tahoma, 12, true));
    m_search->setEnabled(false);
    ui::pressWithKeys(m_search);

    text(this, QStringLiteral("LblConsigne2"),
         QStringLiteral(
             "Vous pouvez également sélectionner un mot en cliquant dans la liste déroulante "
             "ci-dessous."),
         QRect(60, 2940, 5115, 555));
    m_suggestions[0] = suggestionList(this, QStringLiteral("Lst1"),
                                      QStringLiteral("Suggestions pour le mot clé 1"));
    m_suggestions[1] = suggestionList(this, QStringLiteral("Lst2"),
                                      QStringLiteral("Suggestions pour le mot clé 2"));

    m_results =
        new ui::ResultsPanel({QStringLiteral("LstRecher"), QStringLiteral("LblResult21"),
                              QStringLiteral("LblResult22"), QStringLiteral("Mots recherchés")},
                             855, this);
    m_results->countLine()->setBackgroundColour(ui::colour::Grey);
    m_results->searched()->setBackgroundColour(QColor(0xFF, 0xFF, 0xC0));

    for (int k : {0, 1}) {
        m_words[k]->installEventFilter(this);
        connect(m_words[k], &QLineEdit::textChanged, this, [this, k] { onWordChanged(k); });
        connect(m_suggestions[k], &ui::ListBox::clicked, this,
                [this, k] { onSuggestionClicked(k); });
    }
    connect(m_search, &QPushButton::clicked, this, &KeywordSearchPage::onSearchClicked);
    connect(m_results->list(), &ui::ListBox::clicked, this, &KeywordSearchPage::onRemedyClicked);
    connect(m_sheet, &sheet::RemedySheet::deferredStep, this, &KeywordSearchPage::onDeferredStep);
}

void KeywordSearchPage::clearCountLine()
{
    m_results->clearCaptions();
}

QWidget* KeywordSearchPage::chainTabOrder(QWidget* previous)
{
    for (QWidget* next :
         {static_cast<QWidget*>(m_words[0]), static_cast<QWidget*>(m_words[1]),
          static_cast<QWidget*>(m_search), static_cast<QWidget*>(m_suggestions[0]),
          static_cast<QWidget*>(m_suggestions[1]), static_cast<QWidget*>(m_results->list())}) {
        setTabOrder(previous, next);
        previous = next;
    }
    return m_sheet->chainTabOrder(previous);
}

bool KeywordSearchPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_words[0])
            onWordFocused(0);
        else if (watched == m_words[1])
            onWordFocused(1);
    }
    return QWidget::eventFilter(watched, event);
}

void KeywordSearchPage::onWordChanged(int k)
{
    QLineEdit* field = m_words[k];
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
        onWordFocused(k);
    m_search->setEnabled(searchAllowed(m_words[0]->text(), m_words[1]->text()));
}

void KeywordSearchPage::refreshSuggestions(int k)
{
    ui::ListBox* list = m_suggestions[k];
    list->hide();
    list->clearEntries();
    if (m_context.words)
        list->addEntries(suggestions(*m_context.words, m_shadow[k]));
    list->show();
}

void KeywordSearchPage::onWordFocused(int k)
{
    m_suggestions[k]->show();
    m_suggestions[1 - k]->hide();
}

void KeywordSearchPage::onSuggestionClicked(int k)
{
    // Setting the text is a word change when it differs.
    m_words[k]->setText(m_suggestions[k]->selectedEntry());
}

void KeywordSearchPage::onSearchClicked()
{
    const QString w1 = m_words[0]->text();
    const QString w2 = m_words[1]->text();
    m_results->list()->clearEntries();
    m_sheet->setWarning(QString());
    m_results->clearCaptions();

    const refdata::RemedyTable& table = *m_context.table;
    const SearchResult result = searchTwoWords(table, w1, w2);
    m_results->list()->addEntries(table.names(result.found));
    m_results->countLine()->setCaption(
        ui::countLine(int(result.found.size()), QStringLiteral("pour"), ui::NoneFound::InWords));
    m_results->searched()->setCaption(wordsText(w1, w2));
    // The first remedy found, under its bare name; a search never warns.
    if (result.found.isEmpty()) {
        m_sheet->clearBody();
        m_sheet->presentAgain();
    } else {
        const int first = result.found.first();
        m_sheet->present(table, first, table.latinName[first]);
    }
}

void KeywordSearchPage::onRemedyClicked()
{
    m_sheet->showPicked(*m_context.table, m_results->list()->selectedEntry(), *m_context.warnings,
                        m_context.warnings->pendingWordPages);
}

void KeywordSearchPage::onDeferredStep()
{
    m_sheet->focusBody();
    m_sheet->colour(colouringPlan(m_sheet->bodyText(), m_words[0]->text(), m_words[1]->text()),
                    ui::colour::Red);
    m_sheet->returnFocus(m_results->list(), m_results->list(), *m_context.warnings,
                         m_context.warnings->pendingWordPages);
    m_search->setEnabled(false);
}

} // namespace keywordsearch
