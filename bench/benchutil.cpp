#include "benchutil.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int64_t processCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

Options parseOptions(int argc, char** argv, int defaultRounds, bool takesCompare)
{
    Options o;
    o.rounds = defaultRounds;
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (!std::strcmp(argv[i], "--smoke")) {
            o.smoke = true;
        } else if (!std::strcmp(argv[i], "--rounds") && valued) {
            o.rounds = std::max(1, std::atoi(argv[++i]));
        } else if (takesCompare && !std::strcmp(argv[i], "--compare") && valued) {
            o.compare = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--rounds N] [--smoke]%s\n", argv[0],
                         takesCompare ? " [--compare PROGRAM]" : "");
            o.ok = false;
            return o;
        }
    }
    if (o.smoke)
        o.rounds = 1;
    return o;
}

void offscreenWithoutDisplay()
{
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    if (unset("QT_QPA_PLATFORM") && unset("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

Figures figuresOf(std::vector<double> values)
{
    Figures f;
    if (values.empty())
        return f;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    f.min = values.front();
    f.max = values.back();
    f.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return f;
}

ChildRun runChild(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                  const std::string& folder, int timeoutMs)
{
    ChildRun run;
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return run;

    // Everything the child needs is built before the clock is read, so that
    // the time between the reading and the exec is the fork alone.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "BENCH_REPORT_FD=", 16) != 0 &&
            std::strncmp(*e, "BENCH_SPAWN_NS=", 15) != 0)
            env.emplace_back(*e);
    }
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    env.emplace_back("BENCH_REPORT_FD=3");
    env.emplace_back("BENCH_SPAWN_NS=0000000000000000000"); // the time is written in place below
    std::vector<char*> args, envp;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;

    run.spawnNs = monotonicNs();
    std::snprintf(envp[env.size() - 1] + 15, 20, "%019lld", static_cast<long long>(run.spawnNs));
    const pid_t pid = fork();
    if (pid < 0) {
        close(channel[0]);
        close(channel[1]);
        return run;
    }
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        if (dup2(channel[1], 3) < 0)
            _exit(127);
        if (!verbose) {
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, 1);
                dup2(null, 2);
            }
        }
        if (!folder.empty() && chdir(folder.c_str()) != 0)
            _exit(127);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    close(channel[1]);

    const int64_t deadline = monotonicNs() + int64_t(timeoutMs) * 1000000;
    char buffer[512];
    bool timedOut = false;
    for (;;) {
        const int64_t left = (deadline - monotonicNs()) / 1000000;
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{channel[0], POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            timedOut = true;
            break;
        }
        const ssize_t got = read(channel[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        run.report.append(buffer, size_t(got));
    }
    close(channel[0]);
    if (timedOut)
        kill(pid, SIGKILL);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.peakRssKiB = usage.ru_maxrss;
    run.cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    while (!run.report.empty() && (run.report.back() == '\n' || run.report.back() == ' '))
        run.report.pop_back();
    run.ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0 && !run.report.empty();
    return run;
}

int reportFd()
{
    const char* fd = std::getenv("BENCH_REPORT_FD");
    return fd ? std::atoi(fd) : 1;
}

double reportValue(const std::string& report, const std::string& key, double fallback)
{
    const std::string token = key + '=';
    size_t at = 0;
    while ((at = report.find(token, at)) != std::string::npos) {
        if (at == 0 || report[at - 1] == ' ' || report[at - 1] == '\n')
            return std::strtod(report.c_str() + at + token.size(), nullptr);
        at += token.size();
    }
    return fallback;
}

int64_t spawnNs()
{
    const char* at = std::getenv("BENCH_SPAWN_NS");
    return at ? std::strtoll(at, nullptr, 10) : 0;
}

} // namespace bench
