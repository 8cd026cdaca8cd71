// Rebuilding the view tabs of a 600-view organisation through the real control and the Qt renderer,
// offscreen, against a bare QTabBar given the same tabs in the same run:
// - a page switch from page 1 to page 2 (254 view tabs after the Options tab), from the "2" typed into the
//   page box to the panel painted;
// - choosing the other of two 600-view organisations in the combo box, from the choice to the panel painted
//   with the first page's tabs (the host's views load completes at once);
// - the baseline: a shown QTabBar of the same width and font has its tabs removed and the same 255 tabs
//   added, then is painted.
#include "BenchSupport.h"
#include "QtBenchMain.h"
#include "qt/FormView.h"
#include "qt/QtDesktop.h"
#include "support/StockpileHarness.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kv380;

constexpr int kViews = 600;
constexpr int kTabsPerPage = 255; // the Options tab and 254 views
const QSize kPanelSize(480, 700);

std::string viewName(int organisation, int view) {
    std::string name = organisation == 1 ? "Plot Area " : "System ";
    name.append(std::to_string(view));
    return name;
}

test::FakeHost::Builder twoLargeOrganisations() {
    test::FakeHost::Builder builder;
    for (int organisation = 1; organisation <= 2; ++organisation) {
        builder.organisation(organisation == 1 ? "By Plot Area" : "By System");
        for (int view = 1; view <= kViews; ++view) {
            builder.view(viewName(organisation, view));
        }
    }
    return builder;
}

// The control, attached to a host of two 600-view organisations, rendered in a shown window.
class RenderedStockpile {
public:
    RenderedStockpile() : m_harness(twoLargeOrganisations()) {
        m_harness.host.ledger()->setQuiet(true);
        m_harness.attachAndOpen();
        ui::setCurrentDesktop(std::make_shared<qt::QtDesktop>());
        m_view = new qt::FormView(*m_harness.control, &m_window);
        m_window.resize(kPanelSize);
        m_view->resize(kPanelSize);
        m_window.show();
        paint();
        m_bar = m_view->widgetFor(m_harness.control->TabStrip)->findChild<QTabBar*>();
        m_pageBox = qobject_cast<QLineEdit*>(m_view->widgetFor(m_harness.control->txtPageNo));
        m_organisations = qobject_cast<QComboBox*>(m_view->widgetFor(m_harness.control->cmbOrganiseBy));
        if (m_bar == nullptr || m_pageBox == nullptr || m_organisations == nullptr) {
            bench::fail("the panel's widgets are not where they should be");
        }
    }
    ~RenderedStockpile() {
        m_view->detach();
        ui::setCurrentDesktop(nullptr);
    }
    RenderedStockpile(const RenderedStockpile&) = delete;
    RenderedStockpile& operator=(const RenderedStockpile&) = delete;

    // Types a page number into the page box as a user does: the old text selected, the digit typed.
    void typePage(int page) {
        m_pageBox->selectAll();
        const QString digit = QString::number(page);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + page, Qt::NoModifier, digit);
        QCoreApplication::sendEvent(m_pageBox, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_0 + page, Qt::NoModifier, digit);
        QCoreApplication::sendEvent(m_pageBox, &release);
    }
    // Chooses an organisation in the combo box as a user does; its views load at once.
    void chooseOrganisation(int index) {
        m_organisations->setCurrentIndex(index);
        emit m_organisations->activated(index);
        m_harness.host.completeLoads();
    }
    // What the event loop would do next: deferred deletions, posted events, then the paint.
    void paint() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        m_window.repaint();
    }
    // The bar shows what a page should: the Options tab and the page's views of an organisation.
    void check(int organisation, int page) const {
        const int first = (page - 1) * 254 + 1;
        const int last = std::min(kViews, page * 254);
        bool right = m_bar->count() == last - first + 2 && m_bar->currentIndex() == 0 &&
                     m_harness.control->TabStrip.tabCount() == m_bar->count();
        for (int view = first; right && view <= last; ++view) {
            right = m_bar->tabText(view - first + 1).toStdString() == viewName(organisation, view);
        }
        if (!right) {
            bench::fail("the tab bar does not show the page's tabs");
        }
    }

    QTabBar& bar() const { return *m_bar; }

private:
    test::StockpileHarness m_harness;
    QWidget m_window;
    qt::FormView* m_view{nullptr};
    QTabBar* m_bar{nullptr};
    QLineEdit* m_pageBox{nullptr};
    QComboBox* m_organisations{nullptr};
};

// Made once the application exists, gone before it goes.
std::unique_ptr<RenderedStockpile> rendered;

RenderedStockpile& stockpile() {
    return *rendered;
}

void BM_PageSwitch(benchmark::State& state) {
    RenderedStockpile& panel = stockpile();
    panel.chooseOrganisation(0);
    panel.paint();
    for (auto _ : state) {
        const bench::Stopwatch watch;
        panel.typePage(2);
        panel.paint();
        state.SetIterationTime(watch.seconds());
        panel.check(1, 2);
        panel.typePage(1);
        panel.paint();
    }
    state.counters["tabs"] = kTabsPerPage;
}
BENCHMARK(BM_PageSwitch)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ChooseOrganisation(benchmark::State& state) {
    RenderedStockpile& panel = stockpile();
    panel.chooseOrganisation(0);
    panel.paint();
    int organisation = 0;
    for (auto _ : state) {
        organisation = 1 - organisation;
        const bench::Stopwatch watch;
        panel.chooseOrganisation(organisation);
        panel.paint();
        state.SetIterationTime(watch.seconds());
        panel.check(organisation + 1, 1);
    }
    state.counters["tabs"] = kTabsPerPage;
}
BENCHMARK(BM_ChooseOrganisation)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same tabs on a bare QTabBar, set up as the strip's: removed one by one, added one by one, painted.
void BM_BareTabBarRebuild(benchmark::State& state) {
    const QTabBar& model = stockpile().bar();
    QWidget window;
    window.resize(kPanelSize);
    auto* bar = new QTabBar(&window);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(true);
    bar->setDrawBase(false);
    bar->setFont(model.font());
    bar->setGeometry(0, kPanelSize.height() - model.height(), model.width(), model.height());
    window.show();
    std::vector<QStringList> pages(2);
    for (int page = 0; page < 2; ++page) {
        pages[page].push_back(QStringLiteral("      Options"));
        for (int view = page * 254 + 1; view <= (page + 1) * 254; ++view) {
            pages[page].push_back(QString::fromStdString(viewName(1, view)));
        }
    }
    int page = 0;
    for (auto _ : state) {
        page = 1 - page;
        const bench::Stopwatch watch;
        while (bar->count() > 0) {
            bar->removeTab(bar->count() - 1);
        }
        for (const QString& caption : pages[page]) {
            bar->addTab(caption);
        }
        QCoreApplication::processEvents();
        window.repaint();
        state.SetIterationTime(watch.seconds());
    }
    state.counters["tabs"] = kTabsPerPage;
}
BENCHMARK(BM_BareTabBarRebuild)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return kv380::bench::runQtBenchmarks(
        argc, argv, [] { rendered = std::make_unique<RenderedStockpile>(); }, [] { rendered.reset(); });
}
