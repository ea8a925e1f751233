#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QFontMetrics;
class QWidget;

namespace glossary {
class TermLookup;
}
namespace ui {
class RichTextBox;
}

namespace sheet {

// The medical terms of a sheet's body: which one stands under a point of its
// viewport, and its definition, shown as a tooltip when the mouse rests there.
class BodyTerms : public QObject
{
public:
    // `terms` may be null: then no term is ever found.
    BodyTerms(ui::RichTextBox* body, const glossary::TermLookup* terms);

    struct Under
    {
        int entry = -1;
        QRect rect; // where it stands in the body's viewport
    };
    Under at(const QPoint& point) const;
    // The tooltip of the term under `point`, or an empty string.
    QString definitionAt(const QPoint& point) const;
    QString term(int entry) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::RichTextBox* m_body;
    QWidget* m_viewport;
    const glossary::TermLookup* m_terms;
};

// A term and its definition as a tooltip shows them, in rich text: on one line
// when it is short in the tooltip's font, else wrapped at a reading width.
QString definitionTooltip(const QString& term, const QString& definition,
                          const QFontMetrics& metrics);

} // namespace sheet
