// libFuzzer target for the RTF reader: any bytes must be read to the end without a crash, a
// hang, undefined behaviour or a leak, and the document must come out well formed.

#include "documents/rtfreader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

int argc = 1;
char name[] = "rtf_fuzzer";
char* argv[] = {name, nullptr};

// Lays `doc` out as the About box does, at its width, breaking words where it must.
void layOut(QTextDocument& doc)
{
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    doc.setTextWidth(593);
    (void)doc.size();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The document may need fonts, which need an application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    // The program has its fonts ready before it shows a document: so does the fuzzer, so that
    // the first input is not charged with starting the font machinery.
    QTextDocument doc;
    documents::readRtf("{\\rtf1{\\fonttbl{\\f0 Tahoma;}{\\f1 Inconnue;}}\\f0 a {\\b\\i b} \\f1 c}",
                       doc);
    layOut(doc);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    QTextDocument doc;
    const bool isRtf = documents::readRtf(bytes, doc);
    if (!isRtf && !doc.isEmpty())
        std::abort(); // what is not RTF leaves the document empty
    // No input yields more characters than the reader's bound on text, its chances to break
    // long words, its paragraph marks and its notice.
    if (doc.characterCount() > 65'536 + 8192 + 200)
        std::abort();
    // What the layout is asked for stays within the reader's bounds.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        if (f.topMargin() > 96 || f.bottomMargin() > 96 || std::abs(f.leftMargin()) > 96 ||
            std::abs(f.rightMargin()) > 96 || std::abs(f.textIndent()) > 96)
            std::abort();
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontPointSize() > 72)
                std::abort();
        }
    }
    layOut(doc);
    return 0;
}
