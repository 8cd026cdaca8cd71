// What the demo's drawings keep: the placements table, where dropped symbols go, how symbol files and
// connector commands are written.
#include "DemoHostFixture.h"
#include "model/db/PlacementTable.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/ConnectorCommand.h"
#include "model/drawing/DropLayout.h"
#include "model/drawing/RootRelativePath.h"

#include <gmock/gmock.h>

namespace kv380::demo::test {
namespace {

using testing::Contains;
using testing::ElementsAre;

PlacementRow symbolAt(int64_t diagramId, int64_t objectId, int32_t x, int32_t y) {
    PlacementRow row;
    row.diagramId = diagramId;
    row.objectId = objectId;
    row.symbol = "Pumps\\Centrifugal.sym";
    row.x = x;
    row.y = y;
    return row;
}

std::vector<int64_t> idsOf(const std::vector<PlacementRow>& rows) {
    std::vector<int64_t> ids;
    for (const auto& row : rows) {
        ids.push_back(row.id);
    }
    return ids;
}

TEST_F(DemoHostTest, PlacementsAreKeptPerDrawingAndSurviveReopeningTheWorkspace) {
    auto placements = host->database().placements();
    const PlacementRow pump = placements.add(symbolAt(1003, 101, 200, 120));
    const PlacementRow drum = placements.add(symbolAt(1003, 105, 400, 120));
    const PlacementRow elsewhere = placements.add(symbolAt(1001, 101, 60, 60));
    EXPECT_GT(pump.id, 0);
    EXPECT_NE(pump.id, drum.id);
    placements.setSymbol(drum.id, "Blocks\\Vessels\\DrumBlock.sym");

    // Placing an object makes it one of the drawing's objects: Find on Drawings names the drawing.
    std::vector<int64_t> drawings;
    for (const auto& diagram : host->database().diagramsOfObject(105)) {
        drawings.push_back(diagram.id);
    }
    EXPECT_THAT(drawings, Contains(1003));

    host.reset();
    host = makeHost();
    auto reopened = host->database().placements();
    EXPECT_THAT(idsOf(reopened.ofDiagram(1003)), ElementsAre(pump.id, drum.id));
    EXPECT_THAT(idsOf(reopened.ofObject(101)), ElementsAre(elsewhere.id, pump.id));
    const auto kept = reopened.find(drum.id);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->symbol, "Blocks\\Vessels\\DrumBlock.sym");
    EXPECT_EQ(kept->x, 400);
    EXPECT_EQ(kept->y, 120);
    EXPECT_FALSE(kept->isConnector());
}

TEST_F(DemoHostTest, DeletingAnObjectTakesItsPlacementsAndTheConnectorsDrawnToThem) {
    auto placements = host->database().placements();
    const PlacementRow drum = placements.add(symbolAt(1001, 105, 100, 100));
    const PlacementRow pump = placements.add(symbolAt(1001, 101, 300, 100));
    const PlacementRow other = placements.add(symbolAt(1001, 106, 500, 100));
    PlacementRow line = symbolAt(1001, 201, 200, 100);
    line.fromPlacement = drum.id;
    line.toPlacement = pump.id;
    line = placements.add(line);
    EXPECT_TRUE(placements.find(line.id)->isConnector());

    EXPECT_EQ(host->database().deleteObjects({101}), 1);
    EXPECT_THAT(idsOf(placements.ofDiagram(1001)), ElementsAre(drum.id, other.id));
    EXPECT_FALSE(placements.find(line.id).has_value());
}

TEST_F(DemoHostTest, APlacementTheWorkspaceCannotHoldIsRefused) {
    auto placements = host->database().placements();
    EXPECT_THROW(placements.add(symbolAt(9999, 101, 10, 10)), AutomationError);
    EXPECT_THROW(placements.add(symbolAt(1001, 9999, 10, 10)), AutomationError);
    EXPECT_TRUE(placements.ofDiagram(1001).empty());
    try {
        placements.setSymbol(12345, "Pumps\\Gear.sym");
        ADD_FAILURE() << "a placement that is not there was given a symbol";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

TEST(DropLayout, TheFirstSymbolGoesWhereItIsDroppedAndTheOthersToItsRight) {
    EXPECT_THAT(dropPositions({300, 200}, 3, {}),
                ElementsAre(DrawingPoint{300, 200}, DrawingPoint{300 + CellWidth, 200},
                            DrawingPoint{300 + 2 * CellWidth, 200}));
    EXPECT_TRUE(dropPositions({300, 200}, 0, {}).empty());
}

TEST(DropLayout, SymbolsDoNotGoOverOnesAlreadyThereAndWrapAtTheSheetsEdge) {
    // A symbol at the drop point and one a cell to its right: the drop goes past both.
    EXPECT_THAT(dropPositions({300, 200}, 1, {{310, 210}, {300 + CellWidth, 200}}),
                ElementsAre(DrawingPoint{300 + 2 * CellWidth, 200}));
    // A drop beyond the sheet is kept on it; the next row starts at the left edge, one cell lower.
    const auto positions = dropPositions({SheetWidth + 500, -40}, 2, {});
    const DrawingPoint first{SheetWidth - CellWidth / 2, PictureCentreInCell};
    EXPECT_THAT(positions, ElementsAre(first, DrawingPoint{CellWidth / 2, PictureCentreInCell + CellHeight}));
    EXPECT_FALSE(cellsOverlap(positions[0], positions[1]));
    EXPECT_TRUE(cellsOverlap({100, 100}, {100 + CellWidth - 1, 100}));
    EXPECT_FALSE(cellsOverlap({100, 100}, {100, 100 + CellHeight}));
}

TEST(RootRelativePath, PathsBelowTheRootAreKeptRelativeAndComeBackFull) {
    const std::string root = "/srv/kv380/symbols";
    EXPECT_EQ(relativeToRoot(root + "\\Pumps\\Gear.sym", root), "Pumps\\Gear.sym");
    // Not below the root (a folder whose name only begins like it), or the root itself: unchanged.
    EXPECT_EQ(relativeToRoot(root + "-old\\Pumps\\Gear.sym", root), root + "-old\\Pumps\\Gear.sym");
    EXPECT_EQ(relativeToRoot(root + "\\", root), root + "\\");
    EXPECT_EQ(relativeToRoot("\\\\" + root + "\\Vessels\\Reactor.sym", root), "Vessels\\Reactor.sym");
    EXPECT_EQ(relativeToRoot("\\\\server\\Vessels\\Reactor.sym", root), "\\\\server\\Vessels\\Reactor.sym");
    EXPECT_EQ(resolvedFromRoot("Pumps\\Gear.sym", root), root + "\\Pumps\\Gear.sym");
    EXPECT_EQ(resolvedFromRoot("C:\\Old Library\\Valves\\Butterfly.sym", root),
              "C:\\Old Library\\Valves\\Butterfly.sym");
    EXPECT_EQ(resolvedFromRoot("\\\\server\\Pumps\\Gear.sym", root), "\\\\server\\Pumps\\Gear.sym");
    EXPECT_EQ(resolvedFromRoot("", root), "");
}

TEST(ConnectorCommand, TheCommandTextNamesTheConnectorSymbolAndTheObject) {
    const auto command =
        parseConnectorCommand("KV380Connector.ctlCreateConnector\"/srv/a<b>\\Lines\\Process Line.sym<201>");
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->symbol, "/srv/a<b>\\Lines\\Process Line.sym");
    EXPECT_EQ(command->objectId, 201);

    EXPECT_FALSE(parseConnectorCommand("Connect Lines\\Process Line.sym").has_value());
    EXPECT_FALSE(parseConnectorCommand("KV380Connector.ctlCreateConnector\"Lines\\P.sym<20x>").has_value());
    EXPECT_FALSE(parseConnectorCommand("KV380Connector.ctlCreateConnector\"<201>").has_value());
    EXPECT_FALSE(parseConnectorCommand("KV380Connector.ctlCreateConnector\"Lines\\P.sym<201").has_value());
    EXPECT_FALSE(parseConnectorCommand("KV380Connector.ctlCreateConnectorLines\\P.sym<201>").has_value());
}

} // namespace
} // namespace kv380::demo::test
