// What the panel tells the user beside the stated behaviour: the match count and the empty-list message of
// a view's list, and the marks on boxes whose entry is refused.
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

namespace kv380::test {
namespace {

FakeHost::Builder pumpsAndVessels() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("Pumps")
        .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
        .object({.id = "2", .key = "P-102", .symbol = "A.sym"})
        .object({.id = "3", .key = "D-201", .symbol = "A.sym"})
        .object({.id = "4", .key = "P-1N", .type = "Node", .symbol = "A.sym"})
        .view("Lines")
        .symbolFile("A.sym");
}

TEST(MatchCount, TheListSaysHowManyObjectsItShowsOfThoseItWouldShowWithoutTheFilter) {
    StockpileHarness h(pumpsAndVessels());
    h.attachAndOpen();
    h.selectTab(2);
    // The node is never listed, with or without a filter: it is not counted.
    EXPECT_EQ(h.list(1).StatusText(), "3 of 3");
    EXPECT_EQ(h.list(1).EmptyText(), "");

    h.selectTab(1);
    h.control->txtFilterBy.setText("P-1");
    h.selectTab(2);
    EXPECT_EQ(h.list(1).itemCount(), 2);
    EXPECT_EQ(h.list(1).StatusText(), "2 of 3");
    EXPECT_EQ(h.list(1).EmptyText(), "");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(MatchCount, AFilterThatLeavesNothingSaysSoInTheList) {
    StockpileHarness h(pumpsAndVessels());
    h.attachAndOpen();
    h.control->txtFilterBy.setText(" X ");
    h.selectTab(2);
    EXPECT_EQ(h.list(1).itemCount(), 0);
    EXPECT_EQ(h.list(1).StatusText(), "0 of 3");
    EXPECT_EQ(h.list(1).EmptyText(), "No object matches X");

    // A view without objects and without a filter needs no explanation.
    h.selectTab(1);
    h.control->txtFilterBy.setText("");
    h.selectTab(3);
    EXPECT_EQ(h.list(2).StatusText(), "0 of 0");
    EXPECT_EQ(h.list(2).EmptyText(), "");
}

TEST(FilterMark, AnUnclosedBracketIsReportedAsBeforeAndMarksTheBoxUntilTheTextIsValid) {
    StockpileHarness h(pumpsAndVessels());
    h.attachAndOpen();
    h.control->txtFilterBy.setText("P-1");
    EXPECT_EQ(h.control->txtFilterBy.ErrorMark(), "");
    h.control->txtFilterBy.setText("P-1[");
    EXPECT_NE(h.control->txtFilterBy.ErrorMark().find("never closed"), std::string::npos);
    // Typing alone reports nothing; listing the view through the pattern reports it once, as it did.
    EXPECT_EQ(h.reporter->count(), 0u);
    h.selectTab(2);
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"InFilter"});
    EXPECT_EQ(h.reporter->reports().front().number, 93);
    EXPECT_EQ(h.list(1).itemCount(), 0);
    EXPECT_EQ(h.list(1).EmptyText(), "No object matches P-1[");
    // The tooltip the list was given stays; the mark is the filter box's.
    EXPECT_EQ(h.control->txtFilterBy.ToolTipText(), "");

    h.selectTab(1);
    h.control->txtFilterBy.setText("P-1[0-9]");
    EXPECT_EQ(h.control->txtFilterBy.ErrorMark(), "");
    h.selectTab(2);
    EXPECT_EQ(h.list(1).itemCount(), 2);
    EXPECT_EQ(h.reporter->count(), 1u);
}

TEST(RateMark, ARefusedRateMarksTheBoxAndKeepsTheStatedRefusal) {
    StockpileHarness h(pumpsAndVessels(), 5);
    h.attachAndOpen();
    EXPECT_EQ(h.control->txtRefreshRate.ErrorMark(), "");
    h.control->txtRefreshRate.setText("70");
    EXPECT_EQ(h.control->txtRefreshRate.ErrorMark(), "Out of range: enter whole seconds from 0 to 65.");
    EXPECT_EQ(h.control->refreshRate(), 5);
    EXPECT_EQ(h.control->tmrRefreshMePlease.Interval(), 5000);
    EXPECT_EQ(h.storedStockpileNumber("RefreshRate"), 5);
    EXPECT_EQ(h.reporter->count(), 0u); // still no message: the mark is the only word

    h.control->txtRefreshRate.setText("ten");
    EXPECT_EQ(h.control->txtRefreshRate.ErrorMark(), "Not a number: enter whole seconds from 0 to 65.");
    h.control->txtRefreshRate.setText("10");
    EXPECT_EQ(h.control->txtRefreshRate.ErrorMark(), "");
    EXPECT_EQ(h.control->refreshRate(), 10);
}

TEST(PageMark, APageThatDoesNotExistIsReplacedAsBeforeAndTheBoxSaysWhy) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->txtPageNo.setText("9");
    EXPECT_EQ(h.control->txtPageNo.Text(), "3");
    EXPECT_EQ(h.control->currentPage(), 3);
    EXPECT_EQ(h.control->txtPageNo.ErrorMark(), "There is no page 9: enter a page from 1 to 3.");
    h.control->txtPageNo.setText("2");
    EXPECT_EQ(h.control->txtPageNo.ErrorMark(), "");
    EXPECT_EQ(h.control->currentPage(), 2);
    h.control->txtPageNo.setText("x");
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
    EXPECT_EQ(h.control->txtPageNo.ErrorMark(), "Not a page number: enter a page from 1 to 3.");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(PageMark, AClearedPageBoxWaitsForTheEndOfTheEdit) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->txtPageNo.setText("3");
    ASSERT_EQ(h.control->currentPage(), 3);
    h.control->txtPageNo.setText("");
    EXPECT_EQ(h.control->txtPageNo.Text(), "");
    EXPECT_EQ(h.control->currentPage(), 3);
    EXPECT_EQ(h.control->txtPageNo.ErrorMark(), "");
    EXPECT_EQ(h.tabCaptions().at(1), "View 509");
    // The user types the next page into the cleared box: no detour over page 1.
    h.control->txtPageNo.setText("2");
    EXPECT_EQ(h.control->currentPage(), 2);
    EXPECT_EQ(h.tabCaptions().at(1), "View 255");

    h.control->txtPageNo.setText("");
    h.control->txtPageNo.raiseEditFinished();
    EXPECT_EQ(h.control->txtPageNo.Text(), "1");
    EXPECT_EQ(h.control->currentPage(), 1);
    // Finishing an edit that names a page changes nothing.
    h.control->txtPageNo.raiseEditFinished();
    EXPECT_EQ(h.control->currentPage(), 1);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(PageMark, AFinishedEditWhoseRebuildFailsIsReportedOnceAndTheBoxStillWorks) {
    StockpileHarness h(organisationWithViews("Big", 600));
    h.attachAndOpen();
    h.control->txtPageNo.setText("3");
    h.control->txtPageNo.setText("");
    h.host.failOn("View.Name");
    h.control->txtPageNo.raiseEditFinished();
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"DisplayTabs"});
    EXPECT_EQ(h.reporter->reports().front().source, "projStockpile.ctlStockpile");
    h.reporter->clear();
    h.control->txtPageNo.setText("2");
    EXPECT_EQ(h.control->currentPage(), 2);
    EXPECT_EQ(h.tabCaptions().size(), 255u);
    EXPECT_EQ(h.reporter->count(), 0u);
}

} // namespace
} // namespace kv380::test
