// The page "Mots-clés", measured with the real widgets of a whole main window
// (offscreen): a keystroke in a word field with its suggestion rebuild, and a
// search with the deferred step that follows it 10 ms later, run at once here.
#include "benchwindow.h"
#include "wordsearch/wordsearchcore.h"
#include "wordsearch/wordsearchpage.h"

#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

mainwin::MainWindow* window = nullptr;

void press(QWidget* target, int key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &up);
}

} // namespace

// Keystrokes in the first field, between "a" (97 suggestions, the longest list
// a letter brings) and "ab" (4): each one rebuilds the list.
static void KeystrokeInFirstWord(benchmark::State& state)
{
    wordsearch::WordSearchPage* page = window->wordSearchPage;
    window->showPage(3);
    page->word1->setText(QStringLiteral("a"));
    bool extend = true;
    for (auto _ : state) {
        if (extend)
            press(page->word1, Qt::Key_B, QStringLiteral("b"));
        else
            press(page->word1, Qt::Key_Backspace, QString());
        extend = !extend;
        benchmark::DoNotOptimize(page->suggestions1->count());
    }
    if (page->suggestions1->count() != 97 && page->suggestions1->count() != 4)
        state.SkipWithError("the keystrokes did not rebuild the suggestions");
}
BENCHMARK(KeystrokeInFirstWord)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// "nerf" and "peau": 84 candidates, 15 remedies listed, the first shown and
// laid out, then both words coloured in its body.
static void SearchNerfPeau(benchmark::State& state)
{
    wordsearch::WordSearchPage* page = window->wordSearchPage;
    window->showPage(3);
    page->word1->setText(QStringLiteral("nerf"));
    page->word2->setText(QStringLiteral("peau"));
    for (auto _ : state) {
        page->runSearch();
        page->deferredStep();
        benchmark::DoNotOptimize(page->remedies->count());
    }
    if (page->remedies->count() != 15)
        state.SkipWithError("the search did not list its 15 remedies");
}
BENCHMARK(SearchNerfPeau)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The search's handler alone, without its deferred step.
static void SearchNerfPeauHandlerOnly(benchmark::State& state)
{
    wordsearch::WordSearchPage* page = window->wordSearchPage;
    window->showPage(3);
    page->word1->setText(QStringLiteral("nerf"));
    page->word2->setText(QStringLiteral("peau"));
    for (auto _ : state) {
        page->runSearch();
        benchmark::DoNotOptimize(page->remedies->count());
    }
    page->sheet->timer->stop();
}
BENCHMARK(SearchNerfPeauHandlerOnly)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same work without widgets.
static void SuggestionsCoreA(benchmark::State& state)
{
    const QString typed = QStringLiteral("a");
    for (auto _ : state)
        benchmark::DoNotOptimize(wordsearch::suggestions(window->keywords(), typed));
}
BENCHMARK(SuggestionsCoreA)->Unit(benchmark::kMicrosecond);

static void SearchCoreNerfPeau(benchmark::State& state)
{
    const QString w1 = QStringLiteral("nerf"), w2 = QStringLiteral("peau");
    for (auto _ : state)
        benchmark::DoNotOptimize(wordsearch::searchTwoWords(window->table(), w1, w2));
}
BENCHMARK(SearchCoreNerfPeau)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runWithMainWindow(argc, argv, window);
}
