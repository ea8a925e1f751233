#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace personal {

// The small window in which the reader writes their private note on one
// remedy: plain text, at most Store::NoteLimit characters, with a line that
// reminds them to write nothing that identifies a patient. It opens without
// blocking its parent (open()); closing it, however it is closed, hands the
// note over through noteClosed().
class NoteEditor : public QDialog
{
    Q_OBJECT

public:
    NoteEditor(const QString& remedy, const QString& note, QWidget* parent);

    QString remedy() const { return m_remedy; }
    QString text() const;

    // "Ma note sur SULFUR…", as the menus offer it.
    static QString menuText(const QString& remedy);
    static const QString Reminder;

signals:
    // The editor closed with this text (empty: no note).
    void noteClosed(const QString& remedy, const QString& text);

protected:
    void done(int result) override;

private:
    void keepWithinLimit();
    void showCount();

    QString m_remedy;
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_count = nullptr;
    bool m_handedOver = false;
};

} // namespace personal
