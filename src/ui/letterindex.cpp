#include "letterindex.h"

#include "fonts.h"
#include "palette.h"
#include "twips.h"

#include <utility>

namespace ui {

LetterIndex::LetterIndex(const Look& look, QWidget* parent) : QWidget(parent), m_text(look.text)
{
    setObjectName(QStringLiteral("LetterIndex"));
    constexpr int PerRow = LetterCount / 2;
    const QRect area = twipsRect(QRect(look.left, look.top, look.pitch * (PerRow - 1) + look.size,
                                       look.rowStep + look.size));
    setGeometry(area);
    for (int k = 0; k < LetterCount; ++k) {
        const QChar letter(u'A' + k);
        auto* l = new Label(this, QStringLiteral("Lab(%1)").arg(k + 1));
        // Tab reaches each letter, Enter and Space click it.
        l->setKeyboardClickable(QAccessible::Button);
        const QRect twips(look.left + look.pitch * (k % PerRow),
                          look.top + (k < PerRow ? 0 : look.rowStep), look.size, look.size);
        l->setGeometry(twipsRect(twips).translated(-area.topLeft()));
        l->setFont(designFont(Face::Verdana, look.points));
        l->setBackgroundColour(look.background);
        l->setTextColour(look.text);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(false);
        l->setCaption(QString(letter));
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &Label::clicked, this, [this, letter] { emit letterClicked(letter); });
        m_letters[k] = l;
    }
}

void LetterIndex::setEmptyLetters(const QString& letters)
{
    const QSet<QChar> before = std::exchange(m_empty, QSet<QChar>(letters.begin(), letters.end()));
    for (Label* l : m_letters) {
        const QChar c = l->caption().front();
        if (isEmpty(c))
            l->setTextColour(colour::Grey);
        else if (before.contains(c))
            l->setTextColour(m_text);
    }
}

void LetterIndex::choose(QChar letter)
{
    for (Label* l : m_letters) {
        const bool empty = isEmpty(l->caption().front());
        const bool marked = !empty && l->caption().front() == letter;
        l->setEmphasis(marked, marked);
        l->setTextColour(empty ? colour::Grey : marked ? colour::Blue : colour::Black);
    }
}

void LetterIndex::setLetterColour(QChar letter, const QColor& colour)
{
    const int k = letter.unicode() - u'A';
    if (k >= 0 && k < LetterCount)
        m_letters[k]->setTextColour(colour);
}

QWidget* LetterIndex::chainTabOrder(QWidget* previous)
{
    for (Label* l : m_letters) {
        QWidget::setTabOrder(previous, l);
        previous = l;
    }
    return previous;
}

} // namespace ui
