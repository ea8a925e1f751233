// From the program's start to its main window on screen, and the memory it
// takes by then, against a bare Qt Widgets program that shows one empty
// window. Each run is a fresh process on the offscreen platform; the two fixed
// waits of the start (100 ms handover, 200 ms start-up step) are taken off.
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr double FixedWaitsMs = 100 + 200;

// Notes the first time any window is exposed, then ends the process with the
// figures on standard output.
class FirstExposure : public QObject
{
public:
    FirstExposure(QElapsedTimer& clock, double fixed) : m_clock(clock), m_fixed(fixed) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed()) {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%f %ld\n", double(m_clock.nsecsElapsed()) / 1e6 - m_fixed,
                            usage.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);
            }
        }
        return false;
    }

private:
    QElapsedTimer& m_clock;
    double m_fixed;
};

int child(int argc, char** argv, bool vitralis)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    FirstExposure spy(clock, vitralis ? FixedWaitsMs : 0);
    app.installEventFilter(&spy);
    if (!vitralis) {
        QWidget empty;
        empty.resize(936, 733);
        empty.show();
        return QApplication::exec();
    }
    ui::installFonts();
    startup::Starter starter(QDir::currentPath(),
                             QDir::temp().filePath(QStringLiteral("vitralis-bench.lock")));
    if (starter.start() >= 0)
        return 1;
    return QApplication::exec();
}

std::string self;

void runChild(benchmark::State& state, const char* mode)
{
    double memory = 0;
    for (auto _ : state) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QString::fromStdString(self),
                {QStringLiteral("--child"), QString::fromLatin1(mode)});
        p.waitForFinished(20000);
        const QList<QByteArray> figures = p.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 2) {
            state.SkipWithError("the child reported nothing");
            return;
        }
        state.SetIterationTime(figures[0].toDouble() / 1000.0);
        memory = figures[1].toDouble();
    }
    state.counters["peak_rss_MiB"] = memory / 1024.0;
}

void Vitralis(benchmark::State& state)
{
    runChild(state, "vitralis");
}
void BareQtWindow(benchmark::State& state)
{
    runChild(state, "bare");
}

} // namespace

BENCHMARK(Vitralis)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--child")
        return child(argc, argv, std::string(argv[2]) == "vitralis");
    self = argv[0];
    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath().toStdString();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
