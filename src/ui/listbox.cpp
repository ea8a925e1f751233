#include "listbox.h"

#include "focusholder.h"

namespace ui {

ListBox::ListBox(QWidget* parent, const QString& name) : QListWidget(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::onSelectionChanged);
}

void ListBox::clearEntries()
{
    m_silent = true;
    clear();
    m_silent = false;
}

void ListBox::addEntry(const QString& text)
{
    m_silent = true;
    addItem(text);
    m_silent = false;
}

void ListBox::addEntries(const QStringList& texts)
{
    m_silent = true;
    addItems(texts);
    m_silent = false;
}

QStringList ListBox::entries() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

int ListBox::selectedIndex() const
{
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.first());
}

QString ListBox::selectedEntry() const
{
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // Taking the focus marks no entry: with nothing selected, the first arrow
    // key selects the first entry.
    if (selectedItems().isEmpty() && currentIndex().isValid()) {
        m_silent = true;
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        m_silent = false;
    }
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // A choice made with the arrows is the keyboard's: what it sets off knows.
    const KeyboardActivation keyboard;
    QListWidget::keyPressEvent(event);
}

void ListBox::onSelectionChanged()
{
    if (m_silent)
        return;
    const int row = selectedIndex();
    if (row >= 0)
        emit clicked(row);
}

} // namespace ui
