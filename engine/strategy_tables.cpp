#include "strategy_tables.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <mutex>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include "colex_rank.h"
#include "deal_enumeration.h"

namespace tandora {

namespace {

constexpr unsigned AllHeld = HoldCount - 1;

// What the order of holds looks at; holds of one hand differ in mask, so no two are equal.
struct HoldKey {
    std::int64_t paid;
    std::int64_t draws;
    int held;
    unsigned mask;
};

bool playsBetter(const HoldKey& a, const HoldKey& b) {
    // paid / draws compared as fractions: at most 5 * MaxPayPerCoin * C(48,5) * C(48,5), inside 64 bits.
    const std::int64_t left = a.paid * b.draws;
    const std::int64_t right = b.paid * a.draws;
    if (left != right)
        return left > right;
    if (a.held != b.held)
        return a.held > b.held;
    return a.mask < b.mask;
}

void checkCoins(int coins) {
    if (coins < 1 || coins > MaxCoins)
        throw std::invalid_argument("coins must be 1 to 5, not " + std::to_string(coins));
}

bool sameRules(GameFlags a, GameFlags b) {
    return a.DeucesWildGame == b.DeucesWildGame && a.JokerPokerGame == b.JokerPokerGame;
}

} // namespace

StrategyTables::StrategyTables(GameType game)
    : StrategyTables(game, std::make_shared<const DrawCounts>(game)) {}

StrategyTables::StrategyTables(GameType game, std::shared_ptr<const DrawCounts> counts)
    : game_(game), table_(payTableFor(game)), counts_(std::move(counts)) {
    if (!counts_ || !sameRules(counts_->rules(), flagsFor(game)))
        throw std::invalid_argument("the draw counts were built for another game's rules");
    setPays();
}

StrategyTables::StrategyTables(const StrategyTables& tables, const PayTable& table)
    : game_(tables.game_), table_(table), counts_(tables.counts_) {
    setPays();
}

void StrategyTables::setPays() {
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        for (int c = 0; c < HandCategoryCount; ++c)
            pays_[static_cast<std::size_t>(coins)][static_cast<std::size_t>(c)] =
                handPays(static_cast<HandCategory>(c), game_, table_, coins);
    }
}

const StrategyTables& StrategyTables::forGame(GameType game) {
    // One DrawCounts per set of rules: Jacks or Better, Deuces Wild, Joker Poker.
    static std::array<std::once_flag, 3> countsBuilt;
    static std::array<std::shared_ptr<const DrawCounts>, 3> counts;
    static std::array<std::once_flag, AllGames.size()> tablesBuilt;
    static std::array<std::unique_ptr<const StrategyTables>, AllGames.size()> tables;

    const GameFlags flags = flagsFor(game);
    const std::size_t rules = flags.DeucesWildGame ? 1 : flags.JokerPokerGame ? 2 : 0;
    const auto index = static_cast<std::size_t>(game);
    std::call_once(tablesBuilt[index], [&] {
        std::call_once(countsBuilt[rules], [&] { counts[rules] = std::make_shared<const DrawCounts>(game); });
        tables[index] = std::make_unique<const StrategyTables>(game, counts[rules]);
    });
    return *tables[index];
}

void StrategyTables::countCompletions(const Places& places, Completions& completions) const {
    const DrawCounts& counts = *counts_;
    // Hands of the whole deck that contain each subset of the five cards: sets of up to three from the table,
    // sets of four by trying every fifth card, the five by their category.
    for (unsigned set = 0; set < HoldCount; ++set) {
        const int size = std::popcount(set);
        if (size > DrawCounts::LargestCountedSet)
            continue;
        Places chosen{};
        for (std::size_t j = 0, k = 0; j < HandSize; ++j) {
            if (set >> j & 1)
                chosen[k++] = places[j];
        }
        completions[set] = counts.containing(size, colexRank(chosen, size));
    }
    for (std::size_t skip = 0; skip < HandSize; ++skip) {
        Places four{};
        for (std::size_t j = 0, k = 0; j < HandSize; ++j) {
            if (j != skip)
                four[k++] = places[j];
        }
        // With a card x placed before four[j], x adds C(x, j + 1) and the places above it move up a term.
        std::array<std::int64_t, HandSize> base{};
        for (int j = 0; j < HandSize; ++j) {
            for (int i = 0; i < HandSize - 1; ++i)
                base[static_cast<std::size_t>(j)] +=
                    choose(four[static_cast<std::size_t>(i)], i < j ? i + 1 : i + 2);
        }
        DrawCounts::CategoryCounts& found = completions[AllHeld ^ (1u << skip)];
        found = {};
        int j = 0;
        for (int x = 0; x < counts.deckSize(); ++x) {
            if (j < HandSize - 1 && x == four[static_cast<std::size_t>(j)]) {
                ++j;
                continue;
            }
            const std::int64_t rank = base[static_cast<std::size_t>(j)] + choose(x, j + 1);
            ++found[static_cast<std::size_t>(toInt(counts.category(rank)))];
        }
    }
    completions[AllHeld] = {};
    ++completions[AllHeld][static_cast<std::size_t>(toInt(counts.category(colexRank(places, HandSize))))];

    // Inclusion-exclusion: hands that keep a set and none of the other dealt cards.
    for (unsigned bit = 1; bit < HoldCount; bit <<= 1) {
        for (unsigned set = 0; set < HoldCount; ++set) {
            if ((set & bit) == 0) {
                for (std::size_t c = 0; c < HandCategoryCount; ++c)
                    completions[set][c] -= completions[set | bit][c];
            }
        }
    }
}

std::int64_t StrategyTables::paidOn(const DrawCounts::CategoryCounts& counts, int coins) const {
    const auto& pays = pays_[static_cast<std::size_t>(coins)];
    std::int64_t paid = 0;
    for (std::size_t c = 0; c < HandCategoryCount; ++c)
        paid += static_cast<std::int64_t>(counts[c]) * pays[c];
    return paid;
}

std::array<HoldValue, HoldCount> StrategyTables::holdValues(const Hand& hand, int coins) const {
    if (auto problem = dealtHandProblem(hand, game_))
        throw std::invalid_argument(*problem);
    checkCoins(coins);

    // Positions in order of their cards' deck places.
    std::array<int, HandSize> order{0, 1, 2, 3, 4};
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return hand[static_cast<std::size_t>(a)] < hand[static_cast<std::size_t>(b)];
    });
    Places places{};
    for (std::size_t j = 0; j < HandSize; ++j)
        places[j] = counts_->placeOf(hand[static_cast<std::size_t>(order[j])]);
    Completions completions;
    countCompletions(places, completions);

    const int cardsLeft = counts_->deckSize() - HandSize;
    std::array<HoldValue, HoldCount> values{};
    for (unsigned set = 0; set < HoldCount; ++set) {
        HoldValue& v = values[set];
        for (std::size_t j = 0; j < HandSize; ++j) {
            if (set >> j & 1)
                v.mask = static_cast<std::uint8_t>(v.mask | 1u << order[j]);
        }
        v.held.fill(CardBackCode);
        for (std::size_t p = 0; p < HandSize; ++p) {
            if (v.mask >> p & 1)
                v.held[static_cast<std::size_t>(v.heldCount++)] = hand[p];
        }
        v.paid = paidOn(completions[set], coins);
        v.draws = choose(cardsLeft, HandSize - v.heldCount);
        v.ev = static_cast<double>(v.paid) / static_cast<double>(v.draws * coins);
    }
    std::sort(values.begin(), values.end(), [](const HoldValue& a, const HoldValue& b) {
        return playsBetter({a.paid, a.draws, a.heldCount, a.mask}, {b.paid, b.draws, b.heldCount, b.mask});
    });
    return values;
}

ReturnResult StrategyTables::payTableReturn(int coins) const {
    return *payTableReturn(coins, 1, {});
}

std::optional<ReturnResult> StrategyTables::payTableReturn(int coins, int threads,
                                                           std::stop_token stop) const {
    checkCoins(coins);
    const int cardsLeft = counts_->deckSize() - HandSize;
    // Sums over deals by the number of cards held, so that each is divided by its own number of draws once.
    struct Sums {
        std::array<std::int64_t, HandSize + 1> paid{};
        std::array<std::array<std::int64_t, HandCategoryCount>, HandSize + 1> finals{};
    };
    // Each thread takes the next lowest card still to do; the first ones hold the most deals, so the
    // threads end close together.
    std::atomic<int> nextLowest{0};
    const int lowestCards = counts_->deckSize() - HandSize + 1;
    auto work = [&](Sums& sums) {
        Completions completions;
        for (int lowest = nextLowest++; lowest < lowestCards && !stop.stop_requested();
             lowest = nextLowest++) {
            forEachSuitClassFrom(game_, lowest, [&](const Hand& hand, int weight) {
                // Deals come with codes ascending, so positions and places are in the same order.
                Places places{};
                for (std::size_t j = 0; j < HandSize; ++j)
                    places[j] = counts_->placeOf(hand[j]);
                countCompletions(places, completions);
                HoldKey best{-1, 1, 0, 0};
                for (unsigned set = 0; set < HoldCount; ++set) {
                    const int held = std::popcount(set);
                    const HoldKey key{paidOn(completions[set], coins), choose(cardsLeft, HandSize - held),
                                      held, set};
                    if (playsBetter(key, best))
                        best = key;
                }
                const auto held = static_cast<std::size_t>(best.held);
                sums.paid[held] += weight * best.paid;
                for (std::size_t c = 0; c < HandCategoryCount; ++c)
                    sums.finals[held][c] += weight * static_cast<std::int64_t>(completions[best.mask][c]);
            });
        }
    };
    std::vector<Sums> parts(static_cast<std::size_t>(std::max(threads, 1)));
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < parts.size(); ++t) {
            try {
                helpers.emplace_back(work, std::ref(parts[t]));
            } catch (const std::system_error&) {
                break; // no thread to spare: the others take its share
            }
        }
        work(parts[0]);
    }
    if (stop.stop_requested())
        return std::nullopt;

    ReturnResult result;
    result.game = game_;
    result.coins = coins;
    const auto deals = static_cast<long double>(choose(counts_->deckSize(), HandSize));
    long double payout = 0;
    for (int held = 0; held <= HandSize; ++held) {
        const auto perDeal = deals * static_cast<long double>(choose(cardsLeft, HandSize - held));
        const auto h = static_cast<std::size_t>(held);
        std::int64_t paid = 0;
        std::array<std::int64_t, HandCategoryCount> finals{};
        for (const Sums& part : parts) {
            paid += part.paid[h];
            for (std::size_t c = 0; c < HandCategoryCount; ++c)
                finals[c] += part.finals[h][c];
        }
        payout += static_cast<long double>(paid) / perDeal;
        for (std::size_t c = 0; c < HandCategoryCount; ++c)
            result.probability[c] += static_cast<double>(static_cast<long double>(finals[c]) / perDeal);
    }
    result.returnPercent = static_cast<double>(100 * payout / coins);
    return result;
}

std::optional<std::string> dealtHandProblem(const Hand& hand, GameType game) {
    const DeckParams deck = deckFor(flagsFor(game));
    for (std::size_t i = 0; i < HandSize; ++i) {
        const Card c = hand[i];
        if (c == JokerCode && deck.first > JokerCode)
            return "the joker is only in Joker Poker";
        if (c < deck.first || c >= deck.first + deck.count)
            return "card code " + std::to_string(c) + " is not a card of " + std::string(gameName(game));
        for (std::size_t j = 0; j < i; ++j) {
            if (hand[j] == c)
                return "card " + cardName(c) + " is dealt twice";
        }
    }
    return std::nullopt;
}

ReturnResult payTableReturn(GameType game, int coins) {
    return StrategyTables::forGame(game).payTableReturn(coins);
}

} // namespace tandora
