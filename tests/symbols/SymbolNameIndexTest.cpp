#include "symbols/SymbolNameIndex.h"

#include "platform/fs/FsError.h"
#include "platform/fs/TempTree.h"
#include "symbols/FileSystemUtilities.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace kv380 {
namespace {

using test::TempTree;

// Builds random symbol trees where the same file names recur at several depths, with folders named like
// files, links to files and folders (some broken, some leading back up) and non-ASCII names.
class RandomTree {
public:
    RandomTree(const TempTree& tree, std::mt19937& random) : m_tree(tree), m_random(random) { fill("", 0); }

    // How many files of each name were made (links to files included).
    const std::map<std::string, int>& made() const { return m_made; }

    static const std::vector<std::string>& fileNames() {
        static const std::vector<std::string> names{"a.sym", "A.sym",  "b.sym", "c.sym",
                                                    "é.sym", "弁.sym", "x"};
        return names;
    }
    static const std::vector<std::string>& folderNames() {
        static const std::vector<std::string> names{"x", "y", "Z", "c.sym", "ß", "deep"};
        return names;
    }

private:
    size_t pick(size_t n) { return m_random() % n; }

    bool exists(const std::string& relative) const {
        return std::filesystem::exists(std::filesystem::symlink_status(m_tree.root() + "/" + relative));
    }

    void fill(const std::string& relative, int depth) {
        const std::string prefix = relative.empty() ? "" : relative + "/";
        for (size_t n = pick(5); n > 0; --n) {
            const std::string& name = fileNames()[pick(fileNames().size())];
            if (!exists(prefix + name)) {
                m_tree.file(prefix + name, prefix + name);
                ++m_made[name];
            }
        }
        if (pick(6) == 0 && !exists(prefix + "l.sym")) {
            // A link to a file of this folder, or broken when there is none.
            m_tree.link(fileNames()[pick(fileNames().size())], prefix + "l.sym");
            if (std::filesystem::is_regular_file(m_tree.root() + "/" + prefix + "l.sym")) {
                ++m_made["l.sym"];
            }
        }
        if (depth > 0 && pick(6) == 0 && !exists(prefix + "up")) {
            // A link to this folder's parent or to a sibling: the walk must end and agree either way.
            m_tree.link(pick(2) == 0 ? ".." : "../" + folderNames()[pick(folderNames().size())],
                        prefix + "up");
        }
        if (depth >= 4) {
            return;
        }
        for (size_t n = pick(4); n > 0; --n) {
            const std::string& name = folderNames()[pick(folderNames().size())];
            if (!exists(prefix + name)) {
                m_tree.folder(prefix + name);
                fill(prefix + name, depth + 1);
            }
        }
    }

    const TempTree& m_tree;
    std::mt19937& m_random;
    std::map<std::string, int> m_made;
};

TEST(SymbolNameIndex, AgreesWithTheDepthFirstSearchOnRandomTrees) {
    std::mt19937 random(20240611u);
    std::vector<std::string> names = RandomTree::fileNames();
    names.insert(names.end(), RandomTree::folderNames().begin(), RandomTree::folderNames().end());
    names.insert(names.end(), {"l.sym", "up", "missing.sym", "", ".", "..", "x\\a.sym", "x/a.sym", "a.SYM"});

    int found = 0;
    int missing = 0;
    int chosenAmongSeveral = 0;
    for (int round = 0; round < 40; ++round) {
        TempTree tree;
        const RandomTree made(tree, random);
        const auto root = fs::Folder::open(tree.sys());
        const SymbolNameIndex index(root);
        for (const std::string& name : names) {
            const auto searched = FindFileInFolder(root, name);
            const auto indexed = index.find(name);
            ASSERT_EQ(searched == nullptr, indexed == nullptr) << "round " << round << ", name " << name;
            if (!searched) {
                ++missing;
                continue;
            }
            ASSERT_EQ(indexed->Path(), searched->Path()) << "round " << round << ", name " << name;
            ++found;
            const auto count = made.made().find(name);
            if (count != made.made().end() && count->second > 1) {
                ++chosenAmongSeveral;
            }
        }
    }
    // The trees must have exercised both answers and real choices between several files of one name.
    EXPECT_GT(found, 100);
    EXPECT_GT(missing, 100);
    EXPECT_GT(chosenAmongSeveral, 50);
}

TEST(SymbolNameIndex, AnEmptyRootIndexesNothing) {
    const SymbolNameIndex index(nullptr);
    EXPECT_EQ(index.size(), 0u);
    EXPECT_EQ(index.find("Pump.sym"), nullptr);
}

TEST(SymbolNameIndex, KeepsTheFirstFileOfEachNameAndTheTreeAsItWas) {
    TempTree tree;
    tree.file("B/Pump.sym");
    tree.file("A/Deep/Pump.sym");
    tree.file("Valve.sym");
    const SymbolNameIndex index(fs::Folder::open(tree.sys()));
    EXPECT_EQ(index.size(), 2u);
    EXPECT_EQ(index.find("Pump.sym")->Path(), tree.sys("A/Deep/Pump.sym"));
    tree.remove("A");
    tree.file("New.sym");
    EXPECT_EQ(index.find("Pump.sym")->Path(), tree.sys("A/Deep/Pump.sym"));
    EXPECT_EQ(index.find("New.sym"), nullptr);
}

TEST(SymbolNameIndex, AWalkThatFailedRaisesTheSearchsErrorForNamesItDidNotReach) {
    TempTree tree;
    tree.file("Blocks/Pump.sym");
    const auto blocks = fs::Folder::open(tree.sys("Blocks"));
    tree.remove("Blocks");
    const SymbolNameIndex index(blocks);
    for (const auto& search : {std::function<void()>([&] { index.find("Pump.sym"); }),
                               std::function<void()>([&] { FindFileInFolder(blocks, "Pump.sym"); })}) {
        try {
            search();
            ADD_FAILURE() << "expected the listing error";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), fs::PathNotFound);
        }
    }
}

} // namespace
} // namespace kv380
