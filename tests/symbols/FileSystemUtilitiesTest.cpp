#include "symbols/FileSystemUtilities.h"

#include "platform/fs/TempTree.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

using test::TempTree;

TEST(FileExists, OnlyRegularFilesExist) {
    TempTree tree;
    tree.file("Blocks/Empty.sym");
    tree.link("Gone.sym", "Blocks/Broken.sym");
    const std::string root = AddTrailingBackslash(tree.sys());
    EXPECT_TRUE(FileExists(root + "Blocks\\Empty.sym"));
    EXPECT_FALSE(FileExists(root + "Blocks\\Broken.sym"));
    EXPECT_FALSE(FileExists(root + "Blocks"));
    EXPECT_FALSE(FileExists(root + "Blocks\\empty.sym"));
}

TEST(FileNameOf, TakesThePartAfterTheLastBackslash) {
    EXPECT_EQ(FileNameOf("Blocks\\Pumps\\P1.sym"), "P1.sym");
    EXPECT_EQ(FileNameOf("/srv/symbols\\Blocks\\P1.sym"), "P1.sym");
    EXPECT_EQ(FileNameOf("P1.sym"), "P1.sym");
    EXPECT_EQ(FileNameOf("/srv/symbols/P1.sym"), "/srv/symbols/P1.sym"); // only "\" separates
    EXPECT_EQ(FileNameOf("Blocks\\"), "");
    EXPECT_EQ(FileNameOf(""), "");
}

TEST(AddTrailingBackslash, AppendsOneUnlessThereIsOne) {
    EXPECT_EQ(AddTrailingBackslash("/srv/symbols"), "/srv/symbols\\");
    EXPECT_EQ(AddTrailingBackslash("/srv/symbols\\"), "/srv/symbols\\");
    EXPECT_EQ(AddTrailingBackslash("\\\\"), "\\\\");
    EXPECT_EQ(AddTrailingBackslash(""), "\\");
}

TEST(FindFileInFolder, AnEmptyFolderReferenceFindsNothing) {
    EXPECT_EQ(FindFileInFolder(nullptr, "Pump.sym"), nullptr);
}

TEST(FindFileInFolder, SearchesDepthFirstOwnFilesBeforeSubFoldersFirstMatchWins) {
    TempTree tree;
    tree.file("Top.sym");
    tree.file("A/Top.sym");
    tree.file("A/Deep/Shared.sym");
    tree.file("B/Shared.sym");
    tree.file("B/Only.sym");
    tree.file("a/Only.sym"); // lower-case "a" lists after "B"
    tree.folder("C/Nested.sym");
    tree.file("C/Nested.sym/Nested.sym");
    const auto root = fs::Folder::open(tree.sys());

    EXPECT_EQ(FindFileInFolder(root, "Top.sym")->Path(), tree.sys("Top.sym"));
    EXPECT_EQ(FindFileInFolder(root, "Shared.sym")->Path(), tree.sys("A/Deep/Shared.sym"));
    EXPECT_EQ(FindFileInFolder(root, "Only.sym")->Path(), tree.sys("B/Only.sym"));
    // A folder of that name is no match; the search goes on inside it.
    EXPECT_EQ(FindFileInFolder(root, "Nested.sym")->Path(), tree.sys("C/Nested.sym/Nested.sym"));
    EXPECT_EQ(FindFileInFolder(root, "only.sym"), nullptr);
    EXPECT_EQ(FindFileInFolder(root, "Missing.sym"), nullptr);
    EXPECT_EQ(FindFileInFolder(root, "B\\Only.sym"), nullptr);
    EXPECT_EQ(FindFileInFolder(root, ""), nullptr);
}

TEST(FindFileInFolder, NonAsciiNamesAndLinkedFoldersAreSearched) {
    TempTree tree;
    tree.file("Library/弁/玉形弁.sym");
    tree.folder("Symbols/Ärger");
    tree.link("../Library", "Symbols/Linked");
    tree.link("..", "Symbols/Ärger/Loop"); // back up into Symbols: never followed round
    const auto symbols = fs::Folder::open(tree.sys("Symbols"));
    EXPECT_EQ(FindFileInFolder(symbols, "玉形弁.sym")->Path(), tree.sys("Symbols/Linked/弁/玉形弁.sym"));
    EXPECT_EQ(FindFileInFolder(symbols, "Missing.sym"), nullptr);
}

} // namespace
} // namespace kv380
