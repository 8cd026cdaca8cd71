// The Symbol Map dialog on a large drawing template, headless: building the folder tree of 10,001 folders
// (half of them read from the disk), opening the dialog on it, and listing a folder of 5,000 symbol files.
#include "SymbolMapWorkload.h"
#include "symbolmap/FolderTree.h"
#include "symbolmap/frmSymbolMap.h"

#include <pugixml.hpp>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using kv380::bench::SymbolMapWorkload;

const SymbolMapWorkload& workload() {
    static const SymbolMapWorkload instance;
    return instance;
}

// The nodes alone: the template read and the disk walked.
void BM_FolderTreeNodes(benchmark::State& state) {
    pugi::xml_document templates;
    templates.load_string(workload().templatesXml().c_str());
    std::size_t nodes = 0;
    for (auto _ : state) {
        nodes = kv380::folderTreeNodes(templates, "PPID", workload().root()).size();
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_FolderTreeNodes)->Unit(benchmark::kMillisecond);

// What the user waits for: Initialise, then the first show (tabs, the tree, the chosen symbols, layout).
void BM_DialogOpensHeadless(benchmark::State& state) {
    workload(); // made once, before anything is timed
    int nodes = 0;
    for (auto _ : state) {
        auto dialog = std::make_unique<kv380::frmSymbolMap>();
        dialog->setStockPile(&workload().stockPile());
        dialog->Initialise(workload().dwgApp(), "47", "PFD", workload().objectSymbol(), "Pump");
        dialog->Show();
        nodes = dialog->TreeView1.nodeCount();
        state.PauseTiming(); // releasing the dialog is not part of opening it
        dialog.reset();
        state.ResumeTiming();
    }
    state.counters["nodes"] = nodes;
}
BENCHMARK(BM_DialogOpensHeadless)->Unit(benchmark::kMillisecond);

// A click on the folder of 5,000 symbol files.
void BM_ListFolderHeadless(benchmark::State& state) {
    kv380::frmSymbolMap dialog;
    dialog.setStockPile(&workload().stockPile());
    dialog.Initialise(workload().dwgApp(), "47", "PFD", workload().objectSymbol(), "Pump");
    dialog.Show();
    for (auto _ : state) {
        dialog.TreeView1.clickNode(SymbolMapWorkload::ManyNodeKey);
        benchmark::DoNotOptimize(dialog.RWListView2.itemCount());
    }
    state.counters["files"] = dialog.RWListView2.itemCount();
}
BENCHMARK(BM_ListFolderHeadless)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
