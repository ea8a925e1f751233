#include "focusholder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QVariant>

namespace ui {

namespace {

const char* const HolderProperty = "vitralisFocusHolder";

bool g_keyboard = false;

// Assistive technology sees the holder for what it is: a control nobody can
// see. It keeps its name and role, so that a reader that follows the focus to
// it still says something meaningful.
class HolderAccessible : public QAccessibleWidget
{
public:
    HolderAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.offscreen = true;
        return s;
    }
};

QAccessibleInterface* holderFactory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || !isFocusHolder(w))
        return nullptr;
    const QAccessible::Role role = qobject_cast<QAbstractButton*>(w) ? QAccessible::PushButton
                                   : qobject_cast<QLineEdit*>(w)     ? QAccessible::EditableText
                                                                     : QAccessible::Client;
    return new HolderAccessible(w, role);
}

// Presses a button on Enter or Space, as a response to a key.
class KeyPresser : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = static_cast<QAbstractButton*>(watched);
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool presses =
            key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (!presses || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
                         key->key() != Qt::Key_Space))
            return false;
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && button->isEnabled()) {
            KeyboardActivation keyboard;
            button->click();
        }
        return true;
    }
};

} // namespace

void makeFocusHolder(QWidget* holder, const QString& name)
{
    static const bool installed = [] {
        QAccessible::installFactory(holderFactory);
        return true;
    }();
    Q_UNUSED(installed);
    holder->setProperty(HolderProperty, true);
    holder->setFocusPolicy(Qt::NoFocus);
    holder->setAccessibleName(name);
}

bool isFocusHolder(const QWidget* widget)
{
    return widget && widget->property(HolderProperty).toBool();
}

void parkFocus(QWidget* holder)
{
    if (holder && !g_keyboard)
        holder->setFocus();
}

bool keyboardActivation()
{
    return g_keyboard;
}

KeyboardActivation::KeyboardActivation() : m_outer(!g_keyboard)
{
    g_keyboard = true;
}

KeyboardActivation::~KeyboardActivation()
{
    if (m_outer)
        g_keyboard = false;
}

void pressWithKeys(QAbstractButton* button)
{
    button->installEventFilter(new KeyPresser(button));
}

void closeWithEscape(QWidget* window, QAbstractButton* close)
{
    auto* escape = new QShortcut(QKeySequence(QKeySequence::Cancel), window);
    QObject::connect(escape, &QShortcut::activated, close, &QAbstractButton::click);
}

} // namespace ui
