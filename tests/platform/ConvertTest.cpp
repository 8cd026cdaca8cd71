#include "platform/convert/Checked.h"
#include "platform/convert/Convert.h"

#include <gtest/gtest.h>

namespace kv380 {
namespace {

int errorOf(auto&& call) {
    try {
        call();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

TEST(Convert, TextToNumberAllowsBlanksAndSignsAndRoundsHalvesToEven) {
    EXPECT_EQ(convert::toLong("  42 "), 42);
    EXPECT_EQ(convert::toLong("-7"), -7);
    EXPECT_EQ(convert::toLong("+7"), 7);
    EXPECT_EQ(convert::toLong("2.5"), 2);
    EXPECT_EQ(convert::toLong("3.5"), 4);
    EXPECT_EQ(convert::toLong("-2.5"), -2);
    EXPECT_EQ(convert::toLong(".5"), 0);
    EXPECT_EQ(convert::toLong("2147483647"), 2147483647);
    EXPECT_EQ(convert::toLong("-2147483648"), INT32_MIN);
}

TEST(Convert, TextThatIsNotANumberIsATypeMismatchAndHugeNumbersOverflow) {
    for (const char* text : {"", "  ", "abc", "1a", "1,5", "1.2.3", "-", ".", "1e3", "0x10"}) {
        EXPECT_EQ(errorOf([&] { convert::toLong(text); }), 13) << '"' << text << '"';
        EXPECT_FALSE(convert::isNumeric(text)) << '"' << text << '"';
    }
    EXPECT_EQ(errorOf([] { convert::toLong("2147483648"); }), 6);
    EXPECT_EQ(errorOf([] { convert::toLong("-99999999999999999999999"); }), 6);
    EXPECT_TRUE(convert::isNumeric("99999999999999999999999"));
}

TEST(Convert, BooleanTextAcceptsWordsInAnyCaseAndNumbers) {
    EXPECT_TRUE(convert::toBoolean("true"));
    EXPECT_TRUE(convert::toBoolean("TRUE"));
    EXPECT_FALSE(convert::toBoolean("False"));
    EXPECT_TRUE(convert::toBoolean("1"));
    EXPECT_TRUE(convert::toBoolean("-1"));
    EXPECT_FALSE(convert::toBoolean("0"));
    EXPECT_EQ(errorOf([] { convert::toBoolean("yes"); }), 13);
    EXPECT_EQ(errorOf([] { convert::toBoolean(""); }), 13);
    EXPECT_EQ(convert::booleanText(true), "True");
    EXPECT_EQ(convert::booleanText(false), "False");
}

TEST(Convert, RoundingIsHalfToEvenInTheArgumentsPrecision) {
    EXPECT_EQ(convert::roundHalfEven(0.5f), 0.0f);
    EXPECT_EQ(convert::roundHalfEven(1.5f), 2.0f);
    EXPECT_EQ(convert::roundHalfEven(-1.5f), -2.0f);
    // 0.1f + 0.4f is exactly 0.5f in single precision, so it rounds to even.
    EXPECT_EQ(convert::roundHalfEven(0.1f + 0.4f), 0.0f);
    EXPECT_EQ(convert::roundToLong(2.5), 2);
    EXPECT_EQ(errorOf([] { convert::roundToLong(3e9); }), 6);
}

TEST(Convert, TrimRemovesSpacesOnly) {
    EXPECT_EQ(convert::trimSpaces("  a b  "), "a b");
    EXPECT_EQ(convert::trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(convert::trimSpaces("   "), "");
}

TEST(Checked, ArithmeticOutsideThirtyTwoBitsOverflows) {
    EXPECT_EQ(checked::add(2147483646, 1), 2147483647);
    EXPECT_EQ(errorOf([] { checked::add(2147483647, 1); }), 6);
    EXPECT_EQ(errorOf([] { checked::mul(65536, 65536); }), 6);
    EXPECT_EQ(errorOf([] { checked::sub(INT32_MIN, 1); }), 6);
}

} // namespace
} // namespace kv380
