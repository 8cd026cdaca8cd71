// Filling a list of 100,000 items and showing it: the list control rendered by the Qt renderer (a model
// over the runtime's items, uniform item sizes, batched layout, one reset per fill) against a plain
// QListWidget filled item by item, in the same run, offscreen.
#include "platform/ui/Frame.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"

#include <QApplication>
#include <QListView>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kItems = 100000;

// Appended, not added: GCC 12 at -O3 misreads literal + std::string (-Wrestrict).
std::string numbered(const char* prefix, int number) {
    std::string text(prefix);
    text.append(std::to_string(number));
    return text;
}

std::vector<std::string> itemTexts() {
    std::vector<std::string> texts;
    texts.reserve(kItems);
    for (int i = 1; i <= kItems; ++i) {
        texts.push_back(numbered("Object ", i));
    }
    return texts;
}

// Fill and first paint: what a user waits for before the list shows.
void BM_RendererListFill(benchmark::State& state) {
    const std::vector<std::string> texts = itemTexts();
    kv380::ui::UserControl control("ctlStockpile");
    auto& frame = control.add<kv380::ui::Frame>("fraRWLView");
    auto& list = control.addArray<kv380::ui::RWListView>("rwlvStockpile", &frame)[1];
    frame.Move(0, 0, 12000, 9000);
    list.Move(0, 0, 12000, 9000);
    QWidget host;
    auto* view = new kv380::qt::FormView(control, &host);
    host.resize(800, 600);
    host.show();
    auto* widget = qobject_cast<QListView*>(view->widgetFor(list));
    for (auto _ : state) {
        list.beginUpdate();
        list.clearItems();
        for (int i = 0; i < kItems; ++i) {
            list.addItem(numbered("k", i), texts[static_cast<std::size_t>(i)]);
        }
        list.endUpdate();
        widget->doItemsLayout();
        widget->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_RendererListFill)->Unit(benchmark::kMillisecond);

void BM_PlainListWidgetFill(benchmark::State& state) {
    const std::vector<std::string> texts = itemTexts();
    QListWidget widget;
    widget.setViewMode(QListView::IconMode);
    widget.setMovement(QListView::Static);
    widget.setResizeMode(QListView::Adjust);
    widget.resize(800, 600);
    widget.show();
    const QIcon icon = widget.style()->standardIcon(QStyle::SP_FileIcon);
    for (auto _ : state) {
        widget.clear();
        for (int i = 0; i < kItems; ++i) {
            widget.addItem(
                new QListWidgetItem(icon, QString::fromStdString(texts[static_cast<std::size_t>(i)])));
        }
        widget.doItemsLayout();
        widget.viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_PlainListWidgetFill)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
