#include "symbolmap/AddedSymbols.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

TEST(AddedSymbols, SevenEntriesGrowTheStorageByFiveAndStayReadableInOrder) {
    AddedSymbols record;
    EXPECT_EQ(record.capacity(), 5);
    for (int i = 1; i <= 6; ++i) {
        record.AddSymbol("S" + std::to_string(i), AddedSymbols::Added);
    }
    EXPECT_EQ(record.capacity(), 5); // six entries fit in the first storage
    record.AddSymbol("S7", AddedSymbols::Added);
    EXPECT_EQ(record.capacity(), 10);
    EXPECT_EQ(record.count(), 7);
    std::string name;
    EXPECT_EQ(record.GetSymbol(6, name), AddedSymbols::Added);
    EXPECT_EQ(name, "S7");
    EXPECT_EQ(record.GetSymbol(0, name), AddedSymbols::Added);
    EXPECT_EQ(name, "S1");
}

TEST(AddedSymbols, AnIndexOutsideTheRecordGivesMinusOneAndLeavesTheNameAlone) {
    AddedSymbols record;
    record.AddSymbol("A", 0);
    std::string name = "unchanged";
    EXPECT_EQ(record.GetSymbol(-1, name), -1);
    EXPECT_EQ(record.GetSymbol(1, name), -1);
    EXPECT_EQ(name, "unchanged");
}

TEST(AddedSymbols, MarkingSetsTheSelectedBitOfTheFirstMatchAndKeepsTheAddedBit) {
    AddedSymbols record;
    record.AddSymbol("/r\\A.sym", AddedSymbols::Added);
    record.AddSymbol("/r\\A.sym", AddedSymbols::Added);
    record.AddSymbol("/r\\B.sym", 0);
    record.MarkSymbol("/r\\A.sym", true);
    record.MarkSymbol("/r\\B.sym", true);
    record.MarkSymbol("/r\\a.sym", true); // no entry: exact comparison
    std::string name;
    EXPECT_EQ(record.GetSymbol(0, name), 3);
    EXPECT_EQ(record.GetSymbol(1, name), 2);
    EXPECT_EQ(record.GetSymbol(2, name), 1);
    record.MarkSymbol("/r\\A.sym", false);
    record.MarkSymbol("/r\\B.sym", false);
    EXPECT_EQ(record.GetSymbol(0, name), 2);
    EXPECT_EQ(record.GetSymbol(2, name), 0);
}

TEST(AddedSymbols, ClearingEmptiesTheRecordAndRestoresTheFirstStorage) {
    AddedSymbols record;
    for (int i = 0; i < 12; ++i) {
        record.AddSymbol("S", 2);
    }
    record.clear();
    EXPECT_EQ(record.count(), 0);
    EXPECT_EQ(record.capacity(), 5);
    std::string name;
    EXPECT_EQ(record.GetSymbol(0, name), -1);
}

} // namespace
} // namespace kv380
