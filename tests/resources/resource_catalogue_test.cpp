#include <gtest/gtest.h>

#include <QColor>
#include <cmath>

#include "gui_app.h"
#include "platform/pictures.h"
#include "resources/double_up_painter.h"
#include "resources/resource_catalogue.h"
#include "tests/support/printers.h"

using namespace tandora;

namespace {

class Catalogue : public testing::Test {
protected:
    void SetUp() override { ensureGuiApp(); }
    const ResourceCatalogue& catalogue = ResourceCatalogue::instance();
};

// Guards against a missing picture or one painted at another size than its control has.
TEST_F(Catalogue, EveryPictureExistsAtItsSize) {
    const std::vector<int> numbers = catalogue.pictureNumbers();
    EXPECT_EQ(numbers.size(), 199u);
    for (const int n : numbers) {
        ASSERT_TRUE(catalogue.hasPicture(n)) << n;
        EXPECT_EQ(catalogue.picture(n).size(), catalogue.pictureSize(n)) << n;
    }
    EXPECT_EQ(catalogue.pictureSize(500), QSize(541, 421)) << "the table";
    EXPECT_EQ(catalogue.pictureSize(120), QSize(83, 116)) << "a card";
    EXPECT_EQ(catalogue.pictureSize(503), QSize(64, 64)) << "the window icon";
}

// A number next to a real one must not crash the game or show a stray picture.
TEST_F(Catalogue, UnknownNumbersGiveNothing) {
    for (const int n :
         {-1, 0, 99, 154, 254, 301, 303, 442, 999, 1010, 3014, 4008, 5008, 6000, 6018, 6107, 8506}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(catalogue.hasPicture(n));
        EXPECT_TRUE(catalogue.picture(n).isNull());
        EXPECT_FALSE(catalogue.pictureSize(n).isValid());
    }
    for (const int n : {-1, 0, 4, 7, 21, 1000}) {
        EXPECT_FALSE(catalogue.hasWave(n));
        EXPECT_TRUE(catalogue.wave(n).isEmpty());
    }
}

// A mix-up in the numbering (two codes sharing a face, the wild mark missing) shows as equal pictures.
TEST_F(Catalogue, CardPicturesAreAllDifferent) {
    std::vector<int> numbers;
    for (const int base : {100, 200}) {
        for (int code = 0; code <= 53; ++code)
            numbers.push_back(base + code);
        for (const int deuce : {2, 15, 28, 41})
            numbers.push_back(base + 200 + deuce);
    }
    for (std::size_t i = 0; i < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j) {
            // The two decks share their faces; only backs and jokers differ between them.
            const int a = numbers[i], b = numbers[j];
            if (b - a == 100 && a % 100 != 0 && a % 100 != 53)
                continue;
            EXPECT_NE(catalogue.picture(a), catalogue.picture(b)) << a << " and " << b;
        }
}

// Guards the picture each code shows: the joker, the wild deuces only in Deuces Wild, the back for a
// face-down position, in the player's deck.
TEST(CardPicture, FollowsTheDeckTheWildDeucesAndTheBack) {
    struct Row {
        Card code;
        Deck deck;
        GameType game;
        int picture;
    };
    const Row rows[] = {
        {2, Deck::Red, GameType::DeucesWild, 302},
        {15, Deck::Red, GameType::DeucesWild, 315},
        {2, Deck::Red, GameType::JacksOrBetter85, 102},
        {41, Deck::Blue, GameType::DeucesWild, 441},
        {41, Deck::Blue, GameType::JokerPoker, 241},
        {JokerCode, Deck::Blue, GameType::JokerPoker, 253},
        {1, Deck::Red, GameType::DeucesWild, 101},
        {52, Deck::Blue, GameType::JacksOrBetter96, 252},
        {CardBackCode, Deck::Red, GameType::DeucesWild, 100},
        {CardBackCode, Deck::Blue, GameType::JokerPoker, 200},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cardPicture(r.code, r.deck, r.game), r.picture) << "code " << r.code;
}

// The YES and NO answers are clicked by position, so their buttons must be drawn inside those areas.
TEST_F(Catalogue, DoubleUpButtonsFillTheirClickAreas) {
    const QImage question = catalogue.picture(2001);
    const auto count = [&](const QRect& area, auto isButton) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += isButton(question.pixelColor(x, y)) ? 1 : 0;
        return n;
    };
    const auto green = [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; };
    const auto red = [](QColor c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60; };
    const QRect yes = DoubleUpPainter::YesArea, no = DoubleUpPainter::NoArea;
    EXPECT_EQ(yes, QRect(QPoint(71, 87), QPoint(135, 126)));
    EXPECT_EQ(no, QRect(QPoint(174, 87), QPoint(220, 126)));
    EXPECT_GT(count(yes, green), yes.width() * yes.height() / 2);
    EXPECT_GT(count(no, red), no.width() * no.height() / 2);
    EXPECT_EQ(count(yes, red), 0);
    EXPECT_EQ(count(no, green), 0);
    // Between and around the buttons is neither, so a miss-click does not look like a hit.
    EXPECT_EQ(count(QRect(140, 87, 30, 40), green) + count(QRect(140, 87, 30, 40), red), 0);
}

// How far two pictures of one size lie apart: the mean difference of their channels, 0 to 255.
double distance(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888),
                 y = b.convertToFormat(QImage::Format_RGBA8888);
    double sum = 0;
    for (qsizetype i = 0; i < x.sizeInBytes(); ++i)
        sum += std::abs(x.constBits()[i] - y.constBits()[i]);
    return sum / static_cast<double>(x.sizeInBytes());
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

// The share of 2 x 2 blocks that are not one colour: none in a pixel-doubled picture.
double unevenBlocks(const QImage& image) {
    int uneven = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2, ++blocks) {
            const QRgb p = image.pixel(x, y);
            uneven +=
                image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return static_cast<double>(uneven) / blocks;
}

// Guards the pictures at finer scales: painted anew for the pixels they cover (so they show at their design
// size, sharper), matching the design picture when scaled back down, and never the design picture
// magnified, pixel-doubled or smoothed.
TEST_F(Catalogue, PicturesArePaintedAnewAtEachScale) {
    for (const int n : catalogue.pictureNumbers()) {
        SCOPED_TRACE(n);
        const QImage design = catalogue.picture(n);
        for (const qreal scale : {1.5, 2.0}) {
            const QImage fine = catalogue.picture(n, scale);
            ASSERT_EQ(fine.size(), (QSizeF(design.size()) * scale).toSize());
            EXPECT_EQ(fine.devicePixelRatio(), scale);
        }
        const QImage fine = catalogue.picture(n, 2.0);
        const QImage smoothed = design.scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(unevenBlocks(fine), 0.02) << "pixel-doubled";
        EXPECT_GT(edgeEnergy(fine), 1.8 * edgeEnergy(smoothed)) << "smoothed";
        if (n < 300 && n % 100 >= 1 && n % 100 <= 53) { // the card faces
            const QImage back = fine.scaled(design.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(distance(back, design), 2.5) << "a card scaled back down";
        }
    }
}

} // namespace

namespace {

// The looks of one control: a state change the player could not see would be a silent fault.
struct LookGroup {
    const char* name;
    std::vector<int> numbers;
};

void PrintTo(const LookGroup& g, std::ostream* os) {
    *os << g.name;
}

const LookGroup LookGroups[] = {
    {"CashOut", {6001, 6002, 6003}},
    {"Bet1", {6004, 6005, 6006}},
    {"MaxBet", {6007, 6008, 6009}},
    {"Deal", {6010, 6011, 6012}},
    {"Digits", {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009}},
    {"Draw", {6013, 6014, 6015}},
    {"CashIn", {6016, 6017}},
    {"HoldLabels", {6101, 6102, 6103, 6104, 6105, 6106}},
    {"CardBacks", {100, 200}},
    {"RowLabels", {3000, 3001, 3002, 3003, 3004, 3005, 3006, 3007, 3008, 3009, 3010, 3011, 3012, 3013}},
    {"DealAndDrawShareTheirControl", {6012, 6015}},
};

class ControlLooks : public testing::TestWithParam<LookGroup> {
protected:
    void SetUp() override { ensureGuiApp(); }
};

TEST_P(ControlLooks, AreAllDifferent) {
    const auto& catalogue = ResourceCatalogue::instance();
    const auto& numbers = GetParam().numbers;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j)
            EXPECT_NE(catalogue.picture(numbers[i]), catalogue.picture(numbers[j]))
                << numbers[i] << " and " << numbers[j];
}

INSTANTIATE_TEST_SUITE_P(Groups, ControlLooks, testing::ValuesIn(LookGroups), testing_support::RowName());

} // namespace
