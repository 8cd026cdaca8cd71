#include "model/drawing/DrawingApplication.h"
#include "DemoHostFixture.h"
#include "host/HostDocuments.h"
#include "model/workspace/DwgApp.h"

#include <gmock/gmock.h>

namespace kv380::demo::test {
namespace {

using testing::ElementsAre;

TEST_F(DemoHostTest, BarsAreFoundByTitleAndShowThroughTheirSurface) {
    auto& application = *host->application();
    EXPECT_EQ(application.DialogBars("Stockpile"), host->stockpileBar());
    EXPECT_EQ(application.DialogBars("stockpile"), nullptr);
    EXPECT_EQ(application.DialogBars("Symbol Library")->HostedControl(),
              std::static_pointer_cast<HostObject>(host->symbolLibrary()));

    auto surface = std::make_shared<MemoryBarSurface>();
    surface->setHeight(321);
    host->stockpileBar()->setSurface(surface);
    auto bar = application.DialogBars("Stockpile");
    bar->setVisible(false);
    EXPECT_FALSE(surface->shown());
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(bar->Height(), 321);
}

TEST_F(DemoHostTest, FindOnDrawingsAnswersInTheStatusBarFromTheWorkspace) {
    auto& application = *host->application();
    std::vector<std::string> shown;
    application.onStatusText = [&](const std::string& text) { shown.push_back(text); };
    std::vector<std::vector<int64_t>> found;
    std::vector<std::optional<int64_t>> objects;
    application.onFound = [&](const FoundOnDrawings& what) {
        found.push_back(what.diagramIds);
        objects.push_back(what.objectId);
    };

    application.setStatusBar("PipeBrowser 201 L-1001");
    application.RunCommand(12094);
    application.setStatusBar("Stockpile 125 HX-901");
    application.RunCommand(12094);
    application.StartCommand("Connect Lines\\Process Line.sym");
    application.RunCommand(4711);

    EXPECT_THAT(shown,
                ElementsAre("PipeBrowser 201 L-1001", "L-1001 is on PFD-100 Feed", "Stockpile 125 HX-901",
                            "HX-901 is on no drawing", "Command: Connect Lines\\Process Line.sym",
                            "Command 4711 is not available in the demo"));
    // The drawings found go to the window too: PFD-100 Feed is diagram 1001.
    EXPECT_THAT(found, ElementsAre(std::vector<int64_t>{1001}, std::vector<int64_t>{}));
    EXPECT_THAT(objects, ElementsAre(201, 125));
    EXPECT_THAT(host->application()->commands(),
                ElementsAre("RunCommand 12094", "RunCommand 12094",
                            "StartCommand Connect Lines\\Process Line.sym", "RunCommand 4711"));
}

TEST_F(DemoHostTest, TheDocumentMapKnowsTheDrawingsOfWorkspaceDiagramsOnly) {
    auto documentMap = host->dwgApp()->DocumentMap();
    EXPECT_EQ(host->application()->ActiveDocument(), nullptr);

    auto drawing = host->openDiagram(1004);
    EXPECT_EQ(host->application()->ActiveDocument(), drawing);
    auto record = documentMap->FindDocument(drawing);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->DiagramID(), "1004");
    EXPECT_EQ(record->DiagramClass(), "Sim");

    auto scratch = host->application()->Documents()->Add(false);
    EXPECT_EQ(documentMap->FindDocument(scratch), nullptr);
    EXPECT_EQ(documentMap->FindDocument(nullptr), nullptr);
    EXPECT_EQ(host->application()->ActiveDocument(), drawing);
    EXPECT_THROW(host->openDiagram(42), AutomationError);
}

TEST_F(DemoHostTest, ClosingTheActiveDrawingActivatesTheLatestOneStillOpen) {
    std::vector<std::string> activated;
    host->application()->documents()->onActivated = [&](const std::shared_ptr<Document>& d) {
        activated.push_back(d->name());
    };
    auto feed = host->openDiagram(1001);
    auto reaction = host->openDiagram(1002);
    EXPECT_EQ(host->openDiagram(1001), feed); // found open, made active again
    feed->Close(false);

    EXPECT_EQ(host->application()->ActiveDocument(), reaction);
    EXPECT_THAT(activated,
                ElementsAre("PFD-100 Feed", "PFD-200 Reaction", "PFD-100 Feed", "PFD-200 Reaction"));
    EXPECT_THROW(feed->Close(false), AutomationError);
    EXPECT_THROW(feed->Sheet("tmp"), AutomationError);
}

} // namespace
} // namespace kv380::demo::test
