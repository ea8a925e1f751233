#pragma once

#include <QColor>
#include <QTextCursor>
#include <QTextEdit>

namespace ui {

// A rich-text box that speaks in offsets of its plain text where a line break
// is the two characters CR LF. Qt's document counts a paragraph break as one
// position; this class alone translates between the two, so the pages never
// see the document's positions.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr, const QString& name = {});

    // While one lives, the box's changes wait: a new text and the looks of its
    // stretches are laid out once, when it goes.
    class OneLayout
    {
    public:
        explicit OneLayout(RichTextBox& box);
        ~OneLayout();
        OneLayout(const OneLayout&) = delete;
        OneLayout& operator=(const OneLayout&) = delete;

    private:
        QTextCursor m_edit;
    };

    // The whole text, line breaks as CR LF.
    QString text() const { return m_text; }
    // Replaces all content and clears all formatting. CR LF, a lone CR and a
    // lone LF each start a new paragraph.
    void setText(const QString& text);

    // Colours and emphasises a stretch given as offsets into text(), leaving
    // the selection alone.
    void formatRange(int start, int length, const QColor& colour, bool emphasis);

    // Colours a stretch, keeping its other attributes.
    void setRangeColour(int start, int length, const QColor& colour);
    // Brings a stretch into view with the caret just after it and nothing
    // selected, so that its colour shows as it is.
    void showRange(int start, int length);
    // Keeps the lowest `pixels` of the box free of text, for a mark that
    // stands there; 0 gives the whole box back.
    void keepClearAtBottom(int pixels) { setViewportMargins(0, 0, 0, pixels); }

    // Loads the rich-text document `name` from the start folder, or else from
    // the installed copy's folder (see documents::readDocument()); a document that
    // cannot be found or read leaves a short notice in the box. Returns whether
    // the document was read.
    bool loadDocument(const QString& startFolder, const QString& name);

    // Translations between offsets into text() and document positions.
    int toPosition(int offset) const;
    int toOffset(int position) const;

private:
    void refreshText();
    QTextCursor cursorOver(int start, int length) const;
    QString m_text;
};

} // namespace ui
