#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "stats/number_format.h"
#include "table/value_text.h"

namespace tandora {
namespace {

// Guards the "0.00" form: exact rounding half away from zero, carries into the whole part, no "-0.00".
TEST(NumberFormat, DecimalTextRoundsExactly) {
    const std::tuple<std::int64_t, std::int64_t, int, const char*> rows[] = {
        {1, 8, 2, "0.13"},        {96005, 1000, 2, "96.01"},
        {1249, 10000, 2, "0.12"}, {19999, 2000, 2, "10.00"},
        {-10, 4, 2, "-2.50"},     {-1, 1000, 2, "0.00"},
        {7, 2, 0, "4"},           {123456789012, 1, 2, "123456789012.00"}};
    for (const auto& [numerator, denominator, decimals, expected] : rows)
        EXPECT_EQ(decimalText(numerator, denominator, decimals), expected) << numerator << "/" << denominator;
}

// Guards "#,##0", the one grouping the statistics, the help and the credit texts share: commas every three
// digits from the right, none below 1,000, the sign outside the groups, and the smallest int64; and the
// report's columns: padding never cuts a text that is already as wide.
TEST(NumberFormat, GroupsThousandsAndPadsWithoutCutting) {
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1234567, "1,234,567"},
        {-123456, "-123,456"},
        {std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(groupedNumber(value), text);
    EXPECT_EQ(padRight("Odds", 7) + "|" + padLeft("96.00", 7), "Odds   |  96.00");
    EXPECT_EQ(padRight("Three of a Kind", 5) + "|" + padLeft("1,234", 5), "Three of a Kind|1,234");
}

} // namespace
} // namespace tandora
