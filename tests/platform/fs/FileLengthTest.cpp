#include "platform/fs/FileLength.h"
#include "platform/fs/NativePath.h"
#include "platform/fs/TempTree.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380::fs {
namespace {

using test::TempTree;

TEST(NativePath, EachBackslashBecomesASlash) {
    EXPECT_EQ(toNativePath("/srv/symbols\\Blocks\\Pump.sym"), "/srv/symbols/Blocks/Pump.sym");
    EXPECT_EQ(toNativePath("Blocks\\"), "Blocks/");
    EXPECT_EQ(toNativePath("\\\\server\\share\\a.sym"), "//server/share/a.sym");
    EXPECT_EQ(toNativePath("plain"), "plain");
    EXPECT_EQ(toNativePath(""), "");
}

TEST(FileLength, RegularFilesHaveTheirLengthEvenWhenEmpty) {
    TempTree tree;
    tree.file("Blocks/Pump.sym", "12345");
    tree.file("Blocks/Empty.sym");
    EXPECT_EQ(fileLength(tree.sys("Blocks/Pump.sym")), 5u);
    EXPECT_EQ(fileLength(tree.sys("Blocks/Empty.sym")), 0u);
    EXPECT_EQ(fileLength(tree.root() + "/Blocks/Pump.sym"), 5u); // native separators work as well
}

TEST(FileLength, OnlyRegularFilesExist) {
    TempTree tree;
    tree.file("Blocks/Pump.sym", "abc");
    tree.link("Pump.sym", "Blocks/ToPump.sym");
    tree.link("Gone.sym", "Blocks/Broken.sym");
    tree.link("../Blocks", "Blocks/ToFolder");
    EXPECT_EQ(fileLength(tree.sys("Blocks/ToPump.sym")), 3u);
    EXPECT_FALSE(fileLength(tree.sys("Blocks/Broken.sym")));
    EXPECT_FALSE(fileLength(tree.sys("Blocks")));
    EXPECT_FALSE(fileLength(tree.sys("Blocks/ToFolder")));
    EXPECT_FALSE(fileLength(tree.sys("Blocks/Missing.sym")));
    EXPECT_FALSE(fileLength(tree.sys("Missing/Pump.sym")));
    EXPECT_FALSE(fileLength(tree.sys("Blocks/Pump.sym/x")));
    EXPECT_FALSE(fileLength(""));
}

TEST(FileLength, AnEmbeddedNulDoesNotShortenThePath) {
    TempTree tree;
    tree.file("Pump.sym", "abc");
    EXPECT_FALSE(fileLength(tree.sys("Pump.sym") + std::string("\0.txt", 5)));
}

} // namespace
} // namespace kv380::fs
