#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <cmath>

#include "engine/pay_table.h"
#include "platform/pictures.h"
#include "platform/table_layout.h"
#include "resources/double_up_painter.h"
#include "resources/pay_table_painter.h"
#include "resources/resource_catalogue.h"
#include "tests/support/printers.h"

using namespace tandora;

namespace {

// The painters need a QGuiApplication for their fonts; gtest_main does not make one.
class Catalogue : public testing::Test {
protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "resources_test", *argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
    const ResourceCatalogue& catalogue = ResourceCatalogue::instance();
    // The pictures listed and those numbered first to last all differ.
    void expectAllDifferent(std::vector<int> numbers, int first = 0, int last = -1) const {
        for (int n = first; n <= last; ++n)
            numbers.push_back(n);
        for (std::size_t i = 0; i < numbers.size(); ++i)
            for (std::size_t j = i + 1; j < numbers.size(); ++j)
                EXPECT_NE(catalogue.picture(numbers[i]), catalogue.picture(numbers[j]))
                    << numbers[i] << " and " << numbers[j];
    }
};

// Guards the looks of each control (a state change the player could not see is a silent fault) and the
// cards: two codes sharing a face or the wild mark missing shows as equal pictures.
TEST_F(Catalogue, TheLooksOfOneControlAndTheCardsAllDiffer) {
    for (int button = 6001; button <= 6013; button += 3) // pressed, disabled, enabled
        expectAllDifferent({}, button, button + 2);
    expectAllDifferent({6012, 6015});
    expectAllDifferent({6016, 6017});
    expectAllDifferent({}, 6101, 6106);
    expectAllDifferent({}, 1000, 1009);
    expectAllDifferent({}, 3000, 3013);
    // The two decks share all but backs and jokers.
    expectAllDifferent({200, 253, 302, 315, 328, 341}, 100, 153);
}

// Guards the picture each code shows: the joker, the wild deuces only in Deuces Wild, the back, the deck.
TEST(CardPicture, FollowsTheDeckTheWildDeucesAndTheBack) {
    EXPECT_EQ(cardPicture(15, Deck::Red, GameType::DeucesWild), 315);
    EXPECT_EQ(cardPicture(2, Deck::Red, GameType::JacksOrBetter85), 102);
    EXPECT_EQ(cardPicture(41, Deck::Blue, GameType::DeucesWild), 441);
    EXPECT_EQ(cardPicture(41, Deck::Blue, GameType::JokerPoker), 241);
    EXPECT_EQ(cardPicture(JokerCode, Deck::Blue, GameType::JokerPoker), 253);
    EXPECT_EQ(cardPicture(CardBackCode, Deck::Red, GameType::DeucesWild), 100);
}

// The YES and NO answers are clicked by position, so their buttons must be drawn inside those areas.
TEST_F(Catalogue, DoubleUpButtonsFillTheirClickAreas) {
    const QImage question = catalogue.picture(2001);
    const auto count = [&](const QRect& area, int channel) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = question.pixelColor(x, y);
                const int want = channel ? c.green() : c.red(), other = channel ? c.red() : c.green();
                n += want > other + 50 && want > c.blue() + 50;
            }
        return n;
    };
    const QRect yes = DoubleUpPainter::YesArea, no = DoubleUpPainter::NoArea, between(140, 87, 30, 40);
    EXPECT_GT(count(yes, 1), yes.width() * yes.height() / 2);
    EXPECT_GT(count(no, 0), no.width() * no.height() / 2);
    EXPECT_EQ(count(yes, 0) + count(no, 1) + count(between, 0) + count(between, 1), 0);
}

// The sum of squared steps between neighbouring pixels' intensities: sharp edges count more than the
// same edges smoothed over two pixels.
double edgeEnergy(const QImage& image) {
    const QImage g = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y + 1 < g.height(); ++y)
        for (int x = 0; x + 1 < g.width(); ++x) {
            const int p = qGray(g.pixel(x, y));
            sum += std::pow(qGray(g.pixel(x + 1, y)) - p, 2) + std::pow(qGray(g.pixel(x, y + 1)) - p, 2);
        }
    return sum;
}

// Guards against a missing picture, one painted at another size than its control has, or a stray one; and
// the pictures at finer scales: painted anew for the pixels they cover (never the design picture
// pixel-doubled or smoothed), and matching the design picture when scaled back down.
TEST_F(Catalogue, EveryPictureExistsAtItsSizeAndIsPaintedAnewAtEachScale) {
    for (const int n : {-1, 0, 99, 154, 301, 442, 1010, 3014, 6000, 6018, 6107})
        EXPECT_TRUE(!catalogue.hasPicture(n) && catalogue.picture(n).isNull()) << n;
    EXPECT_EQ(catalogue.pictureNumbers().size(), 199u);
    for (const int n : catalogue.pictureNumbers()) {
        SCOPED_TRACE(n);
        const QImage design = catalogue.picture(n), fine = catalogue.picture(n, 2.0);
        ASSERT_TRUE(catalogue.hasPicture(n));
        EXPECT_EQ(design.size(), catalogue.pictureSize(n));
        ASSERT_EQ(fine.size(), design.size() * 2);
        EXPECT_EQ(fine.devicePixelRatio(), 2.0);
        EXPECT_EQ(catalogue.picture(n, 1.5).size(), (QSizeF(design.size()) * 1.5).toSize());
        int uneven = 0; // 2 x 2 blocks that are not one colour: none in a pixel-doubled picture
        for (int y = 0; y + 1 < fine.height(); y += 2)
            for (int x = 0; x + 1 < fine.width(); x += 2)
                uneven +=
                    fine.pixel(x + 1, y) != fine.pixel(x, y) || fine.pixel(x, y + 1) != fine.pixel(x, y);
        EXPECT_GT(uneven, design.width() * design.height() / 50) << "pixel-doubled";
        const QImage smoothed = design.scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(edgeEnergy(fine), 1.8 * edgeEnergy(smoothed)) << "smoothed";
        if (n < 300 && n % 100 >= 1 && n % 100 <= 53) { // the card faces
            const QImage x = fine.scaled(design.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGBA8888),
                         y = design.convertToFormat(QImage::Format_RGBA8888);
            double sum = 0; // the mean difference of their channels, 0 to 255
            for (qsizetype i = 0; i < x.sizeInBytes(); ++i)
                sum += std::abs(x.constBits()[i] - y.constBits()[i]);
            EXPECT_LT(sum / static_cast<double>(x.sizeInBytes()), 2.5) << "a card scaled back down";
        }
    }
}

// Guards the pay tables: each paying hand's row is printed (in each game's order, the labels an independent
// list) with what the hand pays for every bet, the win lights that row, and each lit column covers its
// printed column and changes it.
TEST_F(Catalogue, PayTableRowsShowWhatEachHandPays) {
    const std::vector<int> labels[] = {{3000, 3005, 3006, 3008, 3009, 3010, 3007, 3011, 3013},
                                       {3000, 3005, 3006, 3008, 3009, 3010, 3007, 3011, 3013},
                                       {3000, 3001, 3003, 3002, 3005, 3006, 3008, 3009, 3010, 3007},
                                       {3000, 3002, 3004, 3005, 3006, 3008, 3009, 3010, 3007, 3011, 3012}};
    for (const GameType game : AllGames) {
        SCOPED_TRACE(gameName(game));
        std::vector<int> printedLabels;
        for (const auto& row : PayTablePainter::printedAmounts(game)) {
            printedLabels.push_back(row.rowLabelPicture);
            EXPECT_EQ(rowLabelPicture(row.category, game), row.rowLabelPicture);
            EXPECT_EQ(Layout::winHighlightPlace(row.category, game),
                      (Rect{Layout::RowLabelLeft, row.rowTop, RowLabelSize.width, RowLabelSize.height}));
            for (int coins = 1; coins <= MaxCoins; ++coins)
                EXPECT_EQ(row.amounts[static_cast<std::size_t>(coins - 1)],
                          handPays(row.category, game, payTableFor(game), coins));
        }
        EXPECT_EQ(printedLabels, labels[static_cast<int>(game)]);
        const PayTableArt art = payTableArtFor(game);
        const QImage table = catalogue.picture(art.tablePicture);
        for (int coins = 1; coins <= MaxCoins; ++coins) {
            const QImage lit = catalogue.picture(art.tablePicture + coins);
            const QImage under = table.copy(Layout::coinHighlightLeft(coins) - Layout::PayTableLeft,
                                            Layout::CoinHighlightTop - Layout::PayTableTop,
                                            CoinHighlightWidth, art.highlightHeight);
            ASSERT_EQ(lit.size(), under.size());
            EXPECT_NE(lit.convertToFormat(under.format()), under) << coins;
        }
    }
}

} // namespace
