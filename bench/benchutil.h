#pragma once

// What the benchmarks share: a monotonic clock that every process on the
// machine reads alike, the figures of a series, and fresh child processes with
// their peak memory.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

// Nanoseconds on CLOCK_MONOTONIC. The clock is the same in every process, so a
// time taken by a launcher just before it forks can be subtracted from a time
// taken in the child it starts.
int64_t monotonicNs();

// Nanoseconds of processor time this process has used, all threads together.
// On a machine busy with other work it tells what the wall time cannot.
int64_t processCpuNs();

inline double ms(int64_t ns)
{
    return double(ns) / 1e6;
}

struct Figures
{
    double min = 0;
    double median = 0;
    double max = 0;
};

Figures figuresOf(std::vector<double> values);

// The command line every benchmark takes: `--rounds N` (at least one) and
// `--smoke` (one round, for the test suite), and `--compare PROGRAM` where
// the benchmark has a program to compare. `ok` is false, the usage printed,
// on anything else.
struct Options
{
    bool ok = true;
    int rounds = 0;
    bool smoke = false;
    std::string compare;
};
Options parseOptions(int argc, char** argv, int defaultRounds, bool takesCompare = false);

// Without a display and a platform asked for, the windows go offscreen.
void offscreenWithoutDisplay();

// A child process run to its end.
struct ChildRun
{
    bool ok = false;     // exited with 0 and reported a line
    std::string report;  // what it wrote on its report channel
    long peakRssKiB = 0; // its peak resident memory (ru_maxrss)
    double cpuMs = 0;    // its processor time, user and system
    int64_t spawnNs = 0; // the monotonic time taken just before the fork
};

// Starts `argv` in `folder` with `extraEnv` added (each "NAME=value"), hands it
// a report channel on file descriptor 3 (BENCH_REPORT_FD=3) and the time taken
// just before the fork (BENCH_SPAWN_NS), waits at most `timeoutMs` for it to
// end (it is killed past that) and collects its peak memory. Its standard
// output and error go to /dev/null unless BENCH_VERBOSE is set.
ChildRun runChild(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                  const std::string& folder, int timeoutMs);

// The report channel a launcher handed to this process, or standard output.
int reportFd();

// Splits "key=value key=value" into the value of `key`, or `fallback`.
double reportValue(const std::string& report, const std::string& key, double fallback = -1);

// The monotonic time just before this process was forked, when a launcher
// passed it; 0 otherwise.
int64_t spawnNs();

} // namespace bench
