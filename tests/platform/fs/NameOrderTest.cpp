#include "platform/fs/NameOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::fs {
namespace {

TEST(NameOrder, NamesGoByNameWithoutRegardToCaseAndCaseOnlyBreaksTies) {
    std::vector<std::string> names{"gate", "Ball", "check", "Gate", "\xC3\x84rger", "\xC3\xA4ra", "10", "b"};
    sortNamesIgnoringCase(names);
    EXPECT_EQ(names, (std::vector<std::string>{"10", "b", "Ball", "check", "Gate", "gate", "\xC3\xA4ra",
                                               "\xC3\x84rger"}));
    EXPECT_TRUE(nameLessIgnoringCase("apple", "Banana"));
    EXPECT_FALSE(nameLessIgnoringCase("Banana", "apple"));
    EXPECT_TRUE(nameLessIgnoringCase("B", "b"));
    EXPECT_FALSE(nameLessIgnoringCase("b", "b"));
}

TEST(NameOrder, ThingsWithNamesAreSortedByTheirNames) {
    struct Folder {
        std::string name;
        int id;
    };
    std::vector<Folder> folders{{"valves", 1}, {"Pumps", 2}, {"lines", 3}};
    sortByNameIgnoringCase(folders, [](const Folder& f) { return f.name; });
    EXPECT_EQ(folders[0].id, 3);
    EXPECT_EQ(folders[1].id, 2);
    EXPECT_EQ(folders[2].id, 1);
}

} // namespace
} // namespace kv380::fs
