#pragma once

#include <QAccessible>
#include <QColor>
#include <QLabel>

namespace ui {

// A caption on a page: text and background colours, emphasis, an optional
// border, and a click notification (the page selectors and letter indexes are
// labels). Captions of several lines join them with CR LF, which the label
// keeps as given and shows as line breaks.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr, const QString& name = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    QColor textColour() const;
    void setTextColour(const QColor& colour);
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor& colour);
    // Lets what lies behind show through.
    void setTransparent();
    void setBordered(bool bordered);
    void setEmphasis(bool bold, bool underline);
    // Makes the font a little smaller, down to three quarters of its size,
    // until the caption's widest line fits the label.
    void shrinkToFit();

    // For a label that shows a value: assistive technology reads `what` as its
    // name, which stays, and the caption as its description, told of every
    // change. An urgent label (a warning) also asks for its new caption to be
    // spoken at once, where the toolkit can.
    void exposeValue(const QString& what, bool urgent = false);
    bool exposesValue() const { return m_exposesValue; }

    // For a label that works as a button (a page selector, a letter): Tab
    // reaches it, Enter and Space click it, and it shows a focus mark while
    // the keyboard is on it. A mouse click never gives it the focus, so no
    // mark shows after one. Assistive technology sees it in `role`, with a
    // press action.
    void setKeyboardClickable(QAccessible::Role role);
    bool isKeyboardClickable() const { return m_clickRole != QAccessible::NoRole; }
    QAccessible::Role accessibleRole() const;
    // A click from the keyboard or from assistive technology.
    void activate();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describeValue();

    QString m_caption;
    bool m_exposesValue = false;
    bool m_urgent = false;
    QAccessible::Role m_clickRole = QAccessible::NoRole;
};

} // namespace ui
