#include "strategy_chart.h"

#include <algorithm>
#include <bit>
#include <map>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "deal_enumeration.h"
#include "evaluation.h"
#include "known_pay_tables.h"

namespace tandora {

namespace {

bool isWild(Card c, GameFlags flags) {
    return (flags.DeucesWildGame && isDeuce(c)) || (flags.JokerPokerGame && c == JokerCode);
}

// Ranks 2 to 14, the ace high.
int aceHigh(Card c) {
    const int r = rankOf(c);
    return r == 1 ? 14 : r;
}

bool isHighCard(int rank, GameFlags flags) {
    if (flags.DeucesWildGame)
        return false;
    return rank >= (flags.JokerPokerGame ? 13 : 11);
}

char rankLetter(int rank) {
    return "  23456789TJQKA"[rank];
}

std::string plural(int n, const std::string& word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// The chart's sections: by the wild cards dealt, most first.
std::string section(GameFlags flags, int wilds) {
    if (flags.DeucesWildGame)
        return wilds == 0 ? "No deuce: " : plural(wilds, "deuce") + ": ";
    if (flags.JokerPokerGame)
        return wilds == 0 ? "No joker: " : "Joker: ";
    return "";
}

std::string pairName(int rank, GameFlags flags) {
    if (flags.DeucesWildGame)
        return "Pair";
    if (flags.JokerPokerGame)
        return rank >= 13 ? "Pair of Kings or Aces" : "Low Pair";
    return rank >= 11 ? "High Pair" : "Low Pair";
}

std::string madeName(HandCategory category, GameType game, int pairRank) {
    const GameFlags flags = flagsFor(game);
    if (category == HandCategory::NaturalRoyalFlush && (flags.DeucesWildGame || flags.JokerPokerGame))
        return "Natural Royal Flush";
    if (category == HandCategory::WildRoyalFlush)
        return "Wild Royal Flush";
    if (category == HandCategory::HighPair)
        return pairName(pairRank, flags);
    return std::string(handTitle(category, game));
}

// The held natural cards' ranks, highest first: where a line fits two holds, the chart keeps the higher.
using RankOrder = std::array<int, HandSize>;

RankOrder rankOrder(const Hand& hand, std::uint8_t mask, GameFlags flags) {
    RankOrder ranks{};
    std::size_t n = 0;
    for (std::size_t p = 0; p < HandSize; ++p)
        if ((mask >> p & 1) != 0 && !isWild(hand[p], flags))
            ranks[n++] = aceHigh(hand[p]);
    std::sort(ranks.begin(), ranks.end(), std::greater<>());
    return ranks;
}

// Whether a beats b under the chart's tie rule: of two holds of as many cards, the higher cards; else, and
// for mirror images, the better hold.
bool keepsRather(const RankOrder& a, double evA, const RankOrder& b, double evB) {
    const auto held = [](const RankOrder& r) {
        return std::count_if(r.begin(), r.end(), [](int x) { return x != 0; });
    };
    if (held(a) == held(b) && a != b)
        return a > b;
    return evA > evB;
}

std::string fallbackLine(GameFlags flags) {
    if (flags.DeucesWildGame)
        return "Anything else: keep the deuces, draw the rest";
    if (flags.JokerPokerGame)
        return "Anything else: keep the joker, draw the rest";
    return "Anything else: draw five new cards";
}

std::uint8_t wildMask(const Hand& hand, GameFlags flags) {
    std::uint8_t mask = 0;
    for (std::size_t p = 0; p < HandSize; ++p)
        if (isWild(hand[p], flags))
            mask = static_cast<std::uint8_t>(mask | 1u << p);
    return mask;
}

// Every deal of the game up to suits, with the value of the best hold, of the fallback and of the hold each
// pattern keeps.
struct ChartData {
    struct Match {
        int pattern;
        double ev;
    };
    std::vector<std::string> names;
    std::vector<double> weight, best, fallback;
    std::vector<std::size_t> first; // the matches of class c: first[c] to first[c + 1]
    std::vector<Match> matches;
    double deals = 0;

    int id(const std::string& name, std::map<std::string, int>& ids) {
        const auto [at, added] = ids.emplace(name, static_cast<int>(names.size()));
        if (added)
            names.push_back(name);
        return at->second;
    }
};

struct ClassValues {
    Hand hand;
    double weight;
    std::array<HoldValue, HoldCount> values;
};

ChartData chartData(const StrategyTables& tables, int coins) {
    const GameType game = tables.game();
    const GameFlags flags = flagsFor(game);
    std::vector<ClassValues> classes;
    forEachSuitClass(game, [&](const Hand& hand, int weight) {
        classes.push_back({hand, static_cast<double>(weight), {}});
    });
    const unsigned threads = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            for (std::size_t c = t; c < classes.size(); c += threads)
                classes[c].values = tables.holdValues(classes[c].hand, coins);
        });
    for (std::thread& w : workers)
        w.join();

    ChartData data;
    std::map<std::string, int> ids;
    data.first.push_back(0);
    std::map<int, std::pair<RankOrder, double>> chosen;
    for (const ClassValues& c : classes) {
        const std::uint8_t wilds = wildMask(c.hand, flags);
        chosen.clear();
        double fallback = 0;
        for (const HoldValue& v : c.values) {
            if (v.mask == wilds)
                fallback = v.ev;
            const RankOrder ranks = rankOrder(c.hand, v.mask, flags);
            for (const std::string& name : holdPatterns(c.hand, v.mask, game)) {
                const int pattern = data.id(name, ids);
                const auto found = chosen.find(pattern);
                if (found == chosen.end() ||
                    keepsRather(ranks, v.ev, found->second.first, found->second.second))
                    chosen[pattern] = {ranks, v.ev};
            }
        }
        for (const auto& [pattern, hold] : chosen)
            data.matches.push_back({pattern, hold.second});
        data.first.push_back(data.matches.size());
        data.weight.push_back(c.weight);
        data.best.push_back(c.values[0].ev);
        data.fallback.push_back(fallback);
        data.deals += c.weight;
    }
    return data;
}

// Orders the patterns for the highest return: each pattern in turn moves to the place that gains most,
// until none gains; then the pattern that gains least leaves, until the chart fits its lines.
class ChartSearch {
public:
    // allowed: the patterns the chart may use.
    ChartSearch(const ChartData& data, std::vector<char> allowed) : d_(data), allowed_(std::move(allowed)) {
        const std::size_t patterns = d_.names.size();
        classesOf_.resize(patterns);
        for (std::size_t c = 0; c + 1 < d_.first.size(); ++c)
            for (std::size_t m = d_.first[c]; m < d_.first[c + 1]; ++m)
                classesOf_[static_cast<std::size_t>(d_.matches[m].pattern)].push_back(
                    {static_cast<int>(c), d_.matches[m].ev});
    }

    // Adds, one at a time, the pattern that gains most at its best place, reordering after each; then
    // trades each line for the pattern left out that would gain more in its stead.
    std::vector<int> search(int maxPatterns) {
        order_.clear();
        while (static_cast<int>(order_.size()) < maxPatterns && addBest(-1))
            improve();
        for (int pass = 0; pass < 8; ++pass) {
            bool traded = false;
            for (std::size_t i = 0; i < order_.size(); ++i) {
                const int p = order_[i];
                order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(i));
                addBest(p);
                if (std::find(order_.begin(), order_.end(), p) == order_.end()) {
                    traded = true;
                    improve();
                }
            }
            if (!traded)
                break;
        }
        return order_;
    }

private:
    struct Placement {
        std::vector<double>
            gainAt; // gainAt[q]: what p gains placed before the pattern now at q (order without p)
    };

    // What p gains at each place of the order without it, against leaving it out.
    Placement place(int p) {
        std::vector<int> position(d_.names.size(), -1);
        int n = 0;
        for (const int other : order_)
            if (other != p)
                position[static_cast<std::size_t>(other)] = n++;
        std::vector<double> bucket(static_cast<std::size_t>(n) + 1, 0.0);
        for (const auto& [c, ev] : classesOf_[static_cast<std::size_t>(p)]) {
            const auto cls = static_cast<std::size_t>(c);
            int at = n;
            double other = d_.fallback[cls];
            for (std::size_t m = d_.first[cls]; m < d_.first[cls + 1]; ++m) {
                const int q = position[static_cast<std::size_t>(d_.matches[m].pattern)];
                if (q >= 0 && q < at) {
                    at = q;
                    other = d_.matches[m].ev;
                }
            }
            bucket[static_cast<std::size_t>(at)] += d_.weight[cls] * (ev - other);
        }
        Placement placement;
        placement.gainAt.assign(static_cast<std::size_t>(n) + 1, 0.0);
        double suffix = 0;
        for (int q = n; q >= 0; --q) {
            suffix += bucket[static_cast<std::size_t>(q)];
            placement.gainAt[static_cast<std::size_t>(q)] = suffix;
        }
        return placement;
    }

    // Places the pattern left out that gains most (keeping `current` unless another gains more); false
    // when none gains anything.
    bool addBest(int current) {
        std::vector<char> in(d_.names.size(), 0);
        for (const int p : order_)
            in[static_cast<std::size_t>(p)] = 1;
        int best = -1;
        std::size_t bestAt = 0;
        double bestGain = 1e-9;
        for (std::size_t p = 0; p < d_.names.size(); ++p) {
            if (in[p] || !allowed_[p])
                continue;
            const std::vector<double> gain = place(static_cast<int>(p)).gainAt;
            for (std::size_t q = 0; q < gain.size(); ++q)
                if (gain[q] > bestGain + (static_cast<int>(p) == current ? -1e-9 : 1e-9)) {
                    bestGain = gain[q];
                    best = static_cast<int>(p);
                    bestAt = q;
                }
        }
        if (best < 0)
            return false;
        order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(bestAt), best);
        return true;
    }

    void improve() {
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t i = 0; i < order_.size(); ++i) {
                const int p = order_[i];
                const std::vector<double> gain = place(p).gainAt;
                std::size_t bestAt = i;
                for (std::size_t q = 0; q + 1 < gain.size(); ++q)
                    if (gain[q] > gain[bestAt] + 1e-9)
                        bestAt = q;
                if (bestAt != i) {
                    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(i));
                    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(bestAt), p);
                    moved = true;
                }
            }
        }
    }

    const ChartData& d_;
    std::vector<char> allowed_;
    std::vector<std::vector<std::pair<int, double>>> classesOf_;
    std::vector<int> order_;
};

double chartReturn(const ChartData& d, const std::vector<int>& order) {
    std::vector<int> position(d.names.size(), -1);
    for (std::size_t i = 0; i < order.size(); ++i)
        position[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    double paid = 0;
    for (std::size_t c = 0; c + 1 < d.first.size(); ++c) {
        int at = static_cast<int>(order.size());
        double ev = d.fallback[c];
        for (std::size_t m = d.first[c]; m < d.first[c + 1]; ++m) {
            const int q = position[static_cast<std::size_t>(d.matches[m].pattern)];
            if (q >= 0 && q < at) {
                at = q;
                ev = d.matches[m].ev;
            }
        }
        paid += d.weight[c] * ev;
    }
    return 100 * paid / d.deals;
}

int sectionOf(const std::string& line, GameFlags flags) {
    for (int wilds = 4; wilds >= 0; --wilds) {
        const std::string s = section(flags, wilds);
        if (!s.empty() && line.rfind(s, 0) == 0)
            return 4 - wilds;
    }
    return 0;
}

} // namespace

std::vector<std::string> holdPatterns(const Hand& hand, std::uint8_t mask, GameType game) {
    const GameFlags flags = flagsFor(game);
    int dealtWilds = 0;
    int heldWilds = 0;
    std::vector<Card> naturals;
    for (std::size_t p = 0; p < HandSize; ++p) {
        const bool held = (mask >> p & 1) != 0;
        if (isWild(hand[p], flags)) {
            ++dealtWilds;
            heldWilds += held ? 1 : 0;
        } else if (held) {
            naturals.push_back(hand[p]);
        }
    }
    std::vector<std::string> out;
    const int k = std::popcount(static_cast<unsigned>(mask));
    if (heldWilds != dealtWilds || naturals.empty())
        return out;
    const std::string prefix = section(flags, dealtWilds);
    const auto add = [&](const std::string& name) {
        if (!name.empty())
            out.push_back(prefix + name);
    };

    std::array<int, 15> counts{};
    for (const Card c : naturals)
        ++counts[static_cast<std::size_t>(aceHigh(c))];
    int most = 0, pairs = 0, pairRank = 0;
    for (int r = 2; r <= 14; ++r) {
        most = std::max(most, counts[static_cast<std::size_t>(r)]);
        if (counts[static_cast<std::size_t>(r)] >= 2) {
            ++pairs;
            pairRank = r;
        }
    }
    if (k == HandSize) {
        // Hands that need all five cards; a hand with a kicker is held without it.
        const HandCategory made = evaluateHand(hand, game);
        if (made == HandCategory::Straight || made == HandCategory::AceHighStraight ||
            made >= HandCategory::Flush) {
            if (made != HandCategory::FourOfAKind && made != HandCategory::FourDeuces)
                add(madeName(made, game, pairRank));
            if (made >= HandCategory::FullHouse && made != HandCategory::FourOfAKind)
                add("Full House or better");
        }
        return out;
    }
    const auto n = static_cast<int>(naturals.size());
    if (most >= 2) {
        if (pairs == 2 && n == 4 && heldWilds == 0)
            add("Two Pair");
        else if (pairs == 1 && most == n) {
            if (most + heldWilds == 4)
                add("Full House or better");
            add(most + heldWilds == 4   ? "Four of a Kind"
                : most + heldWilds == 3 ? "Three of a Kind"
                                        : pairName(pairRank, flags));
        }
        return out;
    }

    bool suited = true;
    int high = 0;
    bool royal = true;
    for (const Card c : naturals) {
        suited = suited && suitOf(c) == suitOf(naturals.front());
        high += isHighCard(aceHigh(c), flags) ? 1 : 0;
        royal = royal && aceHigh(c) >= 10;
    }
    royal = royal && suited;
    // The five-rank windows that hold every natural card (A-5 to T-A), and the gaps between them.
    int windows = 0;
    int span = 99;
    for (int low = 1; low <= 10; ++low) {
        int lo = 99, hi = 0;
        bool inside = true;
        for (const Card c : naturals) {
            const int r = aceHigh(c) == 14 && low == 1 ? 1 : aceHigh(c);
            inside = inside && r >= low && r <= low + 4;
            lo = std::min(lo, r);
            hi = std::max(hi, r);
        }
        if (inside) {
            ++windows;
            span = std::min(span, hi - lo + 1);
        }
    }
    const std::string highCards = flags.DeucesWildGame ? "" : " with " + plural(high, "high card");
    // Wild cards make low straight flush draws poorer (the wheel end has fewer ways to fill): the words say
    // so.
    const bool wildGame = flags.DeucesWildGame || flags.JokerPokerGame;
    int lowest = 14;
    bool ace = false, allLow = true;
    for (const Card c : naturals) {
        lowest = std::min(lowest, aceHigh(c));
        ace = ace || aceHigh(c) == 14;
        allLow = allLow && (aceHigh(c) <= 5 || aceHigh(c) == 14);
    }
    if (ace && allLow)
        lowest = 1;
    // A draw names at least two natural cards: the wild cards alone fit any.
    if (k >= 3 && n >= 2) {
        if (royal)
            add(std::to_string(k) + " to a Royal Flush");
        if (suited && windows > 0) {
            add(std::to_string(k) + " to a Straight Flush");
            static const char* gaps[] = {"no gap", "one gap", "two gaps"};
            const std::string gap = gaps[std::min(2, span - n)];
            if (wildGame) {
                // Two ways to say it; the chart keeps whichever plays better.
                add(std::to_string(k) + " to a Straight Flush, " + plural(windows, "way") +
                    (highCards.empty() ? "" : "," + highCards));
                add(std::to_string(k) + " to a Straight Flush, " + gap +
                    (lowest >= 5 ? ", 5 or higher" : ", low"));
            } else if (k == 4) {
                add(windows >= 2 ? "4 to an Open Straight Flush" : "4 to an Inside Straight Flush");
            } else {
                add("3 to a Straight Flush, " + gap + (highCards.empty() ? "" : "," + highCards));
            }
        }
        if (suited)
            add(k == 4 ? "4 to a Flush" : "3 to a Flush" + highCards);
        if (suited && k == 3 && !highCards.empty())
            add("3 to a Flush");
        if (suited && k == 4 && flags.JokerPokerGame)
            add("4 to a Flush" + highCards);
        if (!suited && windows > 0 && k == 4) {
            // The ranks that would fill it; in Deuces Wild a missing 2 is no extra way, any deuce fills
            // anyway.
            std::array<bool, 15> fills{};
            for (int low = 1; low <= 10; ++low) {
                bool inside = true;
                for (const Card c : naturals) {
                    const int r = aceHigh(c) == 14 && low == 1 ? 1 : aceHigh(c);
                    inside = inside && r >= low && r <= low + 4;
                }
                for (int r = low; inside && r <= low + 4; ++r)
                    if (counts[static_cast<std::size_t>(r == 1 ? 14 : r)] == 0 &&
                        !(flags.DeucesWildGame && r == 2))
                        fills[static_cast<std::size_t>(r)] = true;
            }
            const auto ways = std::count(fills.begin(), fills.end(), true);
            add(ways >= 2   ? "4 to an Outside Straight"
                : ways == 1 ? "4 to an Inside Straight" + highCards
                            : "4 to a Straight only a deuce fills");
        }
    }
    if (heldWilds == 0 && !suited && n >= 3 && high == n) {
        std::string ranks;
        for (int r = 14; r >= 2; --r)
            if (counts[static_cast<std::size_t>(r)] != 0)
                ranks += rankLetter(r);
        add(ranks + " unsuited");
    }
    if ((heldWilds == 0 || flags.JokerPokerGame) && n == 2) {
        const int a = std::max(aceHigh(naturals[0]), aceHigh(naturals[1]));
        const int b = std::min(aceHigh(naturals[0]), aceHigh(naturals[1]));
        const std::string ranks{rankLetter(a), rankLetter(b)};
        if (high == 2) {
            add(ranks + (suited ? " suited" : " unsuited"));
            add(suited ? "2 suited high cards" : "2 unsuited high cards");
        } else if (high == 1 && b == 10 && suited) {
            add(ranks + " suited");
        } else if (wildGame && suited && b >= 10) {
            add(ranks + " suited");
            add("2 to a Royal Flush");
        }
    }
    if (flags.JokerPokerGame && heldWilds == 1 && n == 1 && high == 0 && lowest >= 5 && lowest <= 10)
        add("A single card from 5 to 10"); // with the joker, the most ways to a straight flush
    if ((heldWilds == 0 || flags.JokerPokerGame) && n == 1 && high == 1) {
        static const char* names[] = {"Jack", "Queen", "King", "Ace"};
        add(std::string("A single ") + names[aceHigh(naturals[0]) - 11]);
        add("A single high card");
    }
    return out;
}

StrategyChart makeStrategyChart(const StrategyTables& tables, int coins, int maxLines) {
    if (coins < 1 || coins > MaxCoins || maxLines < 2)
        throw std::invalid_argument("a chart needs a bet of 1 to 5 coins and at least 2 lines");
    const GameFlags flags = flagsFor(tables.game());
    const ChartData data = chartData(tables, coins);
    // The search is greedy, so it runs on a few vocabularies, each leaving one way of naming draws out,
    // and the chart that returns most is kept.
    std::vector<int> order;
    double bestReturn = -1;
    for (const char* leftOut : {"", " way", "gap", "general"}) {
        std::vector<char> allowed(data.names.size(), 1);
        for (std::size_t p = 0; p < data.names.size(); ++p) {
            const std::string& name = data.names[p];
            const bool general = name.ends_with("to a Straight Flush") || name.ends_with("3 to a Flush");
            if (*leftOut != '\0' &&
                (std::string_view(leftOut) == "general" ? general : name.find(leftOut) != std::string::npos))
                allowed[p] = 0;
        }
        std::vector<int> candidate = ChartSearch(data, std::move(allowed)).search(maxLines - 1);
        const double percent = chartReturn(data, candidate);
        if (percent > bestReturn + 1e-12) {
            bestReturn = percent;
            order = std::move(candidate);
        }
    }

    StrategyChart chart;
    chart.game = tables.game();
    chart.coins = coins;
    chart.chartReturn = chartReturn(data, order);
    double best = 0;
    for (std::size_t c = 0; c < data.best.size(); ++c)
        best += data.weight[c] * data.best[c];
    chart.optimalReturn = 100 * best / data.deals;
    // Sections never compete (a deal has its number of wild cards), so they can be printed together.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return sectionOf(data.names[static_cast<std::size_t>(a)], flags) <
               sectionOf(data.names[static_cast<std::size_t>(b)], flags);
    });
    for (const int p : order)
        chart.lines.push_back(data.names[static_cast<std::size_t>(p)]);
    chart.lines.push_back(fallbackLine(flags));
    return chart;
}

ChartPlay playChart(const StrategyChart& chart, const Hand& hand,
                    const std::array<HoldValue, HoldCount>& values) {
    const GameFlags flags = flagsFor(chart.game);
    std::map<std::string, int> lineOf;
    for (std::size_t i = 0; i + 1 < chart.lines.size(); ++i)
        lineOf.emplace(chart.lines[i], static_cast<int>(i));
    ChartPlay play{static_cast<int>(chart.lines.size()) - 1, wildMask(hand, flags)};
    RankOrder ranks{};
    double ev = 0;
    for (const HoldValue& v : values) {
        for (const std::string& name : holdPatterns(hand, v.mask, chart.game)) {
            const auto found = lineOf.find(name);
            if (found == lineOf.end() || found->second > play.line)
                continue;
            const RankOrder order = rankOrder(hand, v.mask, flags);
            if (found->second < play.line || keepsRather(order, v.ev, ranks, ev)) {
                play = {found->second, v.mask};
                ranks = order;
                ev = v.ev;
            }
        }
    }
    return play;
}

} // namespace tandora
