// libFuzzer target for the RTF reader: any bytes must be read to the end without a crash, a
// hang, undefined behaviour or a leak, and the document must come out well formed.

#include "ui/rtfreader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
int argc = 1;
char name[] = "rtf_fuzzer";
char* argv[] = {name, nullptr};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The document may need fonts, which need an application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    QTextDocument doc;
    const bool isRtf = ui::readRtf(bytes, doc);
    if (!isRtf && !doc.isEmpty())
        std::abort(); // what is not RTF leaves the document empty
    // No input yields more characters than it has bytes (plus the final paragraph mark).
    if (doc.characterCount() > bytes.size() + 1)
        std::abort();
    // Lay the document out, as a rich-text box would.
    doc.setTextWidth(400);
    (void)doc.size();
    return 0;
}
