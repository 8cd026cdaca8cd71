#include "stockpile/EntryFeedback.h"

#include <gtest/gtest.h>

#include <limits>

namespace kv380 {
namespace {

TEST(EntryFeedback, CountsAreGroupedByThousands) {
    EXPECT_EQ(groupedCount(0), "0");
    EXPECT_EQ(groupedCount(999), "999");
    EXPECT_EQ(groupedCount(1000), "1,000");
    EXPECT_EQ(groupedCount(1204), "1,204");
    EXPECT_EQ(groupedCount(1234567), "1,234,567");
    EXPECT_EQ(groupedCount(-1204), "-1,204");
    EXPECT_EQ(groupedCount(std::numeric_limits<int64_t>::min()), "-9,223,372,036,854,775,808");
    EXPECT_EQ(matchCountText(23, 1204), "23 of 1,204");
    EXPECT_EQ(matchCountText(100000, 1000000), "100,000 of 1,000,000");
}

TEST(EntryFeedback, AnEmptyListExplainsItselfOnlyWhenAFilterLeftNothing) {
    EXPECT_EQ(emptyListText("P-1[", 0), "No object matches P-1[");
    EXPECT_EQ(emptyListText("  P-1  ", 0), "No object matches P-1"); // as the filter reads it
    EXPECT_EQ(emptyListText("P-1", 3), "");
    EXPECT_EQ(emptyListText("", 0), "");
    EXPECT_EQ(emptyListText("   ", 0), "");
}

TEST(EntryFeedback, AFilterIsRefusedForAnUnclosedListOrABackwardRange) {
    EXPECT_EQ(filterProblem(""), "");
    EXPECT_EQ(filterProblem("P-1"), "");
    EXPECT_EQ(filterProblem("[!0-9]*"), "");
    EXPECT_EQ(filterProblem("P[]"), "");
    const std::string unclosed = filterProblem("P-1[");
    EXPECT_NE(unclosed.find("never closed"), std::string::npos) << unclosed;
    EXPECT_NE(filterProblem("[a-c]x[").find("never closed"), std::string::npos);
    const std::string backwards = filterProblem("[z-a]");
    EXPECT_NE(backwards.find("backwards"), std::string::npos) << backwards;
}

TEST(EntryFeedback, ARefreshRateIsRefusedWhenNotANumberOrBeyondWhatTheTimerTakes) {
    EXPECT_EQ(refreshRateProblem("0"), "");
    EXPECT_EQ(refreshRateProblem("65"), "");
    EXPECT_EQ(refreshRateProblem(" 5 "), "");
    EXPECT_EQ(refreshRateProblem("abc"), "Not a number: enter whole seconds from 0 to 65.");
    EXPECT_EQ(refreshRateProblem(""), "Not a number: enter whole seconds from 0 to 65.");
    EXPECT_EQ(refreshRateProblem("66"), "Out of range: enter whole seconds from 0 to 65.");
    EXPECT_EQ(refreshRateProblem("-1"), "Out of range: enter whole seconds from 0 to 65.");
    EXPECT_EQ(refreshRateProblem("99999999999"), "Out of range: enter whole seconds from 0 to 65.");
}

TEST(EntryFeedback, APageNumberIsRefusedWhenItNamesNoPageButABlankBoxIsAnEditUnderWay) {
    EXPECT_EQ(pageNumberProblem("2", 3), "");
    EXPECT_EQ(pageNumberProblem("", 3), "");
    EXPECT_EQ(pageNumberProblem("  ", 3), "");
    EXPECT_EQ(pageNumberProblem("9", 3), "There is no page 9: enter a page from 1 to 3.");
    EXPECT_EQ(pageNumberProblem("0", 3), "There is no page 0: enter a page from 1 to 3.");
    EXPECT_EQ(pageNumberProblem("x", 3), "Not a page number: enter a page from 1 to 3.");
}

} // namespace
} // namespace kv380
