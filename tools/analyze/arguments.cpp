#include "arguments.h"

#include <charconv>
#include <cstdio>

#include "engine/known_pay_tables.h"
#include "engine/pay_table.h"

namespace tandora {

int badArguments(const std::string& message) {
    std::fprintf(stderr, "tandora-analyze: %s\n", message.c_str());
    return BadArguments;
}

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (true) {
        start = line.find_first_not_of(" \t\r\n", start);
        if (start == std::string_view::npos)
            return words;
        const std::size_t end = line.find_first_of(" \t\r\n", start);
        words.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return words;
        start = end;
    }
}

std::variant<Hand, std::string> parseHand(const std::vector<std::string_view>& words, GameType game) {
    if (words.size() != HandSize)
        return "a hand is five cards, not " + std::to_string(words.size());
    Hand hand{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto card = parseCard(words[i]);
        if (!card)
            return "unknown card '" + std::string(words[i]) + "'";
        if (*card == JokerCode && game != GameType::JokerPoker)
            return std::string("the joker is only in Joker Poker");
        for (std::size_t j = 0; j < i; ++j) {
            if (hand[j] == *card)
                return "card '" + std::string(words[i]) + "' is given twice";
        }
        hand[i] = *card;
    }
    return hand;
}

std::variant<std::optional<std::string_view>, std::string> takeOption(std::vector<std::string_view>& args,
                                                                      std::string_view name) {
    std::optional<std::string_view> value;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != name) {
            ++i;
            continue;
        }
        if (i + 1 == args.size())
            return std::string(name) + " needs a value";
        value = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return value;
}

std::variant<std::int64_t, std::string> takeNumberOption(std::vector<std::string_view>& args,
                                                         std::string_view name, std::int64_t min,
                                                         std::int64_t max, std::int64_t fallback) {
    const auto taken = takeOption(args, name);
    if (const auto* problem = std::get_if<std::string>(&taken))
        return *problem;
    const auto text = std::get<std::optional<std::string_view>>(taken);
    if (!text)
        return fallback;
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc{} || end != text->data() + text->size() || number < min || number > max)
        return std::string(name) + " takes a whole number from " + std::to_string(min) + " to " +
               std::to_string(max) + ", not '" + std::string(*text) + "'";
    return number;
}

std::variant<int, std::string> takeCoinsOption(std::vector<std::string_view>& args) {
    const auto coins = takeNumberOption(args, "--coins", 1, MaxCoins, MaxCoins);
    if (const auto* problem = std::get_if<std::string>(&coins))
        return *problem;
    return static_cast<int>(std::get<std::int64_t>(coins));
}

namespace {

// Takes "name VALUE" out of args: the value, nothing when absent, or a reason when it has no value.
std::variant<std::optional<std::string_view>, std::string> takeValue(std::vector<std::string_view>& args,
                                                                     std::string_view name) {
    std::optional<std::string_view> value;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        if (i + 1 == args.size())
            return std::string(name) + " needs a value";
        if (value)
            return std::string(name) + " is given twice";
        value = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return value;
}

} // namespace

std::variant<PayTable, std::string> takePayTableOptions(std::vector<std::string_view>& args, GameType game) {
    const auto pays = takeValue(args, "--pays");
    const auto royal = takeValue(args, "--royal5");
    for (const auto* taken : {&pays, &royal}) {
        if (const auto* problem = std::get_if<std::string>(taken))
            return *problem;
    }
    const auto paysText = std::get<std::optional<std::string_view>>(pays);
    const auto royalText = std::get<std::optional<std::string_view>>(royal);
    if (!paysText) {
        if (royalText)
            return std::string("--royal5 goes with --pays");
        return payTableFor(game);
    }
    const std::string text = std::string(*paysText) + "," +
                             (royalText ? std::string(*royalText) : std::to_string(NaturalRoyalMaxBetPayout));
    auto table = parsePayTableText(game, text);
    if (const auto* problem = std::get_if<std::string>(&table))
        return "--pays: " + *problem;
    return table;
}

} // namespace tandora
