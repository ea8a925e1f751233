// Loading the knowledge base at start: decoding plus one pass over each table.
#include "refdata/decoding.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "refdata/resources.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace refdata;

static void DecodeDictionary(benchmark::State& state)
{
    const QByteArray bytes = embeddedResource(QStringLiteral("DICOHOMEO"));
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeWindows1252(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(DecodeDictionary);

// The whole start-up load: both tables, with their lists filled.
static void LoadBothTables(benchmark::State& state)
{
    auto table = std::make_unique<RemedyTable>();
    KeywordList words;
    for (auto _ : state) {
        QStringList names, listed;
        names.reserve(RemedyTable::Slots);
        LoadRemedyTable(*table, [&](const QString& s) { names << s; });
        LoadKeywordList(words, [&](const QString& s) { listed << s; });
        benchmark::DoNotOptimize(names.size() + listed.size());
    }
}
BENCHMARK(LoadBothTables)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
