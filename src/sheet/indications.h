#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sheet {

// The 42 specialty headings, in the order the paragraph breaks are made.
const QStringList& headingList();
// The same headings in the order they are emphasised.
const QStringList& emphasisOrder();

inline const QColor HeadingColour(0x80, 0x00, 0x00);

// A stretch of the body, as offsets into its text (a line break counts as
// its two characters CR LF), with the look it takes.
struct FormatRange
{
    int start = 0;
    int length = 0;
    QColor colour;
    bool emphasis = false;
    bool operator==(const FormatRange&) const = default;
};

struct FormattedText
{
    QString text;
    QList<FormatRange> ranges; // applied in order, each on top of the previous ones
};

// A stretch of the body, as offsets into its text.
struct TextSpan
{
    int start = 0;
    int length = 0;
    bool operator==(const TextSpan&) const = default;
};

// Which stretches of a body turn red after a search, and the stretch the view
// then follows, with the caret after it.
struct ColouringPlan
{
    QList<TextSpan> red; // in the order they are found
    std::optional<TextSpan> shown;
};

// Lays out a remedy's indications: each heading, found without regard to case
// wherever it first occurs, opens a paragraph of its own after an empty line
// (unless it starts the text), and that first occurrence is emphasised in the
// heading colour. Everything else keeps the body's plain style.
FormattedText formatIndications(const QString& text);

} // namespace sheet
