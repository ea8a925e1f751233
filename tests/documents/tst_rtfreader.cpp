#include "documents/rtfreader.h"
#include "fuzz/hostiledocuments.h"
#include "specialfiles.h"

#include <QBrush>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// The document's text with its paragraphs joined by '\n', every other character kept as it is.
QString textOf(const QTextDocument& doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks.append(b.text());
    return blocks.join(u'\n');
}

QString read(QByteArrayView rtf)
{
    QTextDocument doc;
    if (!documents::readRtf(rtf, doc))
        return QStringLiteral("<not RTF>");
    return textOf(doc);
}

// The format of the first character of `needle`.
QTextCharFormat formatOf(const QTextDocument& doc, const QString& needle)
{
    const QTextCursor found = doc.find(needle, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        QTest::qFail(qPrintable("no \"" + needle + "\" in the document"), __FILE__, __LINE__);
        return {};
    }
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument& doc, const QString& needle)
{
    return doc.find(needle, 0, QTextDocument::FindCaseSensitively).blockFormat();
}

Qt::Alignment horizontal(const QTextBlockFormat& f)
{
    return f.alignment() & Qt::AlignHorizontal_Mask;
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void readsText_data();
    void readsText();
    void readsCharacterFormats();
    void readsParagraphFormats();
    void damagedInputEndsCleanly_data();
    void damagedInputEndsCleanly();
    void deepNestingCarriesNoText();
    void randomJunkEndsCleanly();
    void hostileDocumentsAreShownWithinBounds_data();
    void hostileDocumentsAreShownWithinBounds();
    void rejectsWhatIsNotRtf();
    void badFilesGiveTheNotice_data();
    void badFilesGiveTheNotice();
    void documentsAreLookedForInTheStartFolderFirst();
    void whatIsNoFileIsNeverRead();
    void shippedDocumentsLoad_data();
    void shippedDocumentsLoad();
};

void TestRtfReader::readsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 One\\par Two\\par\r\nThree}")
                                << "One\nTwo\nThree";
    QTest::newRow("last \\par ends the last paragraph")
        << QByteArray("{\\rtf1 One\\par Two\\par}") << "One\nTwo";
    QTest::newRow("empty paragraphs kept")
        << QByteArray("{\\rtf1 One\\par\\par Two}") << "One\n\nTwo";
    QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c}") << u"a\u2028b\tc"_s;
    QTest::newRow("one delimiting space") << QByteArray("{\\rtf1 a\\b  b\\b0\tc}") << "a b\tc";
    QTest::newRow("source line ends") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
    QTest::newRow("code page 1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'e9t\\'e9 \\'80 \\'9c\\'c7}") << u"été € œÇ"_s;
    QTest::newRow("code page 1251")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'e4\\'e0}") << u"да"_s;
    QTest::newRow("unknown code page keeps 1252")
        << QByteArray("{\\rtf1\\ansicpg4242 \\'e9}") << u"é"_s;
    QTest::newRow("raw 8-bit text") << QByteArray("{\\rtf1 caf\xe9}") << u"café"_s;
    QTest::newRow("\\u with fallback") << QByteArray("{\\rtf1 \\u233?t\\u233?}") << u"été"_s;
    QTest::newRow("\\u with escaped fallback") << QByteArray("{\\rtf1 \\u233\\'e9t}") << u"ét"_s;
    QTest::newRow("\\uc2") << QByteArray("{\\rtf1\\uc2 \\u8364EUx}") << u"€x"_s;
    QTest::newRow("\\uc0") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << u"€x"_s;
    QTest::newRow("negative \\u, surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << u"\U0001F600"_s;
    QTest::newRow("\\uc belongs to its group")
        << QByteArray("{\\rtf1 {\\uc2 \\u233ab}\\u233cd}") << u"ééd"_s;
    QTest::newRow("fallback stops at a brace")
        << QByteArray("{\\rtf1\\uc3 \\u233a{b}c}") << u"ébc"_s;
    QTest::newRow("symbols") << QByteArray("{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\}")
                             << u"a\u00A0b\u00ADc\u2011d{}\\"_s;
    QTest::newRow("named symbols")
        << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
        << u"—–•‘’“”"_s;
    QTest::newRow("ignorable destination") << QByteArray("{\\rtf1 a{\\*\\unknown b{c}}d}") << "ad";
    QTest::newRow("tables") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Tahoma;}}"
                                          "{\\colortbl;\\red255\\green0\\blue0;}a}")
                            << "a";
    QTest::newRow("non-text destinations")
        << QByteArray("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                      "{\\header H}{\\footer F}a{\\pict\\pngblip 89504e47}b}")
        << "ab";
    QTest::newRow("binary data skipped")
        << QByteArray("{\\rtf1 a{\\pict\\bin4 }}{\\}b\\bin3 {{{c}") << "abc";
    QTest::newRow("field result kept")
        << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}") << "link";
    QTest::newRow("unknown words") << QByteArray("{\\rtf1 a\\foo12 b\\bar-3 c\\baz}") << "abc";
    QTest::newRow("control characters") << QByteArray("{\\rtf1 a\\'01\\u0?b\\'7f}") << "ab";
    QTest::newRow("text after the end") << QByteArray("{\\rtf1 a}b") << "a";
}

void TestRtfReader::readsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(read(rtf), text);
}

void TestRtfReader::readsCharacterFormats()
{
    QTextDocument doc;
    QVERIFY(documents::readRtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}{\\f1\\froman Times New Roman;}}"
        "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue160;}"
        "plain {\\b bold} after {\\i italic\\i0  upright} {\\ul under\\ulnone  over} "
        "{\\strike struck} {\\fs40 big} {\\f1 serif} {\\cf1 red}{\\cf2 blue} {\\cf9 nine} "
        "{\\cf1\\cf0 auto} {\\b\\i\\ul\\fs30\\f1\\cf1\\plain reset} {\\b on\\b0 off}}",
        doc));

    const QTextCharFormat plain = formatOf(doc, "plain");
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QCOMPARE(plain.fontFamilies().toStringList(), QStringList{"Tahoma"});
    QCOMPARE(plain.fontPointSize(), 12.0);
    QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));

    QCOMPARE(formatOf(doc, "bold").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "after").fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, "italic").fontItalic());
    QVERIFY(!formatOf(doc, "upright").fontItalic());
    QVERIFY(formatOf(doc, "under").fontUnderline());
    QVERIFY(!formatOf(doc, "over").fontUnderline());
    QVERIFY(formatOf(doc, "struck").fontStrikeOut());
    QCOMPARE(formatOf(doc, "big").fontPointSize(), 20.0);
    QCOMPARE(formatOf(doc, "serif").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    QCOMPARE(formatOf(doc, "red").foreground().color(), QColor(200, 0, 0));
    QCOMPARE(formatOf(doc, "blue").foreground().color(), QColor(0, 0, 160));
    QVERIFY(!formatOf(doc, "nine").hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(doc, "auto").hasProperty(QTextFormat::ForegroundBrush));

    const QTextCharFormat reset = formatOf(doc, "reset");
    QCOMPARE(reset.fontWeight(), int(QFont::Normal));
    QVERIFY(!reset.fontItalic() && !reset.fontUnderline());
    QCOMPARE(reset.fontPointSize(), 12.0);
    QCOMPARE(reset.fontFamilies().toStringList(), QStringList{"Tahoma"});
    QVERIFY(!reset.hasProperty(QTextFormat::ForegroundBrush));

    QCOMPARE(formatOf(doc, "on").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "off").fontWeight(), int(QFont::Normal));
}

void TestRtfReader::readsParagraphFormats()
{
    QTextDocument doc;
    QVERIFY(documents::readRtf(
        "{\\rtf1 \\qc centred\\par \\qr right\\par\\qj justified\\par\\pard left\\par"
        "\\li300\\ri150\\fi-150\\sb120\\sa60 indented\\par"
        "{\\qc in group\\par}after group\\par}",
        doc));
    QCOMPARE(doc.blockCount(), 7);
    QCOMPARE(horizontal(blockOf(doc, "centred")), Qt::AlignHCenter);
    QCOMPARE(horizontal(blockOf(doc, "right")), Qt::AlignRight);
    QCOMPARE(horizontal(blockOf(doc, "justified")), Qt::AlignJustify);
    QCOMPARE(horizontal(blockOf(doc, "left")), Qt::AlignLeft);

    // Twips at 15 to the pixel.
    const QTextBlockFormat indented = blockOf(doc, "indented");
    QCOMPARE(indented.leftMargin(), 20.0);
    QCOMPARE(indented.rightMargin(), 10.0);
    QCOMPARE(indented.textIndent(), -10.0);
    QCOMPARE(indented.topMargin(), 8.0);
    QCOMPARE(indented.bottomMargin(), 4.0);
    QCOMPARE(blockOf(doc, "left").leftMargin(), 0.0);

    QCOMPARE(horizontal(blockOf(doc, "in group")), Qt::AlignHCenter);
    QCOMPARE(horizontal(blockOf(doc, "after group")), Qt::AlignLeft);
    QCOMPARE(blockOf(doc, "after group").leftMargin(), 20.0);
}

void TestRtfReader::damagedInputEndsCleanly_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 a{\\b b{\\i c") << "abc";
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}}b") << "a";
    QTest::newRow("document closed early") << QByteArray("{\\rtf1 {a}}}{b}") << "a";
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("\\' at the end") << QByteArray("{\\rtf1 a\\'") << "a";
    QTest::newRow("\\' with one digit") << QByteArray("{\\rtf1 a\\'4") << "a4";
    QTest::newRow("\\' with no digits") << QByteArray("{\\rtf1 a\\'zzb}") << "azzb";
    QTest::newRow("\\u without number") << QByteArray("{\\rtf1 a\\u b\\u-c}") << "ab-c";
    QTest::newRow("\\u at the end") << QByteArray("{\\rtf1 a\\u233") << u"aé"_s;
    QTest::newRow("fallback longer than the rest")
        << QByteArray("{\\rtf1\\uc200 \\u233abc}") << u"é"_s;
    QTest::newRow("control words as fallback")
        << QByteArray("{\\rtf1\\uc2 \\u233\\par b c}") << u"é c"_s;
    QTest::newRow("lone surrogates")
        << QByteArray("{\\rtf1\\uc0 \\u-10179 a\\u-8704 b\\u55357}") << u"\uFFFDa\uFFFDb\uFFFD"_s;
    QTest::newRow("huge \\u") << QByteArray("{\\rtf1 \\u99999999999999999999?\\u-99999?}")
                              << u"\uFFFD\uFFFD"_s;
    QTest::newRow("huge parameters")
        << QByteArray("{\\rtf1\\fs99999999999999999999\\li-99999999999999999999\\cf4294967296"
                      "\\f-2147483649\\uc99999999999\\sb2147483648\\ansicpg-2147483648 x}")
        << documents::kSimplifiedNotice +
               u" caractères ramenés à 72 points, espacements et retraits réduits.\nx"_s;
    QTest::newRow("huge \\bin") << QByteArray("{\\rtf1 a\\bin99999999999 tail}") << "a";
    QTest::newRow("negative \\bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
    QTest::newRow("endless control word")
        << "{\\rtf1 a\\" + QByteArray("b").repeated(100000) + " c}"
        << "ac";
    QTest::newRow("endless number")
        << "{\\rtf1 a\\fs" + QByteArray("9").repeated(100000) + " c}"
        << documents::kSimplifiedNotice + u" caractères ramenés à 72 points.\nac"_s;
    QTest::newRow("header only") << QByteArray("{\\rtf") << "";
    QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b}", 10) << "ab";
    QTest::newRow("unterminated font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Tahoma") << "";
    QTest::newRow("colour table overflow")
        << "{\\rtf1{\\colortbl" + QByteArray(";\\red1").repeated(100000) + "}{\\cf99999 x}}"
        << documents::kSimplifiedNotice + u" couleurs en surnombre ignorées.\nx"_s;
}

void TestRtfReader::damagedInputEndsCleanly()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(read(rtf), text);
}

void TestRtfReader::deepNestingCarriesNoText()
{
    // Within the cap, nesting works as usual.
    QTextDocument doc;
    QVERIFY(documents::readRtf("{\\rtf1 a" + QByteArray("{").repeated(200) + "\\b b" +
                                   QByteArray("}").repeated(200) + "c}",
                               doc));
    QCOMPARE(textOf(doc), "abc");
    QCOMPARE(formatOf(doc, "b").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "c").fontWeight(), int(QFont::Normal));

    // Beyond it, the deep groups are read but carry no text, and the braces still pair up.
    QCOMPARE(read("{\\rtf1 a" + QByteArray("{").repeated(300) + "b" +
                  QByteArray("}").repeated(300) + "c}"),
             "ac");
    QCOMPARE(read("{\\rtf1 x" + QByteArray("{").repeated(10000) + "y" +
                  QByteArray("}").repeated(10000) + "z}"),
             "xz");
    QCOMPARE(read("{\\rtf1 x" + QByteArray("{\\b ").repeated(10000)), "x");
}

void TestRtfReader::randomJunkEndsCleanly()
{
    QRandomGenerator random(20240521);
    // Plain random bytes, behind an RTF header so that they are all read.
    for (const int size : {16, 1000, 100000, 1000000}) {
        QByteArray junk("{\\rtf1 ");
        for (int i = 0; i < size; ++i)
            junk.append(static_cast<char>(random.bounded(256)));
        QTextDocument doc;
        QVERIFY(documents::readRtf(junk, doc));
        QVERIFY(doc.characterCount() <= junk.size() + 200); // room for a notice
    }
    // A soup of RTF tokens reaches far more of the reader than random bytes do.
    const char* const tokens[] = {"{",    "}",          "\\",        "\\'",  "\\u",  "\\bin",
                                  "\\b",  "\\par",      "\\*",       "-",    "9",    "a",
                                  "e9",   " ",          "\\fonttbl", ";",    "\\uc", "\\f",
                                  "\\cf", "\\colortbl", "\\pict",    "\\qc", "\xe9", "\\red"};
    for (int round = 0; round < 20; ++round) {
        QByteArray soup("{\\rtf1");
        for (int i = 0; i < 20000; ++i)
            soup.append(tokens[random.bounded(int(std::size(tokens)))]);
        QTextDocument doc;
        QVERIFY(documents::readRtf(soup, doc));
        QVERIFY(doc.characterCount() <= soup.size() + 200);
        QVERIFY(!doc.toRawText().contains(QChar(0xFDD0)));
    }
}

void TestRtfReader::hostileDocumentsAreShownWithinBounds_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("change"); // what the notice must name

    for (const auto& [name, change] : {std::pair{"hostile_bigfont.rtf", "72 points"},
                                       std::pair{"hostile_spacing.rtf", "espacements"}}) {
        QFile file(QStringLiteral(VITRALIS_FUZZ_CORPUS_DIR "/") + QLatin1StringView(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(name) << file.readAll() << QString::fromUtf8(change);
    }
    const QString changes[] = {u"polices en surnombre"_s, u"mises en forme en surnombre"_s,
                               u"mots trop longs coupés"_s};
    const QList<hostile::Document> generated = hostile::generated();
    for (qsizetype i = 0; i < generated.size(); ++i)
        QTest::newRow(qPrintable(generated[i].name)) << generated[i].rtf << changes[i];
    QTest::newRow("colours") << "{\\rtf1{\\colortbl" + QByteArray(";\\red1").repeated(1000) + "}x}"
                             << u"couleurs en surnombre"_s;
    QTest::newRow("paragraphs") << "{\\rtf1 " + QByteArray("\\par ").repeated(10000) + "}"
                                << u"texte tronqué"_s;
    QTest::newRow("line breaks") << "{\\rtf1 " + QByteArray("\\line ").repeated(100000) + "}"
                                 << u"texte tronqué"_s;
    QTest::newRow("tabs") << "{\\rtf1 " + QByteArray("x\\tab ").repeated(100000) + "}"
                          << u"tabulations en surnombre"_s;
    QTest::newRow("piled marks") << "{\\rtf1\\uc0 a" + QByteArray("\\u769 ").repeated(100000) + "}"
                                 << u"accents empilés"_s;
    QByteArray scripts("{\\rtf1\\uc0 ");
    for (int i = 0; i < 60000; ++i) // Latin, Greek, Cyrillic, Hebrew, Arabic, Armenian in turn
        scripts += "\\u" + QByteArray::number(QList{97, 945, 1073, 1488, 1576, 1377}[i % 6]) + ' ';
    QTest::newRow("scripts") << scripts + '}' << u"écritures trop mêlées"_s;
    QTest::newRow("indents") << QByteArray("{\\rtf1\\li99999\\ri-99999\\fi-99999 x\\par}")
                             << u"retraits"_s;
}

void TestRtfReader::hostileDocumentsAreShownWithinBounds()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, change);
    QTextDocument doc;
    QVERIFY(documents::readRtf(rtf, doc));
    const QString notice = doc.begin().text();
    QVERIFY2(notice.startsWith(documents::kSimplifiedNotice) && notice.contains(change),
             qPrintable(notice));

    // Laid out as the About box does it.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    doc.setTextWidth(593);
    QVERIFY(doc.size().height() < 2e6);
    QVERIFY(doc.characterCount() <= 65'536 + 8192 + 200);
    const QString text = doc.toRawText();
    QVERIFY(doc.blockCount() + text.count(QChar::LineSeparator) <= 8192 + 1);
    QVERIFY(text.count(u'\t') <= 2048);
    QSet<QString> families;
    int fragments = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        for (const qreal length :
             {f.topMargin(), f.bottomMargin(), f.leftMargin(), f.rightMargin(), f.textIndent()})
            QVERIFY2(std::abs(length) <= 96, qPrintable(QString::number(length)));
        for (auto it = b.begin(); !it.atEnd(); ++it, ++fragments) {
            const QTextCharFormat c = it.fragment().charFormat();
            QVERIFY(c.fontPointSize() <= 72);
            families.unite(QSet<QString>(c.fontFamilies().toStringList().cbegin(),
                                         c.fontFamilies().toStringList().cend()));
        }
        // Every line can break within 256 characters; no character carries more than 30 marks.
        int unbroken = 0;
        int marks = 0;
        for (const QChar c : b.text()) {
            marks = c.isMark() ? marks + 1 : 0;
            QVERIFY(marks <= 30);
            unbroken = c == u' ' || c == u'\t' || c == QChar::LineSeparator || c == QChar(0x200B)
                           ? 0
                           : unbroken + 1;
            QVERIFY(unbroken <= 256);
        }
    }
    QVERIFY(families.size() <= 64);
    QVERIFY(fragments <= 1024 + doc.blockCount());
}

void TestRtfReader::rejectsWhatIsNotRtf()
{
    for (const char* bytes : {"", "hello", "{\\rt", " {\\rtf1 a}", "\xEF\xBB\xBF{\\rtf1 a}"}) {
        QTextDocument doc;
        doc.setPlainText("earlier content");
        QVERIFY2(!documents::readRtf(bytes, doc), bytes);
        QVERIFY(doc.isEmpty());
    }
}

void TestRtfReader::badFilesGiveTheNotice_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>(
        "size"); // -1: no file at all, or the special file below; 0: as written
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("special"); // "folder": a folder of that name

    QTest::newRow("missing") << QByteArray() << qint64(-1) << false << QString();
    QTest::newRow("a folder") << QByteArray() << qint64(-1) << false << "folder";
    QTest::newRow("empty") << QByteArray() << qint64(0) << false << QString();
    QTest::newRow("not RTF") << QByteArray("Licence de Vitralis") << qint64(0) << false
                             << QString();
    QTest::newRow("too large") << QByteArray("{\\rtf1 a}") << qint64(documents::kMaxRtfBytes + 1)
                               << false << QString();
    QTest::newRow("largest allowed")
        << QByteArray("{\\rtf1 a") << qint64(documents::kMaxRtfBytes) << true << QString();
    QTest::newRow("damaged RTF") << QByteArray("{\\rtf1 a{\\b") << qint64(0) << true << QString();
}

void TestRtfReader::badFilesGiveTheNotice()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(bool, readable);
    QFETCH(QString, special);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Licencebis.rtf");
    if (special == "folder")
        QVERIFY(QDir().mkdir(path));
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        if (size > 0)
            QVERIFY(file.resize(size)); // sparse: the rest reads as NUL bytes
    }

    QTextDocument doc;
    doc.setPlainText("earlier content");
    QCOMPARE(documents::loadRtfDocument(path, doc), readable);
    if (readable) {
        QCOMPARE(doc.toPlainText(), "a");
    } else {
        QCOMPARE(doc.blockCount(), 1);
        QCOMPARE(doc.toPlainText(),
                 u"Le document « Licencebis.rtf » est introuvable ou illisible."_s);
    }
}

void TestRtfReader::documentsAreLookedForInTheStartFolderFirst()
{
    QTemporaryDir start;
    QTemporaryDir installed;
    const auto put = [](const QTemporaryDir& dir, const QByteArray& content) {
        QFile file(dir.filePath("Liste.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    const auto lookUp = [&] {
        return documents::readDocument(start.path(), "Liste.rtf", installed.path());
    };

    QCOMPARE(lookUp(), std::nullopt);
    put(installed, "installed");
    QCOMPARE(lookUp(), "installed");
    put(start, "start");
    QCOMPARE(lookUp(), "start");
    QCOMPARE(documents::readDocument(start.path() + "/", "Liste.rtf", installed.path()), "start");
    // What is not a regular file is passed over.
    QVERIFY(QFile::remove(start.filePath("Liste.rtf")));
    QVERIFY(QDir(start.path()).mkdir("Liste.rtf"));
    QCOMPARE(lookUp(), "installed");
    // No start folder is neither the working folder nor the root.
    QCOMPARE(documents::readDocument(QString(), "Liste.rtf", installed.path()), "installed");
    QCOMPARE(documents::readDocument(QString(), "Liste.rtf", QString()), std::nullopt);
}

void TestRtfReader::whatIsNoFileIsNeverRead()
{
    // Reading any of these would block, never end, or act on a device.
    QTemporaryDir dir;
    const QList<test::Unreadable> unreadables = test::makeUnreadables(dir.path());
    QVERIFY(!unreadables.isEmpty());
    for (const test::Unreadable& u : unreadables) {
        QVERIFY2(!documents::readDocument(dir.path(), u.name, QString()), qPrintable(u.what));
        QTextDocument doc;
        QVERIFY2(!documents::loadRtfDocument(dir.filePath(u.name), doc), qPrintable(u.what));
        QVERIFY2(doc.toPlainText().contains(u"introuvable ou illisible"), qPrintable(u.what));
    }
}

void TestRtfReader::shippedDocumentsLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("licence") << "Licencebis.rtf";
    QTest::newRow("product information") << "Liste.rtf";
}

void TestRtfReader::shippedDocumentsLoad()
{
    QFETCH(QString, name);
    QTextDocument doc;
    QVERIFY(
        documents::loadRtfDocument(QStringLiteral(VITRALIS_DATA_DIR "/../documents/") + name, doc));
    const QString text = textOf(doc);
    QVERIFY(!text.contains(documents::missingDocumentNotice(name)));
    QVERIFY(!text.contains(documents::kSimplifiedNotice));
    QVERIFY2(doc.blockCount() >= 8, qPrintable(QString::number(doc.blockCount())));
    QVERIFY(text.contains("Vitralis"));
    QVERIFY(text.contains(u'é'));
    // Nothing of the markup may leak into the text.
    for (const QChar c : {QChar(u'\\'), QChar(u'{'), QChar(u'}'), QChar(0xFFFD)})
        QVERIFY2(!text.contains(c), qPrintable(QString(c)));

    bool bold = false;
    bool coloured = false;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            bold = bold || f.fontWeight() == QFont::Bold;
            coloured = coloured || f.hasProperty(QTextFormat::ForegroundBrush);
            QCOMPARE(f.fontFamilies().toStringList(), QStringList{"Tahoma"});
        }
    }
    QVERIFY(bold);
    QVERIFY(coloured);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
