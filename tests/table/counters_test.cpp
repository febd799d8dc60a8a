#include <gtest/gtest.h>

#include "table/counters.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

class CountersTest : public ::testing::Test {
protected:
    std::vector<int> digits(Control c) {
        std::vector<int> d;
        for (int i = 1; i <= 4; ++i)
            d.push_back(f.view.picture({c, i}) - 1000);
        return d;
    }

    FakePlatform f;
    GameState state;
    Counters counters{TableContext{f.platform, state}};
};

// Guards zero padding and the digit order (index 1 is the thousands).
TEST_F(CountersTest, ShowsFourDigitsPadded) {
    counters.UpdateNumbers("Credits", 7);
    EXPECT_EQ(digits(Control::Credits), (std::vector<int>{0, 0, 0, 7}));
    counters.UpdateNumbers("PAID", 4000);
    EXPECT_EQ(digits(Control::Paid), (std::vector<int>{4, 0, 0, 0}));
    counters.UpdateNumbers("paid", 9999);
    EXPECT_EQ(digits(Control::Paid), (std::vector<int>{9, 9, 9, 9}));
    counters.UpdateNumbers("coins", 5);
    EXPECT_EQ(f.view.picture({Control::Coins}), 1005);
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards the range checks: the refusal message, and the counter keeping its old digits.
TEST_F(CountersTest, RefusesOutOfRangeAmountsAndUnknownNames) {
    counters.UpdateNumbers("Credits", 1234);
    counters.UpdateNumbers("Coins", 3);
    struct Row {
        const char* lcd;
        std::int64_t amount;
        const char* message;
    };
    const Row rows[] = {{"Credits", 100000000, "Invalid parameter: NewAmt"},
                        {"Credits", -1, "Invalid parameter: NewAmt"},
                        {"Paid", 10000, "Invalid parameter: NewAmt"},
                        {"Paid", 12000, "Invalid parameter: NewAmt"},
                        {"Coins", 10, "Invalid parameter: NewAmt"},
                        {"Coins", -1, "Invalid parameter: NewAmt"},
                        {"Bank", 5, "Invalid parameter: LCD"}};
    for (const Row& r : rows) {
        counters.UpdateNumbers(r.lcd, r.amount);
        ASSERT_FALSE(f.messages.shown().empty());
        EXPECT_EQ(f.messages.shown().back(), std::string("UpdateNumbers|48|") + r.message)
            << r.lcd << r.amount;
    }
    EXPECT_EQ(f.messages.shown().size(), std::size(rows));
    EXPECT_EQ(digits(Control::Credits), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(f.view.picture({Control::Coins}), 1003);
}

// Guards credits won beyond 9,999: the counter lights one more digit per power of ten, shows the exact
// amount without a message, and goes dark again when the credits fall back.
TEST_F(CountersTest, CreditsBeyondTheFourDigitsLightMoreDigits) {
    const auto shown = [this] {
        std::string text;
        for (int i = -3; i <= 4; ++i)
            if (f.view.isVisible({Control::Credits, i}))
                text += static_cast<char>('0' + f.view.picture({Control::Credits, i}) - 1000);
        return text;
    };
    for (int i = -3; i <= 0; ++i)
        f.view.setVisible({Control::Credits, i}, false); // as set-up leaves them
    counters.UpdateNumbers("Credits", 9995);
    EXPECT_EQ(shown(), "9995");
    counters.UpdateNumbers("Credits", 13995);
    EXPECT_EQ(shown(), "13995");
    counters.UpdateNumbers("Credits", 12345678);
    EXPECT_EQ(shown(), "12345678");
    counters.UpdateNumbers("Credits", 250);
    EXPECT_EQ(shown(), "0250");
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards the Cash Out rule: offered only by the update that finishes a hand with credits left.
TEST_F(CountersTest, CreditsUpdateSetsCashOut) {
    struct Row {
        std::int16_t handState;
        int amount;
        bool enabled;
    };
    for (const Row& r : {Row{2, 50, false}, Row{1, 50, true}, Row{1, 0, false}, Row{2, 0, false}}) {
        state.HandState = r.handState;
        counters.UpdateNumbers("Credits", r.amount);
        EXPECT_EQ(f.view.isEnabled({Control::CashOut}), r.enabled) << r.handState << " " << r.amount;
        EXPECT_EQ(f.view.picture({Control::CashOut}), r.enabled ? 6003 : 6002);
    }
}

} // namespace
} // namespace tandora
