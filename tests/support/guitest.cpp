#include "guitest.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace testsupport {

QRect geometryIn(const QWidget* control, const QWidget* ancestor)
{
    return QRect(control->mapTo(ancestor, QPoint(0, 0)), control->size());
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

QStringList unnamedOrSharedNames(const QWidget* window)
{
    QHash<QString, int> uses;
    QList<const QWidget*> controls;
    for (const QWidget* c : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<const QAbstractButton*>(c) ||
                             qobject_cast<const QAbstractItemView*>(c) ||
                             qobject_cast<const QLineEdit*>(c) || qobject_cast<const QFrame*>(c);
        // A control's own parts (a list's viewport, a box's scroll bars) are not controls.
        const QWidget* parent = c->parentWidget();
        const bool part = qobject_cast<const QAbstractScrollArea*>(parent) ||
                          qobject_cast<const QLineEdit*>(parent) ||
                          qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
        if (control && !part && c->window() == window) {
            controls << c;
            ++uses[c->objectName()];
        }
    }
    QStringList out;
    for (const QWidget* c : std::as_const(controls)) {
        if (c->objectName().isEmpty())
            out << u"(unnamed %1)"_s.arg(QString::fromLatin1(c->metaObject()->className()));
        else if (uses.value(c->objectName()) > 1)
            out << c->objectName();
    }
    return out;
}

bool pick(QListWidget* list, const QString& text, int nth)
{
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (items.size() <= nth) {
        qWarning("no entry \"%s\" in %s", qPrintable(text), qPrintable(list->objectName()));
        return false;
    }
    QListWidgetItem* item = items[nth];
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return true;
}

QList<RedRun> redRuns(const ui::RichTextBox* box)
{
    QList<RedRun> out;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().foreground().color() != colours::Red ||
                f.charFormat().foreground().style() == Qt::NoBrush)
                continue;
            const int offset = box->toOffset(f.position());
            const bool bold = f.charFormat().fontWeight() >= QFont::Bold;
            if (!out.isEmpty() && out.last().offset + out.last().text.size() == offset)
                out.last().text += f.text();
            else
                out << RedRun{offset, f.text(), bold};
        }
    }
    return out;
}

QTextCharFormat formatAt(const ui::RichTextBox* box, int offset)
{
    QTextCursor c(box->document());
    c.setPosition(box->toPosition(offset) + 1);
    return c.charFormat();
}

bool Sheet::found(int k) const
{
    const bool full = k != 0 || (frenchName && origin && specialties);
    return full && nameLabel && rating && dilution && listClass && warning && body && timer;
}

bool Sheet::settle() const
{
    return QTest::qWaitFor([this] { return !timer->isActive(); }, 5000);
}

Sheet sheetOf(const QWidget* window, int k)
{
    const QString suffix = k == 0 ? QString() : QString::number(k);
    Sheet s;
    s.nameLabel = named<ui::Label>(window, u"LblDNom"_s + suffix);
    if (k == 0) {
        s.frenchName = named<ui::Label>(window, u"LblDFra"_s);
        s.origin = named<ui::Label>(window, u"LblDCom"_s);
        s.specialties = named<ui::Label>(window, u"LblDBra"_s);
    }
    s.rating = named<ui::Label>(window, u"LblDNot"_s + suffix);
    s.dilution = named<ui::Label>(window, u"LblDDil"_s + suffix);
    s.listClass = named<ui::Label>(window, u"LblDLis"_s + suffix);
    s.warning = named<ui::Label>(window, u"LblDMe%1"_s.arg(k + 1));
    s.body = named<ui::RichTextBox>(window, u"Rtb%1Text"_s.arg(k + 1));
    s.timer = named<QTimer>(window, u"TimText%1"_s.arg(k + 1));
    return s;
}

} // namespace testsupport
