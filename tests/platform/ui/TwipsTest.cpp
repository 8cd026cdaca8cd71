#include "platform/ui/Twips.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

TEST(TwipsToPixels, ControlsThatTouchInTwipsTouchOnScreen) {
    // Two frames side by side at 15 twips a pixel, the first ending mid-pixel.
    const PixelRect first = toPixels(120, 120, 5085, 320, 15, 15);
    const PixelRect second = toPixels(120 + 5085, 120, 3765, 320, 15, 15);
    EXPECT_EQ(first.left + first.width, second.left);
    EXPECT_EQ(first, (PixelRect{8, 8, 339, 21}));
}

TEST(TwipsToPixels, RoundsToTheNearestPixelAndRefusesAZeroScale) {
    EXPECT_EQ(twipsToPixels(22, 15), 1);
    EXPECT_EQ(twipsToPixels(23, 15), 2);
    EXPECT_EQ(twipsToPixels(-23, 15), -2);
    EXPECT_EQ(pixelsToTwips(240, 15), 3600);
    EXPECT_EQ(errorNumberOf([] { (void)twipsToPixels(100, 0); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { (void)twipsToPixels(1e30F, 1); }), err::Overflow);
}

} // namespace
} // namespace kv380::ui
