#include "platform/fs/Folder.h"
#include "platform/fs/TempTree.h"
#include "symbols/FileSystemUtilities.h"
#include "symbols/SymbolFinder.h"
#include "symbols/SymbolPathResolution.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380 {
namespace {

using Outcome = SymbolPathResolution::Outcome;

// One conversion pass takes each folder as it was when the pass first looked into it, as it takes the tree
// it searches by name: a symbol file created during the pass, in a folder the pass has read already, is
// found by the next pass. Asking the disk afresh (the walking finder) sees it at once.
TEST(ConversionPass, AFileCreatedInAFolderThePassHasReadIsLeftForTheNextPass) {
    test::TempTree tree;
    tree.file("Blocks/Pump.sym");
    tree.file("Top.sym");
    const auto root = fs::Folder::open(tree.sys());
    const std::string rootDirectory = AddTrailingBackslash(root->Path());

    SymbolFinder pass = SymbolFinder::indexed(root);
    SymbolFinder walking = SymbolFinder::walking(root);
    EXPECT_EQ(resolveSymbolPath("Blocks\\Pump.sym", rootDirectory, pass).outcome, Outcome::Replaced);
    EXPECT_EQ(resolveSymbolPath("Retired\\Top.sym", rootDirectory, pass).outcome, Outcome::Replaced);

    tree.file("Blocks/Late.sym");
    EXPECT_EQ(resolveSymbolPath("Blocks\\Late.sym", rootDirectory, pass).outcome, Outcome::NotFound);
    EXPECT_EQ(resolveSymbolPath(tree.sys("Blocks/Late.sym"), rootDirectory, pass).outcome, Outcome::NotFound);
    EXPECT_EQ(resolveSymbolPath("Blocks\\Late.sym", rootDirectory, walking).newSymbol,
              tree.sys("Blocks/Late.sym"));

    SymbolFinder nextPass = SymbolFinder::indexed(root);
    EXPECT_EQ(resolveSymbolPath(tree.sys("Blocks/Late.sym"), rootDirectory, nextPass).outcome, Outcome::Kept);
    EXPECT_EQ(resolveSymbolPath("Blocks\\Late.sym", rootDirectory, nextPass).newSymbol,
              tree.sys("Blocks/Late.sym"));
}

} // namespace
} // namespace kv380
