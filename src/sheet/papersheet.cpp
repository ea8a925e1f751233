#include "papersheet.h"

#include "refdata/resources.h"
#include "sheet/indications.h"
#include "ui/fonts.h"
#include "ui/palette.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace sheet {

namespace {

using namespace ui::colour;

// Values as on screen: the name label's blue, the green of the French name,
// the mauve of the origin, the red of the rating.
const QColor Green(0x00, 0x80, 0x00);
const QColor Mauve(0x80, 0x80, 0xFF);
// The warning box: the warning label's orange as its frame, on a pale ground.
const QColor PaleOrange(0xFF, 0xF4, 0xE8);

constexpr double BodyPoints = 11;
constexpr double CaptionPoints = 9.5;
constexpr double FooterPoints = 7.5;

QTextCharFormat charFormat(ui::Face face, double points, const QColor& colour, bool bold = false)
{
    QTextCharFormat f;
    f.setFont(ui::designFont(face, points, bold), QTextCharFormat::FontPropertiesAll);
    f.setForeground(colour);
    return f;
}

QTextBlockFormat blockFormat(qreal above, qreal below)
{
    QTextBlockFormat f;
    f.setTopMargin(above);
    f.setBottomMargin(below);
    return f;
}

// Writes blocks one after the other; the document and a new frame each start
// with an empty block, which the first text takes.
class Writer
{
public:
    explicit Writer(QTextDocument& document) : m_document(document), m_cursor(&document) {}

    void block(const QTextBlockFormat& format)
    {
        if (m_fresh)
            m_cursor.setBlockFormat(format);
        else
            m_cursor.insertBlock(format);
        m_fresh = false;
    }
    void text(const QString& text, const QTextCharFormat& format)
    {
        m_cursor.insertText(text, format);
    }
    // A caption and its value on one line; nothing when the value is empty.
    void field(const QString& caption, const QString& value, const QColor& colour)
    {
        if (value.trimmed().isEmpty())
            return;
        block(blockFormat(0, 3));
        text(caption + u' ', charFormat(ui::Face::Tahoma, CaptionPoints, DarkGrey));
        text(value, charFormat(ui::Face::Tahoma, BodyPoints, colour));
    }
    void openFrame(const QTextFrameFormat& format)
    {
        m_cursor.insertFrame(format);
        m_fresh = true;
    }
    void closeFrame()
    {
        m_cursor = m_document.rootFrame()->lastCursorPosition();
        m_fresh = true;
    }

private:
    QTextDocument& m_document;
    QTextCursor m_cursor;
    bool m_fresh = true;
};

// The indications as the screen lays them out: a paragraph per specialty, the
// headings in their colour and emphasis.
void writeIndications(Writer& w, const QString& indications)
{
    const sheet::FormattedText f = sheet::formatIndications(indications);
    const QTextCharFormat body = charFormat(ui::Face::Tahoma, BodyPoints, Black);
    // The look of each character: the last range over it, or the body's.
    QList<int> look(f.text.size(), -1);
    for (int r = 0; r < f.ranges.size(); ++r) {
        const sheet::FormatRange& range = f.ranges[r];
        for (qsizetype k = std::max(0, range.start);
             k < std::min<qsizetype>(range.start + range.length, f.text.size()); ++k)
            look[k] = r;
    }
    auto formatOf = [&](int r) {
        if (r < 0)
            return body;
        QTextCharFormat c = body;
        c.setForeground(f.ranges[r].colour);
        c.setFontWeight(f.ranges[r].emphasis ? QFont::Bold : QFont::Normal);
        return c;
    };
    const QTextBlockFormat paragraph = blockFormat(0, 8);
    bool open = false; // a paragraph has text
    qsizetype k = 0;
    while (k < f.text.size()) {
        const QChar ch = f.text[k];
        if (ch == u'\r' || ch == u'\n') {
            open = false; // empty lines make no paragraph of their own
            ++k;
            continue;
        }
        qsizetype end = k;
        while (end < f.text.size() && f.text[end] != u'\r' && f.text[end] != u'\n' &&
               look[end] == look[k])
            ++end;
        if (!open) {
            w.block(paragraph);
            open = true;
        }
        w.text(f.text.mid(k, end - k), formatOf(look[k]));
        k = end;
    }
}

// The reader's note, set apart from the sheet's own text under its heading.
void writeNote(Writer& w, const QString& note)
{
    w.block(blockFormat(14, 4));
    w.text(QStringLiteral("Ma note personnelle :"),
           charFormat(ui::Face::Tahoma, CaptionPoints, DarkGrey, true));
    QTextCharFormat text = charFormat(ui::Face::Tahoma, BodyPoints, Black);
    text.setFontItalic(true);
    for (const QString& line : note.split(u'\n')) {
        w.block(blockFormat(0, 2));
        w.text(line, text);
    }
}

} // namespace

const QString Footer::Disclaimer =
    QStringLiteral("Information de référence, ne remplace pas un avis médical. %1.")
        .arg(refdata::KnowledgeBaseEdition);

QString Footer::signature() const
{
    return QStringLiteral("Vitralis %1 – %2")
        .arg(version, QLocale(QLocale::French, QLocale::France).toString(date, u"d MMMM yyyy"));
}

std::unique_ptr<QTextDocument> paperSheet(const refdata::RemedyTable& table, int i,
                                          const QString& note)
{
    auto document = std::make_unique<QTextDocument>();
    if (i < 0 || i >= table.count)
        return document;
    document->setDefaultFont(ui::designFont(ui::Face::Tahoma, BodyPoints));
    document->setDocumentMargin(0);
    document->setMetaInformation(QTextDocument::DocumentTitle, table.latinName[i]);
    Writer w(*document);

    w.block(blockFormat(0, 10));
    w.text(table.latinName[i], charFormat(ui::Face::MsSansSerif, 18, Blue, true));

    w.field(QStringLiteral("Nom français:"), table.frenchName[i], Green);
    w.field(QStringLiteral("Origine, composition:"), table.origin[i], Mauve);
    w.field(QStringLiteral("Branche médicale:"), table.branches[i], DarkRed);

    w.block(blockFormat(4, 10));
    const QString marks[][2] = {{QStringLiteral("Noté:"), table.rating[i]},
                                {QStringLiteral("Dilution:"), table.dilution[i]},
                                {QStringLiteral("Liste:"), table.listClass[i]}};
    const QColor markColours[] = {Red, Black, Blue};
    for (int m = 0; m < 3; ++m) {
        w.text(QString(m == 0 ? 0 : 6, u' ') + marks[m][0] + u' ',
               charFormat(ui::Face::Tahoma, CaptionPoints, DarkGrey));
        w.text(marks[m][1], charFormat(ui::Face::Tahoma, BodyPoints, markColours[m], m == 0));
    }

    if (table.isListed(i)) {
        QTextFrameFormat box;
        box.setBorder(1.5);
        box.setBorderBrush(Orange);
        box.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        box.setBackground(PaleOrange);
        box.setPadding(8);
        box.setTopMargin(2);
        box.setBottomMargin(12);
        w.openFrame(box);
        bool first = true;
        for (const auto& [text, colour, bold] :
             {std::tuple{table.listWarning[i], Black, true},
              std::tuple{table.extraWarning[i], DarkRed, false}}) {
            if (text.trimmed().isEmpty())
                continue;
            w.block(blockFormat(first ? 0 : 6, 0));
            w.text(text, charFormat(ui::Face::Tahoma, BodyPoints, colour, bold));
            first = false;
        }
        w.closeFrame();
    }

    writeIndications(w, table.indications[i]);
    if (!note.trimmed().isEmpty())
        writeNote(w, note);
    return document;
}

QPageLayout paperLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

bool printSheet(QTextDocument& document, QPagedPaintDevice& device, const Footer& footer)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    // The painter's origin is the corner of the margins.
    const QSizeF area = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const QFont footerFont = ui::designFont(ui::Face::Verdana, FooterPoints);
    const qreal line = QFontMetricsF(footerFont, &device).lineSpacing();
    const qreal footerHeight = 3 * line;
    const qreal bodyHeight = area.height() - footerHeight;

    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(QSizeF(area.width(), bodyHeight));
    const int pages = document.pageCount();
    for (int n = 0; n < pages; ++n) {
        if (n > 0)
            device.newPage();
        p.save();
        p.translate(0, -n * bodyHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, n * bodyHeight, area.width(), bodyHeight);
        context.palette.setColor(QPalette::Text, Black);
        p.setClipRect(context.clip);
        document.documentLayout()->draw(&p, context);
        p.restore();

        const qreal top = area.height() - 2 * line;
        p.setPen(QPen(Grey, 0));
        p.drawLine(QPointF(0, top - line / 2), QPointF(area.width(), top - line / 2));
        p.setFont(footerFont);
        p.setPen(DarkGrey);
        const QRectF first(0, top, area.width(), line);
        p.drawText(first, Qt::AlignLeft | Qt::AlignVCenter, footer.signature());
        if (pages > 1) {
            p.drawText(first, Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("Page %1 sur %2").arg(n + 1).arg(pages));
        }
        p.drawText(first.translated(0, line), Qt::AlignLeft | Qt::AlignVCenter, Footer::Disclaimer);
    }
    return p.end();
}

QString writePdf(QTextDocument& document, const QString& path, const QString& title,
                 const Footer& footer)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool drawn = false;
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(paperLayout());
        pdf.setResolution(600);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Vitralis ") + footer.version);
        drawn = printSheet(document, pdf, footer);
    }
    if (!drawn) {
        file.cancelWriting();
        return QStringLiteral("la page n'a pas pu être dessinée");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

std::unique_ptr<QMimeData> sheetMimeData(const refdata::RemedyTable& table, int i,
                                         const Footer& footer, const QString& note)
{
    const std::unique_ptr<QTextDocument> document = paperSheet(table, i, note);
    QTextCursor c(document.get());
    c.movePosition(QTextCursor::End);
    const QTextCharFormat small = charFormat(ui::Face::Verdana, FooterPoints, DarkGrey);
    c.insertBlock(blockFormat(12, 0));
    c.insertText(footer.signature(), small);
    c.insertBlock(blockFormat(0, 0));
    c.insertText(Footer::Disclaimer, small);
    auto data = std::make_unique<QMimeData>();
    data->setHtml(document->toHtml());
    data->setText(document->toPlainText());
    return data;
}

} // namespace sheet
