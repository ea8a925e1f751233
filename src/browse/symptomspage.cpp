#include "symptomspage.h"

#include "browsecore.h"
#include "sheet/remedysheet.h"
#include "ui/countline.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/letterindex.h"
#include "ui/palette.h"
#include "ui/resultspanel.h"
#include "ui/twips.h"

namespace browse {

SymptomsPage::SymptomsPage(const sheet::PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Pict(1)"));
    m_sheet = new sheet::RemedySheet(1, context, this);

    m_letters = new ui::LetterIndex(
        {300, 30, 360, 360, 315, 12, ui::colour::Panel, ui::colour::DarkGrey}, EmptyLetters, this);
    m_letters->setLetterColour(u'Z', ui::colour::Black);

    m_words = new ui::ListBox(this, QStringLiteral("LstMC"));
    m_words->setGeometry(ui::twipsRect(QRect(60, 720, 5115, 9000)));
    m_words->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    m_words->setAccessibleName(QStringLiteral("Mots clés"));

    m_results = new ui::ResultsPanel({QStringLiteral("LstRech"), QStringLiteral("LblResult1"),
                                      QStringLiteral("LblResult2"), QStringLiteral("Mot choisi")},
                                     375, this);

    connect(m_letters, &ui::LetterIndex::letterClicked, this, &SymptomsPage::onLetterClicked);
    connect(m_words, &ui::ListBox::clicked, this, &SymptomsPage::onWordClicked);
    connect(m_results->list(), &ui::ListBox::clicked, this, &SymptomsPage::onRemedyClicked);
    connect(m_sheet, &sheet::RemedySheet::deferredStep, this, &SymptomsPage::onDeferredStep);
}

void SymptomsPage::addWords(const QStringList& words)
{
    m_words->addEntries(words);
}

void SymptomsPage::clearCountLine()
{
    m_results->clearCaptions();
}

QWidget* SymptomsPage::chainTabOrder(QWidget* previous)
{
    previous = m_letters->chainTabOrder(previous);
    for (QWidget* next :
         {static_cast<QWidget*>(m_words), static_cast<QWidget*>(m_results->list())}) {
        setTabOrder(previous, next);
        previous = next;
    }
    return m_sheet->chainTabOrder(previous);
}

void SymptomsPage::onLetterClicked(QChar letter)
{
    ui::parkFocus(m_context.foc);
    // Letters without words end grey and unmarked, even when chosen.
    m_letters->choose(letter);
    m_words->clearEntries();
    m_results->list()->clearEntries();
    m_sheet->clearBody();
    m_results->clearCaptions();
    m_words->addEntries(wordsUnderLetter(*m_context.words, letter));
}

void SymptomsPage::onWordClicked()
{
    const QString word = m_words->selectedEntry();
    const QList<int> found = remediesWithWord(*m_context.table, word);
    m_sheet->listFound(m_results->list(), *m_context.table, found);
    m_results->countLine()->setCaption(ui::countLine(int(found.size()), QStringLiteral("pour:")));
    m_results->searched()->setCaption(word);
}

void SymptomsPage::onRemedyClicked()
{
    m_sheet->showPicked(*m_context.table, m_results->list()->selectedEntry(), *m_context.warnings,
                        m_context.warnings->pendingWordPages);
}

void SymptomsPage::onDeferredStep()
{
    // The word in red, keeping the headings' emphasis. The view follows the
    // last occurrence coloured, with the caret after it rather than a
    // selection over it, so that it shows in red like the others.
    const QString term = colouredTerm(m_results->searched()->caption());
    m_sheet->colour(colouringPlan(m_sheet->bodyText(), term), ui::colour::Red);
    // Back to the word list.
    m_sheet->returnFocus(m_results->list(), m_words, *m_context.warnings,
                         m_context.warnings->pendingWordPages);
}

} // namespace browse
