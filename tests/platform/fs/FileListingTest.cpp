#include "platform/fs/FileListing.h"
#include "platform/fs/TempTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::fs {
namespace {

using test::TempTree;
using Names = std::vector<std::string>;

TEST(FileListing, ListsPlainMatchingFilesInNameOrder) {
    TempTree tree;
    for (const char* name :
         {"Valve.SYM", "Pump.sym", "Ärger.sym", "notes.txt", ".hidden.sym", "Pump.sym.bak"}) {
        tree.file(std::string("Valves/") + name);
    }
    tree.folder("Valves/Sub.sym");
    tree.link("Pump.sym", "Valves/Linked.sym");
    tree.link("Gone.sym", "Valves/Broken.sym");

    EXPECT_EQ(listFiles(tree.sys("Valves"), "*.sym", MatchCase::IgnoreCase),
              (Names{"Linked.sym", "Pump.sym", "Valve.SYM", "Ärger.sym"}));
    EXPECT_EQ(listFiles(tree.sys("Valves"), "*.sym", MatchCase::Exact),
              (Names{"Linked.sym", "Pump.sym", "Ärger.sym"}));
    EXPECT_EQ(listFiles(tree.sys("Valves"), "?ump*", MatchCase::Exact), (Names{"Pump.sym", "Pump.sym.bak"}));
    EXPECT_EQ(listFiles(tree.sys("Valves") + "\\", "*.txt", MatchCase::Exact), (Names{"notes.txt"}));
}

TEST(FileListing, AMissingOrNonFolderPathHasNoFiles) {
    TempTree tree;
    tree.file("Pump.sym");
    EXPECT_TRUE(listFiles(tree.sys("Missing"), "*.sym", MatchCase::IgnoreCase).empty());
    EXPECT_TRUE(listFiles(tree.sys("Pump.sym"), "*", MatchCase::IgnoreCase).empty());
    EXPECT_TRUE(listFiles("", "*", MatchCase::IgnoreCase).empty());
}

} // namespace
} // namespace kv380::fs
