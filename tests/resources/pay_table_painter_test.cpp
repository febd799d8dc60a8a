#include <gtest/gtest.h>

#include <algorithm>

#include "engine/pay_table.h"
#include "gui_app.h"
#include "resources/pay_table_painter.h"
#include "resources/resource_catalogue.h"
#include "tests/support/printers.h"

using namespace tandora;

namespace {

class PrintedTable : public testing::TestWithParam<GameType> {
protected:
    void SetUp() override { ensureGuiApp(); }
};

// The printed amounts are what the game pays, for every paying hand and bet.
TEST_P(PrintedTable, AgreesWithThePayout) {
    const GameType game = GetParam();
    const auto rows = PayTablePainter::printedAmounts(game);
    HandCounts counts{};
    for (int c = 1; c < HandCategoryCount; ++c) {
        const auto category = static_cast<HandCategory>(c);
        const auto row = categoryRow(category, game);
        const auto printed = std::find_if(rows.begin(), rows.end(),
                                          [&](const auto& r) { return row && r.rowTop == row->rowTop; });
        ASSERT_EQ(printed != rows.end(), row.has_value()) << categoryName(category);
        if (!row)
            continue;
        EXPECT_EQ(printed->rowLabelPicture, row->rowLabelPicture);
        for (int coins = 1; coins <= MaxCoins; ++coins) {
            const Payout payout = lookUpPayout(category, game, payTableFor(game), coins, 2, counts);
            EXPECT_EQ(printed->amounts[static_cast<std::size_t>(coins - 1)], payout.PaidAmount)
                << categoryName(category) << " " << coins << " coins";
        }
    }
}

// Rows must fall inside the picture and under the column highlight, one above the other.
TEST_P(PrintedTable, RowsFitThePicture) {
    const PayTableArt art = payTableArtFor(GetParam());
    int previousTop = PayTableTop;
    for (const auto& row : PayTablePainter::printedAmounts(GetParam())) {
        EXPECT_GE(row.rowTop - previousTop, row.rowTop == CoinHighlightTop ? 0 : RowLabelHeight);
        EXPECT_LE(row.rowTop + RowLabelHeight, CoinHighlightTop + art.highlightHeight);
        EXPECT_FALSE(PayTablePainter::handName(row.rowLabelPicture).isEmpty());
        previousTop = row.rowTop;
    }
}

// A lit column covers exactly one printed column and visibly changes it.
TEST_P(PrintedTable, ColumnHighlightsLightTheirColumn) {
    const auto& catalogue = ResourceCatalogue::instance();
    const PayTableArt art = payTableArtFor(GetParam());
    const QImage table = catalogue.picture(art.tablePicture);
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        SCOPED_TRACE(coins);
        const QImage lit = catalogue.picture(art.tablePicture + coins);
        const QRect region(coinHighlightLeft(coins) - PayTableLeft, CoinHighlightTop - PayTableTop,
                           CoinHighlightWidth, art.highlightHeight);
        ASSERT_TRUE(table.rect().contains(region));
        const QImage under = table.copy(region);
        ASSERT_EQ(lit.size(), under.size());
        int differing = 0;
        for (int y = 0; y < lit.height(); ++y)
            for (int x = 0; x < lit.width(); ++x)
                differing += lit.pixel(x, y) != under.pixel(x, y) ? 1 : 0;
        EXPECT_GT(differing, lit.width() * lit.height() * 3 / 4);
    }
}

INSTANTIATE_TEST_SUITE_P(AllGames, PrintedTable, testing::ValuesIn(AllGames), testing_support::gameName);

} // namespace
