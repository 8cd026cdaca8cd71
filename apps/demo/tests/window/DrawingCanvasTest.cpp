// The demo's drawings, offscreen: objects dragged from the stock pile's list onto a canvas, as a user does.
#include "window/DrawingCanvas.h"
#include "common/TempFolder.h"
#include "control/ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/ConnectorTool.h"
#include "model/drawing/Document.h"
#include "model/drawing/Documents.h"
#include "model/drawing/DrawingApplication.h"
#include "model/services/OutsideServices.h"
#include "qt/FormView.h"
#include "qt/QtTestApp.h"
#include "support/InProcessStockpile.h"
#include "support/RecordingErrorReporter.h"
#include "support/TempRegistry.h"
#include "window/CanvasScript.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"
#include "window/DrawingArea.h"
#include "window/PlacementItem.h"
#include "window/Screenshot.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabBar>

#include <sqlite3.h>

#include <gmock/gmock.h>

#include <set>

namespace kv380::demo::test {
namespace {

using qt::test::processUntil;
using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;
constexpr std::chrono::seconds kWindowWait{10};

constexpr int64_t PfdFeed = 1001;
constexpr int64_t PfdReaction = 1002;
constexpr int64_t PpidUtilities = 1003;

class DrawingCanvasTest : public testing::Test {
protected:
    DrawingCanvasTest() {
        session.start();
        EXPECT_TRUE(processUntil([&] { return control().tabsBuilt() && control().TabStrip.tabCount() >= 2; },
                                 kWindowWait));
        // The first view, "All Objects" (PFD).
        control().TabStrip.selectTab(2);
        EXPECT_TRUE(processUntil(
            [&] { return control().rwlvStockpile.exists(1) && control().rwlvStockpile[1].itemCount() > 0; },
            kWindowWait));
    }

    ctlStockpile& control() { return static_cast<ctlStockpile&>(session.control().UserControl()); }
    WorkspaceDatabase& database() { return session.host().database(); }
    DrawingArea& area() { return *session.window().drawingArea(); }
    std::optional<int64_t> activeDiagram() {
        const auto active = session.host().application()->documents()->active();
        return active ? active->diagramId() : std::nullopt;
    }
    // The drawing application's last status-bar text (the window's status bar may show a report since).
    std::string statusText() { return session.host().application()->statusText(); }
    const PlacementRow* placementOf(DrawingCanvas& canvas, int64_t objectId) {
        for (const auto& placement : canvas.placements()) {
            if (placement.objectId == objectId && !placement.isConnector()) {
                return &placement;
            }
        }
        return nullptr;
    }
    std::vector<std::string> symbolsOn(int64_t diagramId) {
        std::vector<std::string> symbols;
        for (const auto& placement : database().placements().ofDiagram(diagramId)) {
            symbols.push_back(placement.symbol);
        }
        return symbols;
    }
    void pressTab(DrawingCanvas& canvas) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &tab);
    }

    kv380::test::TempRegistry registry;
    TempFolder data;
    DemoSession session{{.host = {.dataFolder = data.path().string()},
                         .unattended = true,
                         .createStockpile = kv380::test::inProcessStockpile}};
};

TEST_F(DrawingCanvasTest, OpeningADrawingShowsItsCanvasInATabAndMakesItActive) {
    DrawingCanvas& feed = openDrawing(session, PfdFeed);
    DrawingCanvas& utilities = openDrawing(session, PpidUtilities);
    EXPECT_EQ(area().count(), 2);
    EXPECT_EQ(area().tabText(0), "PFD-100 Feed (PFD)");
    EXPECT_EQ(area().tabText(1), "PPID-300 Utilities (PPID)");
    EXPECT_EQ(area().currentWidget(), &utilities);
    EXPECT_EQ(activeDiagram(), PpidUtilities);

    // Choosing a tab makes its drawing the active one; opening it again finds the same canvas.
    area().setCurrentIndex(0);
    EXPECT_EQ(activeDiagram(), PfdFeed);
    EXPECT_EQ(&openDrawing(session, PfdFeed), &feed);
    EXPECT_EQ(area().count(), 2);
}

TEST_F(DrawingCanvasTest, ClosingATabClosesItsDrawingAndTheOneOpenedBeforeBecomesActive) {
    openDrawing(session, PfdFeed);
    DrawingCanvas& reaction = openDrawing(session, PfdReaction);
    openDrawing(session, PpidUtilities);
    area().setCurrentWidget(&reaction);
    ASSERT_EQ(activeDiagram(), PfdReaction);

    area().closeDrawing(area().indexOf(&reaction));
    EXPECT_EQ(area().count(), 2);
    EXPECT_EQ(area().canvasOf(PfdReaction), nullptr);
    EXPECT_EQ(activeDiagram(), PpidUtilities);
    EXPECT_EQ(area().currentCanvas(), area().canvasOf(PpidUtilities));
    EXPECT_EQ(session.host().application()->documents()->open().size(), 2u);
    // Opened again, it gets a new tab.
    DrawingCanvas& again = openDrawing(session, PfdReaction);
    EXPECT_EQ(area().canvasOf(PfdReaction), &again);
    EXPECT_EQ(area().count(), 3);
}

TEST_F(DrawingCanvasTest, DoubleClickingADrawingInTheListOpensItAndAPlotAreaViewFollowsIt) {
    control().cmbOrganiseBy.setListIndex(1); // "By Plot Area"
    ASSERT_TRUE(processUntil([&] { return control().TabStrip.tabCount() >= 2; }, kWindowWait));
    control().TabStrip.selectTab(2);
    ASSERT_TRUE(processUntil(
        [&] { return control().rwlvStockpile.exists(1) && control().rwlvStockpile[1].itemCount() > 0; },
        kWindowWait));

    QListWidget* drawings = session.window().drawings();
    QListWidgetItem* reaction = nullptr;
    for (int row = 0; row < drawings->count(); ++row) {
        if (drawings->item(row)->text().startsWith("PFD-200 Reaction")) {
            reaction = drawings->item(row);
        }
    }
    ASSERT_NE(reaction, nullptr);
    const QPoint at = drawings->visualItemRect(reaction).center();
    qt::test::click(*drawings->viewport(), at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(at),
                      QPointF(drawings->viewport()->mapToGlobal(at)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(drawings->viewport(), &twice);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at),
                        QPointF(drawings->viewport()->mapToGlobal(at)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(drawings->viewport(), &release);

    ASSERT_NE(area().canvasOf(PfdReaction), nullptr);
    EXPECT_EQ(area().currentCanvas(), area().canvasOf(PfdReaction));
    EXPECT_EQ(activeDiagram(), PfdReaction);
    // The host told the stock pile: the plot area's view now lists the drawing's objects.
    EXPECT_TRUE(processUntil(
        [&] {
            const auto& list = control().rwlvStockpile[1];
            bool reactor = false;
            for (int i = 1; i <= list.itemCount(); ++i) {
                reactor = reactor || list.item(i).text == "R-204";
            }
            return list.itemCount() == 8 && reactor;
        },
        kWindowWait));
}

TEST_F(DrawingCanvasTest, EscapeEndsTheConnectorToolWithoutDrawing) {
    DrawingCanvas& canvas = openDrawing(session, PfdFeed);
    ASSERT_TRUE(dragOntoCanvas(session, {"V-201"}, canvas, QPoint(150, 150)));
    auto& tool = session.window().drawingArea()->connectors();
    tool.start({.symbol = session.host().symbolRoot() + "\\Lines\\Process Line.sym", .objectId = 201});
    qt::test::click(*canvas.viewport(), canvas.viewPointOf(canvas.placements().front().id));
    EXPECT_EQ(tool.firstEnd(), canvas.placements().front().id);

    qt::test::pressKey(canvas, Qt::Key_Escape);
    EXPECT_FALSE(tool.active());
    EXPECT_EQ(statusText(), "Connector cancelled");
    EXPECT_EQ(database().placements().ofDiagram(PfdFeed).size(), 1u);
}

TEST_F(DrawingCanvasTest, ADragFromTheListPlacesTheObjectsSymbolsWithTheirTagsAndStoresThem) {
    DrawingCanvas& canvas = openDrawing(session, PfdFeed);
    ASSERT_TRUE(dragOntoCanvas(session, {"P-101", "V-201"}, canvas, QPoint(200, 150)));

    ASSERT_EQ(canvas.placements().size(), 2u);
    const PlacementRow* pump = placementOf(canvas, 101);
    const PlacementRow* drum = placementOf(canvas, 105);
    ASSERT_TRUE(pump && drum);
    // The same class as the list shown: each object's own symbol, kept relative to the symbol root.
    EXPECT_EQ(pump->symbol, "Pumps\\Centrifugal.sym");
    EXPECT_EQ(drum->symbol, "Vessels\\Drum.sym");
    // The first where it was dropped, the next to its right.
    const QPointF dropped = canvas.mapToScene(QPoint(200, 150));
    EXPECT_NEAR(pump->x, dropped.x(), 1);
    EXPECT_NEAR(pump->y, dropped.y(), 1);
    EXPECT_GT(drum->x, pump->x);
    auto* item = dynamic_cast<PlacementItem*>(canvas.itemOf(pump->id));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->tag(), "P-101");
    EXPECT_EQ(statusText(), "Placed P-101, V-201 on PFD-100 Feed");
    // The drag is over: the control holds no dragged objects any more.
    EXPECT_EQ(session.control().DragDropObject()->Count(), 0);

    // The placements are in the workspace file: another connection to it reads them.
    WorkspaceDatabase reopened(database().path());
    EXPECT_EQ(reopened.placements().ofDiagram(PfdFeed).size(), 2u);
}

TEST_F(DrawingCanvasTest, TheCanvasTakesOnlyTheStockpilesDragsAndAnEmptyDragPlacesNothing) {
    DrawingCanvas& canvas = openDrawing(session, PfdFeed);
    QMimeData text;
    text.setText("P-101");
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());

    // The stock pile's format without a drag in progress: the control has no dragged objects.
    QMimeData stale;
    stale.setData("application/x-kv380-stockpile-objects", "101");
    QDragEnterEvent staleEnter(QPoint(50, 50), Qt::CopyAction, &stale, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas.viewport(), &staleEnter);
    EXPECT_TRUE(staleEnter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &stale, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas.viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_TRUE(canvas.placements().empty());
    EXPECT_EQ(statusText(), "Nothing to place: no objects are being dragged");
}

TEST_F(DrawingCanvasTest, ADropOnADrawingOfAnotherClassPlacesTheMappedSymbolAndTabCyclesThroughTheOthers) {
    DrawingCanvas& canvas = openDrawing(session, PpidUtilities);
    ASSERT_EQ(control().GetDiagramClass(), "PFD");
    ASSERT_TRUE(dragOntoCanvas(session, {"P-101"}, canvas, QPoint(120, 100)));
    EXPECT_THAT(symbolsOn(PpidUtilities), ElementsAre("Blocks\\Pumps\\CentrifugalBlock.sym"));

    const int64_t placement = canvas.placements().front().id;
    canvas.itemOf(placement)->setSelected(true);
    pressTab(canvas);
    EXPECT_THAT(symbolsOn(PpidUtilities), ElementsAre("Blocks\\Pumps\\PumpSkid.sym"));
    EXPECT_EQ(statusText(), "P-101 drawn with Blocks\\Pumps\\PumpSkid.sym");
    // Still selected after the canvas was drawn again: the next Tab goes on, back to the first.
    ASSERT_EQ(canvas.selectedPlacement(), placement);
    pressTab(canvas);
    EXPECT_THAT(symbolsOn(PpidUtilities), ElementsAre("Blocks\\Pumps\\CentrifugalBlock.sym"));

    // An object without a mapping for the drawing's class keeps its own symbol, and the user is told.
    ASSERT_TRUE(dragOntoCanvas(session, {"E-302"}, canvas, QPoint(120, 100)));
    EXPECT_THAT(symbolsOn(PpidUtilities),
                ElementsAre("Blocks\\Pumps\\CentrifugalBlock.sym", "Exchangers\\Plate.sym"));
    EXPECT_THAT(statusText(), HasSubstr("no PPID symbol is mapped for E-302, drawn with its own"));
    // A symbol without an alternative stays as it is.
    canvas.scene()->clearSelection();
    canvas.itemOf(canvas.placements().back().id)->setSelected(true);
    pressTab(canvas);
    EXPECT_EQ(statusText(), "E-302: no alternative symbol");
}

TEST_F(DrawingCanvasTest, AConnectionsClickStartsTheConnectorToolAndTwoClicksOnSymbolsDrawIt) {
    DrawingCanvas& canvas = openDrawing(session, PfdFeed);
    ASSERT_TRUE(dragOntoCanvas(session, {"V-201", "P-101"}, canvas, QPoint(150, 150)));
    const int64_t drum = placementOf(canvas, 105)->id;
    const int64_t pump = placementOf(canvas, 101)->id;

    drawConnector(session, "L-1001", canvas, drum, pump);
    ASSERT_FALSE(session.window().drawingArea()->connectors().active());
    const auto placements = database().placements().ofDiagram(PfdFeed);
    ASSERT_EQ(placements.size(), 3u);
    const PlacementRow& line = placements.back();
    EXPECT_EQ(line.objectId, 201);
    EXPECT_EQ(line.fromPlacement, drum);
    EXPECT_EQ(line.toPlacement, pump);
    EXPECT_EQ(line.symbol, "Lines\\Process Line.sym");
    EXPECT_NE(dynamic_cast<ConnectorItem*>(canvas.itemOf(line.id)), nullptr);
    // The connector came through the command text of the list's click, and the stock pile describes it.
    EXPECT_THAT(session.host().application()->commands(),
                Contains(testing::StartsWith("StartCommand KV380Connector.ctlCreateConnector\"")));
    EXPECT_EQ(statusText(), "L-1001 From V-201 To P-101");
}

TEST_F(DrawingCanvasTest, TheConnectorJoinsTwoSymbolsOfOneDrawing) {
    DrawingCanvas& feed = openDrawing(session, PfdFeed);
    ASSERT_TRUE(dragOntoCanvas(session, {"V-201", "P-101"}, feed, QPoint(150, 150)));
    DrawingCanvas& reaction = openDrawing(session, PfdReaction);
    ASSERT_TRUE(dragOntoCanvas(session, {"R-204"}, reaction, QPoint(150, 150)));
    const int64_t drum = placementOf(feed, 105)->id;
    const int64_t pump = placementOf(feed, 101)->id;
    const int64_t reactor = placementOf(reaction, 108)->id;
    auto& tool = area().connectors();
    tool.start({.symbol = session.host().symbolRoot() + "\\Lines\\Process Line.sym", .objectId = 201});

    qt::test::click(*reaction.viewport(), reaction.viewPointOf(reactor));
    EXPECT_EQ(tool.firstEnd(), reactor);
    // The same symbol again changes nothing; one on another drawing starts there instead.
    qt::test::click(*reaction.viewport(), reaction.viewPointOf(reactor));
    EXPECT_EQ(tool.firstEnd(), reactor);
    qt::test::click(*feed.viewport(), feed.viewPointOf(drum));
    EXPECT_EQ(tool.firstEnd(), drum);
    qt::test::click(*feed.viewport(), feed.viewPointOf(pump));
    EXPECT_FALSE(tool.active());
    EXPECT_EQ(database().placements().ofDiagram(PfdReaction).size(), 1u);
    const auto placements = database().placements().ofDiagram(PfdFeed);
    ASSERT_EQ(placements.size(), 3u);
    EXPECT_EQ(placements.back().fromPlacement, drum);
    EXPECT_EQ(placements.back().toPlacement, pump);
}

TEST_F(DrawingCanvasTest, FindOnDrawingsHighlightsThePlacementsAndBringsTheirDrawingForward) {
    DrawingCanvas& utilities = openDrawing(session, PpidUtilities);
    ASSERT_TRUE(dragOntoCanvas(session, {"T-203"}, utilities, QPoint(100, 100)));
    openDrawing(session, PfdFeed);
    ASSERT_EQ(activeDiagram(), PfdFeed);

    session.host().application()->setStatusBar("PipeBrowser 107 T-203");
    session.host().application()->RunCommand(12094);
    ASSERT_TRUE(processUntil([&] { return activeDiagram() == PpidUtilities; }, kWindowWait));
    EXPECT_EQ(area().currentWidget(), &utilities);
    auto* item = dynamic_cast<PlacementItem*>(utilities.itemOf(utilities.placements().front().id));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->highlighted());
    EXPECT_TRUE(item->isSelected());
}

TEST_F(DrawingCanvasTest, DeletingAnObjectFromTheWorkspaceTakesItsPlacementsOffTheDrawings) {
    DrawingCanvas& canvas = openDrawing(session, PfdReaction);
    ASSERT_TRUE(dragOntoCanvas(session, {"T-203", "R-204"}, canvas, QPoint(100, 100)));
    ASSERT_EQ(canvas.placements().size(), 2u);

    // What "Delete from WorkSpace" does once the user said yes.
    session.host().services()->deleteObjects({107});
    ASSERT_EQ(canvas.placements().size(), 1u);
    EXPECT_EQ(canvas.placements().front().objectId, 108);
    EXPECT_THAT(symbolsOn(PfdReaction), ElementsAre("Vessels\\Reactor.sym"));
}

TEST_F(DrawingCanvasTest, AFailingWriteDuringTheDropIsReportedOnceAndTheCanvasKeepsWorking) {
    DrawingCanvas& canvas = openDrawing(session, PfdFeed);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(database().path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "CREATE TRIGGER refuse BEFORE INSERT ON placements "
                           "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    {
        kv380::test::ReporterScope reports;
        EXPECT_FALSE(dragOntoCanvas(session, {"P-101", "V-201"}, canvas, QPoint(100, 100)));
        EXPECT_THAT(reports->procedures(), ElementsAre("DrawingCanvas::dropEvent"));
    }
    EXPECT_TRUE(canvas.placements().empty());
    EXPECT_EQ(session.control().DragDropObject()->Count(), 0);

    ASSERT_EQ(sqlite3_exec(other, "DROP TRIGGER refuse", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE(dragOntoCanvas(session, {"P-101"}, canvas, QPoint(100, 100)));
    EXPECT_EQ(canvas.placements().size(), 1u);
}

TEST_F(DrawingCanvasTest, FailingWritesOnTabAndOnTheConnectorsLastClickAreReportedOnceEach) {
    DrawingCanvas& canvas = openDrawing(session, PpidUtilities);
    ASSERT_TRUE(dragOntoCanvas(session, {"P-101", "V-201"}, canvas, QPoint(100, 100)));
    const int64_t pump = placementOf(canvas, 101)->id;
    const int64_t drum = placementOf(canvas, 105)->id;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(database().path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "CREATE TRIGGER refuse_update BEFORE UPDATE ON placements "
                           "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END;"
                           "CREATE TRIGGER refuse_insert BEFORE INSERT ON placements "
                           "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    {
        kv380::test::ReporterScope reports;
        canvas.itemOf(pump)->setSelected(true);
        pressTab(canvas);
        auto& tool = area().connectors();
        tool.start({.symbol = session.host().symbolRoot() + "\\Lines\\Process Line.sym", .objectId = 201});
        qt::test::click(*canvas.viewport(), canvas.viewPointOf(drum));
        qt::test::click(*canvas.viewport(), canvas.viewPointOf(pump));
        EXPECT_THAT(reports->procedures(),
                    ElementsAre("DrawingCanvas::keyPressEvent", "DrawingCanvas::mousePressEvent"));
    }
    EXPECT_THAT(symbolsOn(PpidUtilities),
                ElementsAre("Blocks\\Pumps\\CentrifugalBlock.sym", "Blocks\\Vessels\\DrumBlock.sym"));

    ASSERT_EQ(sqlite3_exec(other, "DROP TRIGGER refuse_update; DROP TRIGGER refuse_insert", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    canvas.scene()->clearSelection();
    canvas.itemOf(pump)->setSelected(true);
    pressTab(canvas);
    EXPECT_THAT(symbolsOn(PpidUtilities),
                ElementsAre("Blocks\\Pumps\\PumpSkid.sym", "Blocks\\Vessels\\DrumBlock.sym"));
}

TEST_F(DrawingCanvasTest, TheDrawingScreenshotShowsTheDroppedSymbolsAndTheConnector) {
    const QString file = QString::fromStdString(data / "drawing.png");
    ASSERT_TRUE(takeDrawingScreenshot(session, file));
    QImage picture(file);
    ASSERT_FALSE(picture.isNull());
    DrawingCanvas* canvas = area().currentCanvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->placements().size(), 4u);
    // The sheet around the first symbol is not blank in the picture.
    const QPoint symbol =
        canvas->viewport()->mapTo(&session.window(), canvas->viewPointOf(canvas->placements().front().id));
    std::set<QRgb> colours;
    for (int dy = -24; dy <= 24; dy += 2) {
        for (int dx = -24; dx <= 24; dx += 2) {
            colours.insert(picture.pixel(symbol + QPoint(dx, dy)));
        }
    }
    EXPECT_GT(colours.size(), 1u);
}

} // namespace
} // namespace kv380::demo::test
