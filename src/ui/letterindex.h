#pragma once

#include "ui/label.h"

#include <QSet>
#include <QWidget>

#include <array>

namespace ui {

// A letter index: the 26 letters A to Z as labels `Lab(1)` to `Lab(26)` in two
// rows of thirteen, buttons to the keyboard and to assistive technology. A
// click on a letter is reported; choosing a letter marks it
// (bold, underlined, blue) unless no entry begins with it, and such empty
// letters stay grey.
class LetterIndex : public QWidget
{
    Q_OBJECT

public:
    static constexpr int LetterCount = 26;

    // Where and how the letters stand, in twips inside the parent.
    struct Look
    {
        int left = 0;      // the first letter of each row
        int top = 0;       // the first row
        int rowStep = 0;   // from the first row's top to the second's
        int pitch = 0;     // from one letter's left to the next
        int size = 0;      // each letter's width and height
        double points = 0; // the letters' size (Verdana)
        QColor background;
        QColor text; // every letter's colour but the empty ones', until a choice
    };

    // No letter is empty until setEmptyLetters() says which are.
    LetterIndex(const Look& look, QWidget* parent);

    // The letters under which nothing stands, once the data is read: they turn
    // grey, and a letter no longer empty takes the look's colour again.
    void setEmptyLetters(const QString& letters);

    // Gives the letters the look of a choice of `letter`: every letter black
    // and plain, the empty ones grey, the chosen one marked unless it is empty.
    void choose(QChar letter);
    bool isEmpty(QChar letter) const { return m_empty.contains(letter); }
    void setLetterColour(QChar letter, const QColor& colour);
    // Puts the letters, A to Z, after `previous` in the tab order; returns Z.
    QWidget* chainTabOrder(QWidget* previous);

signals:
    void letterClicked(QChar letter);

private:
    std::array<Label*, LetterCount> m_letters{};
    QSet<QChar> m_empty;
    QColor m_text;
};

} // namespace ui
