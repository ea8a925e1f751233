// One click on the pages "Symptômes" and "Spécialités", measured with the real
// widgets of a whole main window (offscreen): the click's handler, then the
// deferred step that follows it 10 ms later, run at once here.
#include "benchwindow.h"
#include "browse/browsecore.h"
#include "browse/keywordpage.h"
#include "browse/specialtypage.h"

#include <benchmark/benchmark.h>

namespace {

mainwin::MainWindow* window = nullptr;

// Picks `item` in `list` as a person's click does, so that the page's handler runs.
void click(ui::ListBox* list, QListWidgetItem* item)
{
    list->clearSelection();
    list->setCurrentItem(item);
}

QListWidgetItem* entry(ui::ListBox* list, const QString& text)
{
    return list->findItems(text, Qt::MatchExactly).value(0);
}

} // namespace

// The word "nerf": 84 remedies listed, the first shown and laid out, the word
// coloured in its body.
static void WordClickNerf(benchmark::State& state)
{
    browse::KeywordPage* page = window->keywordPage;
    window->showPage(1);
    QListWidgetItem* word = entry(page->words, QStringLiteral("nerf"));
    for (auto _ : state) {
        click(page->words, word);
        page->onDeferredStep();
        benchmark::DoNotOptimize(page->remedies->count());
    }
    if (page->remedies->count() != 84)
        state.SkipWithError("the word did not list its 84 remedies");
}
BENCHMARK(WordClickNerf)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The specialty "Système nerveux": 88 remedies listed, the first shown and laid out.
static void SpecialtyClickNervousSystem(benchmark::State& state)
{
    browse::SpecialtyPage* page = window->specialtyPage;
    window->showPage(2);
    QListWidgetItem* specialty = entry(page->specialties, QStringLiteral("Système nerveux"));
    for (auto _ : state) {
        click(page->specialties, specialty);
        page->onDeferredStep();
        benchmark::DoNotOptimize(page->remedies->count());
    }
    if (page->remedies->count() != 88)
        state.SkipWithError("the specialty did not list its 88 remedies");
}
BENCHMARK(SpecialtyClickNervousSystem)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The searches alone, without widgets.
static void WordSearchCoreNerf(benchmark::State& state)
{
    const QString word = QStringLiteral("nerf");
    for (auto _ : state)
        benchmark::DoNotOptimize(browse::remediesWithWord(window->table(), word));
}
BENCHMARK(WordSearchCoreNerf)->Unit(benchmark::kMicrosecond);

static void SpecialtySearchCoreNervousSystem(benchmark::State& state)
{
    const QString specialty = QStringLiteral("Système nerveux");
    for (auto _ : state)
        benchmark::DoNotOptimize(browse::remediesInSpecialty(window->table(), specialty));
}
BENCHMARK(SpecialtySearchCoreNervousSystem)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runWithMainWindow(argc, argv, window);
}
