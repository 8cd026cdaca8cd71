#include "symbolmap/FolderTree.h"
#include "support/FakeSymbolStore.h"

#include <pugixml.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::test {
namespace {

class FolderTreeTest : public ::testing::Test {
protected:
    // The nodes built for the PPID template of a document whose PPID SymbolLibrary holds `folders`.
    std::vector<FolderNode> build(const std::string& folders, const std::string& target = "PPID") {
        return buildFrom("<Templates><Template Name=\"PPID\"><SymbolLibrary>" + folders +
                             "</SymbolLibrary></Template></Templates>",
                         target);
    }
    std::vector<FolderNode> buildFrom(const std::string& xml, const std::string& target = "PPID") {
        pugi::xml_document document;
        EXPECT_TRUE(document.load_string(xml.c_str()));
        return folderTreeNodes(document, target, store.root());
    }
    // "parent > key = text" per node, for whole-tree comparisons.
    static std::vector<std::string> lines(const std::vector<FolderNode>& nodes) {
        std::vector<std::string> out;
        for (const FolderNode& n : nodes) {
            out.push_back(n.parentKey + " > " + n.key + " = " + n.text);
        }
        return out;
    }

    FakeSymbolStore store{std::make_shared<FakeHostLedger>()};
};

TEST_F(FolderTreeTest, TemplateFoldersAndTheDiskFoldersBelowAStarFolderShareTheNumbering) {
    store.addFolder("Valves\\Gate");
    store.addFolder("Valves\\Ball");
    const auto nodes = build(R"(<Folder Name="Pumps" State="Shown" Path="Pumps"/>)"
                             R"(<Folder Name="Valves" State="Shown" Path="Valves\*"/>)");
    EXPECT_EQ(lines(nodes), (std::vector<std::string>{
                                " > ROOT = PPID",
                                "ROOT > 101:Pumps = Pumps",
                                "ROOT > 102:Valves = Valves",
                                "102:Valves > 103:Valves\\Ball = Ball",
                                "102:Valves > 104:Valves\\Gate = Gate",
                            }));
}

TEST_F(FolderTreeTest, DiskFoldersComeInNameOrderWithoutRegardToCaseAtEveryDepthBeforeTheNextElement) {
    store.addFolder("Valves\\gate\\Wedge");
    store.addFolder("Valves\\Ball");
    store.addFolder("Valves\\check");
    store.addFile("Valves\\Ball.sym");
    const auto nodes = build(R"(<Folder Name="Valves" State="Shown" Path="Valves\*"/>)"
                             R"(<Folder Name="Lines" State="Shown" Path="Lines"/>)");
    EXPECT_EQ(lines(nodes), (std::vector<std::string>{
                                " > ROOT = PPID",
                                "ROOT > 101:Valves = Valves",
                                "101:Valves > 102:Valves\\Ball = Ball",
                                "101:Valves > 103:Valves\\check = check",
                                "101:Valves > 104:Valves\\gate = gate",
                                "104:Valves\\gate > 105:Valves\\gate\\Wedge = Wedge",
                                "ROOT > 106:Lines = Lines",
                            }));
}

TEST_F(FolderTreeTest, HiddenFoldersAndThoseWithoutStateTakeANumberButNothingBelowThemIsShown) {
    store.addFolder("Secret\\Inner");
    const auto nodes = build(R"(<Folder Name="Group" State="Hidden">)"
                             R"(  <Folder Name="Inside" State="Shown" Path="Inside"/>)"
                             R"(</Folder>)"
                             R"(<Folder Name="NoState" Path="NoState"/>)"
                             R"(<Folder Name="Stars" State="Hidden" Path="Secret\*"/>)"
                             R"(<Folder Name="Lower" State="hidden" Path="Lower"/>)");
    // Group takes 101; its child is never reached, so NoState is 102, Stars 103 and the disk is not read.
    EXPECT_EQ(lines(nodes), (std::vector<std::string>{" > ROOT = PPID", "ROOT > 104:Lower = Lower"}));
}

TEST_F(FolderTreeTest, AParentFolderWithoutPathStandsForTheRootAndItsStarPathIsKeptAsWritten) {
    store.addFolder("Blocks\\Pumps");
    const auto nodes = build(R"(<Folder Name="Equipment" State="Shown">)"
                             R"(  <Folder Name="Pumps" State="Shown" Path="Pumps"/>)"
                             R"(</Folder>)"
                             R"(<Folder Name="Blocks" State="Shown" Path="Blocks\*">)"
                             R"(  <Folder Name="Pumps" State="Shown" Path="Blocks\Pumps"/>)"
                             R"(</Folder>)");
    EXPECT_EQ(lines(nodes), (std::vector<std::string>{
                                " > ROOT = PPID",
                                "ROOT > 101: = Equipment",
                                "101: > 102:Pumps = Pumps",
                                "ROOT > 103:Blocks\\* = Blocks",
                                "103:Blocks\\* > 104:Blocks\\Pumps = Pumps",
                            }));
}

TEST_F(FolderTreeTest, MalformedFolderElementsDoNotStopTheRestOfTheTree) {
    const auto nodes = build(R"(<Folder State="Shown" Path="Pumps\Centrifugal"/>)"
                             R"(<!-- a comment -->some text)"
                             R"(<Folder Name="No path" State="Shown"/>)"
                             R"(<Folder Name="Empty path" State="Shown" Path=""/>)"
                             R"(<Folder Name="Missing disk" State="Shown" Path="Nowhere\*"/>)"
                             R"(<?pi instruction?>)"
                             R"(<Folder Name="Lines" State="Shown" Path="Lines"/>)");
    EXPECT_EQ(lines(nodes), (std::vector<std::string>{
                                " > ROOT = PPID",
                                "ROOT > 101:Pumps\\Centrifugal = Centrifugal",
                                "ROOT > 104:Nowhere = Missing disk",
                                "ROOT > 105:Lines = Lines",
                            }));
}

TEST_F(FolderTreeTest, TheTemplateIsMatchedExactlyAndOnlyItsFirstSymbolLibraryCounts) {
    const std::string xml = R"(<Templates>)"
                            R"(<Template Name="ppid"><SymbolLibrary><F Name="Lower" State="S" Path="L"/>)"
                            R"(</SymbolLibrary></Template>)"
                            R"(<Template Name="PPID"><Other/></Template>)"
                            R"(<Template Name="PPID"><SymbolLibrary><F Name="First" State="S" Path="A"/>)"
                            R"(</SymbolLibrary><SymbolLibrary><F Name="Second" State="S" Path="B"/>)"
                            R"(</SymbolLibrary></Template>)"
                            R"(<Template Name="PPID"><SymbolLibrary><F Name="Later" State="S" Path="C"/>)"
                            R"(</SymbolLibrary></Template>)"
                            R"(</Templates>)";
    EXPECT_EQ(lines(buildFrom(xml)), (std::vector<std::string>{" > ROOT = PPID", "ROOT > 101:A = First"}));
    EXPECT_TRUE(buildFrom(xml, "Sim").empty());
    EXPECT_TRUE(buildFrom("<Templates/>").empty());
}

TEST_F(FolderTreeTest, NineHundredFoldersGiveNodeNumbersOfFourDigits) {
    for (int i = 0; i < 950; ++i) {
        store.addFolder("Many\\F" + std::to_string(1000 + i));
    }
    const auto nodes = build(R"(<Folder Name="Many" State="Shown" Path="Many\*"/>)");
    ASSERT_EQ(nodes.size(), 952u);
    EXPECT_EQ(nodes[1].key, "101:Many");
    EXPECT_EQ(nodes.back().key, "1051:Many\\F1949");
    EXPECT_EQ(nodes.back().parentKey, "101:Many");
}

} // namespace
} // namespace kv380::test
