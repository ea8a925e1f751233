#include "label.h"

#include <QMouseEvent>

namespace ui {

Label::Label(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

QColor Label::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

QColor Label::backgroundColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setBackgroundColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setTransparent()
{
    setAutoFillBackground(false);
}

void Label::setBordered(bool bordered)
{
    setFrameStyle(bordered ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::setEmphasis(bool bold, bool underline)
{
    QFont f = font();
    f.setBold(bold);
    f.setUnderline(underline);
    setFont(f);
}

void Label::shrinkToFit()
{
    QFont f = font();
    const int smallest = f.pixelSize() * 3 / 4;
    const QStringList lines = text().split(u'\n');
    auto widest = [&] {
        const QFontMetrics m(f);
        int w = 0;
        for (const QString& line : lines)
            w = std::max(w, m.horizontalAdvance(line));
        return w;
    };
    while (f.pixelSize() > smallest && widest() > contentsRect().width())
        f.setPixelSize(f.pixelSize() - 1);
    setFont(f);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    // Take the press, so that the release comes back here.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
