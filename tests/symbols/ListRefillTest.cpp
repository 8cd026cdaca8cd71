#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380 {
namespace {

std::vector<test::ObjectData> pumps(int count) {
    std::vector<test::ObjectData> objects;
    for (int i = 1; i <= count; ++i) {
        objects.push_back({.id = std::to_string(i),
                           .key = "P-" + std::to_string(100 + i),
                           .symbol = "Pumps\\P" + std::to_string(i % 5) + ".sym"});
    }
    return objects;
}

test::FakeHost::Builder plantWithPumps(int count) {
    test::FakeHost::Builder builder;
    builder.organisation("Process").view("Pumps", "PFD", "7");
    for (const auto& object : pumps(count)) {
        builder.object(object);
    }
    for (int i = 0; i < 5; ++i) {
        builder.symbolFile("Pumps\\P" + std::to_string(i) + ".sym");
    }
    return builder;
}

// The renderer hears of a refill once: the old items cleared and the new ones added are one change.
TEST(ListRefill, AViewsListRefilledIsHeardOfAsOneChange) {
    test::StockpileHarness h(plantWithPumps(50));
    h.attachAndOpen();
    h.selectTab(2);
    ASSERT_EQ(h.list(1).itemCount(), 50);
    EXPECT_EQ(h.host.object("7")->data().symbol, h.host.symbolPath("Pumps\\P2.sym")); // made absolute

    int listChanges = 0;
    h.list(1).modelChanged = [&](ui::Control&, ui::Property p) {
        listChanges += p == ui::Property::List ? 1 : 0;
    };
    h.control->RefreshSymbols();
    h.host.completeLoads();
    EXPECT_EQ(h.list(1).itemCount(), 50);
    EXPECT_EQ(listChanges, 1);
    EXPECT_EQ(h.reporter->count(), 0u);
}

} // namespace
} // namespace kv380
