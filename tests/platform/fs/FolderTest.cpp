#include "platform/fs/Folder.h"
#include "platform/AutomationError.h"
#include "platform/fs/FsError.h"
#include "platform/fs/TempTree.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kv380::fs {

using test::errorNumberOf;
namespace {

using test::TempTree;

std::vector<std::string> namesOf(const std::vector<std::shared_ptr<File>>& files) {
    std::vector<std::string> names;
    for (const auto& f : files) {
        names.push_back(f->Name());
    }
    return names;
}

std::vector<std::string> pathsOf(const std::vector<std::shared_ptr<Folder>>& folders) {
    std::vector<std::string> paths;
    for (const auto& f : folders) {
        paths.push_back(f->Path());
    }
    return paths;
}

TEST(Folder, OpensOnlyExistingFoldersAndKeepsThePathAsGiven) {
    TempTree tree;
    tree.file("Blocks/Pump.sym");
    const auto folder = Folder::open(tree.sys("Blocks"));
    EXPECT_EQ(folder->Path(), tree.root() + "\\Blocks");
    EXPECT_EQ(folder->Name(), "Blocks");
    EXPECT_EQ(Folder::open(tree.sys("Blocks") + "\\")->Name(), "Blocks");
    EXPECT_EQ(Folder::open("/")->Name(), "");

    EXPECT_EQ(errorNumberOf([&] { Folder::open(tree.sys("Missing")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { Folder::open(tree.sys("Blocks/Pump.sym")); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { Folder::open(""); }), PathNotFound);
}

TEST(Folder, FilesByNameCompareCaseAndFindOnlyFilesOfThisFolder) {
    TempTree tree;
    tree.file("Pump.sym", "p");
    tree.file("Sub/Deep.sym");
    tree.folder("Folder.sym");
    tree.link("Pump.sym", "Linked.sym");
    tree.link("Gone.sym", "Broken.sym");
    const auto root = Folder::open(tree.sys());

    const auto pump = root->Files("Pump.sym");
    ASSERT_TRUE(pump);
    EXPECT_EQ(pump->Name(), "Pump.sym");
    EXPECT_EQ(pump->Path(), tree.root() + "\\Pump.sym");
    EXPECT_EQ(root->Files("Linked.sym")->Path(), tree.root() + "\\Linked.sym");

    for (const char* name : {"pump.sym", "PUMP.SYM", "Deep.sym", "Sub\\Deep.sym", "Sub/Deep.sym",
                             "Folder.sym", "Broken.sym", "", ".", "..", "Sub"}) {
        EXPECT_EQ(errorNumberOf([&] { root->Files(name); }), err::FileNotFound) << name;
    }
}

TEST(Folder, ListingsComeInByteWiseNameOrder) {
    TempTree tree;
    for (const char* name : {"b.sym", "B.sym", "a.sym", "Ä.sym", "é.sym", ".hidden.sym", "10.sym", "9.sym"}) {
        tree.file(name);
    }
    for (const char* name : {"zeta", "Alpha", "alpha", "Über", "_under"}) {
        tree.folder(name);
    }
    tree.link("a.sym", "link.sym");
    tree.link("nowhere", "dangling");
    const auto root = Folder::open(tree.sys());

    EXPECT_EQ(namesOf(root->Files()),
              (std::vector<std::string>{".hidden.sym", "10.sym", "9.sym", "B.sym", "a.sym", "b.sym",
                                        "link.sym", "Ä.sym", "é.sym"}));
    std::vector<std::string> expected;
    for (const char* name : {"Alpha", "_under", "alpha", "zeta", "Über"}) {
        expected.push_back(tree.root() + "\\" + name);
    }
    EXPECT_EQ(pathsOf(root->SubFolders()), expected);
    EXPECT_EQ(root->SubFolders()[3]->Name(), "zeta");
}

TEST(Folder, NestedFoldersAndTheirFilesCarrySystemFormPaths) {
    TempTree tree;
    tree.file("Valves/Gate/G1.sym");
    tree.folder("Valves/Ball");
    const auto valves = Folder::open(tree.sys("Valves"))->SubFolders();
    ASSERT_EQ(valves.size(), 2u);
    EXPECT_EQ(valves[1]->Path(), tree.root() + "\\Valves\\Gate");
    EXPECT_EQ(valves[1]->Files("G1.sym")->Path(), tree.root() + "\\Valves\\Gate\\G1.sym");
    EXPECT_TRUE(valves[0]->SubFolders().empty());
    EXPECT_TRUE(valves[0]->Files().empty());

    // A folder opened with a trailing separator does not get a doubled one.
    const auto slashRoot = Folder::open(tree.sys("Valves") + "\\");
    EXPECT_EQ(slashRoot->SubFolders()[0]->Path(), tree.root() + "\\Valves\\Ball");
    const auto systemRoot = Folder::open("/")->SubFolders();
    ASSERT_FALSE(systemRoot.empty());
    for (const auto& sub : systemRoot) {
        EXPECT_EQ(sub->Path(), "/" + sub->Name());
    }
}

void collectWalk(const Folder& folder, std::vector<std::string>& paths) {
    for (const auto& sub : folder.SubFolders()) {
        paths.push_back(sub->Path());
        collectWalk(*sub, paths);
    }
}

TEST(Folder, LinkedFoldersAreFollowedButAWalkDownAlwaysEnds) {
    TempTree tree;
    tree.file("Library/Shared/S.sym");
    tree.file("Symbols/Own.sym");
    tree.link("../Library/Shared", "Symbols/Shared");
    tree.link(".", "Symbols/Self"); // the folder itself
    tree.link("..", "Symbols/Up");  // above Symbols, and from there down into Symbols again
    const auto symbols = Folder::open(tree.sys("Symbols"));
    EXPECT_EQ(symbols->SubFolders()[0]->Files("S.sym")->Path(), tree.root() + "\\Symbols\\Shared\\S.sym");

    std::vector<std::string> walked;
    collectWalk(*symbols, walked);
    const std::string base = tree.root() + "\\Symbols\\";
    EXPECT_EQ(walked, (std::vector<std::string>{base + "Shared", base + "Up", base + "Up\\Library",
                                                base + "Up\\Library\\Shared"}));
}

TEST(Folder, AFolderRemovedAfterOpeningCannotBeListed) {
    TempTree tree;
    tree.file("Blocks/Pump.sym");
    const auto blocks = Folder::open(tree.sys("Blocks"));
    tree.remove("Blocks");
    EXPECT_EQ(errorNumberOf([&] { blocks->Files(); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { blocks->SubFolders(); }), PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { blocks->Files("Pump.sym"); }), err::FileNotFound);
}

TEST(Folder, NamesWithABackslashCannotBeAddressedAndAreNotListed) {
    TempTree tree;
    tree.file("odd\\name.sym"); // one file whose name holds a backslash
    tree.folder("odd\\folder");
    tree.file("plain.sym");
    const auto root = Folder::open(tree.sys());
    EXPECT_EQ(namesOf(root->Files()), (std::vector<std::string>{"plain.sym"}));
    EXPECT_TRUE(root->SubFolders().empty());
}

} // namespace
} // namespace kv380::fs
