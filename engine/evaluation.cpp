#include "evaluation.h"

namespace tandora {

std::string_view categoryName(HandCategory category) {
    static constexpr std::string_view Names[HandCategoryCount] = {
        "NoWin",           "HighPair",       "TwoPair",    "ThreeOfAKind",     "Straight",
        "AceHighStraight", "Flush",          "FullHouse",  "FourOfAKind",      "StraightFlush",
        "FiveOfAKind",     "WildRoyalFlush", "FourDeuces", "NaturalRoyalFlush"};
    const int index = toInt(category);
    return index >= 0 && index < HandCategoryCount ? Names[index] : std::string_view{"Unknown"};
}

void SortHand(EvalArray& a, GameFlags flags) {
    if (flags.DeucesWildGame) {
        for (auto& e : a) {
            if (e == 2 || e == 15 || e == 28 || e == 41)
                e = 0;
        }
    }
    for (int i = 0; i < HandSize; ++i) {
        for (int j = i + 1; j < HandSize; ++j) {
            if (a[i] > a[j]) {
                const std::int16_t t = a[i];
                a[i] = a[j];
                a[j] = t;
            }
        }
    }
}

int FlushScore(const EvalArray& a, GameFlags flags, std::int16_t WildCount) {
    int lo = 0;
    if (flags.DeucesWildGame)
        lo = WildCount;
    else if (a[0] == 0)
        lo = 1;
    const int hi = HandSize - 1;
    if (lo > hi)
        return 6; // a hand of wild cards only: nothing breaks the suit
    const int top = a[hi];
    const int bottom = a[lo];
    if (top < 14 || (top < 27 && bottom > 13) || (top < 40 && bottom > 26) || (top < 53 && bottom > 39))
        return 6;
    return 0;
}

int PairScore(const EvalArray& a, GameFlags flags, std::int16_t WildCount) {
    int wild = flags.JokerPokerGame ? (a[0] == 0 ? 1 : 0) : WildCount;
    int count = 0;
    int value = 0;
    for (int i = 0; i < HandSize; ++i) {
        for (int j = i + 1; j < HandSize; ++j) {
            if (a[i] == a[j]) {
                ++count;
                value = a[i];
            }
        }
    }
    if (count == 4)
        count = 7;
    else if (count == 6)
        count = 8;

    if (count == 1 && wild == 0) {
        const int lowest = flags.JokerPokerGame ? 13 : 11;
        if (!(value >= lowest || value == 1))
            count = 0;
    }
    if (wild > 0 && count > 0) {
        switch (count) {
        case 1: count = 3; break;
        case 2: count = wild == 1 ? 7 : 8; break;
        case 3: count = 8; break;
        case 7: count = 10; break;
        case 8: count = wild == 1 ? 10 : 12; break;
        default: break;
        }
    }
    if (flags.JokerPokerGame && wild == 1 && count == 0) {
        for (auto e : a) {
            if (e == 13 || e == 1) {
                count = 1;
                break;
            }
        }
    }
    return count;
}

int StraightScore(const EvalArray& a, GameFlags flags, std::int16_t WildCount) {
    const int wild = flags.JokerPokerGame ? (a[0] == 0 ? 1 : 0) : WildCount;
    if (wild < 1) {
        if (a[0] + 1 == a[1] && a[1] + 1 == a[2] && a[2] + 1 == a[3] && a[3] + 1 == a[4])
            return 4;
        if (a[0] + 9 == a[1] && a[1] + 1 == a[2] && a[2] + 1 == a[3] && a[3] + 1 == a[4])
            return 5;
        return 0;
    }
    int span = 0;
    bool ace = false;
    for (int i = 0; i < HandSize - 1; ++i) {
        if (a[i] > 0) {
            if (a[i + 1] == a[i])
                return 0; // a natural pair is never part of a straight
            span += a[i + 1] - a[i];
        }
        if (a[i] == 1)
            ace = true;
    }
    if (span <= 4) {
        for (auto e : a) {
            if (e != 0 && e < 10)
                return 4;
        }
        return 5;
    }
    if (!ace)
        return 0;
    EvalArray b = a;
    for (auto& e : b) {
        if (e == 1)
            e = 14;
    }
    SortHand(b, flags);
    span = 0;
    for (int i = 0; i < HandSize - 1; ++i) {
        if (b[i] > 0)
            span += b[i + 1] - b[i];
    }
    return span <= 4 ? 5 : 0;
}

HandCategory evaluateHand(const Hand& hand, GameFlags flags, const CardRank& cardRank, EvalState& state) {
    EvalArray& e = state.EvalHand;
    e = hand;
    state.WildCount = 0;
    SortHand(e, flags);
    if (flags.DeucesWildGame) {
        for (auto v : e) {
            if (v == 0)
                ++state.WildCount;
        }
    }
    const int flush = FlushScore(e, flags, state.WildCount);
    for (auto& v : e)
        v = cardRank[v];
    SortHand(e, flags);
    const int pair = PairScore(e, flags, state.WildCount);
    const int straight = StraightScore(e, flags, state.WildCount);

    int category = flush + straight;
    if (category == 10)
        category = 9;
    else if (category == 11 && e[0] != 0 && state.WildCount == 0)
        category = 13;
    if (pair > category)
        category = pair;
    return static_cast<HandCategory>(category);
}

HandCategory evaluateHand(const Hand& hand, GameType game) {
    const CardRank rank(game);
    EvalState state;
    return evaluateHand(hand, flagsFor(game), rank, state);
}

} // namespace tandora
