#include "symbols/ObjectSymbolText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380 {
namespace {

TEST(ObjectSymbolText, OnlyAnExactBlocksFolderGetsTheUnitOperationsFolderInFront) {
    EXPECT_EQ(withUnitOperationsFolder("Blocks\\Pumps\\Pump.sym"),
              "Unit Operations\\Blocks\\Pumps\\Pump.sym");
    EXPECT_EQ(withUnitOperationsFolder("Blocks\\"), "Unit Operations\\Blocks\\");
    // Letter case counts, and the folder must be the first seven characters, backslash included.
    EXPECT_EQ(withUnitOperationsFolder("blocks\\Pump.sym"), "blocks\\Pump.sym");
    EXPECT_EQ(withUnitOperationsFolder("BlocksPump.sym"), "BlocksPump.sym");
    EXPECT_EQ(withUnitOperationsFolder("Blocks"), "Blocks");
    EXPECT_EQ(withUnitOperationsFolder("\\Blocks\\Pump.sym"), "\\Blocks\\Pump.sym");
    EXPECT_EQ(withUnitOperationsFolder(""), "");
}

struct Names {
    std::vector<std::string> asked;
    std::string operator()(const std::string& id) {
        asked.push_back(id);
        return id == "1" ? "P-101" : id == "2" ? "V-201" : "";
    }
};

TEST(ObjectSymbolText, AConnectionIsDescribedByItsNameAndBothEnds) {
    Names names;
    const auto nameOf = [&](const std::string& id) { return names(id); };
    EXPECT_EQ(connectionDescription("L-1", "1", "2", "", nameOf), "L-1 From P-101 To V-201");
    EXPECT_EQ(names.asked, (std::vector<std::string>{"1", "2"}));
}

TEST(ObjectSymbolText, TheEndItIsDroppedOntoAndMissingEndsAreLeftOutWithoutAskingTheirNames) {
    Names names;
    const auto nameOf = [&](const std::string& id) { return names(id); };
    EXPECT_EQ(connectionDescription("L-1", "1", "2", "1", nameOf), "L-1 To V-201");
    EXPECT_EQ(connectionDescription("L-1", "1", "2", "2", nameOf), "L-1 From P-101");
    EXPECT_EQ(connectionDescription("L-1", "", "", "9", nameOf), "L-1");
    EXPECT_EQ(connectionDescription("L-1", "1", "1", "1", nameOf), "L-1");
    EXPECT_EQ(names.asked, (std::vector<std::string>{"2", "1"}));
}

TEST(ObjectSymbolText, AnEndWithoutANameStillGetsItsSeparator) {
    EXPECT_EQ(connectionDescription("L-1", "7", "", "", [](const std::string&) { return std::string(); }),
              "L-1 From ");
}

} // namespace
} // namespace kv380
