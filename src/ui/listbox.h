#pragma once

#include <QListWidget>

namespace ui {

// A list whose "click" is a change of its selected entry by the person, with
// the mouse or the keyboard. Filling, clearing or selecting from code is silent.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr, const QString& name = {});

    void clearEntries();
    void addEntry(const QString& text);
    void addEntries(const QStringList& texts);
    QStringList entries() const;
    // The selected entry's position, or -1.
    int selectedIndex() const;
    QString selectedEntry() const;

signals:
    void clicked(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onSelectionChanged();
    bool m_silent = false;
};

} // namespace ui
