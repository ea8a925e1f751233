#include "label.h"

#include "focusholder.h"
#include "fonts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <cmath>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace ui {

namespace {

// What assistive technology reads of a label: its accessible name or else its
// text, its description, and for a clickable one its role and press action.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    Label* label() const { return static_cast<Label*>(widget()); }

    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = label()->accessibleName();
            return name.isEmpty() ? label()->text().simplified() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isKeyboardClickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && label()->isKeyboardClickable())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* labelFactory(const QString& key, QObject* object)
{
    if (key == QLatin1String(Label::staticMetaObject.className()))
        return new LabelAccessible(static_cast<Label*>(object));
    return nullptr;
}

} // namespace

Label::Label(QWidget* parent, const QString& name) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
    if (m_exposesValue)
        describeValue();
}

void Label::exposeValue(const QString& what, bool urgent)
{
    m_exposesValue = true;
    m_urgent = urgent;
    setAccessibleName(what);
    describeValue();
}

void Label::describeValue()
{
    // Read as one line: the lines of a caption are parts of one sentence.
    const QString value = text().simplified();
    // The toolkit tells the accessibility bus of a new description.
    if (value != accessibleDescription())
        setAccessibleDescription(value);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // A warning is spoken each time it is given, even when the remedy shown
    // before carried the same one.
    if (m_urgent && !value.isEmpty()) {
        QAccessibleAnnouncementEvent event(this, accessibleName() + QStringLiteral(" : ") + value);
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
        QAccessible::updateAccessibility(&event);
    }
#endif
}

QColor Label::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setTextColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

QColor Label::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void Label::setBackgroundColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
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
    // In steps of one pixel of the 96-dpi design screen.
    QFont f = font();
    int px = int(std::lround(f.pointSizeF() * DesignDpi / 72.0));
    const int smallest = px * 3 / 4;
    const QStringList lines = text().split(u'\n');
    auto widest = [&] {
        const QFontMetrics m(f, this);
        int w = 0;
        for (const QString& line : lines)
            w = std::max(w, m.horizontalAdvance(line));
        return w;
    };
    while (px > smallest && widest() > contentsRect().width()) {
        --px;
        f.setPointSizeF(px * 72.0 / DesignDpi);
    }
    setFont(f);
}

void Label::setKeyboardClickable(QAccessible::Role role)
{
    m_clickRole = role;
    setFocusPolicy(Qt::TabFocus);
}

QAccessible::Role Label::accessibleRole() const
{
    return isKeyboardClickable() ? m_clickRole : QAccessible::StaticText;
}

void Label::activate()
{
    const KeyboardActivation keyboard;
    emit clicked();
}

void Label::keyPressEvent(QKeyEvent* event)
{
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    const int key = event->key();
    if (isKeyboardClickable() && plain && !event->isAutoRepeat() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect mark;
    mark.initFrom(this);
    mark.rect = contentsRect().adjusted(1, 1, -1, -1);
    mark.backgroundColor = backgroundColour();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &p, this);
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
