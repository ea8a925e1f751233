#pragma once

// What the page benchmarks share: a whole main window, loaded as at start,
// on the offscreen platform unless another is asked for.
#include "mainwin/mainwindow.h"
#include "ui/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

// Builds the window, hands it to `use`, then runs the registered benchmarks.
inline int runWithMainWindow(int argc, char** argv, mainwin::MainWindow*& use)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFonts();
    auto w = std::make_unique<mainwin::MainWindow>(
        mainwin::ProgramValues{QStringLiteral("./"), QStringLiteral("1.40"), QString()});
    w->load();
    w->startupTimer->stop();
    w->startupStep();
    use = w.get();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
