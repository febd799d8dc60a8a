#include "simulation.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <stdexcept>
#include <thread>
#include <unordered_map>
#include <vector>

#include "card_draw.h"
#include "deal_enumeration.h"
#include "evaluation.h"

namespace tandora {

namespace {

constexpr std::int64_t ChunkHands = std::int64_t{1} << 18;
constexpr int RankBits = 14; // rankOf gives 1 to 13
constexpr int JokerBit = 4 * RankBits;

// A dealt hand up to the order of its cards and the naming of its suits: the ranks of each suit, the suits
// sorted by them, and the joker. Equal keys have equal best holds.
struct SuitClass {
    std::uint64_t key = 0;
    std::array<int, 4> slotOfSuit{};

    explicit SuitClass(const Hand& hand) {
        std::array<std::uint32_t, 4> ranks{};
        bool joker = false;
        for (const Card c : hand) {
            if (isRegularCard(c))
                ranks[static_cast<std::size_t>(suitOf(c))] |= 1u << rankOf(c);
            else
                joker = true;
        }
        std::array<int, 4> suits{0, 1, 2, 3};
        // Four items: insertion sort, larger rank sets first.
        for (int i = 1; i < 4; ++i)
            for (int j = i;
                 j > 0 && ranks[static_cast<std::size_t>(suits[static_cast<std::size_t>(j)])] >
                              ranks[static_cast<std::size_t>(suits[static_cast<std::size_t>(j - 1)])];
                 --j)
                std::swap(suits[static_cast<std::size_t>(j)], suits[static_cast<std::size_t>(j - 1)]);
        for (int slot = 0; slot < 4; ++slot) {
            const int suit = suits[static_cast<std::size_t>(slot)];
            slotOfSuit[static_cast<std::size_t>(suit)] = slot;
            key |= static_cast<std::uint64_t>(ranks[static_cast<std::size_t>(suit)]) << (slot * RankBits);
        }
        if (joker)
            key |= std::uint64_t{1} << JokerBit;
    }

    // The bit a card of the hand has in a key.
    std::uint64_t bitOf(Card c) const {
        if (!isRegularCard(c))
            return std::uint64_t{1} << JokerBit;
        return std::uint64_t{1} << (slotOfSuit[static_cast<std::size_t>(suitOf(c))] * RankBits + rankOf(c));
    }
};

// The best hold of every suit class met, as the bits of the held cards in the class's key.
// The best hold of every suit class of the game's deals, as the bits of the held cards in the class's key;
// worked out once, then only read by every player thread.
class BestHolds {
public:
    BestHolds(const StrategyTables& tables, int coins, int threads) {
        std::vector<Hand> hands;
        forEachSuitClass(tables.game(), [&](const Hand& hand, int) { hands.push_back(hand); });
        std::vector<std::pair<std::uint64_t, std::uint64_t>> entries(hands.size());
        const auto work = [&](std::size_t first) {
            for (std::size_t i = first; i < hands.size(); i += static_cast<std::size_t>(threads)) {
                const SuitClass cls(hands[i]);
                const unsigned mask = tables.holdValues(hands[i], coins)[0].mask;
                std::uint64_t held = 0;
                for (std::size_t p = 0; p < HandSize; ++p)
                    if (mask >> p & 1)
                        held |= cls.bitOf(hands[i][p]);
                entries[i] = {cls.key, held};
            }
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t)
            helpers.emplace_back(work, static_cast<std::size_t>(t));
        work(0);
        for (std::thread& t : helpers)
            t.join();
        best_.reserve(entries.size());
        best_.insert(entries.begin(), entries.end());
    }

    unsigned heldMask(const Hand& hand) const {
        const SuitClass cls(hand);
        const std::uint64_t held = best_.at(cls.key);
        unsigned mask = 0;
        for (int p = 0; p < HandSize; ++p)
            if ((held & cls.bitOf(hand[static_cast<std::size_t>(p)])) != 0)
                mask |= 1u << p;
        return mask;
    }

private:
    std::unordered_map<std::uint64_t, std::uint64_t> best_;
};

struct ChunkResult {
    std::int64_t paid = 0;
    std::int64_t paidSquares = 0;
    std::array<std::int64_t, HandCategoryCount> finals{};
};

class Player {
public:
    Player(const SimulationOptions& o, const StrategyTables& tables, const BestHolds* best)
        : o_(o), tables_(tables), deck_(deckFor(flagsFor(o.game))), rank_(o.game),
          table_(o.table.value_or(payTableFor(o.game))), best_(best) {}

    ChunkResult play(std::int64_t chunk, std::int64_t hands) {
        Mt19937Source random(o_.seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(chunk));
        ChunkResult result;
        Hand previous;
        previous.fill(CardBackCode);
        for (std::int64_t n = 0; n < hands; ++n) {
            Hand hand;
            hand.fill(CardBackCode);
            // The table deals each position refusing the last hand's code there and to its left.
            for (int k = 0; k < HandSize; ++k)
                drawCard(k, hand, o_.draw == DrawModel::Game ? previous : NoPrevious, deck_, random);
            const unsigned held = heldMask(hand);
            draw(hand, held, random);
            const HandCategory category = evaluateHand(hand, flagsFor(o_.game), rank_, state_);
            const std::int64_t paid = handPays(category, o_.game, table_, o_.coins);
            result.paid += paid;
            result.paidSquares += paid * paid;
            ++result.finals[static_cast<std::size_t>(toInt(category))];
            previous = hand;
        }
        return result;
    }

private:
    unsigned heldMask(const Hand& hand) {
        if (o_.draw == DrawModel::Deck)
            return best_->heldMask(hand);
        return holdValuesFor(tables_, hand, o_.coins, DrawModel::Game)[0].mask;
    }

    void draw(Hand& hand, unsigned held, UniformSource& random) const {
        const Hand dealt = hand;
        for (int k = 0; k < HandSize; ++k) {
            if (held >> k & 1)
                continue;
            if (o_.draw == DrawModel::Game) {
                hand[static_cast<std::size_t>(k)] = CardBackCode;
                continue;
            }
            // The published model: any card not dealt and not drawn yet.
            for (;;) {
                const Card c = drawAnyCard(deck_, random);
                bool used = false;
                for (std::size_t i = 0; i < HandSize && !used; ++i)
                    used = dealt[i] == c || (static_cast<int>(i) < k && hand[i] == c);
                if (!used) {
                    hand[static_cast<std::size_t>(k)] = c;
                    break;
                }
            }
        }
        if (o_.draw == DrawModel::Game) {
            for (int k = 0; k < HandSize; ++k)
                if ((held >> k & 1) == 0)
                    drawCard(k, hand, dealt, deck_, random);
        }
    }

    static constexpr Hand NoPrevious{CardBackCode, CardBackCode, CardBackCode, CardBackCode, CardBackCode};
    const SimulationOptions& o_;
    const StrategyTables& tables_;
    DeckParams deck_;
    CardRank rank_;
    PayTable table_;
    EvalState state_;
    const BestHolds* best_; // for the deck model
};

} // namespace

SimulationResult simulate(const SimulationOptions& o) {
    if (o.coins < 1 || o.coins > MaxCoins || o.hands < 1 || o.threads < 1)
        throw std::invalid_argument("coins must be 1 to 5, hands and threads at least 1");
    const auto start = std::chrono::steady_clock::now();
    const StrategyTables tables(StrategyTables::forGame(o.game), o.table.value_or(payTableFor(o.game)));
    const std::int64_t chunks = (o.hands + ChunkHands - 1) / ChunkHands;
    std::vector<ChunkResult> results(static_cast<std::size_t>(chunks));
    std::atomic<std::int64_t> next{0};
    const std::optional<BestHolds> best =
        o.draw == DrawModel::Deck ? std::optional<BestHolds>(std::in_place, tables, o.coins, o.threads)
                                  : std::nullopt;
    const auto work = [&] {
        Player player(o, tables, best ? &*best : nullptr);
        for (std::int64_t chunk; (chunk = next++) < chunks;) {
            const std::int64_t hands = std::min(ChunkHands, o.hands - chunk * ChunkHands);
            results[static_cast<std::size_t>(chunk)] = player.play(chunk, hands);
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min<std::int64_t>(o.threads, chunks); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& t : helpers)
        t.join();

    SimulationResult r;
    r.hands = o.hands;
    long double paid = 0, squares = 0;
    for (const ChunkResult& c : results) {
        paid += static_cast<long double>(c.paid);
        squares += static_cast<long double>(c.paidSquares);
        for (std::size_t i = 0; i < HandCategoryCount; ++i)
            r.finals[i] += c.finals[i];
    }
    const long double n = static_cast<long double>(o.hands);
    const long double mean = paid / n;
    const long double variance = o.hands > 1 ? (squares - n * mean * mean) / (n - 1) : 0;
    r.returnPercent = static_cast<double>(100 * mean / o.coins);
    r.ci95 =
        static_cast<double>(100 * 1.959964 * std::sqrt(std::max<long double>(variance, 0) / n) / o.coins);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

} // namespace tandora
