// The widget-free work behind the clicks, warm, in a loop: the layout plan of
// the longest remedy, the searches of the pages, the suggestions of a letter,
// and the glossary lookup behind the sheets' definitions (built once at
// start, asked at each hover). What a person waits for is measured by bench_clicks; these say how
// much of it is the work itself.
//   bench_core [--smoke] [Google Benchmark's options]
#include "browse/browsecore.h"
#include "glossary/termlookup.h"
#include "keywordsearch/keywordsearchcore.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "sheet/indications.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Tables
{
    std::unique_ptr<refdata::RemedyTable> remedies = std::make_unique<refdata::RemedyTable>();
    refdata::KeywordList words;
    int longest = 0;
    Tables()
    {
        refdata::LoadRemedyTable(*remedies);
        refdata::LoadKeywordList(words);
        for (int i = 0; i < remedies->count; ++i) {
            if (remedies->indications[i].size() > remedies->indications[longest].size())
                longest = i;
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

void layoutPlanLongest(benchmark::State& state)
{
    const Tables& t = tables();
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet::formatIndications(t.remedies->indications[t.longest]));
    state.SetLabel(t.remedies->latinName[t.longest].toStdString());
}

void wordSearchNerf(benchmark::State& state)
{
    const QString word = u"nerf"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(browse::remediesWithWord(*tables().remedies, word));
}

void specialtySearchNervousSystem(benchmark::State& state)
{
    const QString specialty = u"Système nerveux"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(browse::remediesInSpecialty(*tables().remedies, specialty));
}

void suggestionsOfA(benchmark::State& state)
{
    const QString typed = u"a"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(keywordsearch::suggestions(tables().words, typed));
}

void twoWordSearchNerfPeau(benchmark::State& state)
{
    const QString w1 = u"nerf"_s, w2 = u"peau"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(keywordsearch::searchTwoWords(*tables().remedies, w1, w2));
}

void glossaryLookupBuilt(benchmark::State& state)
{
    for (auto _ : state) {
        auto table = std::make_unique<refdata::GlossaryTable>();
        refdata::LoadGlossary(*table);
        benchmark::DoNotOptimize(glossary::TermLookup(*table));
    }
}

// A hover asks for the word under the pointer: here, each word of the longest
// text in turn; the figure is per word.
void termUnderEachWordOfLongest(benchmark::State& state)
{
    auto table = std::make_unique<refdata::GlossaryTable>();
    refdata::LoadGlossary(*table);
    const glossary::TermLookup lookup(*table);
    const QString& text = tables().remedies->indications[tables().longest];
    QList<qsizetype> starts;
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k].isLetter() && (k == 0 || !text[k - 1].isLetter()))
            starts << k;
    }
    for (auto _ : state) {
        for (qsizetype k : starts)
            benchmark::DoNotOptimize(lookup.termAt(text, k + 1));
    }
    state.SetItemsProcessed(state.iterations() * starts.size());
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--smoke")) {
            smoke = true;
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    const std::pair<const char*, void (*)(benchmark::State&)> all[] = {
        {"LayoutPlanLongest", layoutPlanLongest},
        {"WordSearchNerf", wordSearchNerf},
        {"SpecialtySearchNervousSystem", specialtySearchNervousSystem},
        {"SuggestionsOfA", suggestionsOfA},
        {"TwoWordSearchNerfPeau", twoWordSearchNerfPeau},
        {"GlossaryLookupBuilt", glossaryLookupBuilt},
        {"TermUnderEachWordOfLongest", termUnderEachWordOfLongest},
    };
    for (const auto& [name, fn] : all) {
        auto* b = benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMicrosecond);
        if (smoke)
            b->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
