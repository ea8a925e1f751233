// What a person waits for when a document is hostile: the real main window,
// started as the program starts it and shown on its About page, loads a
// document into its About box (found in a start folder, read, laid out) and
// the time runs to the end of the box's repaint; then, how long the window
// takes to answer the next event. Each round shows, interleaved, the shipped
// licence (the floor) and every hostile document: the two small ones of
// fuzz/corpus/ and the three generated 1 MiB ones.
//
//   bench_documents [--rounds N] [--smoke]
// runs on the platform Qt picks: X11 when DISPLAY is set, offscreen otherwise
// or when QT_QPA_PLATFORM says so.
#include "benchutil.h"
#include "fuzz/hostiledocuments.h"
#include "startup/startup.h"
#include "ui/fonts.h"
#include "ui/richtextbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Licence = u"Licencebis.rtf"_s;

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "bench_documents: %s\n", qPrintable(why));
    std::fflush(stderr);
    _exit(1);
}

// Notes when a widget paints.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

struct Document
{
    QString name;
    QString folder; // holds it as the licence
    std::vector<double> wall, cpu, answer;
};

struct Bench
{
    QTemporaryDir folders;
    std::unique_ptr<startup::Starter> starter;
    ui::RichTextBox* box = nullptr;
    PaintWatch watch;

    Bench()
    {
        starter = std::make_unique<startup::Starter>(folders.path(),
                                                     folders.filePath(u"vitralis.lock"_s));
        if (starter->start() >= 0)
            fail(u"the program did not start"_s);
        while (!starter->mainWindow() || !starter->mainWindow()->isVisible())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        mainwin::MainWindow* w = starter->mainWindow();
        w->showPage(4);
        QWidget* about = w->findChild<QWidget*>(u"Pict(4)"_s);
        box = about ? about->findChild<ui::RichTextBox*>(u"Rtb1"_s) : nullptr;
        if (!box)
            fail(u"no About box"_s);
        box->viewport()->installEventFilter(&watch);
    }

    QString folderWith(const QString& name, const QByteArray& rtf)
    {
        const QString folder = folders.filePath(name);
        QFile file(folder + u'/' + Licence);
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            file.write(rtf) != rtf.size())
            fail(u"cannot write %1"_s.arg(file.fileName()));
        return folder;
    }

    // Loads the licence of `d`'s folder into the box, as the window's load
    // does, and notes the time to the end of the repaint and to the next
    // event answered.
    void show(Document& d)
    {
        box->clear();
        QCoreApplication::processEvents();
        watch.painted = false;
        const int64_t start = bench::monotonicNs();
        const int64_t startCpu = bench::processCpuNs();
        box->loadDocument(d.folder, Licence);
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const int64_t shown = bench::monotonicNs();
        d.wall.push_back(bench::ms(shown - start));
        d.cpu.push_back(bench::ms(bench::processCpuNs() - startCpu));

        bool answered = false;
        QTimer::singleShot(0, [&answered] { answered = true; });
        while (!answered)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        d.answer.push_back(bench::ms(bench::monotonicNs() - shown));
    }
};

void print(const char* what, const std::vector<double>& v, double floorMedian)
{
    const bench::Figures f = bench::figuresOf(v);
    std::printf("    %-8s min %8.1f  median %8.1f  max %8.1f ms", what, f.min, f.median, f.max);
    if (floorMedian > 0)
        std::printf("   x%.1f the floor", f.median / floorMedian);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    const bench::Options options = bench::parseOptions(argc, argv, 10);
    if (!options.ok)
        return 2;
    const int rounds = options.rounds;
    const bool smoke = options.smoke;
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    ui::installFonts();
    Bench b;

    std::vector<Document> documents;
    documents.push_back(
        {u"shipped licence (floor)"_s, QStringLiteral(BENCH_DOCUMENTS_DIR), {}, {}, {}});
    for (const char* name : {"hostile_bigfont.rtf", "hostile_spacing.rtf"}) {
        QFile file(QStringLiteral(BENCH_FUZZ_CORPUS_DIR "/") + QLatin1StringView(name));
        if (!file.open(QIODevice::ReadOnly))
            fail(u"cannot read %1"_s.arg(file.fileName()));
        const QString n = QString::fromLatin1(name);
        documents.push_back({n, b.folderWith(n, file.readAll()), {}, {}, {}});
    }
    for (const hostile::Document& d : hostile::generated())
        documents.push_back({d.name, b.folderWith(d.name, d.rtf), {}, {}, {}});

    for (int r = 0; r < (smoke ? 0 : 1) + rounds; ++r) {
        for (Document& d : documents)
            b.show(d);
        if (r == 0 && !smoke) {
            for (Document& d : documents) // the first round warms the caches
                d.wall.clear(), d.cpu.clear(), d.answer.clear();
        }
    }

    std::printf("\nShowing a document in the About box (%s), %d rounds\n",
                qPrintable(QGuiApplication::platformName()), rounds);
    std::printf("  load to the end of the repaint (wall, and processor time), then the next "
                "event answered:\n");
    const double floorWall = bench::figuresOf(documents[0].wall).median;
    const double floorCpu = bench::figuresOf(documents[0].cpu).median;
    for (const Document& d : documents) {
        std::printf("  %s\n", qPrintable(d.name));
        print("wall", d.wall, &d == &documents[0] ? 0 : floorWall);
        print("cpu", d.cpu, &d == &documents[0] ? 0 : floorCpu);
        print("answer", d.answer, 0);
    }
    return 0;
}
