// One scripted session of the panel, run again and again with one host call failing each time (every
// operation the session uses, on its first call, a middle one and its last), with the host's own exception
// types, and with load completions lost or delivered twice. Whatever fails: no crash, nothing thrown out of
// the control except where its caller is meant to see the error, at most one report for the one failure,
// and afterwards the user can list the view's objects again.
#include "platform/ui/MousePointer.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <stdexcept>

namespace kv380::test {
namespace {

using namespace std::chrono_literals;

FakeHost::Builder plant() {
    FakeHost::Builder builder;
    builder.organisation("Process")
        .view("Pumps", "PFD")
        .object({.id = "1", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym", .mapSymbol = "Pumps\\Gear.sym"})
        .object({.id = "2", .key = "P-102", .symbol = "Centrifugal.sym"})
        .object({.id = "3", .key = "X-1", .type = "Node", .symbol = "Pumps\\Centrifugal.sym"})
        .view("Lines", "PFD")
        .object({.id = "4", .key = "L-1", .type = "Pipe", .symbol = "Pumps\\Centrifugal.sym"})
        .organisation("By Plot Area")
        .view("Area 1", "PFD")
        .object({.id = "5", .key = "P-201", .symbol = "Pumps\\Gear.sym"})
        .organisation("Big");
    for (int i = 1; i <= 260; ++i) {
        builder.view("View " + std::to_string(i), "Sim");
    }
    return builder.symbolFile("Pumps\\Centrifugal.sym").symbolFile("Pumps\\Gear.sym");
}

// What a run of the session saw.
struct Outcome {
    std::size_t reports = 0;       // reports while the failure was armed
    int errorsForTheCaller = 0;    // errors that reached a caller that is meant to see them
    std::vector<std::string> escaped; // anything thrown out of the control where nothing may be
};

// A step whose caller is meant to see the control's errors (operations without error handling of their own).
template <class Step> void callerSees(Outcome& outcome, Step&& step) {
    try {
        step();
    } catch (const AutomationError&) {
        ++outcome.errorsForTheCaller;
    } catch (const std::exception& e) {
        ++outcome.errorsForTheCaller; // the host's own standard exception, passed back to it
    } catch (...) {
        ++outcome.errorsForTheCaller;
    }
}

// A step through which nothing may escape: the user's actions and the host's events.
template <class Step> void nothingEscapes(Outcome& outcome, const char* what, Step&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        outcome.escaped.push_back(std::string(what) + ": " + e.what());
    } catch (...) {
        outcome.escaped.push_back(std::string(what) + ": something that is no exception class");
    }
}

// The user's actions, as far as the panel offers them: an organisation or a tab that is not there cannot
// be chosen.
void chooseOrganisation(ctlStockpile& c, int index) {
    if (index < c.cmbOrganiseBy.ListCount()) {
        c.cmbOrganiseBy.setListIndex(index);
    }
}
void chooseTab(ctlStockpile& c, int index) {
    if (index <= c.TabStrip.tabCount()) {
        c.TabStrip.selectTab(index);
    }
}

// The session, up to the workspace reopened; the control stays for the recovery and the teardown.
void session(StockpileHarness& h, Outcome& o) {
    ctlStockpile& c = *h.control;
    h.desktop->acceptUnscriptedMessageBoxes(true); // a conversion that fails tells the user in a box
    const auto settle = [&](const char* what) { nothingEscapes(o, what, [&] { h.host.completeLoads(); }); };
    nothingEscapes(o, "attach", [&] { h.attach(); });
    nothingEscapes(o, "open", [&] { h.host.openWorkspace(); });
    settle("organisations and views");
    nothingEscapes(o, "view tab", [&] { chooseTab(c, 2); });
    settle("objects");
    nothingEscapes(o, "filter and refresh", [&] {
        c.txtFilterBy.setText("P-1");
        c.cmdRefresh.raiseClick();
    });
    settle("refresh");
    nothingEscapes(o, "organisation with pages", [&] { chooseOrganisation(c, 2); });
    settle("pages");
    nothingEscapes(o, "page 2", [&] {
        if (c.fraPage.Visible()) {
            c.txtPageNo.setText("2");
        }
        chooseTab(c, c.TabStrip.tabCount());
    });
    settle("page 2 objects");
    nothingEscapes(o, "plot area", [&] {
        chooseOrganisation(c, 1);
        h.host.completeLoads();
        chooseTab(c, 2);
    });
    settle("plot area objects");
    nothingEscapes(o, "a drawing", [&] {
        h.host.addDocument("7", "PFD");
        h.host.activateDocument("7");
    });
    callerSees(o, [&] { c.DocumentActivated("PFD", "7"); });
    settle("drawing's objects");
    nothingEscapes(o, "back to the first organisation", [&] {
        chooseOrganisation(c, 0);
        h.host.completeLoads();
        chooseTab(c, 2);
    });
    settle("first organisation's objects");
    nothingEscapes(o, "automatic refresh", [&] {
        c.txtRefreshRate.setText("1");
        c.chkAutoRefresh.setValue(ui::CheckBox::Checked);
        h.desktop->advance(1500ms);
        h.host.completeLoads();
        h.desktop->advance(1000ms);
        h.host.completeLoads();
        c.chkAutoRefresh.setValue(ui::CheckBox::Unchecked);
    });
    nothingEscapes(o, "drag", [&] {
        const int shown = c.TabStrip.selectedTab() - 1;
        if (shown >= 1 && c.rwlvStockpile.exists(shown) && c.rwlvStockpile[shown].itemCount() >= 1) {
            c.rwlvStockpile[shown].setItemSelected(1, true);
            c.rwlvStockpile[shown].raiseOLEStartDrag();
        }
        c.DragDropObject();
        c.SelectedObjects();
    });
    callerSees(o, [&] { c.DocumentActivated("PFD", "7"); });
    nothingEscapes(o, "drop", [&] {
        const int shown = c.TabStrip.selectedTab() - 1;
        if (c.dragging() && c.rwlvStockpile.exists(shown)) {
            c.rwlvStockpile[shown].raiseOLECompleteDrag();
        }
    });
    callerSees(o, [&] { c.GetDiagramClass(); });
    callerSees(o, [&] {
        c.SetSymbolMap("1", "PFD", "PPID", "Pumps\\Gear.sym");
        c.GetSymbolMap("1", "PFD", "PPID");
    });
    nothingEscapes(o, "symbol questions", [&] {
        bool simConversion = false;
        c.IsDiagramConversion("PPID", simConversion);
        c.GetSymbolBehaviour(h.host.symbolPath("Pumps\\Gear.sym"));
    });
    callerSees(o, [&] { c.RefreshSymbols(); });
    settle("host's refresh");
    nothingEscapes(o, "resize", [&] {
        c.setWidth(6000);
        int32_t x = 500;
        int32_t y = 300;
        c.ResizeLayout(x, y);
    });
    callerSees(o, [&] {
        c.SaveVisibility();
        c.RestoreVisibility();
    });
    nothingEscapes(o, "close", [&] { h.host.closeWorkspace(); });
    nothingEscapes(o, "reopen", [&] { h.host.openWorkspace(); });
    settle("reopened");
}

// With every failure gone, the user chooses the organisation, its first view and refresh: the view's
// objects that pass the filter are listed.
void expectRecovery(StockpileHarness& h) {
    ctlStockpile& c = *h.control;
    if (c.cmbOrganiseBy.ListCount() == 0) {
        // An attach that failed (reported) leaves a control the host attaches again; then it reopens.
        h.attach();
        h.host.closeWorkspace();
        h.host.openWorkspace();
        h.host.completeLoads();
    }
    ASSERT_GE(c.cmbOrganiseBy.ListCount(), 1);
    c.cmbOrganiseBy.setListIndex(0);
    h.host.completeLoads();
    ASSERT_GE(c.TabStrip.tabCount(), 2);
    h.selectTab(2);
    c.cmdRefresh.raiseClick();
    h.host.completeLoads();
    EXPECT_EQ(c.TabStrip.selectedTab(), 2);
    ASSERT_TRUE(c.rwlvStockpile.exists(1));
    EXPECT_EQ(c.rwlvStockpile[1].itemCount(), 2); // P-101 and P-102; the node is never listed
    EXPECT_TRUE(c.rwlvStockpile[1].Visible());
    EXPECT_FALSE(c.refreshing());
    EXPECT_EQ(c.MousePointer(), ui::pointer::Default);
}

// Runs the session with a fault armed by `arm`, then checks the outcome and the recovery, then tears down.
template <class Arm> void runWithFault(const std::string& label, Arm&& arm) {
    SCOPED_TRACE(label);
    StockpileHarness h(plant());
    arm(h.host);
    Outcome outcome;
    session(h, outcome);
    h.host.clearFailures();
    outcome.reports = h.reporter->count();
    EXPECT_TRUE(outcome.escaped.empty()) << outcome.escaped.front();
    EXPECT_LE(outcome.reports, 1u) << testing::PrintToString(h.reporter->procedures());
    h.reporter->clear();
    expectRecovery(h);
    EXPECT_EQ(h.reporter->count(), 0u) << testing::PrintToString(h.reporter->procedures());
}

// The operations the session calls, with how often, from one run without faults.
std::map<std::string, int> operationsOfACleanSession() {
    StockpileHarness h(plant());
    h.host.clearCalls();
    Outcome outcome;
    session(h, outcome);
    EXPECT_TRUE(outcome.escaped.empty());
    EXPECT_EQ(outcome.errorsForTheCaller, 0);
    EXPECT_EQ(h.reporter->count(), 0u) << testing::PrintToString(h.reporter->procedures());
    std::map<std::string, int> counts;
    for (const auto& call : h.host.calls()) {
        ++counts[call];
    }
    return counts;
}

TEST(FaultSweep, TheCleanSessionListsTheViewAndReportsNothing) {
    StockpileHarness h(plant());
    Outcome outcome;
    session(h, outcome);
    EXPECT_TRUE(outcome.escaped.empty());
    EXPECT_EQ(h.reporter->count(), 0u);
    expectRecovery(h);
}

TEST(FaultSweep, EveryHostOperationFailingOnItsFirstMiddleAndLastCall) {
    const auto operations = operationsOfACleanSession();
    ASSERT_GE(operations.size(), 30u); // the session reaches most of the host
    for (const auto& [operation, count] : operations) {
        std::set<int> calls{1, (count + 1) / 2, count};
        for (int n : calls) {
            runWithFault(operation + " #" + std::to_string(n), [&](FakeHost& host) { host.failOn(operation, n); });
        }
    }
}

TEST(FaultSweep, TheHostThrowingItsOwnExceptionTypesIsStoppedAtTheEdgeToo) {
    struct HostPanic {}; // no exception class at all
    for (const auto& [operation, count] : operationsOfACleanSession()) {
        runWithFault(operation + " (standard exception)", [&](FakeHost& host) {
            host.failOnWith(operation, 1, [] { throw std::runtime_error("the host's own failure"); });
        });
        runWithFault(operation + " (no exception class)",
                     [&](FakeHost& host) { host.failOnWith(operation, 1, [] { throw HostPanic{}; }); });
    }
}

TEST(FaultSweep, LoadCompletionsLostOrDeliveredTwice) {
    for (const char* collection : {"Organisations", "Views(Process)", "Views(Big)", "PresentedObjects("}) {
        runWithFault(std::string("lost ") + collection,
                     [&](FakeHost& host) { host.loseNextCompletion(collection); });
        runWithFault(std::string("twice ") + collection,
                     [&](FakeHost& host) { host.deliverNextCompletionTwice(collection); });
    }
}

TEST(FaultSweep, TeardownWithEveryOperationItCallsFailing) {
    std::map<std::string, int> operations;
    {
        StockpileHarness h(plant());
        Outcome outcome;
        session(h, outcome);
        h.host.clearCalls();
        h.control.reset();
        for (const auto& call : h.host.calls()) {
            ++operations[call];
        }
    }
    ASSERT_FALSE(operations.empty());
    for (const auto& [operation, count] : operations) {
        SCOPED_TRACE(operation);
        StockpileHarness h(plant());
        Outcome outcome;
        session(h, outcome);
        h.reporter->clear();
        h.host.failOn(operation, 1);
        EXPECT_NO_THROW(h.control.reset());
        EXPECT_LE(h.reporter->count(), 1u);
    }
}

} // namespace
} // namespace kv380::test
