#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/pay_table.h"
#include "gui_app.h"
#include "platform/pictures.h"
#include "platform/table_layout.h"
#include "resources/pay_table_painter.h"
#include "resources/resource_catalogue.h"
#include "tests/support/printers.h"

using namespace tandora;

namespace {

class PrintedTable : public testing::TestWithParam<GameType> {
protected:
    void SetUp() override { ensureGuiApp(); }
};

// The rows each game's table is painted with, top down: their label pictures and the last row's top.
struct PaintedRows {
    GameType game;
    std::vector<int> labels;
    int lastTop;
};

const PaintedRows Painted[] = {
    {GameType::JacksOrBetter85, {3000, 3005, 3006, 3008, 3009, 3010, 3007, 3011, 3013}, 146},
    {GameType::JacksOrBetter96, {3000, 3005, 3006, 3008, 3009, 3010, 3007, 3011, 3013}, 146},
    {GameType::DeucesWild, {3000, 3001, 3003, 3002, 3005, 3006, 3008, 3009, 3010, 3007}, 160},
    {GameType::JokerPoker, {3000, 3002, 3004, 3005, 3006, 3008, 3009, 3010, 3007, 3011, 3012}, 174},
};

// Guards the strip the table lights over a win: the label and place of every paying hand are those of the
// printed row with its name, and the printed amounts are what the hand pays.
TEST_P(PrintedTable, LightsTheWinOnItsPrintedRow) {
    const GameType game = GetParam();
    const auto& painted = *std::find_if(std::begin(Painted), std::end(Painted),
                                        [&](const PaintedRows& p) { return p.game == game; });
    const auto rows = PayTablePainter::printedAmounts(game);
    ASSERT_EQ(rows.size(), painted.labels.size());
    EXPECT_EQ(rows.front().rowTop, 35);
    EXPECT_EQ(rows.back().rowTop, painted.lastTop);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].rowLabelPicture, painted.labels[i]) << i;
    for (int c = 0; c < HandCategoryCount; ++c) {
        const auto category = static_cast<HandCategory>(c);
        SCOPED_TRACE(categoryName(category));
        const auto printed = std::find_if(rows.begin(), rows.end(), [&](const auto& r) {
            return r.rowLabelPicture == rowLabelPicture(category, game);
        });
        ASSERT_EQ(printed != rows.end(), handPays(category, game, payTableFor(game), 1) > 0);
        if (printed == rows.end())
            continue;
        EXPECT_EQ(Layout::winHighlightPlace(category, game),
                  (Rect{Layout::RowLabelLeft, printed->rowTop, RowLabelSize.width, RowLabelSize.height}));
        for (int coins = 1; coins <= MaxCoins; ++coins)
            EXPECT_EQ(printed->amounts[static_cast<std::size_t>(coins - 1)],
                      handPays(category, game, payTableFor(game), coins));
    }
}

// Rows must fall inside the picture and under the column highlight, one above the other.
TEST_P(PrintedTable, RowsFitThePicture) {
    const PayTableArt art = payTableArtFor(GetParam());
    int previousTop = Layout::PayTableTop;
    for (const auto& row : PayTablePainter::printedAmounts(GetParam())) {
        EXPECT_GE(row.rowTop - previousTop, row.rowTop == Layout::CoinHighlightTop ? 0 : RowLabelSize.height);
        EXPECT_LE(row.rowTop + RowLabelSize.height, Layout::CoinHighlightTop + art.highlightHeight);
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
        const QRect region(Layout::coinHighlightLeft(coins) - Layout::PayTableLeft,
                           Layout::CoinHighlightTop - Layout::PayTableTop, CoinHighlightWidth,
                           art.highlightHeight);
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
