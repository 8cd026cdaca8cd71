#pragma once

#include "control/ctlStockpile.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"
#include "support/ScriptedDesktop.h"
#include "support/TempRegistry.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {

// Everything a test of the stock pile needs, in the order it must be set up and torn down: temporary
// registry hives, a recording error report, a scripted desktop on virtual time, a fake host and the control.
//
//   StockpileHarness h(FakeHost::Builder().organisation("Process").view("Pumps").view("Lines"));
//   h.attachAndOpen();           // application set, workspace opened, every load completed
//   h.selectTab(2);              // the first view's tab
class StockpileHarness {
public:
    explicit StockpileHarness(const FakeHost::Builder& builder = FakeHost::Builder(),
                              int32_t storedRefreshRate = 0);
    ~StockpileHarness();

    // Sets the application object and the "Stockpile" bar.
    void attach();
    // attach(), then opens the workspace and completes every load that follows.
    void attachAndOpen();
    // Selects a tab as the user does; completes the loads that follow when asked to.
    void selectTab(int index, bool completeLoads = true);
    // The captions of the tab strip, in order.
    std::vector<std::string> tabCaptions() const;
    // The list element at an index of the control array.
    ui::RWListView& list(int index) const { return control->rwlvStockpile[index]; }
    // A number stored under the stock pile's preference key ("RefreshRate", "Height"), or nothing.
    std::optional<int32_t> storedStockpileNumber(const std::string& name) const;
    // Reports recorded so far, by procedure.
    std::vector<std::string> reportedProcedures() { return reporter->procedures(); }

    TempRegistry registry;
    ReporterScope reporter;
    DesktopScope desktop;
    FakeHost host;
    std::unique_ptr<ctlStockpile> control;
};

// A builder with one organisation of `views` views named "View 1", "View 2"...
FakeHost::Builder organisationWithViews(const std::string& organisation, int views);

} // namespace kv380::test
