// The stock pile control on the demo host's sample workspace, headless: what a user of the demo sees.
#include "common/TempFolder.h"
#include "control/ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/DemoPaths.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/Document.h"
#include "model/drawing/DrawingApplication.h"
#include "platform/ui/MsgBoxStyle.h"
#include "support/RecordingErrorReporter.h"
#include "support/ScriptedDesktop.h"
#include "support/TempRegistry.h"

#include <gmock/gmock.h>

namespace kv380::demo::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::UnorderedElementsAreArray;

class StockpileSession : public testing::Test {
protected:
    StockpileSession() {
        control->setApplicationObject(host->application());
        control->setDialogBar(host->stockpileBar());
        host->openWorkspaceLater();
        settle();
    }
    ~StockpileSession() override { control.reset(); }

    void settle() { desktop->scheduler().runUntilIdle(); }
    std::vector<std::string> listed(int element) {
        std::vector<std::string> texts;
        for (int i = 1; i <= control->rwlvStockpile[element].itemCount(); ++i) {
            texts.push_back(control->rwlvStockpile[element].item(i).text);
        }
        return texts;
    }
    std::vector<std::string> organisations() {
        std::vector<std::string> names;
        for (int i = 0; i < control->cmbOrganiseBy.ListCount(); ++i) {
            names.push_back(control->cmbOrganiseBy.List(i));
        }
        return names;
    }

    kv380::test::TempRegistry registry;
    kv380::test::ReporterScope reports;
    kv380::test::DesktopScope desktop;
    TempFolder data;
    std::unique_ptr<DemoHost> host = DemoHost::create({.dataFolder = data.path().string()});
    std::unique_ptr<ctlStockpile> control = std::make_unique<ctlStockpile>();
};

TEST_F(StockpileSession, TheWorkspaceOpensIntoTheFirstOrganisationsViewTabs) {
    EXPECT_THAT(organisations(), ElementsAre("By System", "By Plot Area", "By Work Pack"));
    EXPECT_EQ(control->cmbOrganiseBy.Text(), "By System");
    ASSERT_GE(control->TabStrip.tabCount(), 3);
    EXPECT_EQ(control->TabStrip.tab(2).caption, "All Objects");
    EXPECT_EQ(control->TabStrip.tab(3).caption, "All UO Objects");
    EXPECT_TRUE(control->hasSymbolLibraryList());
}

TEST_F(StockpileSession, TheFirstViewListsItsObjectsWithSymbolsLeavingOutNodesWithoutAnyMessage) {
    control->TabStrip.selectTab(2);
    settle();

    EXPECT_THAT(listed(1), UnorderedElementsAreArray<std::string>(
                               {"P-101",   "P-102",   "P-103",   "V-201",   "C-202",  "T-203",  "R-204",
                                "E-301",   "E-302",   "E-303",   "S-205",   "P-105",  "XV-401", "XV-402",
                                "NRV-403", "FCV-404", "MOV-405", "PSV-406", "FT-501", "LT-502", "PT-503",
                                "TT-504",  "L-1001",  "L-1002",  "L-1003",  "L-1004", "S-1005"}));
    EXPECT_TRUE(desktop->messageBoxes().empty());
    EXPECT_EQ(reports->count(), 0u);

    // The resolved paths went back into the workspace, E-301's old one found by its file name.
    EXPECT_EQ(host->database().object(109)->symbol,
              host->symbolRoot() + "\\Exchangers\\ShellAndTube\\ShellTube.sym");
    EXPECT_EQ(host->database().object(102)->symbol, host->symbolRoot() + "\\Pumps\\Reciprocating.sym");
}

TEST_F(StockpileSession,
       TheLegacyImportViewReportsItsUnresolvableSymbolsOnceAndListsTheObjectWhoseSymbolWasFound) {
    ASSERT_EQ(control->TabStrip.tab(8).caption, "Legacy Import");
    desktop->answerNext(ui::msgbox::OK);
    control->TabStrip.selectTab(8);
    settle();
    EXPECT_THAT(listed(7), ElementsAre("E-301"));
    ASSERT_EQ(desktop->messageBoxes().size(), 1u);
    EXPECT_THAT(desktop->messageBoxes()[0].prompt, HasSubstr("for item P-104"));
    EXPECT_THAT(desktop->messageBoxes()[0].prompt, HasSubstr("for item XV-407"));
    // The unresolvable paths were cleared.
    EXPECT_EQ(host->database().object(104)->symbol, "");
    EXPECT_EQ(host->database().object(124)->symbol, "");
}

TEST_F(StockpileSession, AnOrganisationWithMoreThanAPageOfViewsHasSeveralPages) {
    control->cmbOrganiseBy.setListIndex(2);
    settle();
    EXPECT_EQ(control->pageCount(), 2);
    EXPECT_EQ(control->TabStrip.tab(2).caption, "WP-001");
}

TEST_F(StockpileSession, APlotAreaViewFollowsTheDrawingMadeActive) {
    control->cmbOrganiseBy.setListIndex(1);
    settle();
    control->TabStrip.selectTab(2);
    settle();
    EXPECT_THAT(listed(1), testing::Contains("P-101"));

    auto drawing = host->openDiagram(1002);
    control->DocumentActivated(drawing->info().diagramClass, std::to_string(*drawing->diagramId()));
    settle();
    EXPECT_THAT(listed(1),
                UnorderedElementsAreArray<std::string>(
                    {"C-202", "T-203", "R-204", "S-205", "FCV-404", "MOV-405", "PSV-406", "L-1003"}));
}

TEST_F(StockpileSession, AConnectorSymbolsBehaviourIsReadFromItsFile) {
    auto info = control->GetSymbolBehaviour(host->symbolRoot() + "\\Lines\\Steam Line.sym");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Behaviour(), 3);
    EXPECT_EQ(reports->count(), 0u);
}

} // namespace
} // namespace kv380::demo::test
