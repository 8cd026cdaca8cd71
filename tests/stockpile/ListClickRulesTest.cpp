#include "stockpile/ListClickRules.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

TEST(ListClickRules, TheLibrarysMappingGivesOneOfThreeStatusTexts) {
    EXPECT_EQ(mappingStatus("Pumps\\A.sym;Pumps\\B.sym"), "Multiple mapped symbols exist.");
    EXPECT_EQ(mappingStatus("Pumps\\A.sym;"), "Multiple mapped symbols exist.");
    EXPECT_EQ(mappingStatus("Pumps\\A.sym"), "Default mapped symbol exists.");
    EXPECT_EQ(mappingStatus(""), "No mapped symbol exists.");
}

TEST(ListClickRules, TheConnectorCommandNamesTheToolTheSymbolAndTheObject) {
    EXPECT_EQ(connectorCommand("/s/Lines/Process Line.sym", "42"),
              "KV380Connector.ctlCreateConnector\"/s/Lines/Process Line.sym<42>");
}

TEST(ListClickRules, TheFirstApplicableBackgroundActionWins) {
    // Every mark set: a changed sort mark comes first.
    BackgroundMarks all{false, true, true, true, true, true, true};
    EXPECT_EQ(backgroundAction(all), BackgroundAction::Sort);
    all.sort = false;
    EXPECT_EQ(backgroundAction(all), BackgroundAction::Refresh);
    all.refresh = false;
    EXPECT_EQ(backgroundAction(all), BackgroundAction::GotoOptions);
    all.gotoOptions = false;
    EXPECT_EQ(backgroundAction(all), BackgroundAction::AutoRefresh);
    all.autoRefresh = false;
    EXPECT_EQ(backgroundAction(all), BackgroundAction::LargeIcons);
    all.largeIcons = false;
    EXPECT_EQ(backgroundAction(all), BackgroundAction::SmallIcons);
    all.smallIcons = false;
    EXPECT_EQ(backgroundAction(all), BackgroundAction::None);
}

TEST(ListClickRules, SortActsOnAChangeOfItsMarkEitherWayNotOnTheMarkItself) {
    EXPECT_EQ(backgroundAction({.sortBefore = true, .sort = false}), BackgroundAction::Sort);
    EXPECT_EQ(backgroundAction({.sortBefore = true, .sort = true, .largeIcons = true}),
              BackgroundAction::LargeIcons);
}

} // namespace
} // namespace kv380
