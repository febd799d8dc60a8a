#include <gtest/gtest.h>

#include <limits>

#include "stats/number_format.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

struct DecimalRow {
    std::string name;
    std::int64_t numerator;
    std::int64_t denominator;
    int decimals;
    std::string expected;
};

void PrintTo(const DecimalRow& row, std::ostream* os) {
    *os << row.numerator << "/" << row.denominator << " to " << row.decimals << " decimals";
}

class DecimalText : public ::testing::TestWithParam<DecimalRow> {};

// Guards the "0.00" form: exact rounding half away from zero, carries into the whole part, no "-0.00".
TEST_P(DecimalText, RoundsExactly) {
    const DecimalRow& r = GetParam();
    EXPECT_EQ(decimalText(r.numerator, r.denominator, r.decimals), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, DecimalText,
                         ::testing::Values(DecimalRow{"TenInFour", 10, 4, 2, "2.50"},
                                           DecimalRow{"HalfRoundsUp", 1, 8, 2, "0.13"},
                                           DecimalRow{"HalfOfOddHundredth", 96005, 1000, 2, "96.01"},
                                           DecimalRow{"JustBelowHalf", 1249, 10000, 2, "0.12"},
                                           DecimalRow{"CarriesIntoWhole", 19999, 2000, 2, "10.00"},
                                           DecimalRow{"TwoThirds", 2, 3, 2, "0.67"},
                                           DecimalRow{"Negative", -10, 4, 2, "-2.50"},
                                           DecimalRow{"TinyNegativeIsZero", -1, 1000, 2, "0.00"},
                                           DecimalRow{"NoDecimals", 7, 2, 0, "4"},
                                           DecimalRow{"LargeWhole", 123456789012, 1, 2, "123456789012.00"}),
                         testing_support::RowName{});

// Guards "#,##0": commas every three digits from the right, none below 1,000, and the sign kept.
TEST(GroupedText, PutsCommasEveryThreeDigits) {
    EXPECT_EQ(groupedText(0), "0");
    EXPECT_EQ(groupedText(999), "999");
    EXPECT_EQ(groupedText(1000), "1,000");
    EXPECT_EQ(groupedText(1234), "1,234");
    EXPECT_EQ(groupedText(999999), "999,999");
    EXPECT_EQ(groupedText(1234567), "1,234,567");
    EXPECT_EQ(groupedText(-1234), "-1,234");
    EXPECT_EQ(groupedText(std::numeric_limits<std::int64_t>::min()), "-9,223,372,036,854,775,808");
}

// Guards the report's columns: padding never cuts a text that is already as wide.
TEST(Padding, FillsUpToTheWidthAndNeverCuts) {
    EXPECT_EQ(padRight("Odds", 7), "Odds   ");
    EXPECT_EQ(padLeft("96.00", 7), "  96.00");
    EXPECT_EQ(padRight("Three of a Kind", 5), "Three of a Kind");
    EXPECT_EQ(padLeft("1,234", 5), "1,234");
}

} // namespace
} // namespace tandora
