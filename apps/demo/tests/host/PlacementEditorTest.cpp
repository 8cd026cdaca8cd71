// The demo drawing application's own use of the stock pile, headless: the drop, the next symbol and the
// connector tool, on the sample workspace with the control as a host holds it.
#include "model/drawing/PlacementEditor.h"
#include "common/TempFolder.h"
#include "control/ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/ConnectorTool.h"
#include "model/drawing/Document.h"
#include "model/drawing/Documents.h"
#include "model/drawing/DrawingApplication.h"
#include "platform/AutomationError.h"
#include "platform/ui/MsgBoxStyle.h"
#include "support/InProcessStockpile.h"
#include "support/RecordingErrorReporter.h"
#include "support/ScriptedDesktop.h"
#include "support/TempRegistry.h"

#include <gmock/gmock.h>

namespace kv380::demo::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;

class PlacementEditorTest : public testing::Test {
protected:
    PlacementEditorTest() {
        stockpile->setApplicationObject(host->application());
        stockpile->setDialogBar(host->stockpileBar());
        host->openWorkspaceLater();
        settle();
        desktop->answerNext(ui::msgbox::OK); // the sample's two unresolvable symbols
        control().TabStrip.selectTab(2);     // "All Objects", PFD
        settle();
    }

    void settle() { desktop->scheduler().runUntilIdle(); }
    ctlStockpile& control() { return static_cast<ctlStockpile&>(stockpile->UserControl()); }
    // Drops the listed objects of those names as the list's drag does: selected, the drag started, the
    // drop, the drag completed.
    std::vector<PlacementRow> drop(const std::vector<std::string>& names, int64_t diagramId,
                                   DrawingPoint at) {
        ui::RWListView& list = control().rwlvStockpile[1];
        list.deselectAll();
        for (const auto& name : names) {
            for (int i = 1; i <= list.itemCount(); ++i) {
                if (list.item(i).text == name) {
                    list.setItemSelected(i, true);
                }
            }
        }
        list.raiseOLEStartDrag();
        std::vector<PlacementRow> placed;
        try {
            placed = editor.placeDraggedObjects(diagramId, at);
        } catch (...) {
            list.raiseOLECompleteDrag(0);
            throw;
        }
        list.raiseOLECompleteDrag(1);
        return placed;
    }

    kv380::test::TempRegistry registry;
    kv380::test::ReporterScope reports;
    kv380::test::DesktopScope desktop;
    TempFolder data;
    std::unique_ptr<DemoHost> host = DemoHost::create({.dataFolder = data.path().string()});
    hosting::ComPtr<_ctlStockpile> stockpile = kv380::test::inProcessStockpile();
    PlacementEditor editor{*host, *stockpile};
    std::unique_ptr<ConnectorTool> tool = std::make_unique<ConnectorTool>(*host, *stockpile);
};

TEST_F(PlacementEditorTest, ASecondDropAtThePlaceOfTheFirstGoesBesideIt) {
    const std::size_t reportsBefore = reports->count();
    const auto first = drop({"P-101"}, 1001, {300, 200});
    const auto second = drop({"V-201", "P-102"}, 1001, {300, 200});
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(first[0].x, 300);
    EXPECT_EQ(second[0].x, 300 + CellWidth);
    EXPECT_EQ(second[1].x, 300 + 2 * CellWidth);
    EXPECT_EQ(second[1].y, 200);
    // In the list's order, whatever order they were chosen in.
    EXPECT_EQ(second[0].objectId, 102);
    EXPECT_EQ(host->application()->statusText(), "Placed P-102, V-201 on PFD-100 Feed");
    EXPECT_EQ(reports->count(), reportsBefore);
}

TEST_F(PlacementEditorTest, ADropOnADrawingTheWorkspaceDoesNotHoldIsRefusedWithoutPlacingAnything) {
    try {
        drop({"P-101"}, 4711, {10, 10});
        ADD_FAILURE() << "a drop on an unknown drawing was taken";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_THAT(e.description(), HasSubstr("4711"));
    }
    EXPECT_TRUE(host->database().placements().ofObject(101).empty());
}

TEST_F(PlacementEditorTest, TheNextSymbolIsAskedForWithTheSymbolsDrawingActive) {
    const auto placed = drop({"V-201"}, 1003, {100, 100});
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].symbol, "Blocks\\Vessels\\DrumBlock.sym");
    host->openDiagram(1001);

    // The drum's PPID mapping has one symbol: nothing else to offer, but its drawing became active.
    EXPECT_FALSE(editor.swapForNextSymbol(placed[0].id).has_value());
    EXPECT_EQ(host->application()->documents()->active()->diagramId(), 1003);
    EXPECT_EQ(host->application()->statusText(), "V-201: no alternative symbol");
    // A placement that is gone changes nothing.
    EXPECT_FALSE(editor.swapForNextSymbol(placed[0].id + 100).has_value());
}

TEST_F(PlacementEditorTest, TheConnectorCommandStartsTheToolAndOtherCommandsAreOnlyNamed) {
    host->openDiagram(1001);
    const auto placed = drop({"V-201", "P-101"}, 1001, {100, 100});
    ASSERT_EQ(placed.size(), 2u);
    ASSERT_EQ(placed[1].objectId, 105); // the drum, after the pump in the list

    host->application()->StartCommand("Connect Lines\\Process Line.sym");
    EXPECT_FALSE(tool->active());
    EXPECT_EQ(host->application()->statusText(), "Command: Connect Lines\\Process Line.sym");

    host->application()->StartCommand("KV380Connector.ctlCreateConnector\"" + host->symbolRoot() +
                                      "\\Lines\\Process Line.sym<201>");
    EXPECT_TRUE(tool->active());
    EXPECT_EQ(host->application()->statusText(),
              "L-1001: click the symbol the connector starts from (Esc cancels)");
    // A click on nothing placed is no end.
    EXPECT_FALSE(tool->click(placed[1].id + 100).has_value());
    EXPECT_FALSE(tool->firstEnd().has_value());
    EXPECT_FALSE(tool->click(placed[1].id).has_value());
    // Seen from the drum it starts at, the line is described by its other end.
    EXPECT_EQ(host->application()->statusText(),
              "L-1001 To P-101: click the symbol it goes to (Esc cancels)");
    const auto line = tool->click(placed[0].id);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->fromPlacement, placed[1].id);
    EXPECT_EQ(line->toPlacement, placed[0].id);
    EXPECT_EQ(line->symbol, "Lines\\Process Line.sym");
    EXPECT_EQ(line->x, (placed[0].x + placed[1].x) / 2);
    EXPECT_FALSE(tool->active());
    EXPECT_EQ(host->application()->statusText(), "L-1001 From V-201 To P-101");

    // Without a tool in the application, a connector command is only named.
    tool.reset();
    host->application()->StartCommand("KV380Connector.ctlCreateConnector\"Lines\\Process Line.sym<201>");
    EXPECT_THAT(host->application()->statusText(), HasSubstr("Command: KV380Connector"));
}

} // namespace
} // namespace kv380::demo::test
