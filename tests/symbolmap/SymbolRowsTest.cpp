#include "symbolmap/SymbolRows.h"
#include "platform/AutomationError.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

TEST(SymbolRows, AbsolutePathsAreCutByTheRootsLengthAndOneSeparator) {
    EXPECT_EQ(symbolRowKey("/srv/symbols", "Pumps\\P1.sym"), "/srv/symbols\\Pumps\\P1.sym");
    EXPECT_EQ(relativeToSymbolRoot("/srv/symbols\\Pumps\\P1.sym", "/srv/symbols"), "Pumps\\P1.sym");
    // By position: a path elsewhere loses as many characters all the same.
    EXPECT_EQ(relativeToSymbolRoot("/other/place\\X.sym", "/srv/symbols"), "X.sym");
    // Characters, not bytes: a root with a two-byte letter cuts the same number of characters.
    EXPECT_EQ(relativeToSymbolRoot("/s\xC3\xBCm\\A.sym", "/s\xC3\xBCm"), "A.sym");
    EXPECT_EQ(relativeToSymbolRoot("/srv/symbols\\", "/srv/symbols"), "");
    try {
        relativeToSymbolRoot("/srv/symbols", "/srv/symbols");
        FAIL() << "a path no longer than the root cannot be cut";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
}

TEST(SymbolRows, AChosenRowShowsTheFileNameLessAnExactlyWrittenSymExtension) {
    EXPECT_EQ(chosenSymbolText("/r\\Pumps\\P1.sym"), "P1");
    EXPECT_EQ(chosenSymbolText("/r\\Valves\\Valve.SYM"), "Valve.SYM");
    EXPECT_EQ(chosenSymbolText("/r\\A.sym.sym"), "A.sym");
    EXPECT_EQ(chosenSymbolText("Root.sym"), "Root");
    EXPECT_EQ(chosenSymbolText("/r\\"), "");
}

TEST(SymbolRows, AFolderRowShowsTheFileNameUpToItsFirstSymInAnyCase) {
    EXPECT_EQ(folderSymbolText("Valve.SYM"), "Valve");
    EXPECT_EQ(folderSymbolText("Pump.sym"), "Pump");
    EXPECT_EQ(folderSymbolText("Two.Sym.sym"), "Two");
    EXPECT_EQ(folderSymbolText("Symbol.sym"), "Symbol");
    EXPECT_EQ(folderSymbolText(".sym"), "");
}

TEST(SymbolRows, TargetTextsSplitAtEverySemicolonAndMapsLeaveOutEmptyEntries) {
    EXPECT_TRUE(semicolonSeparated("").empty());
    EXPECT_EQ(semicolonSeparated("PPID"), (std::vector<std::string>{"PPID"}));
    EXPECT_EQ(semicolonSeparated("PPID;Sim"), (std::vector<std::string>{"PPID", "Sim"}));
    EXPECT_EQ(semicolonSeparated("PPID;"), (std::vector<std::string>{"PPID", ""}));
    EXPECT_EQ(mapEntries("Pumps\\P1.sym;Pumps\\P2.sym"),
              (std::vector<std::string>{"Pumps\\P1.sym", "Pumps\\P2.sym"}));
    EXPECT_EQ(mapEntries("Blocks\\M.sym;"), (std::vector<std::string>{"Blocks\\M.sym"}));
    EXPECT_TRUE(mapEntries("").empty());
}

TEST(SymbolRows, TheStoredMapPutsTheSelectedRowFirstAndTheOthersInListOrder) {
    const std::string root = "/r";
    EXPECT_EQ(mapOfChosenRows({{"/r\\A.sym", false}, {"/r\\B.sym", true}}, root), "B.sym;A.sym");
    EXPECT_EQ(mapOfChosenRows({{"/r\\A.sym", false}, {"/r\\B.sym", false}, {"/r\\C.sym", false}}, root),
              "A.sym;B.sym;C.sym");
    EXPECT_EQ(mapOfChosenRows({{"/r\\A.sym", false}, {"/r\\B.sym", true}, {"/r\\C.sym", true}}, root),
              "B.sym;A.sym");
    EXPECT_EQ(mapOfChosenRows({{"/r\\A.sym", true}, {"/r\\A.sym", false}}, root), "A.sym;A.sym");
    EXPECT_EQ(mapOfChosenRows({}, root), "");
}

} // namespace
} // namespace kv380
