// Loading the knowledge base as the start-up does: decoding the dictionary and
// the word list, parsing them into their tables and appending the 378 names
// and the words to two lists. The first load in a fresh process (cold: its
// pages, allocator and caches untouched) is set next to the same load repeated
// in that process (warm), process after process.
//
//   bench_refdata [--rounds N] [--smoke]
#include "benchutil.h"
#include "refdata/decoding.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "refdata/resources.h"

#include <QApplication>
#include <QListWidget>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

using namespace bench;
using namespace Qt::StringLiterals;

namespace {

// One load: both tables, with their lists filled. Returns its time in ms.
double loadBoth(QListWidget& names, QListWidget& words)
{
    const int64_t begin = monotonicNs();
    auto table = std::make_unique<refdata::RemedyTable>();
    refdata::KeywordList keywords;
    refdata::LoadRemedyTable(*table, [&](const QString& s) { names.addItem(s); });
    refdata::LoadKeywordList(keywords, [&](const QString& s) { words.addItem(s); });
    const double took = ms(monotonicNs() - begin);
    if (names.count() != table->count)
        _exit(3);
    return took;
}

double decodeDictionary()
{
    const int64_t begin = monotonicNs();
    const QString text = refdata::decodeWindows1252(refdata::embeddedResource(u"DICOHOMEO"_s));
    const double took = ms(monotonicNs() - begin);
    if (text.isEmpty())
        _exit(3);
    return took;
}

// In a fresh process: the first decode or load, then the warm loop.
int child(int argc, char** argv, bool decodeOnly, int warmReps)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window; // never shown, as the main window before its start-up step
    QListWidget names(&window), words(&window);
    std::vector<double> warm;
    double cold = 0;
    int entries = 0;
    if (decodeOnly) {
        cold = decodeDictionary();
        for (int i = 0; i < warmReps; ++i)
            warm.push_back(decodeDictionary());
    } else {
        cold = loadBoth(names, words);
        entries = names.count() + words.count();
        for (int i = 0; i < warmReps; ++i) {
            names.clear();
            words.clear();
            warm.push_back(loadBoth(names, words));
        }
    }
    char line[128];
    const int n = std::snprintf(line, sizeof line, "cold=%.4f warm=%.4f entries=%d\n", cold,
                                figuresOf(warm).median, entries);
    if (n <= 0 || write(reportFd(), line, size_t(n)) < 0)
        return 2;
    return 0;
}

void printLine(const char* what, const std::vector<double>& v, const char* unit)
{
    const Figures f = figuresOf(v);
    std::printf("  %-40s min %8.3f  median %8.3f  max %8.3f %s\n", what, f.min, f.median, f.max,
                unit);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && !std::strcmp(argv[1], "--child"))
        return child(1, argv, !std::strcmp(argv[2], "decode"), std::atoi(argv[3]));
    const bench::Options options = bench::parseOptions(argc, argv, 15);
    if (!options.ok)
        return 2;
    const int rounds = options.rounds;
    const bool smoke = options.smoke;
    const std::string self = "/proc/self/exe";
    char path[4096];
    const ssize_t len = readlink(self.c_str(), path, sizeof path - 1);
    if (len <= 0)
        return 1;
    path[len] = 0;
    const std::string reps = smoke ? "1" : "30";

    for (const char* what : {"load", "decode"}) {
        std::vector<double> cold, warm, ratio;
        int entries = 0;
        for (int r = 0; r < rounds; ++r) {
            const ChildRun run = runChild({path, "--child", what, reps}, {}, {}, 20000);
            if (!run.ok) {
                std::fprintf(stderr, "the %s child failed (rerun with BENCH_VERBOSE=1)\n", what);
                return 1;
            }
            cold.push_back(reportValue(run.report, "cold"));
            warm.push_back(reportValue(run.report, "warm"));
            ratio.push_back(cold.back() / warm.back());
            entries = int(reportValue(run.report, "entries"));
        }
        if (!std::strcmp(what, "load"))
            std::printf("\nBoth tables decoded, parsed and listed (%d list entries)", entries);
        else
            std::printf("\nThe dictionary decoded alone");
        std::printf(", %d fresh processes, each: the first, then the median of %s warm repeats\n",
                    rounds, reps.c_str());
        printLine("cold, first in the process", cold, "ms");
        printLine("warm, repeated in the same process", warm, "ms");
        printLine("ratio cold / warm", ratio, "");
    }
    return 0;
}
