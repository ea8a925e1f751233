#include "noteeditor.h"

#include "store.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace personal {

const QString NoteEditor::Reminder =
    QStringLiteral("Cette note reste sur cet ordinateur. N'y écrivez rien qui permette de "
                   "reconnaître un patient : ni nom, ni date de naissance, ni adresse.");

QString NoteEditor::menuText(const QString& remedy)
{
    return QStringLiteral("Ma note sur %1…").arg(remedy);
}

NoteEditor::NoteEditor(const QString& remedy, const QString& note, QWidget* parent)
    : QDialog(parent), m_remedy(remedy)
{
    setObjectName(QStringLiteral("FrmNote"));
    setWindowTitle(QStringLiteral("Ma note sur %1").arg(remedy));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* reminder = new QLabel(Reminder, this);
    reminder->setObjectName(QStringLiteral("LblRappel"));
    reminder->setWordWrap(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TxtNote"));
    m_text->setTabChangesFocus(true);
    m_text->setPlainText(note.left(Store::NoteLimit));
    m_text->setAccessibleName(QStringLiteral("Ma note sur %1").arg(remedy));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("LblCompte"));

    auto* buttons = new QDialogButtonBox(this);
    auto* erase =
        buttons->addButton(QStringLiteral("Effacer la note"), QDialogButtonBox::DestructiveRole);
    erase->setObjectName(QStringLiteral("CmdEffacer"));
    auto* close = buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("CmdFermer"));
    close->setToolTip(QStringLiteral("La note est enregistrée en fermant"));
    connect(erase, &QPushButton::clicked, m_text, &QPlainTextEdit::clear);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reminder);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_count);
    layout->addWidget(buttons);
    resize(520, 360);

    connect(m_text, &QPlainTextEdit::textChanged, this, &NoteEditor::keepWithinLimit);
    showCount();
    m_text->moveCursor(QTextCursor::End);
    m_text->setFocus();
}

QString NoteEditor::text() const
{
    // Blank lines and spaces around the note are no note.
    return m_text->toPlainText().trimmed().isEmpty() ? QString() : m_text->toPlainText();
}

void NoteEditor::keepWithinLimit()
{
    const QString all = m_text->toPlainText();
    if (all.size() > Store::NoteLimit) {
        QTextCursor cursor = m_text->textCursor();
        cursor.setPosition(Store::NoteLimit);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    showCount();
}

void NoteEditor::showCount()
{
    m_count->setText(QStringLiteral("%1 / %2 caractères")
                         .arg(m_text->toPlainText().size())
                         .arg(Store::NoteLimit));
}

// Whether closed by its button, Escape or its frame, the note is handed over.
void NoteEditor::done(int result)
{
    if (!m_handedOver) {
        m_handedOver = true;
        emit noteClosed(m_remedy, text());
    }
    QDialog::done(result);
}

} // namespace personal
