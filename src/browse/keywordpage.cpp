#include "keywordpage.h"

#include "browsecore.h"
#include "mainwin/warningwindow.h"
#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QTextCursor>

#include <utility>

namespace browse {

namespace {

const QColor Black(0x00, 0x00, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Grey(0xC0, 0xC0, 0xC0);
const QColor Red(0xFF, 0x00, 0x00);

// The letters that no word begins with: W, X and Y.
bool hasNoWords(int k)
{
    return k == 23 || k == 24 || k == 25;
}

} // namespace

KeywordPage::KeywordPage(QWidget* container, const mainwin::PageContext& context)
    : QObject(container), m_container(container), m_context(context)
{
    setObjectName(QStringLiteral("KeywordPage"));
    sheet = new mainwin::RemedySheet(container, 1);

    for (int k = 1; k <= 26; ++k) {
        auto* l = new ui::Label(container, QStringLiteral("Lab(%1)").arg(k));
        l->setKeyboardClickable(QAccessible::Button);
        const int column = k <= 13 ? k - 1 : k - 14;
        l->setGeometry(ui::twipsRect(300 + 360 * column, k <= 13 ? 30 : 390, 315, 315));
        l->setFont(ui::designFont(ui::Face::Verdana, 12));
        l->setBackgroundColor(QColor(0xE0, 0xE0, 0xE0));
        l->setTextColor(hasNoWords(k) ? Grey : k == 26 ? Black : QColor(0x40, 0x40, 0x40));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        l->setCaption(QString(QChar(u'A' + k - 1)));
        l->setCursor(Qt::PointingHandCursor);
        letters[k - 1] = l;
        connect(l, &ui::Label::clicked, this, [this, k] { onLetterClick(k); });
    }

    words = new ui::ListBox(container, QStringLiteral("LstMC"));
    words->setGeometry(ui::twipsRect(60, 720, 5115, 9000));
    words->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    words->setAccessibleName(QStringLiteral("Mots clés"));

    remedies = new ui::ListBox(container, QStringLiteral("LstRech"));
    remedies->setGeometry(ui::twipsRect(5220, 660, 4635, 2880));
    remedies->setFont(ui::designFont(ui::Face::Tahoma, 12));
    remedies->setStyleSheet(QStringLiteral("QListWidget { background: #F0F0F0; }"));
    remedies->setAccessibleName(QStringLiteral("Remèdes trouvés"));

    countLine = new ui::Label(container, QStringLiteral("LblResult1"));
    countLine->setGeometry(ui::twipsRect(9900, 1080, 3795, 735));
    countLine->setFont(ui::designFont(ui::Face::Tahoma, 14.25));
    countLine->setAlignment(Qt::AlignCenter);
    countLine->exposeValue(QStringLiteral("Résultat"));

    chosenWord = new ui::Label(container, QStringLiteral("LblResult2"));
    chosenWord->setGeometry(ui::twipsRect(9900, 1860, 3795, 375));
    chosenWord->setFont(ui::designFont(ui::Face::Tahoma, 14.25, true));
    chosenWord->setTextColor(QColor(0xFF, 0x80, 0x00));
    chosenWord->setAlignment(Qt::AlignCenter);
    chosenWord->exposeValue(QStringLiteral("Mot choisi"));

    connect(words, &ui::ListBox::clicked, this, &KeywordPage::onWordClick);
    connect(remedies, &ui::ListBox::clicked, this, &KeywordPage::onRemedyClick);
    connect(sheet->timer, &QTimer::timeout, this, &KeywordPage::onDeferredStep);
}

void KeywordPage::onLetterClick(int k)
{
    if (k < 1 || k > 26)
        return;
    ui::parkFocus(m_context.foc);
    for (ui::Label* l : letters) {
        l->setEmphasis(false, false);
        l->setTextColor(Black);
    }
    ui::Label* chosen = letters[k - 1];
    chosen->setEmphasis(true, true);
    chosen->setTextColor(Blue);

    words->clearEntries();
    remedies->clearEntries();
    sheet->body->setText(QString());
    countLine->setCaption(QString());
    chosenWord->setCaption(QString());

    const QString caption = chosen->caption();
    if (!caption.isEmpty())
        words->addEntries(wordsUnderLetter(*m_context.words, caption.front()));

    // Letters without words end grey and unmarked, even when chosen.
    for (int w = 1; w <= 26; ++w) {
        if (hasNoWords(w)) {
            letters[w - 1]->setTextColor(Grey);
            letters[w - 1]->setEmphasis(false, false);
        }
    }
}

void KeywordPage::onWordClick()
{
    const QString word = words->selectedEntry();
    const refdata::RemedyTable& table = *m_context.table;
    const QList<int> found = remediesWithWord(table, word);
    sheet->listFound(remedies, table, found);

    countLine->setCaption(wordCountLine(int(found.size())));
    chosenWord->setCaption(word);
    sheet->formatBody();
    sheet->timer->start(10);
}

void KeywordPage::onRemedyClick()
{
    m_keyboardPick = ui::keyboardActivation();
    sheet->showPicked(*m_context.table, remedies->selectedEntry(), *m_context.warnings,
                      m_context.warnings->pendingWordPages);
}

void KeywordPage::onDeferredStep()
{
    sheet->timer->stop();

    // The word in red, keeping the headings' emphasis. The view follows the
    // last occurrence coloured, with the caret after it rather than a
    // selection over it, so that it shows in red like the others.
    ui::RichTextBox* body = sheet->body;
    const QString term = colouredTerm(chosenWord->caption());
    const int length = int(term.size());
    const QList<int> plan = colouringPlan(body->text(), term);
    for (int start : plan)
        body->setRangeColor(start, length, Red);
    if (!plan.isEmpty())
        body->showRange(plan.last(), length);

    // Back to the word list; a remedy chosen with the arrows keeps the focus
    // in the remedies, so that the next arrow goes on through them.
    (std::exchange(m_keyboardPick, false) ? remedies : words)->setFocus();

    mainwin::RemedySheet::openPendingWarning(
        *m_context.warnings, m_context.warnings->pendingWordPages, m_container->window());
}

} // namespace browse
