#include "DemoHostFixture.h"
#include "model/db/WorkspaceDatabase.h"

namespace kv380::demo::test {
namespace {

TEST_F(DemoHostTest, ASymbolWrittenByTheControlIsInTheWorkspaceAfterARestart) {
    auto objects = loadedObjects(view("By System", "All Objects"));
    const std::string resolved = host->symbolRoot() + "\\Exchangers\\ShellAndTube\\ShellTube.sym";
    object(objects, "E-301")->setSymbol(resolved);
    object(objects, "E-301")->setMapReference("C1-new");
    EXPECT_EQ(object(objects, "E-301")->Symbol(), resolved);

    host.reset();
    host = makeHost();
    auto reloaded = loadedObjects(view("By Plot Area", "Area 300 - Utilities"));
    EXPECT_EQ(object(reloaded, "E-301")->Symbol(), resolved);
    EXPECT_EQ(object(reloaded, "E-301")->MapReference(), "C1-new");
}

TEST_F(DemoHostTest, WritingToAnObjectDeletedMeanwhileFailsAndChangesNothing) {
    auto objects = loadedObjects(view("By System", "All Objects"));
    auto pump = object(objects, "P-101");
    const std::string before = pump->Symbol();
    host->database().deleteObjects({101});

    try {
        pump->setSymbol("Pumps\\Gear.sym");
        ADD_FAILURE() << "the write succeeded";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
    EXPECT_EQ(pump->Symbol(), before);
}

} // namespace
} // namespace kv380::demo::test
