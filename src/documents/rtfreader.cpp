#include "documents/rtfreader.h"

#include "documents/codepage.h"
#include "refdata/decoding.h"

#include <QBrush>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace documents {

namespace {

constexpr std::size_t kMaxDepth = 256;       // deeper groups are read, but carry no text
constexpr int kMaxParameter = 1'000'000'000; // numeric parameters saturate here
constexpr std::size_t kMaxWordLength = 32;   // longer control words are unknown ones
constexpr int kMaxFontNameLength = 128;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kDefaultHalfPoints = 24;

// What a document may ask of the layout. The time a box takes to show a document grows with
// each of these, some of them faster than linearly; beyond them the document is shown
// simplified, and says so in a first paragraph.
constexpr int kMaxHalfPoints = 144;          // 72 pt
constexpr int kMaxSpacingTwips = 1440;       // space before or after a paragraph: one inch
constexpr int kMaxIndentTwips = 1440;        // each indent, either way
constexpr int kMaxFonts = 64;                // fonts kept from the font table
constexpr int kMaxColours = 256;             // colours kept from the colour table
constexpr int kMaxRuns = 1024;               // stretches of text in a format of their own
constexpr int kMaxLines = 8192;              // paragraphs and line breaks shown
constexpr int kMaxTabs = 2048;               // tabs shown; the others are blanks
constexpr int kMaxScriptRuns = 2048;         // changes of script (each is shaped apart)
constexpr int kMaxScripts = 16;              // scripts (each may need fonts of its own)
constexpr int kMaxMarks = 30;                // combining marks on one character
constexpr qsizetype kMaxText = 65'536;       // characters shown
constexpr int kMaxUnbroken = 256;            // characters with no chance to break a line
constexpr char16_t kZeroWidthSpace = 0x200B; // a chance to break, and nothing to see

// What had to be bounded, for the notice.
enum Simplification : unsigned
{
    BigFonts = 1 << 0,
    Spacing = 1 << 1,
    ManyFonts = 1 << 2,
    ManyColours = 1 << 3,
    ManyRuns = 1 << 4,
    LongWords = 1 << 5,
    LongText = 1 << 6,
    ManyTabs = 1 << 7,
    ManyScripts = 1 << 8,
    ManyMarks = 1 << 9,
};
constexpr double kTwipsPerPixel = 15.0;

enum class Destination : std::uint8_t
{
    Text,
    FontTable,
    ColorTable,
    Skip
};

// The control words that do something. Every other word is ignored, or is one of the symbols or
// the skipped destinations below.
// clang-format off
enum class Word : std::uint8_t
{
    Unknown, Symbol, Skipped, FontTable, ColorTable, Bin,
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont,
    Par, Unicode, UnicodeSkip,
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Font, Colour,
    ParagraphDefault, AlignLeft, AlignCentre, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter,
    Red, Green, Blue
};
// clang-format on

struct WordMeaning
{
    Word word = Word::Unknown;
    char16_t symbol = 0; // the character a Word::Symbol stands for
};

using WordTable = std::unordered_map<std::string_view, WordMeaning>;

WordTable makeWordTable()
{
    // clang-format off
    WordTable table = {
        {"fonttbl", {Word::FontTable}}, {"colortbl", {Word::ColorTable}}, {"bin", {Word::Bin}},
        {"ansi", {Word::Ansi}}, {"mac", {Word::Mac}}, {"pc", {Word::Pc}}, {"pca", {Word::Pca}},
        {"ansicpg", {Word::AnsiCodePage}}, {"deff", {Word::DefaultFont}},
        {"par", {Word::Par}}, {"page", {Word::Par}}, {"sect", {Word::Par}}, {"row", {Word::Par}},
        {"u", {Word::Unicode}}, {"uc", {Word::UnicodeSkip}},
        {"plain", {Word::Plain}}, {"b", {Word::Bold}}, {"i", {Word::Italic}},
        {"ul", {Word::Underline}}, {"uld", {Word::Underline}}, {"uldb", {Word::Underline}},
        {"uldash", {Word::Underline}}, {"ulth", {Word::Underline}}, {"ulw", {Word::Underline}},
        {"ulwave", {Word::Underline}}, {"ulnone", {Word::UnderlineNone}},
        {"strike", {Word::Strike}}, {"striked", {Word::Strike}},
        {"fs", {Word::FontSize}}, {"f", {Word::Font}}, {"cf", {Word::Colour}},
        {"pard", {Word::ParagraphDefault}}, {"ql", {Word::AlignLeft}}, {"qc", {Word::AlignCentre}},
        {"qr", {Word::AlignRight}}, {"qj", {Word::AlignJustify}},
        {"li", {Word::LeftIndent}}, {"lin", {Word::LeftIndent}}, {"ri", {Word::RightIndent}},
        {"rin", {Word::RightIndent}}, {"fi", {Word::FirstIndent}},
        {"sb", {Word::SpaceBefore}}, {"sa", {Word::SpaceAfter}},
        {"red", {Word::Red}}, {"green", {Word::Green}}, {"blue", {Word::Blue}}};

    const std::pair<std::string_view, char16_t> symbols[] = {
        {"line", u'\u2028'}, {"tab", u'\t'}, {"cell", u'\t'}, {"emdash", u'\u2014'},
        {"endash", u'\u2013'}, {"bullet", u'\u2022'}, {"lquote", u'\u2018'},
        {"rquote", u'\u2019'}, {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
        {"emspace", u'\u2003'}, {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},
        {"zwj", u'\u200D'}, {"zwnj", u'\u200C'}};
    // clang-format on
    for (const auto& [name, c] : symbols)
        table.emplace(name, WordMeaning{Word::Symbol, c});

    // Destinations whose content is not text of the document.
    // clang-format off
    const std::string_view skipped[] = {
        "stylesheet", "info", "pict", "shppict", "nonshppict", "object", "objdata", "objclass",
        "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
        "footnote", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "annotation",
        "atnid", "atnauthor", "fldinst", "themedata", "colorschememapping", "datastore",
        "latentstyles", "listtable", "listoverridetable", "pgdsctbl", "rsidtbl", "revtbl",
        "filetbl", "xmlnstbl", "generator", "mmathPr", "pn", "xe", "tc", "private", "template",
        "userprops", "docvar", "bkmkstart", "bkmkend", "author", "operator", "title", "subject",
        "keywords", "comment", "doccomm", "company", "category", "creatim", "revtim", "printim",
        "buptim", "shpinst", "sp", "listpicture", "passwordhash"};
    // clang-format on
    for (const std::string_view name : skipped)
        table.emplace(name, WordMeaning{Word::Skipped});
    return table;
}

WordMeaning lookUp(std::string_view name)
{
    static const WordTable table = makeWordTable();
    const auto it = table.find(name);
    return it == table.end() ? WordMeaning{} : it->second;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The state a group saves on '{' and restores on '}'.
struct GroupState
{
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    // characters
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int colour = 0; // 0: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    // paragraphs
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;

    void resetCharacters()
    {
        font = -1;
        halfPoints = kDefaultHalfPoints;
        colour = 0;
        bold = italic = underline = strike = false;
    }
    void resetParagraph()
    {
        alignment = Qt::AlignLeft;
        leftTwips = rightTwips = firstTwips = beforeTwips = afterTwips = 0;
    }
};

class Reader
{
public:
    Reader(QByteArrayView rtf, QTextDocument& doc) : in_(rtf), cursor_(&doc) {}

    void read();

private:
    void openGroup();
    void closeGroup();
    void readControl();
    void controlWord(std::string_view name, std::optional<int> parameter);
    bool characterWord(Word word, std::optional<int> parameter, GroupState& state);
    void textWord(Word word, std::optional<int> parameter, GroupState& state);
    void controlSymbol(char symbol);
    void hexEscape();
    void skipBinary(int count);
    void textByte(char byte);
    bool consumeFallback();

    void setCodePage(int codePage);
    void flushBytes();
    void put(char16_t c);
    void putText(char16_t c);
    void flushRun();
    void endParagraph();
    void applyParagraphFormat();
    void finish();
    void commitFont();
    void commitColour();
    void addNotice();
    int twips(std::optional<int> parameter, int low, int high);

    QTextCharFormat charFormat() const;
    QTextBlockFormat blockFormat() const;
    Destination destination() const
    {
        return overflow_ > 0 ? Destination::Skip : stack_.back().destination;
    }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;

    std::vector<GroupState> stack_;
    int overflow_ = 0; // groups opened beyond kMaxDepth and not yet closed
    bool finished_ = false;
    bool full_ = false;      // the document holds all the text it may show
    int fallbackToSkip_ = 0; // characters still to skip after a \uN

    int codePage_ = 1252;
    CodePageDecoder decoder_; // for a code page other than 1252
    QByteArray bytes_;        // text bytes not yet decoded

    QString run_; // text not yet inserted, all in runFormat_
    QTextCharFormat runFormat_;
    bool formatDirty_ = true;
    char16_t highSurrogate_ = 0;
    bool paragraphEnded_ = false; // nothing was written since the last \par

    QHash<int, QString> fonts_;
    int defaultFont_ = -1;
    int tableFont_ = -1;
    QString fontName_;

    QList<std::optional<QColor>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;

    // What the layout will be asked for.
    unsigned simplified_ = 0;
    int runs_ = 0;
    int lines_ = 1; // paragraphs and line breaks
    int tabs_ = 0;
    int scriptRuns_ = 0;
    std::bitset<QChar::ScriptCount> scripts_;
    QChar::Script script_ = QChar::Script_Common;
    char16_t high_ = 0;  // the high surrogate just written
    int marks_ = 0;      // combining marks since the last other character
    qsizetype text_ = 0; // characters written
    int unbroken_ = 0;   // characters since the last chance to break a line
};

void Reader::read()
{
    cursor_.beginEditBlock();
    while (pos_ < in_.size() && !finished_ && !full_) {
        const char c = in_[pos_++];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
        case '\0':
            break; // line ends of the source are not text
        default:
            textByte(c);
            break;
        }
    }
    finish();
    cursor_.endEditBlock();
}

void Reader::openGroup()
{
    flushBytes();
    fallbackToSkip_ = 0;
    if (stack_.empty()) {
        stack_.emplace_back();
        return;
    }
    if (overflow_ > 0 || stack_.size() >= kMaxDepth) {
        ++overflow_;
        return;
    }
    stack_.push_back(stack_.back());
    formatDirty_ = true;
}

void Reader::closeGroup()
{
    flushBytes();
    fallbackToSkip_ = 0;
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (stack_.back().destination == Destination::FontTable)
        commitFont();
    if (stack_.size() <= 1) {
        finished_ = true; // the document's own group is closed
        return;
    }
    stack_.pop_back();
    formatDirty_ = true;
}

void Reader::readControl()
{
    if (pos_ >= in_.size())
        return; // a lone backslash at the very end
    const char c = in_[pos_];
    if (!isLetter(c)) {
        ++pos_;
        controlSymbol(c);
        return;
    }
    const qsizetype start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_]))
        ++pos_;
    std::string_view name(in_.data() + start, static_cast<std::size_t>(pos_ - start));
    if (name.size() > kMaxWordLength)
        name = {};

    std::optional<int> parameter;
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < in_.size() && isDigit(in_[pos_])) {
        std::int64_t value = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            if (value <= kMaxParameter)
                value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        value = std::min<std::int64_t>(value, kMaxParameter);
        parameter = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ')
        ++pos_; // the space that ends a control word belongs to it
    controlWord(name, parameter);
}

// Skips one fallback character of a \uN when some are due; returns whether it did.
bool Reader::consumeFallback()
{
    if (fallbackToSkip_ <= 0)
        return false;
    --fallbackToSkip_;
    return true;
}

void Reader::controlWord(std::string_view name, std::optional<int> parameter)
{
    flushBytes();
    const WordMeaning meaning = lookUp(name);
    const Word word = meaning.word;
    if (word == Word::Bin) {
        // Binary data may hold any byte, braces and backslashes included.
        skipBinary(parameter.value_or(0));
        consumeFallback();
        return;
    }
    if (consumeFallback())
        return;
    const Destination dest = destination();
    if (dest == Destination::Skip)
        return;
    GroupState& state = stack_.back();
    switch (word) {
    case Word::Skipped:
        state.destination = Destination::Skip;
        return;
    case Word::FontTable:
        state.destination = Destination::FontTable;
        tableFont_ = -1;
        fontName_.clear();
        return;
    case Word::ColorTable:
        state.destination = Destination::ColorTable;
        colourGiven_ = false;
        return;
    case Word::Symbol:
        put(meaning.symbol);
        return;
    case Word::Unicode:
        if (parameter) {
            int code = *parameter;
            if (code < 0)
                code += 65536;
            put(code >= 0 && code <= 0xFFFF ? static_cast<char16_t>(code) : char16_t{0xFFFD});
            fallbackToSkip_ = state.unicodeSkip;
        }
        return;
    case Word::UnicodeSkip:
        state.unicodeSkip = std::clamp(parameter.value_or(1), 0, kMaxUnicodeSkip);
        return;
    default:
        break;
    }
    if (dest == Destination::FontTable) {
        if (word == Word::Font && parameter) {
            commitFont();
            tableFont_ = *parameter;
        }
    } else if (dest == Destination::ColorTable) {
        if (word == Word::Red || word == Word::Green || word == Word::Blue) {
            (word == Word::Red     ? red_
             : word == Word::Green ? green_
                                   : blue_) = std::clamp(parameter.value_or(0), 0, 255);
            colourGiven_ = true;
        }
    } else if (!characterWord(word, parameter, state)) {
        textWord(word, parameter, state);
    }
}

// Returns whether `word` is one of the character formatting words.
bool Reader::characterWord(Word word, std::optional<int> parameter, GroupState& state)
{
    const bool on = parameter.value_or(1) != 0;
    switch (word) {
    case Word::Plain:
        state.resetCharacters();
        break;
    case Word::Bold:
        state.bold = on;
        break;
    case Word::Italic:
        state.italic = on;
        break;
    case Word::Underline:
        state.underline = on;
        break;
    case Word::UnderlineNone:
        state.underline = false;
        break;
    case Word::Strike:
        state.strike = on;
        break;
    case Word::FontSize: {
        const int halfPoints = parameter.value_or(kDefaultHalfPoints);
        if (halfPoints > kMaxHalfPoints)
            simplified_ |= BigFonts;
        state.halfPoints =
            halfPoints > 0 ? std::min(halfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    }
    case Word::Font:
        state.font = parameter.value_or(-1);
        break;
    case Word::Colour:
        state.colour = parameter.value_or(0);
        break;
    default:
        return false;
    }
    formatDirty_ = true;
    return true;
}

// A length in twips, within [low, high].
int Reader::twips(std::optional<int> parameter, int low, int high)
{
    const int value = parameter.value_or(0);
    if (value < low || value > high) {
        simplified_ |= Spacing;
        return std::clamp(value, low, high);
    }
    return value;
}

void Reader::textWord(Word word, std::optional<int> parameter, GroupState& state)
{
    switch (word) {
    case Word::Ansi:
        setCodePage(1252);
        break;
    case Word::Mac:
        setCodePage(10000);
        break;
    case Word::Pc:
        setCodePage(437);
        break;
    case Word::Pca:
        setCodePage(850);
        break;
    case Word::AnsiCodePage:
        if (parameter)
            setCodePage(*parameter);
        break;
    case Word::DefaultFont:
        defaultFont_ = parameter.value_or(-1);
        formatDirty_ = true;
        break;
    case Word::Par:
        endParagraph();
        break;
    case Word::ParagraphDefault:
        state.resetParagraph();
        break;
    case Word::AlignLeft:
        state.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCentre:
        state.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        state.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        state.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        state.leftTwips = twips(parameter, -kMaxIndentTwips, kMaxIndentTwips);
        break;
    case Word::RightIndent:
        state.rightTwips = twips(parameter, -kMaxIndentTwips, kMaxIndentTwips);
        break;
    case Word::FirstIndent:
        state.firstTwips = twips(parameter, -kMaxIndentTwips, kMaxIndentTwips);
        break;
    case Word::SpaceBefore:
        state.beforeTwips = std::max(twips(parameter, -kMaxSpacingTwips, kMaxSpacingTwips), 0);
        break;
    case Word::SpaceAfter:
        state.afterTwips = std::max(twips(parameter, -kMaxSpacingTwips, kMaxSpacingTwips), 0);
        break;
    default:
        break; // unknown words, and those of the tables, mean nothing here
    }
}

void Reader::controlSymbol(char symbol)
{
    if (symbol == '\'') {
        hexEscape();
        return;
    }
    flushBytes();
    if (consumeFallback())
        return;
    const Destination dest = destination();
    if (symbol == '*') {
        if (dest != Destination::Skip)
            stack_.back().destination = Destination::Skip;
        return;
    }
    if (dest != Destination::Text && dest != Destination::FontTable)
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        put(static_cast<char16_t>(symbol));
        break;
    case '~':
        put(u'\u00A0');
        break;
    case '-':
        put(u'\u00AD');
        break;
    case '_':
        put(u'\u2011');
        break;
    case '\n':
    case '\r':
        if (dest == Destination::Text)
            endParagraph();
        break;
    case '\t':
        put(u'\t');
        break;
    default:
        break;
    }
}

void Reader::hexEscape()
{
    if (pos_ + 1 >= in_.size() || hexValue(in_[pos_]) < 0 || hexValue(in_[pos_ + 1]) < 0) {
        consumeFallback();
        return; // a damaged escape stands for nothing; what follows is read as usual
    }
    const int value = hexValue(in_[pos_]) * 16 + hexValue(in_[pos_ + 1]);
    pos_ += 2;
    if (consumeFallback())
        return;
    const Destination dest = destination();
    if (dest == Destination::Text || dest == Destination::FontTable)
        bytes_.append(static_cast<char>(value));
}

void Reader::skipBinary(int count)
{
    if (count > 0)
        pos_ += std::min<qsizetype>(count, in_.size() - pos_);
}

void Reader::textByte(char byte)
{
    if (consumeFallback())
        return;
    switch (destination()) {
    case Destination::Text:
        bytes_.append(byte);
        break;
    case Destination::FontTable:
        if (byte == ';')
            commitFont();
        else
            bytes_.append(byte);
        break;
    case Destination::ColorTable:
        if (byte == ';')
            commitColour();
        break;
    case Destination::Skip:
        break;
    }
}

void Reader::setCodePage(int codePage)
{
    if (codePage == codePage_)
        return;
    CodePageDecoder decoder = codePageDecoder(codePage);
    if (!decoder)
        return; // keep reading in the code page we have
    decoder_ = std::move(decoder);
    codePage_ = codePage;
}

void Reader::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    // Every code page we read keeps ASCII as it is: most text needs no decoder.
    if (std::all_of(bytes_.cbegin(), bytes_.cend(),
                    [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        for (const char b : std::as_const(bytes_))
            put(static_cast<char16_t>(b));
        bytes_.clear();
        return;
    }
    const QString text = codePage_ == 1252 ? refdata::decodeWindows1252(bytes_)
                         : decoder_        ? decoder_(bytes_)
                                           : QString::fromLatin1(bytes_);
    bytes_.clear();
    for (const QChar c : text)
        put(c.unicode());
}

// One character of text, for the current destination.
void Reader::put(char16_t c)
{
    if (destination() == Destination::FontTable) {
        if (c >= 0x20 && !QChar::isSurrogate(c) && fontName_.size() < kMaxFontNameLength)
            fontName_.append(QChar(c));
        return;
    }
    if (destination() != Destination::Text)
        return;
    // Only whole surrogate pairs reach the document.
    if (QChar::isHighSurrogate(c)) {
        if (highSurrogate_ != 0)
            putText(0xFFFD);
        highSurrogate_ = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (highSurrogate_ != 0) {
            putText(highSurrogate_);
            putText(c);
            highSurrogate_ = 0;
        } else {
            putText(0xFFFD);
        }
        return;
    }
    if (highSurrogate_ != 0) {
        putText(0xFFFD);
        highSurrogate_ = 0;
    }
    if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F))
        return; // control characters are not text
    // Characters the document would take for paragraph, frame or object marks.
    if (c == QChar::ParagraphSeparator)
        c = QChar::LineSeparator;
    else if (c == QChar::ObjectReplacementCharacter || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFE ||
             c == 0xFFFF)
        c = 0xFFFD;
    putText(c);
}

void Reader::putText(char16_t c)
{
    if (full_)
        return;
    // The second half of a surrogate pair follows its first half whatever happens.
    const bool secondHalf = QChar::isLowSurrogate(c) && high_ != 0;
    const char32_t code = secondHalf ? QChar::surrogateToUcs4(high_, c) : c;
    high_ = QChar::isHighSurrogate(c) ? c : 0;
    if (!secondHalf && text_ >= kMaxText) {
        simplified_ |= LongText;
        full_ = true; // the rest is not read
        return;
    }
    // Each line of a paragraph is laid out with the whole paragraph, each tab with its line.
    if (c == QChar::LineSeparator) {
        if (lines_ >= kMaxLines) {
            simplified_ |= LongText;
            full_ = true;
            return;
        }
        ++lines_;
    } else if (c == u'\t' && ++tabs_ > kMaxTabs) {
        simplified_ |= ManyTabs;
        c = u' ';
    }
    // A pile of marks is shaped as one character; each change of script starts a stretch
    // shaped apart. Characters of no script in particular go with their neighbours. A
    // character made of two halves is judged on its second.
    if (!high_) {
        const auto dropFirstHalf = [this, secondHalf] {
            if (secondHalf) {
                run_.chop(1);
                --text_;
            }
        };
        if (QChar::isMark(code)) {
            if (++marks_ > kMaxMarks) {
                simplified_ |= ManyMarks;
                dropFirstHalf();
                return;
            }
        } else {
            marks_ = 0;
        }
        const QChar::Script script = QChar::script(code);
        if (script > QChar::Script_Common && script != script_) {
            const bool known = scripts_.test(script) || int(scripts_.count()) < kMaxScripts;
            if (known && scriptRuns_ < kMaxScriptRuns) {
                scripts_.set(script);
                ++scriptRuns_;
                script_ = script;
            } else {
                simplified_ |= ManyScripts;
                dropFirstHalf();
                c = u'?';
            }
        }
    }
    // Once the formats are spent, the text goes on in the format it has.
    if (formatDirty_ && !(simplified_ & ManyRuns)) {
        QTextCharFormat format = charFormat();
        if (format != runFormat_) {
            if (runs_ < kMaxRuns) {
                flushRun();
                runFormat_ = std::move(format);
                ++runs_;
            } else {
                simplified_ |= ManyRuns;
            }
        }
        formatDirty_ = false;
    }
    // A line can break at a blank, or where we give it a chance in a word too long.
    if (c == u' ' || c == u'\t' || c == QChar::LineSeparator || c == kZeroWidthSpace) {
        unbroken_ = 0;
    } else if (!QChar::isLowSurrogate(c) && ++unbroken_ > kMaxUnbroken) {
        simplified_ |= LongWords;
        run_.append(QChar(kZeroWidthSpace));
        ++text_;
        unbroken_ = 1;
    }
    run_.append(QChar(c));
    ++text_;
    paragraphEnded_ = false;
}

void Reader::flushRun()
{
    if (run_.isEmpty())
        return;
    cursor_.insertText(run_, runFormat_);
    run_.clear();
}

void Reader::endParagraph()
{
    flushBytes();
    if (full_)
        return;
    if (lines_ >= kMaxLines) {
        simplified_ |= LongText;
        full_ = true;
        return;
    }
    ++lines_;
    unbroken_ = 0;
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        putText(0xFFFD);
    }
    flushRun();
    applyParagraphFormat();
    cursor_.insertBlock(); // the new paragraph starts with the formats of this one
    paragraphEnded_ = true;
}

void Reader::applyParagraphFormat()
{
    // Only what changed is set: most paragraphs repeat the formats of the one before.
    QTextBlockFormat block = blockFormat();
    if (block != cursor_.blockFormat())
        cursor_.setBlockFormat(block);
    QTextCharFormat chars = charFormat();
    if (chars != cursor_.blockCharFormat())
        cursor_.setBlockCharFormat(chars);
}

void Reader::finish()
{
    flushBytes();
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        putText(0xFFFD);
    }
    flushRun();
    if (paragraphEnded_) {
        // The last \par ends the last paragraph; it does not open an empty one.
        cursor_.deletePreviousChar();
    } else if (!stack_.empty()) {
        applyParagraphFormat();
    }
    if (simplified_ != 0)
        addNotice();
}

// Says, in a first paragraph of its own, what was simplified.
void Reader::addNotice()
{
    const std::pair<Simplification, const char*> changes[] = {
        {BigFonts, "caractères ramenés à 72 points"},
        {Spacing, "espacements et retraits réduits"},
        {ManyFonts, "polices en surnombre ignorées"},
        {ManyColours, "couleurs en surnombre ignorées"},
        {ManyRuns, "mises en forme en surnombre ignorées"},
        {LongWords, "mots trop longs coupés"},
        {ManyTabs, "tabulations en surnombre remplacées par des blancs"},
        {ManyMarks, "accents empilés en surnombre ignorés"},
        {ManyScripts, "caractères d'écritures trop mêlées remplacés par « ? »"},
        {LongText, "texte tronqué"}};
    QStringList said;
    for (const auto& [change, text] : changes) {
        if (simplified_ & change)
            said.append(QString::fromUtf8(text));
    }
    QTextCursor c = cursor_;
    c.movePosition(QTextCursor::Start);
    // The first paragraph keeps its formats; the notice gets a plain one before it.
    c.insertBlock(c.blockFormat(), c.blockCharFormat());
    c.movePosition(QTextCursor::Start);
    QTextCharFormat format;
    format.setFontItalic(true);
    c.setBlockFormat(QTextBlockFormat());
    c.setBlockCharFormat(format);
    c.insertText(QStringLiteral("%1 %2.").arg(kSimplifiedNotice, said.join(QStringLiteral(", "))),
                 format);
}

void Reader::commitFont()
{
    flushBytes();
    const QString name = fontName_.trimmed();
    fontName_.clear();
    if (tableFont_ < 0 || name.isEmpty())
        return;
    if (fonts_.size() < kMaxFonts || fonts_.contains(tableFont_))
        fonts_.insert(tableFont_, name);
    else
        simplified_ |= ManyFonts;
    tableFont_ = -1;
    formatDirty_ = true;
}

void Reader::commitColour()
{
    if (colours_.size() < kMaxColours) {
        if (colourGiven_)
            colours_.append(QColor(red_, green_, blue_));
        else
            colours_.append(std::nullopt);
    } else {
        simplified_ |= ManyColours;
    }
    red_ = green_ = blue_ = 0;
    colourGiven_ = false;
}

QTextCharFormat Reader::charFormat() const
{
    QTextCharFormat format;
    if (stack_.empty())
        return format;
    const GroupState& state = stack_.back();
    const auto font = fonts_.constFind(state.font >= 0 ? state.font : defaultFont_);
    if (font != fonts_.cend())
        format.setFontFamilies(QStringList{*font});
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strike)
        format.setFontStrikeOut(true);
    // Colour 0 is the automatic one, whatever the table says.
    if (state.colour > 0 && state.colour < colours_.size() && colours_[state.colour])
        format.setForeground(QBrush(*colours_[state.colour]));
    return format;
}

QTextBlockFormat Reader::blockFormat() const
{
    QTextBlockFormat format;
    if (stack_.empty())
        return format;
    const GroupState& state = stack_.back();
    format.setAlignment(state.alignment);
    // Twips on the screen, at 15 twips a pixel as everywhere in the program.
    format.setLeftMargin(state.leftTwips / kTwipsPerPixel);
    format.setRightMargin(state.rightTwips / kTwipsPerPixel);
    format.setTextIndent(state.firstTwips / kTwipsPerPixel);
    format.setTopMargin(state.beforeTwips / kTwipsPerPixel);
    format.setBottomMargin(state.afterTwips / kTwipsPerPixel);
    return format;
}

} // namespace

QString missingDocumentNotice(const QString& fileName)
{
    return QStringLiteral("Le document « %1 » est introuvable ou illisible.").arg(fileName);
}

bool readRtf(QByteArrayView rtf, QTextDocument& doc)
{
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    const bool isRtf = rtf.startsWith("{\\rtf");
    if (isRtf)
        Reader(rtf.first(std::min(rtf.size(), kMaxRtfBytes)), doc).read();
    doc.setUndoRedoEnabled(undo);
    return isRtf;
}

bool showRtfDocument(const std::optional<QByteArray>& bytes, const QString& name,
                     QTextDocument& doc)
{
    if (bytes && readRtf(*bytes, doc))
        return true;
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    QTextCursor(&doc).insertText(missingDocumentNotice(name));
    doc.setUndoRedoEnabled(undo);
    return false;
}

bool loadRtfDocument(const QString& path, QTextDocument& doc)
{
    return showRtfDocument(readDocumentFile(path), QFileInfo(path).fileName(), doc);
}

} // namespace documents
