#include <gtest/gtest.h>

#include <limits>

#include "stats/number_format.h"
#include "table/value_text.h"
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
                         ::testing::Values(DecimalRow{"HalfRoundsUp", 1, 8, 2, "0.13"},
                                           DecimalRow{"HalfOfOddHundredth", 96005, 1000, 2, "96.01"},
                                           DecimalRow{"JustBelowHalf", 1249, 10000, 2, "0.12"},
                                           DecimalRow{"CarriesIntoWhole", 19999, 2000, 2, "10.00"},
                                           DecimalRow{"Negative", -10, 4, 2, "-2.50"},
                                           DecimalRow{"TinyNegativeIsZero", -1, 1000, 2, "0.00"},
                                           DecimalRow{"NoDecimals", 7, 2, 0, "4"},
                                           DecimalRow{"LargeWhole", 123456789012, 1, 2, "123456789012.00"}),
                         testing_support::RowName{});

// Guards "#,##0", the one grouping the statistics, the help and the credit texts share: commas every three
// digits from the right, none below 1,000, the sign outside the groups, and the smallest int64.
TEST(GroupedNumber, PutsCommasEveryThreeDigits) {
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1234567, "1,234,567"},
        {-123456, "-123,456"},
        {std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(groupedNumber(value), text);
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
