// From exec to the end of the first complete paint of the main window, in fresh
// processes, against two floors built here: a bare Qt window of the same size,
// and the same window showing one label of text. The three programs run round
// by round, in a rotating order, so that whatever the machine is doing weighs
// on all three alike; each round gives the ratios of Vitralis to the floors.
//
// Every program carries the paint probe (paintprobe.cpp), which reports the
// end of its first complete paint on CLOCK_MONOTONIC; this launcher reads the
// same clock just before it forks, so the difference runs from the exec (plus
// a fork of this small process, alike for all three). The peak resident memory
// is the child's ru_maxrss, the child ending right after its first paint.
//
// Vitralis waits 300 ms on purpose before it shows anything: the 100 ms
// handover of the start-up stage, then the 200 ms start-up step. Its time is
// given with them and without them (less 300 ms); the ratios use the latter.
//
//   bench_startup [--rounds N] [--smoke] [--compare PROGRAM]
// With --compare, another build of the program (made with the paint probe, as
// bench_startup_vitralis is) joins the rotation, so that a change is measured
// against the program before it in one run. It
// runs on the offscreen platform and, when DISPLAY is set, on X11 as well
// (run it under xvfb-run for a display of its own).
#include "benchutil.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace bench;

namespace {

constexpr double FixedTimersMs = 100 + 200;

struct Program
{
    const char* name;
    std::string path;
    double fixedMs;
};

struct Sample
{
    double paintEnd = 0; // ms from exec
    double rssMiB = 0;
    double cpuMs = 0;
    std::string report;
};

// Empties the runtime folder: a lock left by a child that ended without
// tear-down would cost the next one a stale-lock check that a person's start
// does not have.
void emptyFolder(const std::string& folder)
{
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                unlink((folder + '/' + e->d_name).c_str());
        }
        closedir(d);
    }
}

// A runtime folder of its own, in memory as a session's /run/user folder is:
// on a disk, the lock's sync to the disk would weigh on the start.
std::string privateRuntimeFolder()
{
    for (const char* base : {"/dev/shm", "/tmp"}) {
        std::string folder = std::string(base) + "/vitralis-bench-XXXXXX";
        if (mkdtemp(folder.data()))
            return folder;
    }
    return {};
}

bool runOne(const Program& p, const std::string& platform, const std::string& runtime, Sample& out)
{
    std::vector<std::string> env{"QT_QPA_PLATFORM=" + platform};
    // Vitralis keeps its single-instance lock in the runtime folder: a folder of
    // its own keeps a copy started elsewhere from turning this one away.
    if (!runtime.empty())
        env.push_back("XDG_RUNTIME_DIR=" + runtime);
    const ChildRun run = runChild({p.path}, env, BENCH_DOCUMENTS_DIR, 20000);
    if (!runtime.empty())
        emptyFolder(runtime);
    if (!run.ok || reportValue(run.report, "spawn_known") != 1) {
        std::fprintf(stderr,
                     "%s on %s did not report its first paint (rerun with BENCH_VERBOSE=1)\n",
                     p.name, platform.c_str());
        return false;
    }
    out.paintEnd = reportValue(run.report, "paint_end");
    out.rssMiB = double(run.peakRssKiB) / 1024.0;
    out.cpuMs = run.cpuMs;
    out.report = run.report;
    return true;
}

void printFigures(const char* what, const std::vector<double>& values, const char* unit)
{
    const Figures f = figuresOf(values);
    std::printf("  %-44s min %8.3f  median %8.3f  max %8.3f %s\n", what, f.min, f.median, f.max,
                unit);
}

std::string comparedPath;

bool runPlatform(const std::string& platform, int rounds)
{
    std::vector<Program> programs{{"bare", BENCH_BARE, 0},
                                  {"text", BENCH_TEXT, 0},
                                  {"vitralis", BENCH_VITRALIS, FixedTimersMs}};
    if (!comparedPath.empty())
        programs.push_back({"compared", comparedPath, FixedTimersMs});
    const int n = int(programs.size());
    const std::string runtime = privateRuntimeFolder();

    // One unrecorded round brings the files into the page cache.
    for (const Program& p : programs) {
        Sample s;
        if (!runOne(p, platform, runtime, s))
            return false;
    }

    std::printf("\nStart-up on %s: exec to the end of the first complete paint, %d rounds\n",
                platform.c_str(), rounds);
    std::printf("%5s %9s %9s %10s %10s %8s %8s %8s %8s %8s %8s %8s %8s %8s\n", "round", "bare ms",
                "text ms", "vit. ms", "vit.-300", "/text", "/bare", "bare MiB", "text MiB",
                "vit. MiB", "RSS/text", "text cpu", "vit. cpu", "cpu/text");
    std::vector<double> bare, text, vit, vitLess, rText, rBare, rssBare, rssText, rssVit, rssRatio;
    std::vector<double> cpuText, cpuVit, cpuRatio, compared, comparedRatio, comparedRss,
        comparedCpu;
    std::vector<double> tick, shown, exposed, paintBegin, app, textExposed, textApp;
    for (int r = 0; r < rounds; ++r) {
        std::vector<Sample> s(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k) {
            const int i = (r + k) % n;
            if (!runOne(programs[size_t(i)], platform, runtime, s[size_t(i)]))
                return false;
        }
        const double less = s[2].paintEnd - FixedTimersMs;
        bare.push_back(s[0].paintEnd);
        text.push_back(s[1].paintEnd);
        vit.push_back(s[2].paintEnd);
        vitLess.push_back(less);
        rText.push_back(less / s[1].paintEnd);
        rBare.push_back(less / s[0].paintEnd);
        rssBare.push_back(s[0].rssMiB);
        rssText.push_back(s[1].rssMiB);
        rssVit.push_back(s[2].rssMiB);
        rssRatio.push_back(s[2].rssMiB / s[1].rssMiB);
        if (n > 3) {
            compared.push_back(s[3].paintEnd - FixedTimersMs);
            comparedRatio.push_back(less / compared.back());
            comparedRss.push_back(s[3].rssMiB);
            comparedCpu.push_back(s[3].cpuMs);
        }
        cpuText.push_back(s[1].cpuMs);
        cpuVit.push_back(s[2].cpuMs);
        cpuRatio.push_back(s[2].cpuMs / s[1].cpuMs);
        app.push_back(reportValue(s[2].report, "app"));
        tick.push_back(reportValue(s[2].report, "tick"));
        shown.push_back(reportValue(s[2].report, "shown"));
        exposed.push_back(reportValue(s[2].report, "exposed"));
        paintBegin.push_back(reportValue(s[2].report, "paint_begin"));
        textApp.push_back(reportValue(s[1].report, "app"));
        textExposed.push_back(reportValue(s[1].report, "exposed"));
        std::printf("%5d %9.2f %9.2f %10.2f %10.2f %8.3f %8.3f %8.1f %8.1f %8.1f %8.3f %8.1f %8.1f "
                    "%8.3f\n",
                    r + 1, s[0].paintEnd, s[1].paintEnd, s[2].paintEnd, less, rText.back(),
                    rBare.back(), s[0].rssMiB, s[1].rssMiB, s[2].rssMiB, rssRatio.back(),
                    s[1].cpuMs, s[2].cpuMs, cpuRatio.back());
    }
    std::printf("Summary on %s:\n", platform.c_str());
    printFigures("bare window", bare, "ms");
    printFigures("window with one label (text)", text, "ms");
    printFigures("Vitralis, with the 300 ms of fixed timers", vit, "ms");
    printFigures("Vitralis, less the fixed timers", vitLess, "ms");
    printFigures("ratio Vitralis (less timers) / text", rText, "");
    printFigures("ratio Vitralis (less timers) / bare", rBare, "");
    printFigures("peak RSS bare", rssBare, "MiB");
    printFigures("peak RSS text", rssText, "MiB");
    printFigures("peak RSS Vitralis", rssVit, "MiB");
    printFigures("ratio peak RSS Vitralis / text", rssRatio, "");
    printFigures("processor time text", cpuText, "ms");
    printFigures("processor time Vitralis", cpuVit, "ms");
    printFigures("ratio processor time Vitralis / text", cpuRatio, "");
    if (!compared.empty()) {
        printFigures("compared program, less the fixed timers", compared, "ms");
        printFigures("ratio Vitralis / compared program", comparedRatio, "");
        printFigures("peak RSS compared program", comparedRss, "MiB");
        printFigures("processor time compared program", comparedCpu, "ms");
    }
    std::printf("  Vitralis milestones from exec (medians, ms): application %.2f, start-up step "
                "%.2f, shown %.2f, exposed %.2f, first widget painted %.2f, paint end %.2f\n",
                figuresOf(app).median, figuresOf(tick).median, figuresOf(shown).median,
                figuresOf(exposed).median, figuresOf(paintBegin).median, figuresOf(vit).median);
    std::printf("  text floor milestones from exec (medians, ms): application %.2f, exposed %.2f, "
                "paint end %.2f\n",
                figuresOf(textApp).median, figuresOf(textExposed).median, figuresOf(text).median);
    std::fflush(stdout);
    rmdir(runtime.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const bench::Options options = bench::parseOptions(argc, argv, 15, true);
    if (!options.ok)
        return 2;
    const int rounds = options.rounds;
    const bool smoke = options.smoke;
    comparedPath = options.compare;
    bool ok = runPlatform("offscreen", rounds);
    const char* display = std::getenv("DISPLAY");
    if (ok && !smoke && display && *display)
        ok = runPlatform("xcb", rounds);
    return ok ? 0 : 1;
}
