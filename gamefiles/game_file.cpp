#include "gamefiles/game_file.h"

#include <algorithm>
#include <vector>

#include "engine/ascii_text.h"
#include "engine/known_pay_tables.h"
#include "platform/settings_keys.h"
#include "table/value_text.h"

namespace tandora {

namespace {

constexpr int LinesWithoutCounts = 29;
constexpr int LinesWithCounts = 42;
constexpr std::string_view PayTableKey = "PayTable=";
constexpr std::size_t KeyLength = 9;
// The longest line a program writes is under 30 characters; the margin allows for hand editing.
constexpr std::size_t MaxLineLength = 80;
// The largest number of at most 18 digits, all a game file's numbers are read into.
constexpr std::int64_t MaxDigits = 999'999'999'999'999'999;
constexpr std::string_view CardBacksText = "0,0,0,0,0";

struct GameName {
    GameType game;
    std::string_view text;
};
constexpr GameName GameNames[] = {{GameType::DeucesWild, "DeucesWild"},
                                  {GameType::JacksOrBetter85, "JacksOrBetter"},
                                  {GameType::JacksOrBetter96, "JacksOrBetter96"},
                                  {GameType::JokerPoker, "JokerPoker"}};

// Lines 30 to 42: a blank (or the minus sign) before the digits and a blank after them.
std::string printNumber(std::int64_t value) {
    std::string text(value < 0 ? "" : " ");
    text.append(std::to_string(value)).append(" ");
    return text;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Digits with an optional minus sign and blanks around them; nothing else is a number in a game file.
std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t min, std::int64_t max) {
    text = trimmed(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    if (negative)
        value = -value;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

// "True" or "False" in any case, or a whole number (0 is False).
std::optional<bool> boolean(std::string_view text) {
    text = trimmed(text);
    if (equalsIgnoringCase(text, "True"))
        return true;
    if (equalsIgnoringCase(text, "False"))
        return false;
    if (const auto number = wholeNumber(text, -MaxDigits, MaxDigits))
        return *number != 0;
    return std::nullopt;
}

std::optional<bool> exactBoolean(std::string_view text) {
    if (text == "True")
        return true;
    if (text == "False")
        return false;
    return std::nullopt;
}

// The lines of a plain ASCII text whose lines end in CR LF (the last one may lack it). A lone CR or LF,
// a control character, a byte beyond ASCII or an overlong line makes it something else.
std::optional<std::vector<std::string_view>> textLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find("\r\n");
        const std::string_view line = bytes.substr(0, end);
        if (line.size() > MaxLineLength)
            return std::nullopt;
        for (const char ch : line) {
            const auto byte = static_cast<unsigned char>(ch);
            if ((byte < 0x20 && byte != '\t') || byte > 0x7E)
                return std::nullopt;
        }
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 2);
    }
    return lines;
}

std::string_view headerValue(std::string_view line) {
    return line.size() > KeyLength ? line.substr(KeyLength) : std::string_view{};
}

std::optional<GameType> gameNamed(std::string_view text) {
    for (const GameName& name : GameNames) {
        if (name.text == text)
            return name.game;
    }
    return std::nullopt;
}

std::string_view gamePlayText(GameType game) {
    for (const GameName& name : GameNames) {
        if (name.game == game)
            return name.text;
    }
    return {};
}

// Five codes 0 to 52 joined by commas, no card twice; nothing for card backs.
std::optional<std::optional<tandora::Hand>> handOf(std::string_view text) {
    if (text == CardBacksText)
        return std::optional<tandora::Hand>{};
    tandora::Hand hand{};
    for (int i = 0; i < HandSize; ++i) {
        const std::size_t comma = text.find(',');
        if ((comma == std::string_view::npos) != (i == HandSize - 1))
            return std::nullopt;
        const auto code = wholeNumber(text.substr(0, comma), 0, 52);
        if (!code)
            return std::nullopt;
        hand[static_cast<std::size_t>(i)] = static_cast<Card>(*code);
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    tandora::Hand sorted = hand;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return std::nullopt;
    return std::optional<tandora::Hand>{hand};
}

// "Won", a blank and the amount one hand can pay, at most largest; nothing after it is a win of 0, as a game
// saved before its first hand has. "Won5" or "Won-5" is no win line.
std::optional<std::int64_t> wonAmount(std::string_view line, std::int64_t largest) {
    if (line.size() < 3 || !equalsIgnoringCase(line.substr(0, 3), "WON"))
        return std::nullopt;
    const std::string_view rest = line.substr(3);
    if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t')
        return std::nullopt;
    const std::string_view amount = trimmed(rest);
    if (amount.empty())
        return 0;
    return wholeNumber(amount, 0, largest);
}

bool heldText(std::string_view line) {
    const std::string upper = toUpperAscii(line);
    return upper == "TRUE" || upper == "HELD";
}

// Reads one line after another into the record; the first one that does not convert stops it.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string_view>& lines) : lines_(lines) {}

    std::string_view text(int line) const { return lines_[static_cast<std::size_t>(line - 1)]; }
    std::string_view header(int line) const { return headerValue(text(line)); }
    bool number(int line, std::int64_t min, std::int64_t max, std::int64_t& into) {
        const auto value = wholeNumber(text(line), min, max);
        if (value)
            into = *value;
        return ok_ = ok_ && value.has_value();
    }
    template <typename Small> bool smallNumber(int line, std::int64_t min, std::int64_t max, Small& into) {
        std::int64_t value = 0;
        if (!number(line, min, max, value))
            return false;
        into = static_cast<Small>(value);
        return true;
    }
    bool flag(int line, bool& into) {
        const auto value = boolean(text(line));
        if (value)
            into = *value;
        return ok_ = ok_ && value.has_value();
    }
    bool ok() const { return ok_; }

private:
    const std::vector<std::string_view>& lines_;
    bool ok_ = true;
};

} // namespace

GameFileRecord recordOf(const GameState& state, const TableButtons& buttons) {
    GameFileRecord r;
    r.game = state.game();
    r.DoubleUpOn = state.options.DoubleUpOn;
    r.deck = state.options.deck;
    r.SoundEffects = state.options.SoundEffects;
    r.iDefaultPoints = state.options.iDefaultPoints;
    const bool cardBacks =
        std::any_of(state.Hand.begin(), state.Hand.end(), [](Card code) { return code == CardBackCode; });
    if (!cardBacks)
        r.Hand = state.Hand;
    r.vPoints = state.vPoints;
    r.vAmtPlayed = state.vAmtPlayed;
    r.CreditsIn = state.CreditsIn;
    r.HandState = state.HandState;
    r.dealFace = state.HandState == HandStates::BetweenHands;
    r.CoinsBet = state.CoinsBet;
    r.PaidAmount = state.PaidAmount;
    r.buttons = buttons;
    r.vHandsPlayed = state.vHandsPlayed;
    r.vHandsWon = state.vHandsWon;
    r.vAmtWon = state.vAmtWon;
    r.Held = state.Held;
    r.HandCounts = state.HandCounts;
    r.payTable = state.chosenTable();
    return r;
}

std::string writeGameFile(const GameFileRecord& r) {
    std::string hand(CardBacksText);
    if (r.Hand) {
        hand.clear();
        for (std::size_t i = 0; i < r.Hand->size(); ++i)
            hand.append(i == 0 ? "" : ",").append(std::to_string((*r.Hand)[i]));
    }
    const std::string lines[] = {
        "GamePlay=" + std::string(gamePlayText(r.game)),
        "DoubleUp=" + booleanText(r.DoubleUpOn),
        std::string("WhatDeck=") + (r.deck == Deck::Blue ? "Blue" : "Red"),
        "SoundEff=" + booleanText(r.SoundEffects),
        "DefPoint=" + std::to_string(r.iDefaultPoints),
        "CurrHand=" + hand,
        "CurScore=" + std::to_string(r.vPoints),
        std::to_string(r.vAmtPlayed),
        std::to_string(r.CreditsIn),
        std::to_string(r.HandState),
        booleanText(r.buttons.dealEnabled),
        r.dealFace ? "Deal" : "Draw",
        std::to_string(r.CoinsBet),
        booleanText(r.buttons.bet1Enabled),
        "Won " + std::to_string(r.PaidAmount),
        booleanText(r.buttons.maxBetEnabled),
        "True",
        "Hold All",
        "",
        "",
        booleanText(r.buttons.holdsEnabled),
        std::to_string(r.vHandsPlayed),
        std::to_string(r.vHandsWon),
        std::to_string(r.vAmtWon),
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    for (const bool held : r.Held)
        text += booleanText(held) + "\r\n";
    if (r.HandCounts) {
        for (const std::int64_t count : *r.HandCounts)
            text += printNumber(count) + "\r\n";
        // Readers that stop at line 42 open the game with its designed table.
        if (r.payTable && *r.payTable != payTableFor(r.game))
            text += std::string(PayTableKey) + payTableText(r.game, *r.payTable) + "\r\n";
    }
    return text;
}

std::optional<GameFileRecord> parseGameFile(std::string_view bytes) {
    if (bytes.size() > MaxGameFileBytes)
        return std::nullopt;
    const auto lines = textLines(bytes);
    // A file that stops between the holds and the last count was cut short; lines after the last
    // count are left for later versions.
    if (!lines || lines->size() < LinesWithoutCounts ||
        (lines->size() > LinesWithoutCounts && lines->size() < LinesWithCounts))
        return std::nullopt;

    LineReader in(*lines);
    GameFileRecord r;
    // Only the value from the tenth character on counts; the key itself is not compared.
    const auto game = gameNamed(in.header(1));
    const auto doubleUp = exactBoolean(in.header(2));
    const auto sound = exactBoolean(in.header(4));
    const std::string_view deck = in.header(3);
    if (!game || !doubleUp || !sound || (deck != "Blue" && deck != "Red"))
        return std::nullopt;
    r.game = *game;
    r.DoubleUpOn = *doubleUp;
    r.deck = deck == "Blue" ? Deck::Blue : Deck::Red;
    r.SoundEffects = *sound;
    const auto points = wholeNumber(in.header(5), 0, MaxDigits);
    if (!points || !Settings::isDefPointsChoice(*points))
        return std::nullopt;
    r.iDefaultPoints = static_cast<std::int16_t>(*points);
    const auto hand = handOf(in.header(6));
    // No more credits than the CREDITS counter can show.
    const auto credits = wholeNumber(in.header(7), 0, MaxShownCredits);
    if (!hand || !credits)
        return std::nullopt;
    r.Hand = *hand;
    r.vPoints = *credits;

    in.number(8, 0, MaxStatistic, r.vAmtPlayed);
    in.number(9, 0, MaxStatistic, r.CreditsIn);
    in.smallNumber(10, HandStates::Dealt, HandStates::BetweenHands, r.HandState);
    in.flag(11, r.buttons.dealEnabled);
    const std::string_view face = in.text(12);
    r.dealFace = face == "Deal";
    in.smallNumber(13, 0, MaxCoins, r.CoinsBet);
    in.flag(14, r.buttons.bet1Enabled);
    // Line 43 first: the win a hand can have depends on the table it was played by.
    if (lines->size() > LinesWithCounts && in.text(LinesWithCounts + 1).starts_with(PayTableKey)) {
        const auto table = parsePayTableText(r.game, in.text(LinesWithCounts + 1).substr(PayTableKey.size()));
        if (!std::holds_alternative<PayTable>(table))
            return std::nullopt;
        if (std::get<PayTable>(table) != payTableFor(r.game))
            r.payTable = std::get<PayTable>(table);
    }
    // A win doubled once in the Double Up at most.
    const auto won =
        wonAmount(in.text(15), 2 * largestHandPay(r.game, r.payTable.value_or(payTableFor(r.game))));
    in.flag(16, r.buttons.maxBetEnabled);
    bool fixedLine = true;
    in.flag(17, fixedLine);
    in.flag(21, r.buttons.holdsEnabled);
    in.number(22, 0, MaxStatistic, r.vHandsPlayed);
    in.number(23, 0, MaxStatistic, r.vHandsWon);
    in.number(24, 0, MaxStatistic, r.vAmtWon);
    if (!in.ok() || !won || (face != "Deal" && face != "Draw"))
        return std::nullopt;
    r.PaidAmount = *won;
    // A dealt hand always shows its cards, and was bet on; card backs there would be drawn to and scored.
    if (r.HandState == HandStates::Dealt && (!r.Hand || r.CoinsBet == 0))
        return std::nullopt;
    for (int i = 0; i < HandSize; ++i)
        r.Held[static_cast<std::size_t>(i)] = heldText(in.text(25 + i));

    if (lines->size() >= LinesWithCounts) {
        tandora::HandCounts counts{};
        for (int i = 0; i < PayTableSlots; ++i)
            in.number(30 + i, 0, MaxStatistic, counts[static_cast<std::size_t>(i)]);
        if (!in.ok())
            return std::nullopt;
        r.HandCounts = counts;
    }
    return r;
}

} // namespace tandora
