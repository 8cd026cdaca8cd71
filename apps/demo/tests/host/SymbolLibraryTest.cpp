#include "model/library/SymbolLibrary.h"
#include "DemoHostFixture.h"
#include "host/ctlSymbolLibrary.h"
#include "model/drawing/DrawingApplication.h"

#include <fstream>

namespace kv380::demo::test {
namespace {

// The "Symbol Library" bar's control, as the stock pile reaches it.
class SymbolLibraryTest : public DemoHostTest {
protected:
    std::shared_ptr<ctlSymbolLibrary> library = symbolLibraryControl(*host->application());
};

TEST_F(SymbolLibraryTest, ConversionTargetsComeFromTheDrawingTemplatesInTheirOrder) {
    EXPECT_EQ(library->GetTemplateConversionTargets("PFD"), "PPID;Sim");
    EXPECT_EQ(library->GetTemplateConversionTargets("Sim"), "PFD");
    EXPECT_EQ(library->GetTemplateConversionTargets("PPID"), "");
    EXPECT_EQ(library->GetTemplateConversionTargets("pfd"), "");

    bool simulation = true;
    EXPECT_TRUE(library->IsDiagramConversion("PFD", "PPID", simulation));
    EXPECT_FALSE(simulation);
    EXPECT_TRUE(library->IsDiagramConversion("Sim", "PFD", simulation));
    EXPECT_TRUE(simulation);
    EXPECT_FALSE(library->IsDiagramConversion("PPID", "PFD", simulation));
    EXPECT_FALSE(simulation);
}

TEST_F(SymbolLibraryTest, SymbolMapsAnswerTheWholeListOrTheDefaultForRelativeOrAbsolutePaths) {
    const std::string full = "Blocks\\Pumps\\CentrifugalBlock.sym;Blocks\\Pumps\\PumpSkid.sym";
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", "Pumps\\Centrifugal.sym", false), full);
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", "Pumps\\Centrifugal.sym", true),
              "Blocks\\Pumps\\CentrifugalBlock.sym");
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", host->symbolRoot() + "\\Pumps\\Centrifugal.sym", false),
              full);
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", "Pumps\\\\Centrifugal.sym", false), full);
    EXPECT_EQ(library->GetSymbolMap("PPID", "PFD", "Pumps\\Centrifugal.sym", false), "");
    EXPECT_EQ(library->GetSymbolMap("PFD", "PPID", "Pumps\\Gear.sym", false), "");
}

TEST_F(SymbolLibraryTest, FoldersBelongToATemplateAsTheSymbolMapDialogShowsThem) {
    // "Blocks\*" takes in the folders below it; the map symbols of the sample start "Blocks\".
    EXPECT_TRUE(library->IsFolderInTemplate("Blocks\\Pumps", "PPID"));
    EXPECT_TRUE(library->IsFolderInTemplate("\\Blocks\\Pumps", "PPID"));
    EXPECT_TRUE(library->IsFolderInTemplate("Blocks", "PPID"));
    EXPECT_FALSE(library->IsFolderInTemplate("BlocksOld\\Pumps", "PPID"));
    EXPECT_TRUE(library->IsFolderInTemplate("Valves\\Control", "PFD"));
    // A plain folder is only itself; a hidden one is not there.
    EXPECT_TRUE(library->IsFolderInTemplate("Pumps", "PFD"));
    EXPECT_FALSE(library->IsFolderInTemplate("Pumps\\Old", "PFD"));
    EXPECT_FALSE(library->IsFolderInTemplate("Nodes", "PFD"));
    EXPECT_FALSE(library->IsFolderInTemplate("Blocks\\Pumps", "NoSuchClass"));
}

TEST_F(SymbolLibraryTest, TheDocumentsAreTheExampleFilesAsText) {
    pugi::xml_document templates;
    ASSERT_TRUE(templates.load_string(library->DrawingTemplates().c_str()));
    const pugi::xml_node root = templates.document_element();
    EXPECT_STREQ(root.name(), "DrawingTemplates");
    EXPECT_STREQ(root.child("Template").attribute("Name").value(), "PFD");
    EXPECT_STREQ(root.child("Template").child("SymbolLibrary").first_child().attribute("Name").value(),
                 "Equipment");

    pugi::xml_document list;
    ASSERT_TRUE(list.load_string(library->SymbolLibraryList().c_str()));
    EXPECT_STREQ(list.document_element().child("Library").attribute("Path").value(), "Pumps");
}

TEST(SymbolLibraryFiles, AMalformedOrMissingFileIsReportedWhenTheLibraryIsMade) {
    TempFolder folder;
    auto files = SymbolLibrary::examplesFiles(defaultExamplesFolder());
    files.symbolMaps = folder / "maps.xml";
    std::ofstream(files.symbolMaps) << "<SymbolMaps><Map></SymbolMaps>";
    try {
        SymbolLibrary::create(files, "/symbols");
        ADD_FAILURE() << "a malformed file was accepted";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
        EXPECT_NE(e.description().find("maps.xml"), std::string::npos);
    }
    files.symbolMaps = folder / "missing.xml";
    EXPECT_THROW(SymbolLibrary::create(files, "/symbols"), AutomationError);
}

} // namespace
} // namespace kv380::demo::test
