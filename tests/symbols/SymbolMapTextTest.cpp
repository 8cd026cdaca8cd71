#include "symbols/SymbolMapText.h"

#include "platform/AutomationError.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kv380 {
namespace {

struct Pair {
    std::string in;
    std::string out;
};

TEST(SymbolMapKey, JoinsIdentifierAndClassesAsStored) {
    EXPECT_EQ(symbolMapKey("47", "PFD", "PPID"), "47(PFD)PPID");
    EXPECT_NE(symbolMapKey("47", "PFD", "PPID"), symbolMapKey("47", "pfd", "PPID"));
    EXPECT_EQ(symbolMapKey("", "", ""), "()");
}

TEST(SymbolMapKey, ListTargetClassIsFixedPerSourceClass) {
    const std::vector<Pair> table{{"Sim", "PFD"}, {"PFD", "PPID"}, {"PPID", ""}, {"sim", ""}, {"", ""}};
    for (const Pair& p : table) {
        EXPECT_EQ(listTargetClass(p.in), p.out) << p.in;
    }
}

TEST(SymbolMapValue, TheDefaultIsTheFirstSymbol) {
    const std::vector<Pair> table{
        {"A\\P.sym;B\\P.sym", "A\\P.sym"}, {"A\\P.sym", "A\\P.sym"}, {"M;", "M"}, {";B", ""}, {"", ""}};
    for (const Pair& p : table) {
        EXPECT_EQ(defaultMappedSymbol(p.in), p.out) << p.in;
    }
}

TEST(SymbolPathText, DoubledBackslashesCollapseInOnePassFromTheLeft) {
    const std::vector<Pair> table{
        {"Blocks\\\\Pumps\\\\P.sym", "Blocks\\Pumps\\P.sym"},
        {"\\\\\\\\", "\\\\"}, // four become two
        {"\\\\\\", "\\\\"},   // three become two: the pair, then the single one left over
        {"\\", "\\"},
        {"", ""},
    };
    for (const Pair& p : table) {
        EXPECT_EQ(collapseDoubledBackslashes(p.in), p.out) << p.in;
    }
}

TEST(SymbolPathText, NormalisingKeepsTheFirstTwoCharactersSoANetworkPrefixSurvives) {
    const std::vector<Pair> table{
        {"\\\\server\\\\share\\\\P.sym", "\\\\server\\share\\P.sym"},
        {"\\\\\\\\P.sym", "\\\\\\P.sym"},
        {"/srv/sym\\\\P.sym", "/srv/sym\\P.sym"},
        {"\\", "\\"},
        // Characters, not bytes: "é" and the first "\" are the two kept.
        {"é\\\\x", "é\\\\x"},
    };
    for (const Pair& p : table) {
        EXPECT_EQ(normaliseSymbolPath(p.in), p.out) << p.in;
    }
}

TEST(SymbolPathText, RelativeToTheRootCutsTheRootAndItsBackslashByCharacters) {
    EXPECT_EQ(symbolRelativeToRoot("/srv/sym\\Blocks\\P.sym", "/srv/sym"), "Blocks\\P.sym");
    EXPECT_EQ(symbolRelativeToRoot("/srv/sym\\Blocks\\P.sym", "/srv/sym\\"), "Blocks\\P.sym");
    EXPECT_EQ(symbolRelativeToRoot("/srv/sym\\", "/srv/sym"), "");
    // Only lengths count, and a cut never splits a character.
    EXPECT_EQ(symbolRelativeToRoot("/srv/éé\\P.sym", "/srv/ab"), "P.sym");
    EXPECT_EQ(symbolRelativeToRoot("/srv/símbolos\\P.sym", "/srv/símbolos"), "P.sym");
    for (const char* tooShort : {"/srv/sym", "P.sym", ""}) {
        try {
            symbolRelativeToRoot(tooShort, "/srv/sym");
            ADD_FAILURE() << "expected error 5 for " << tooShort;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::InvalidProcedureCall);
        }
    }
}

TEST(SymbolPathText, EachByteOfAnInvalidSequenceCountsAsOneCharacter) {
    // An encoded surrogate is three bytes, so three characters, as many as "abc": the cut leaves the name.
    EXPECT_EQ(symbolRelativeToRoot("/srv/\xed\xa0\x80\\P.sym", "/srv/abc"), "P.sym");
    // An overlong "/" is three characters too: two are kept, and the doubled backslash after them collapses.
    EXPECT_EQ(normaliseSymbolPath("\xe0\x80\xaf\\\\x"), "\xe0\x80\xaf\\x");
}

TEST(SymbolPathText, LookupSymbolsCutAndNormaliseInTheirOwnOrder) {
    // The map lookup cuts first and collapses after, so a doubled separator after the root leaves one "\"
    // in front; the library lookup normalises first.
    const std::string doubled = "/srv/sym\\\\Blocks\\\\P.sym";
    EXPECT_EQ(mapLookupSymbol(doubled, "/srv/sym"), "\\Blocks\\P.sym");
    EXPECT_EQ(libraryRelativeSymbol(doubled, "/srv/sym"), "Blocks\\P.sym");
    EXPECT_EQ(libraryRelativeSymbol("\\\\server\\sym\\\\Blocks\\P.sym", "\\\\server\\sym"), "Blocks\\P.sym");
    EXPECT_THROW(libraryRelativeSymbol("P.sym", "/srv/sym"), AutomationError);
}

TEST(SymbolPathText, AMapSymbolsFolderIsWhatComesBeforeItsLastBackslash) {
    const std::vector<Pair> table{
        {"Blocks\\\\Pumps\\\\P.sym", "Blocks\\Pumps"},
        {"\\Blocks\\P.sym", "\\Blocks"},
        {"Blocks\\", "Blocks"},
        {"P.sym", ""},
    };
    for (const Pair& p : table) {
        EXPECT_EQ(mapSymbolFolder(p.in), p.out) << p.in;
    }
    EXPECT_EQ(dropLeadingBackslash("\\\\Blocks\\P.sym"), "\\Blocks\\P.sym");
    EXPECT_EQ(dropLeadingBackslash("Blocks\\P.sym"), "Blocks\\P.sym");
}

TEST(EnsureMapSymbolFirst, PutsTheMapSymbolInFrontOnlyWhenTheMappingLacksIt) {
    struct Case {
        std::string mapSymbol;
        std::string mapping;
        std::optional<std::string> stored;
    };
    const std::vector<Case> table{
        {"Blocks\\M.sym", "", "Blocks\\M.sym;"},
        {"\\Blocks\\M.sym", "", "Blocks\\M.sym;"},
        {"B.sym", "A.sym;C.sym", "B.sym;A.sym;C.sym"},
        // Already held, wherever it stands: never reordered.
        {"C.sym", "A.sym;C.sym", std::nullopt},
        {"\\C.sym", "A.sym;C.sym", std::nullopt},
        // A plain substring test: part of a longer path counts, letter case does not match.
        {"Pump.sym", "Blocks\\BigPump.sym", std::nullopt},
        {"pump.sym", "Pump.sym", "pump.sym;Pump.sym"},
        // Nothing to put in front.
        {"", "A.sym", std::nullopt},
        {"\\", "", std::nullopt},
        {"", "", std::nullopt},
    };
    for (const Case& c : table) {
        EXPECT_EQ(mappingWithMapSymbolFirst(c.mapSymbol, c.mapping), c.stored)
            << c.mapSymbol << " in " << c.mapping;
    }
}

TEST(NextObjectSymbol, CyclesToTheFollowingSymbolAndWrapsRound) {
    struct Case {
        std::string mapping;
        std::string old;
        std::string next;
    };
    const std::vector<Case> table{
        {"A;B;C", "B", "/srv/sym\\C"},
        {"A;B;C", "C", "/srv/sym\\A"},
        {"A;B;C", "D", ""},
        {"A", "A", ""},
        {"A;A", "A", ""},
        {"A;A;B", "A", ""}, // the second A ends the search before B
        {"A;B;A", "A", "/srv/sym\\B"},
        {"", "A", ""},
        // A seeded mapping's trailing ";" is no alternative, nor is an empty element in between.
        {"M;", "M", ""},
        {"A;;B", "A", "/srv/sym\\B"},
        {"A;B;", "B", "/srv/sym\\A"},
    };
    for (const Case& c : table) {
        EXPECT_EQ(nextObjectSymbol(c.mapping, c.old, "/srv/sym"), c.next) << c.mapping << " after " << c.old;
    }
    EXPECT_EQ(nextObjectSymbol("A;B", "A", "/srv/sym\\"), "/srv/sym\\B");
}

} // namespace
} // namespace kv380
