#include "bodyterms.h"

#include "glossary/termlookup.h"
#include "ui/richtextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

namespace sheet {

BodyTerms::BodyTerms(ui::RichTextBox* body, const glossary::TermLookup* terms)
    : QObject(body), m_body(body), m_viewport(body->viewport()), m_terms(terms)
{
    m_viewport->installEventFilter(this);
}

BodyTerms::Under BodyTerms::at(const QPoint& point) const
{
    if (!m_terms)
        return {};
    // Only a point over the text itself, not the blank beside a line's end.
    const QPoint inDocument = point + QPoint(m_body->horizontalScrollBar()->value(),
                                             m_body->verticalScrollBar()->value());
    const int position = m_body->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (position < 0)
        return {};
    const QTextBlock block = m_body->document()->findBlock(position);
    const glossary::TermLookup::Match m =
        m_terms->termAt(block.text(), position - block.position());
    if (!m.found())
        return {};
    QTextCursor from(m_body->document());
    from.setPosition(block.position() + int(m.start));
    QTextCursor to = from;
    to.setPosition(block.position() + int(m.start + m.length));
    const QRect start = m_body->cursorRect(from);
    const QRect end = m_body->cursorRect(to);
    // A term broken over two lines holds the tooltip on its first part.
    const QRect rect = start.top() == end.top() ? start.united(end) : start;
    return {m.entry, rect};
}

QString BodyTerms::term(int entry) const
{
    return m_terms->term(entry);
}

QString BodyTerms::definitionAt(const QPoint& point) const
{
    const Under t = at(point);
    if (t.entry < 0)
        return {};
    return definitionTooltip(m_terms->term(t.entry), m_terms->definition(t.entry),
                             QFontMetrics(QToolTip::font()));
}

bool BodyTerms::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport still sends events while the body is being destroyed: the
    // body is asked nothing until a tooltip is due.
    if (event->type() != QEvent::ToolTip || watched != m_viewport)
        return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Under t = at(help->pos());
    if (t.entry < 0)
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), definitionAt(help->pos()), m_body->viewport(),
                           t.rect);
    return true;
}

QString definitionTooltip(const QString& term, const QString& definition,
                          const QFontMetrics& metrics)
{
    const QString html =
        QStringLiteral("<b>%1</b>&nbsp;: %2").arg(term.toHtmlEscaped(), definition.toHtmlEscaped());
    // A tooltip wraps rich text to a narrow column: a short definition keeps
    // to one line, a long one wraps at a reading width.
    constexpr int ReadingWidth = 420;
    if (metrics.horizontalAdvance(term + QStringLiteral(" : ") + definition) * 11 / 10 <=
        ReadingWidth)
        return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(html);
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
        .arg(ReadingWidth)
        .arg(html);
}

} // namespace sheet
