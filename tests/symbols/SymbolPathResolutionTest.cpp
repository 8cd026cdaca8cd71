#include "symbols/SymbolPathResolution.h"

#include "platform/AutomationError.h"
#include "platform/fs/FsError.h"
#include "platform/fs/TempTree.h"
#include "symbols/FileSystemUtilities.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kv380 {
namespace {

using test::TempTree;
using Outcome = SymbolPathResolution::Outcome;

// Both ways of finding a symbol by name, so every case runs through each.
struct Strategy {
    const char* name;
    SymbolFinder (*make)(std::shared_ptr<fs::Folder>);
};
const Strategy strategies[] = {{"walking", &SymbolFinder::walking}, {"indexed", &SymbolFinder::indexed}};

class ResolvingSymbolPaths : public ::testing::Test {
protected:
    ResolvingSymbolPaths() {
        tree.file("Top.sym");
        tree.file("Blocks/Pump.sym");
        tree.file("Blocks/Deep/Top.sym");
        tree.file("A/Deep/Valve.sym");
        tree.file("B/Valve.sym");
        root = fs::Folder::open(tree.sys());
        rootDirectory = AddTrailingBackslash(root->Path());
    }

    TempTree tree;
    std::shared_ptr<fs::Folder> root;
    std::string rootDirectory;
};

TEST_F(ResolvingSymbolPaths, StoredPathsResolveTheSameWhicheverWayNamesAreFound) {
    struct Case {
        std::string stored;
        Outcome outcome;
        std::string path;      // what was looked for
        std::string newSymbol; // what the object's Symbol becomes when written
    };
    const std::vector<Case> cases{
        // Absolute and existing: left as stored, even with the leading "\\" that was dropped for the test.
        {tree.sys("Blocks/Pump.sym"), Outcome::Kept, tree.sys("Blocks/Pump.sym"), ""},
        {"\\\\" + tree.sys("Blocks/Pump.sym"), Outcome::Kept, tree.sys("Blocks/Pump.sym"), ""},
        // Relative to the root, with or without a leading "\\".
        {"Blocks\\Pump.sym", Outcome::Replaced, "Blocks\\Pump.sym", tree.sys("Blocks/Pump.sym")},
        {"\\\\Blocks\\Pump.sym", Outcome::Replaced, "Blocks\\Pump.sym", tree.sys("Blocks/Pump.sym")},
        // Only the name still leads anywhere: the first file of that name, depth first, root's own first.
        {"Retired\\Valve.sym", Outcome::Replaced, "Retired\\Valve.sym", tree.sys("A/Deep/Valve.sym")},
        {"Retired\\Top.sym", Outcome::Replaced, "Retired\\Top.sym", tree.sys("Top.sym")},
        {"/elsewhere/Blocks\\Pump.sym", Outcome::Replaced, "/elsewhere/Blocks\\Pump.sym",
         tree.sys("Blocks/Pump.sym")},
        // Nowhere: cleared.
        {"Retired\\Missing.sym", Outcome::NotFound, "Retired\\Missing.sym", ""},
        {"\\\\Retired\\Missing.sym", Outcome::NotFound, "Retired\\Missing.sym", ""},
        {"Blocks\\pump.sym", Outcome::NotFound, "Blocks\\pump.sym", ""},
        // No symbol at all: nothing to look for and nothing to tell the user.
        {"", Outcome::Kept, "", ""},
    };
    for (const Strategy& strategy : strategies) {
        SymbolFinder finder = strategy.make(root);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(strategy.name) + " " + c.stored);
            const SymbolPathResolution r = resolveSymbolPath(c.stored, rootDirectory, finder);
            EXPECT_EQ(r.outcome, c.outcome);
            EXPECT_EQ(r.path, c.path);
            EXPECT_EQ(r.newSymbol, c.newSymbol);
            EXPECT_EQ(r.writesSymbol(), c.outcome != Outcome::Kept);
            EXPECT_EQ(r.succeeded(), c.outcome != Outcome::NotFound);
        }
    }
}

TEST_F(ResolvingSymbolPaths, AMissingSymbolIsToldWithThePathLookedForAndTheItemsKey) {
    SymbolFinder finder = SymbolFinder::indexed(root);
    const SymbolPathResolution r = resolveSymbolPath("\\\\Retired\\Missing.sym", rootDirectory, finder);
    EXPECT_EQ(r.description("P-101"), "Could not find symbol Retired\\Missing.sym for item P-101");
    EXPECT_EQ(r.messageLine("P-101"), "Could not find symbol Retired\\Missing.sym for item P-101\r\n");
    EXPECT_EQ(SymbolNotFoundNumber, 9999);
}

TEST_F(ResolvingSymbolPaths, AFolderThatCannotBeListedStopsTheSearchWithItsErrorEitherWay) {
    tree.file("Gone/Pump.sym");
    const auto gone = fs::Folder::open(tree.sys("Gone"));
    tree.remove("Gone");
    for (const Strategy& strategy : strategies) {
        SCOPED_TRACE(strategy.name);
        SymbolFinder finder = strategy.make(gone);
        try {
            resolveSymbolPath("Retired\\Pump.sym", AddTrailingBackslash(gone->Path()), finder);
            ADD_FAILURE() << "expected the folder's error";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), fs::PathNotFound);
        }
    }
}

TEST_F(ResolvingSymbolPaths, AnIndexedFinderTakesTheTreeAsItIsAtItsFirstLookup) {
    SymbolFinder finder = SymbolFinder::indexed(root);
    tree.file("Late/First.sym"); // before any lookup: seen
    EXPECT_EQ(resolveSymbolPath("Retired\\First.sym", rootDirectory, finder).newSymbol,
              tree.sys("Late/First.sym"));
    tree.file("Late/Second.sym"); // after: not seen until the next pass builds its own finder
    EXPECT_EQ(resolveSymbolPath("Retired\\Second.sym", rootDirectory, finder).outcome, Outcome::NotFound);
    SymbolFinder nextPass = SymbolFinder::indexed(root);
    EXPECT_EQ(resolveSymbolPath("Retired\\Second.sym", rootDirectory, nextPass).newSymbol,
              tree.sys("Late/Second.sym"));
}

} // namespace
} // namespace kv380
