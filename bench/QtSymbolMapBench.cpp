// The Symbol Map dialog on a large drawing template, through the Qt renderer, offscreen: the dialog opened
// and painted with its tree of 10,001 folders (half of them read from the disk), and a folder of 5,000
// symbol files listed and painted.
#include "QtBenchMain.h"
#include "SymbolMapWorkload.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"
#include "symbolmap/frmSymbolMap.h"

#include <QApplication>
#include <QListView>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using kv380::bench::SymbolMapWorkload;

const SymbolMapWorkload& workload() {
    static const SymbolMapWorkload instance;
    return instance;
}

// Initialise, the first show in its window (tabs, tree, chosen symbols, layout) and the first paint.
void BM_DialogOpensInQt(benchmark::State& state) {
    workload(); // made once, before anything is timed
    for (auto _ : state) {
        auto dialog = std::make_unique<kv380::frmSymbolMap>();
        auto window = std::make_unique<kv380::qt::FormWindow>(*dialog);
        dialog->setStockPile(&workload().stockPile());
        dialog->Initialise(workload().dwgApp(), "47", "PFD", workload().objectSymbol(), "Pump");
        dialog->Show();
        window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming(); // closing the dialog is not part of opening it
        window.reset();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DialogOpensInQt)->Unit(benchmark::kMillisecond);

// Every folder of the tree opened at once and painted: the renderer's share of a tree of 10,001 nodes.
void BM_TreeOpenedInQt(benchmark::State& state) {
    kv380::frmSymbolMap dialog;
    kv380::qt::FormWindow window(dialog);
    dialog.setStockPile(&workload().stockPile());
    dialog.Initialise(workload().dwgApp(), "47", "PFD", workload().objectSymbol(), "Pump");
    dialog.Show();
    auto* tree = qobject_cast<QTreeView*>(window.view().widgetFor(dialog.TreeView1));
    for (auto _ : state) {
        tree->expandAll();
        tree->viewport()->repaint();
        state.PauseTiming();
        tree->collapseAll();
        state.ResumeTiming();
    }
    dialog.Hide();
}
BENCHMARK(BM_TreeOpenedInQt)->Unit(benchmark::kMillisecond);

// A click on the folder of 5,000 symbol files, until the list is laid out and painted.
void BM_ListFolderInQt(benchmark::State& state) {
    kv380::frmSymbolMap dialog;
    kv380::qt::FormWindow window(dialog);
    dialog.setStockPile(&workload().stockPile());
    dialog.Initialise(workload().dwgApp(), "47", "PFD", workload().objectSymbol(), "Pump");
    dialog.Show();
    auto* list = qobject_cast<QListView*>(window.view().widgetFor(dialog.RWListView2));
    for (auto _ : state) {
        dialog.TreeView1.clickNode(SymbolMapWorkload::ManyNodeKey);
        list->doItemsLayout();
        list->viewport()->repaint();
    }
    state.counters["files"] = dialog.RWListView2.itemCount();
    dialog.Hide();
}
BENCHMARK(BM_ListFolderInQt)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return kv380::bench::runQtBenchmarks(argc, argv);
}
