#include "model/services/OutsideServices.h"
#include "DemoHostFixture.h"
#include "host/DrwApplication.h"
#include "host/HostServices.h"
#include "host/IKVSymbolInfo.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/Document.h"
#include "model/drawing/DrawingApplication.h"
#include "model/drawing/SymbolInfo.h"
#include "model/workspace/Workspace.h"

#include <gmock/gmock.h>

#include <fstream>

namespace kv380::demo::test {
namespace {

using testing::Contains;
using testing::Pair;

// What the stock pile does to learn a symbol's behaviour: a hidden scratch drawing, the symbol placed on
// its "tmp" sheet, a symbol information object reading it, the drawing closed unsaved.
std::shared_ptr<IKVSymbolInfo> behaviourOf(DrwApplication& application, const std::string& symbolPath) {
    auto document = deref(application.Documents()).Add(false);
    auto placed = deref(deref(document).Sheet("tmp")).PlaceSymbol(0, symbolPath, 0.0, 0.0);
    auto info = createSymbolInfo();
    info->ReadSymbol(placed);
    document->Close(false);
    return info;
}

TEST_F(DemoHostTest, SymbolInformationReadsTheBehaviourFromTheSampleSymbolFiles) {
    auto& application = *host->application();
    auto connector = behaviourOf(application, host->symbolRoot() + "\\Lines\\Process Line.sym");
    EXPECT_EQ(connector->Behaviour(), 3);
    EXPECT_EQ(connector->ExpansionTargetClass(), "");

    auto expansion = behaviourOf(application, host->symbolRoot() + "\\Blocks\\Pumps\\PumpSkid.sym");
    EXPECT_EQ(expansion->Behaviour(), 11);
    EXPECT_EQ(expansion->ExpansionTargetClass(), "Pump");

    EXPECT_EQ(behaviourOf(application, host->symbolRoot() + "\\Pumps\\Gear.sym")->Behaviour(), 0);
    // The scratch drawings never became active and are gone.
    EXPECT_EQ(application.ActiveDocument(), nullptr);
    EXPECT_TRUE(host->application()->documents()->open().empty());
}

TEST_F(DemoHostTest, PlacingAMissingSymbolFailsWithFileNotFound) {
    auto document = host->application()->Documents()->Add(false);
    try {
        document->Sheet("tmp")->PlaceSymbol(0, host->symbolRoot() + "\\Pumps\\Obsolete Pump.sym", 0, 0);
        ADD_FAILURE() << "a missing symbol was placed";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
    }
}

TEST(SymbolFiles, AFileThatIsNotASymbolDrawingOrHasABadBehaviourIsRefused) {
    TempFolder folder;
    auto readBehaviour = [&](const std::string& content) {
        std::ofstream(folder / "x.sym") << content;
        auto document =
            std::make_shared<Document>(Document::Info{.name = "scratch", .visible = false}, nullptr);
        auto info = std::make_shared<SymbolInfo>();
        info->ReadSymbol(document->Sheet("tmp")->PlaceSymbol(0, folder / "x.sym", 0, 0));
        return info->Behaviour();
    };
    auto errorOf = [&](const std::string& content) {
        try {
            readBehaviour(content);
        } catch (const AutomationError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(readBehaviour(R"(<svg data-behaviour=" 3 "/>)"), 3);
    EXPECT_EQ(errorOf("<svg data-behaviour='3'"), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf("<html data-behaviour='3'/>"), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf("<svg data-behaviour='connector'/>"), err::TypeMismatch);
    EXPECT_EQ(errorOf("<svg data-behaviour='40000'/>"), err::Overflow);
}

TEST_F(DemoHostTest, TheDeleterRemovesObjectsFromTheWorkspaceForGood) {
    auto workspace = host->dwgApp()->WorkSpace();
    std::vector<int64_t> told;
    host->services()->onDeleted = [&](const std::vector<int64_t>& ids) { told = ids; };

    createObjectDeleter()->DeleteObjects(workspace, {101, 114, 999});

    EXPECT_EQ(told, (std::vector<int64_t>{101, 114, 999}));
    EXPECT_FALSE(host->database().object(101));
    EXPECT_FALSE(host->database().object(114));
    auto objects = loadedObjects(view("By System", "All Objects"));
    EXPECT_EQ(objects->Count(), 28);
    EXPECT_EQ(object(objects, "P-101"), nullptr);
    EXPECT_EQ(object(objects, "L-1001")->ToObjectID(), ""); // the pipe lost the end it had at P-101
    EXPECT_EQ(object(objects, "L-1001")->FromObjectID(), "105");
}

TEST_F(DemoHostTest, TheServicesRefuseAWorkspaceThatIsNotTheHosts) {
    auto elsewhere = std::make_shared<Workspace>(nullptr);
    EXPECT_THROW(createObjectDeleter()->DeleteObjects(elsewhere, {101}), AutomationError);
    EXPECT_TRUE(host->database().object(101));

    VariantArray a, b;
    EXPECT_THROW(createDatasheetLauncher()->ShowDatasheets(elsewhere, 101, a, b), AutomationError);
    std::shared_ptr<HostObject> editor = std::make_shared<Workspace>(nullptr);
    createDatasheetEditorFactory()->GetEditor(elsewhere, editor);
    EXPECT_EQ(editor, nullptr);
}

TEST_F(DemoHostTest, DatasheetsShowTheObjectAsTheWorkspaceHoldsIt) {
    std::vector<std::string> shown;
    host->services()->onShowDatasheet = [&](const Datasheet& sheet) { shown.push_back(sheet.title); };
    auto workspace = host->dwgApp()->WorkSpace();

    VariantArray a, b;
    createDatasheetLauncher()->ShowDatasheets(workspace, 201, a, b);
    std::shared_ptr<HostObject> editor;
    createDatasheetEditorFactory()->GetEditor(workspace, editor);
    as<IKVDatasheetEditor>(editor)->OpenObject(105);

    EXPECT_EQ(shown, (std::vector<std::string>{"L-1001 (Pipe)", "V-201 (Vessel)"}));
    EXPECT_THAT(host->services()->shownDatasheets().front().fields,
                Contains(Pair("Drawings", "PFD-100 Feed")));
    EXPECT_THROW(as<IKVDatasheetEditor>(editor)->OpenObject(4711), AutomationError);
}

TEST(OutsideClasses, AreTheHostsWhileItLivesOnly) {
    TempFolder data;
    const auto before = setOutsideClassFactories({});
    {
        auto host = DemoHost::create({.dataFolder = data.path().string()});
        EXPECT_NE(createObjectDeleter(), nullptr);
    }
    try {
        createSymbolInfo();
        ADD_FAILURE() << "an outside class outlived the host";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::CannotCreateObject);
    }
    setOutsideClassFactories(before);
}

} // namespace
} // namespace kv380::demo::test
