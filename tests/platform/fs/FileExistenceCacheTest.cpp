#include "platform/fs/FileExistenceCache.h"
#include "platform/fs/FileLength.h"
#include "platform/fs/TempTree.h"
#include "support/WithoutFileOverrides.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace kv380::fs {
namespace {

using test::TempTree;

TEST(FileExistenceCache, AnswersAsAStatusCallPerPathWould) {
    TempTree tree;
    tree.file("Blocks/Pump.sym", "abc");
    tree.file("Blocks/Empty.sym");
    tree.file("Top.sym");
    tree.link("Pump.sym", "Blocks/ToPump.sym");
    tree.link("Gone.sym", "Blocks/Broken.sym");
    tree.link("../Blocks", "Blocks/ToFolder");
    tree.link("Blocks", "Linked");
    tree.folder("Blocks/Sub");
    tree.folder("Empty");
    struct Case {
        std::string path;
        bool exists;
    };
    const std::vector<Case> cases{
        {tree.sys("Blocks/Pump.sym"), true},
        {tree.sys("Blocks/Empty.sym"), true},
        {tree.root() + "/Blocks/Pump.sym", true}, // native separators work as well
        {tree.sys("Top.sym"), true},
        {tree.sys("Blocks/ToPump.sym"), true},  // a link to a regular file counts
        {tree.sys("Linked/Pump.sym"), true},    // so does a file reached through a linked folder
        {tree.sys("Blocks/Broken.sym"), false}, // a link to nothing does not
        {tree.sys("Blocks/ToFolder"), false},
        {tree.sys("Blocks/Sub"), false},
        {tree.sys("Blocks"), false},
        {tree.sys("Blocks/pump.sym"), false}, // names compare exactly
        {tree.sys("Blocks/PUMP.SYM"), false},
        {tree.sys("Blocks/Missing.sym"), false},
        {tree.sys("Empty/Pump.sym"), false},
        {tree.sys("Missing/Pump.sym"), false},
        {tree.sys("Blocks/Pump.sym/x"), false}, // a file is no folder
        {tree.sys("Blocks/Pump.sym") + "\\", false},
        {tree.sys("Blocks/."), false},
        {tree.sys("Blocks/.."), false},
        {tree.sys("Blocks/Sub/../Pump.sym"), true},
        {tree.sys("Pump.sym") + std::string("\0.txt", 5), false},
        {"/dev/null", false}, // a device
        {"", false},
    };
    FileExistenceCache cache;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileLength(c.path).has_value(), c.exists);
        EXPECT_EQ(cache.regularFileExists(c.path), c.exists);
        EXPECT_EQ(cache.regularFileExists(c.path), c.exists); // and again, from what was listed
    }
}

TEST(FileExistenceCache, ListsEachFolderOnceAndAsksForNoPathWhereTheListingAnswers) {
    TempTree tree;
    for (int i = 0; i < 50; ++i) {
        tree.file("Blocks/P" + std::to_string(i) + ".sym");
        // Folders whose paths differ only early on, asked about in turn, are still told apart.
        tree.file((i % 2 == 0 ? "One/Set/P" : "Two/Set/P") + std::to_string(i) + ".sym");
    }
    FileExistenceCache cache;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 60; ++i) {
            const std::string name = "P" + std::to_string(i) + ".sym";
            EXPECT_EQ(cache.regularFileExists(tree.sys("Blocks/" + name)), i < 50);
            EXPECT_FALSE(cache.regularFileExists(tree.sys("Missing/" + name)));
            EXPECT_EQ(cache.regularFileExists(tree.sys("One/Set/" + name)), i < 50 && i % 2 == 0);
            EXPECT_EQ(cache.regularFileExists(tree.sys("Two/Set/" + name)), i < 50 && i % 2 == 1);
        }
    }
    EXPECT_EQ(cache.foldersListed(), 4u);
    EXPECT_EQ(cache.directChecks(), 0u);
}

TEST(FileExistenceCache, TakesEachFolderAsItWasWhenThePassFirstLookedIntoIt) {
    TempTree tree;
    tree.file("Blocks/Pump.sym");
    tree.file("Blocks/Valve.sym");
    FileExistenceCache pass;
    ASSERT_TRUE(pass.regularFileExists(tree.sys("Blocks/Pump.sym")));

    tree.file("Blocks/Late.sym");    // created after the folder was listed: not seen in this pass
    tree.remove("Blocks/Valve.sym"); // removed after: still there for this pass
    tree.file("Other/Late.sym");     // in a folder the pass has not looked into yet: seen
    EXPECT_FALSE(pass.regularFileExists(tree.sys("Blocks/Late.sym")));
    EXPECT_TRUE(pass.regularFileExists(tree.sys("Blocks/Valve.sym")));
    EXPECT_TRUE(pass.regularFileExists(tree.sys("Other/Late.sym")));

    FileExistenceCache nextPass;
    EXPECT_TRUE(nextPass.regularFileExists(tree.sys("Blocks/Late.sym")));
    EXPECT_FALSE(nextPass.regularFileExists(tree.sys("Blocks/Valve.sym")));
}

TEST(FileExistenceCache, AFolderThatCanBeSearchedButNotListedIsAskedPathByPath) {
    TempTree tree;
    tree.file("Locked/Pump.sym");
    tree.file("Open/Pump.sym");
    const std::string locked = tree.root() + "/Locked";
    ASSERT_EQ(::chmod(locked.c_str(), 0311), 0);
    {
        test::WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            ::chmod(locked.c_str(), 0755);
            GTEST_SKIP() << "cannot make folder modes count for this process";
        }
        FileExistenceCache cache;
        EXPECT_TRUE(fileLength(tree.sys("Locked/Pump.sym")).has_value());
        EXPECT_TRUE(cache.regularFileExists(tree.sys("Locked/Pump.sym")));
        EXPECT_FALSE(cache.regularFileExists(tree.sys("Locked/Valve.sym")));
        EXPECT_EQ(cache.directChecks(), 2u);
        // Nothing is taken from the failed listing: a file added later is found.
        tree.file("Locked/Valve.sym");
        EXPECT_TRUE(cache.regularFileExists(tree.sys("Locked/Valve.sym")));
        EXPECT_TRUE(cache.regularFileExists(tree.sys("Open/Pump.sym")));
        EXPECT_EQ(cache.directChecks(), 3u);
    }
    ::chmod(locked.c_str(), 0755);
}

// Whether a folder tells names apart by case is shown by asking for one of its names in the other case.
// Where no name can show it, a name missing from the listing is asked for directly, as it may be there
// under another case.
TEST(FileExistenceCache, ANameMissingFromTheListingIsAskedForWhenCaseCannotBeShownToMatter) {
    TempTree tree;
    tree.file("Letters/Pump.sym");
    tree.file("Digits/101.202");
    tree.folder("Nothing");
    FileExistenceCache cache;
    EXPECT_FALSE(cache.regularFileExists(tree.sys("Letters/Valve.sym")));
    EXPECT_FALSE(cache.regularFileExists(tree.sys("Nothing/Valve.sym"))); // an empty folder holds no name
    EXPECT_EQ(cache.directChecks(), 0u);
    EXPECT_TRUE(cache.regularFileExists(tree.sys("Digits/101.202")));
    EXPECT_EQ(cache.directChecks(), 0u);
    EXPECT_FALSE(cache.regularFileExists(tree.sys("Digits/303.404")));
    EXPECT_EQ(cache.directChecks(), 1u);
}

} // namespace
} // namespace kv380::fs
