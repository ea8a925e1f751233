// A click in the remedy list: the sheet filled and its indications laid out.
#include "mainwin/indications.h"
#include "mainwin/remedysheet.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

using namespace mainwin;

namespace {

struct Fixture
{
    std::unique_ptr<refdata::RemedyTable> table = std::make_unique<refdata::RemedyTable>();
    QWidget page;
    RemedySheet* sheet = nullptr;
    int longest = 0;

    Fixture()
    {
        refdata::LoadRemedyTable(*table);
        sheet = new RemedySheet(&page, 0);
        for (int i = 0; i < table->count; ++i) {
            if (table->indications[i].size() > table->indications[longest].size())
                longest = i;
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// The layout done step by step on the box itself, one text replacement per
// heading found, as a first version did it.
void formatStepByStep(ui::RichTextBox* body)
{
    QString t = body->text();
    body->setText(t);
    for (const QString& h : headingList()) {
        const int f = body->find(h, 0);
        if (f > 0) {
            t = t.left(f) + QStringLiteral("\r\n\r\n") + t.mid(f);
            body->setText(t);
        }
    }
    for (const QString& h : emphasisOrder()) {
        if (body->find(h, 0) >= 0) {
            body->setSelectionColor(HeadingColor);
            body->setSelectionEmphasis(true);
        }
    }
}

} // namespace

static void ShowEveryRemedy(benchmark::State& state)
{
    Fixture& f = fixture();
    int i = 0;
    for (auto _ : state) {
        f.sheet->showRemedy(*f.table, i);
        f.sheet->timer->stop();
        i = (i + 1) % f.table->count;
    }
}
BENCHMARK(ShowEveryRemedy)->Unit(benchmark::kMicrosecond);

static void ShowLongestRemedy(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sheet->showRemedy(*f.table, f.longest);
        f.sheet->timer->stop();
    }
    state.SetLabel(f.table->latinName[f.longest].toStdString());
}
BENCHMARK(ShowLongestRemedy)->Unit(benchmark::kMicrosecond);

static void LayoutPlanOnlyLongest(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatIndications(f.table->indications[f.longest]));
}
BENCHMARK(LayoutPlanOnlyLongest)->Unit(benchmark::kMicrosecond);

static void StepByStepLongest(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sheet->fill(*f.table, f.longest, f.table->latinName[f.longest]);
        formatStepByStep(f.sheet->body);
    }
}
BENCHMARK(StepByStepLongest)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
