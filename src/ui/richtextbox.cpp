#include "richtextbox.h"

#include "documents/rtfreader.h"

#include <QTextBlock>

namespace ui {

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

RichTextBox::RichTextBox(QWidget* parent, const QString& name) : QTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
}

RichTextBox::OneLayout::OneLayout(RichTextBox& box) : m_edit(box.document())
{
    m_edit.beginEditBlock();
}

RichTextBox::OneLayout::~OneLayout()
{
    m_edit.endEditBlock();
}

void RichTextBox::setText(const QString& text)
{
    QString normal = text;
    normal.replace(CrLf, QStringLiteral("\n")).replace(u'\r', u'\n');
    // Plain text resets every character format to the box's base font.
    document()->setPlainText(normal);
    m_text = text;
    if (m_text.contains(u'\r') || m_text.contains(u'\n')) {
        // Keep one spelling of a line break, the one the offsets count.
        m_text = normal;
        m_text.replace(u'\n', CrLf);
    }
}

void RichTextBox::refreshText()
{
    m_text = document()->toPlainText();
    m_text.replace(QChar::LineSeparator, u'\n').replace(QStringLiteral("\n"), CrLf);
}

int RichTextBox::toPosition(int offset) const
{
    // Every CR LF before the offset counts as one document position.
    int position = 0;
    const int end = std::min(offset, int(m_text.size()));
    for (int i = 0; i < end; ++i) {
        if (m_text.at(i) == u'\r' && i + 1 < m_text.size() && m_text.at(i + 1) == u'\n')
            continue; // the LF that follows stands for the break
        ++position;
    }
    return position;
}

int RichTextBox::toOffset(int position) const
{
    int offset = 0;
    for (int p = 0; p < position && offset < m_text.size(); ++p) {
        if (m_text.at(offset) == u'\r' && offset + 1 < m_text.size() &&
            m_text.at(offset + 1) == u'\n')
            offset += 2;
        else
            ++offset;
    }
    return offset;
}

int RichTextBox::find(const QString& what, int from)
{
    if (what.isEmpty() || from < 0 || from > m_text.size())
        return -1;
    const qsizetype found = m_text.indexOf(what, from, Qt::CaseInsensitive);
    if (found < 0)
        return -1;
    QTextCursor c(document());
    c.setPosition(toPosition(int(found)));
    c.setPosition(toPosition(int(found + what.size())), QTextCursor::KeepAnchor);
    setTextCursor(c);
    return int(found);
}

QTextCursor RichTextBox::cursorOver(int start, int length) const
{
    QTextCursor c(document());
    c.setPosition(toPosition(start));
    c.setPosition(toPosition(start + length), QTextCursor::KeepAnchor);
    return c;
}

void RichTextBox::formatRange(int start, int length, const QColor& colour, bool emphasis)
{
    QTextCharFormat f;
    f.setForeground(colour);
    f.setFontWeight(emphasis ? QFont::Bold : QFont::Normal);
    cursorOver(start, length).mergeCharFormat(f);
}

void RichTextBox::setRangeColour(int start, int length, const QColor& colour)
{
    QTextCharFormat f;
    f.setForeground(colour);
    cursorOver(start, length).mergeCharFormat(f);
}

void RichTextBox::showRange(int start, int length)
{
    QTextCursor c = cursorOver(start, length);
    c.clearSelection();
    setTextCursor(c);
}

bool RichTextBox::loadDocument(const QString& startFolder, const QString& name)
{
    const bool ok =
        documents::showRtfDocument(documents::readDocument(startFolder, name), name, *document());
    refreshText();
    // A document opens at its beginning.
    moveCursor(QTextCursor::Start);
    return ok;
}

} // namespace ui
