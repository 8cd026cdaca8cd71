// Filling a view's list of 2,000 objects with a long filter pattern: the whole fill (reload, symbol paths,
// filter, list items) with no filter and with a 10,000-character pattern, and, for scale, the filter test
// of those 2,000 names when the pattern is compiled again for every name.
#include "stockpile/ListFilter.h"
#include "stockpile/Wildcard.h"
#include "support/StockpileHarness.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kv380;
using namespace kv380::test;

constexpr int kObjects = 2'000;

std::string objectName(int i) {
    return "P-" + std::to_string(10'000 + i);
}

// A pattern of 10,000 characters that every name passes: "P-" and then stars.
std::string longPattern() {
    std::string pattern = "P-";
    while (pattern.size() < 10'000) {
        pattern += "*";
    }
    return pattern;
}

// The panel showing one view of 2,000 objects, filled once.
struct Panel {
    Panel() {
        FakeHost::Builder builder;
        builder.organisation("Process").view("All Objects", "PFD").symbolFile("Pumps\\Pump.sym");
        for (int i = 0; i < kObjects; ++i) {
            builder.object({.id = std::to_string(i + 1), .key = objectName(i), .symbol = "Pumps\\Pump.sym"});
        }
        harness = std::make_unique<StockpileHarness>(builder);
        harness->attachAndOpen();
        harness->selectTab(2);
    }
    void fill() {
        harness->control->RefreshSymbols();
        harness->host.completeLoads();
    }
    std::unique_ptr<StockpileHarness> harness;
};

void BM_FillWithoutFilter(benchmark::State& state) {
    Panel panel;
    for (auto _ : state) {
        panel.fill();
    }
    if (panel.harness->list(1).itemCount() != kObjects) {
        state.SkipWithError("not every object was listed");
    }
}
BENCHMARK(BM_FillWithoutFilter)->Unit(benchmark::kMillisecond);

void BM_FillWithTenThousandCharacterFilter(benchmark::State& state) {
    Panel panel;
    panel.harness->control->txtFilterBy.setText(longPattern());
    for (auto _ : state) {
        panel.fill();
    }
    if (panel.harness->list(1).itemCount() != kObjects) {
        state.SkipWithError("not every object was listed");
    }
}
BENCHMARK(BM_FillWithTenThousandCharacterFilter)->Unit(benchmark::kMillisecond);

// The filter test alone, the pattern compiled once for the 2,000 names.
void BM_FilterCompiledOnce(benchmark::State& state) {
    const std::string pattern = longPattern();
    for (auto _ : state) {
        const ListFilter filter(pattern);
        int passed = 0;
        for (int i = 0; i < kObjects; ++i) {
            passed += filter.passes(objectName(i)) ? 1 : 0;
        }
        benchmark::DoNotOptimize(passed);
    }
}
BENCHMARK(BM_FilterCompiledOnce)->Unit(benchmark::kMillisecond);

// The same with the pattern compiled for every name.
void BM_FilterCompiledPerName(benchmark::State& state) {
    const std::string pattern = longPattern();
    for (auto _ : state) {
        int passed = 0;
        for (int i = 0; i < kObjects; ++i) {
            passed += passesFilter(objectName(i), pattern) ? 1 : 0;
        }
        benchmark::DoNotOptimize(passed);
    }
}
BENCHMARK(BM_FilterCompiledPerName)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
