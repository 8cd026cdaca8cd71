// Listing a view's objects: from the host's "objects loaded" to the list filled (symbol paths checked, items
// added), through the real control on the fake host with its call log switched off, so that the host's own
// cost is left out. Every object's symbol is already absolute and exists (200 symbol files in 10 folders).
// - Headless, at 10,000, 100,000 and 1,000,000 objects: the time per object shows whether the fill is linear.
// - Through the Qt renderer at 100,000 objects, until the panel is painted, against a plain QListWidget of
//   the same texts filled item by item and painted, in the same run; once more with an item icon source
//   installed (its pictures are drawn on workers and arrive after the paint: the fill must not wait for
//   them).
// Each iteration starts from an empty list (cleared outside the timing). The heap each fill keeps is reported
// per 100,000 objects.
#include "BenchSupport.h"
#include "QtBenchMain.h"
#include "qt/FormView.h"
#include "qt/ItemIconSource.h"
#include "qt/QtDesktop.h"
#include "support/StockpileHarness.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QListWidget>
#include <QStyle>

#include <benchmark/benchmark.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kv380;

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 20;

std::string symbolFile(int n) {
    std::string path = "Group";
    path.append(std::to_string(n % kFolders)).append("\\S").append(std::to_string(n)).append(".sym");
    return path;
}

std::string objectKey(int n) {
    std::string key = "P-";
    key.append(std::to_string(100000 + n));
    return key;
}

// The control on a host whose one view holds `count` objects with absolute symbol paths, its view tab
// selected and its list filled once.
class ListedView {
public:
    explicit ListedView(int count) : m_harness(builder()), m_count(count) {
        const auto objects = m_harness.host.objects("By Plot Area", "All Objects");
        for (int i = 0; i < count; ++i) {
            objects->add({.id = std::to_string(i + 1),
                          .key = objectKey(i),
                          .symbol = m_harness.host.symbolPath(symbolFile(i % (kFolders * kFilesPerFolder)))});
        }
        m_harness.host.ledger()->setQuiet(true);
        m_harness.attachAndOpen();
        m_harness.selectTab(2);
        check();
    }

    // Empties the list and asks the host for the objects again; fill() lists them.
    void prepare() {
        list().clearItems();
        m_harness.control->RefreshSymbols();
    }
    void fill() { m_harness.host.completeLoads(); }
    void check() const {
        const ui::RWListView& shown = list();
        if (shown.itemCount() != m_count ||
            (m_count > 0 && shown.item(m_count).text != objectKey(m_count - 1))) {
            bench::fail("the list does not hold the view's objects");
        }
    }

    ui::RWListView& list() const { return m_harness.list(1); }
    ctlStockpile& control() { return *m_harness.control; }
    // The view as the host hands it over.
    std::shared_ptr<IKVView> hostView() const { return m_harness.host.view("By Plot Area", "All Objects"); }

private:
    static test::FakeHost::Builder builder() {
        test::FakeHost::Builder b;
        b.organisation("By Plot Area").view("All Objects", "PFD");
        for (int n = 0; n < kFolders * kFilesPerFolder; ++n) {
            b.symbolFile(symbolFile(n));
        }
        return b;
    }

    test::StockpileHarness m_harness;
    int m_count;
};

void reportHeap(benchmark::State& state, std::size_t before, std::size_t after, int objects) {
    const double perObject = (static_cast<double>(after) - static_cast<double>(before)) / objects;
    state.counters["heap_MB_per_100k"] = perObject * 100000 / (1024.0 * 1024.0);
}

void BM_ListHeadless(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ListedView view(count);
    std::size_t before = 0;
    std::size_t after = 0;
    for (auto _ : state) {
        view.prepare();
        before = bench::heapInUse();
        const bench::Stopwatch watch;
        view.fill();
        state.SetIterationTime(watch.seconds());
        after = bench::heapInUse();
    }
    view.check();
    reportHeap(state, before, after, count);
    state.counters["objects"] = count;
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ListHeadless)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// What a fill cannot do without: each object read through the host's interface as the fill reads it (its
// symbol twice: once to check the path, once to list it), nothing kept. The baseline of the fill's growth
// per object from 10,000 to 1,000,000 objects, which comes from the memory the objects take, not from the
// work per object.
void BM_ReadHostObjects(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ListedView view(count);
    const auto objects = view.hostView()->PresentedObjects();
    std::size_t characters = 0;
    for (auto _ : state) {
        const bench::Stopwatch watch;
        const int32_t n = objects->Count();
        for (int32_t i = 1; i <= n; ++i) {
            const auto object = objects->Item(i);
            characters += object->Symbol().size() + object->ObjectKey().size() + object->Symbol().size() +
                          object->ObjectType().size() + object->ObjectId().size() +
                          object->MapSymbol().size();
        }
        state.SetIterationTime(watch.seconds());
    }
    benchmark::DoNotOptimize(characters);
    state.counters["objects"] = count;
}
BENCHMARK(BM_ReadHostObjects)->Arg(10'000)->Arg(1'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr int kQtObjects = 100'000;
const QSize kPanelSize(800, 600);

// A picture of one colour per key, as cheap to draw as a picture gets.
class ColourIcons : public qt::ItemIconSource {
public:
    QImage itemIcon(const std::string& key, QSize pixelSize) const override {
        ++asked;
        QImage picture(pixelSize, QImage::Format_ARGB32_Premultiplied);
        picture.fill(QColor::fromRgb(static_cast<QRgb>(std::hash<std::string>{}(key))));
        return picture;
    }
    // Pictures asked for: shows that the paints measured did reach the source.
    mutable std::atomic<int> asked{0};
};

void listQt(benchmark::State& state, bool withIcons) {
    ListedView view(kQtObjects);
    ui::setCurrentDesktop(std::make_shared<qt::QtDesktop>());
    QWidget window;
    auto* rendered = new qt::FormView(view.control(), &window);
    const auto icons = std::make_shared<ColourIcons>();
    if (withIcons) {
        rendered->setItemIconSource(icons);
    }
    window.resize(kPanelSize);
    rendered->resize(kPanelSize);
    window.show();
    const auto paint = [&] {
        QCoreApplication::processEvents();
        window.repaint();
    };
    paint();
    if (qobject_cast<QListView*>(rendered->widgetFor(view.list())) == nullptr) {
        bench::fail("the list has no list view");
    }
    std::size_t before = 0;
    std::size_t after = 0;
    for (auto _ : state) {
        view.prepare();
        paint();
        before = bench::heapInUse();
        const bench::Stopwatch watch;
        view.fill();
        paint();
        state.SetIterationTime(watch.seconds());
        after = bench::heapInUse();
    }
    view.check();
    reportHeap(state, before, after, kQtObjects);
    state.SetItemsProcessed(state.iterations() * kQtObjects);
    if (withIcons) {
        if (icons->asked == 0) {
            bench::fail("the paints never asked the icon source for a picture");
        }
        state.counters["pictures_asked"] = static_cast<double>(icons->asked.load());
    }
    rendered->detach();
    ui::setCurrentDesktop(nullptr);
}

void BM_ListQt(benchmark::State& state) {
    listQt(state, false);
}
BENCHMARK(BM_ListQt)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ListQtWithIcons(benchmark::State& state) {
    listQt(state, true);
}
BENCHMARK(BM_ListQtWithIcons)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PlainListWidget(benchmark::State& state) {
    std::vector<QString> texts;
    texts.reserve(kQtObjects);
    for (int i = 0; i < kQtObjects; ++i) {
        texts.push_back(QString::fromStdString(objectKey(i)));
    }
    QWidget window;
    auto* widget = new QListWidget(&window);
    widget->setViewMode(QListView::IconMode);
    widget->setMovement(QListView::Static);
    widget->setResizeMode(QListView::Adjust);
    window.resize(kPanelSize);
    widget->resize(kPanelSize);
    window.show();
    const QIcon icon = widget->style()->standardIcon(QStyle::SP_FileIcon);
    std::size_t before = 0;
    std::size_t after = 0;
    for (auto _ : state) {
        widget->clear();
        QCoreApplication::processEvents();
        before = bench::heapInUse();
        const bench::Stopwatch watch;
        for (const QString& text : texts) {
            widget->addItem(new QListWidgetItem(icon, text));
        }
        QCoreApplication::processEvents();
        window.repaint();
        state.SetIterationTime(watch.seconds());
        after = bench::heapInUse();
    }
    if (widget->count() != kQtObjects) {
        bench::fail("the list widget does not hold the items");
    }
    reportHeap(state, before, after, kQtObjects);
    state.SetItemsProcessed(state.iterations() * kQtObjects);
}
BENCHMARK(BM_PlainListWidget)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return kv380::bench::runQtBenchmarks(argc, argv);
}
