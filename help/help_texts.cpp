#include "help/help_texts.h"

namespace tandora {

namespace {

constexpr const char* Crlf = "\r\n";

// Lines that all three games describe alike.
constexpr const char* StraightFlushLine = "Straight Flush\tFive cards of the same suit in sequence.";
constexpr const char* FourOfAKindLine = "Four of a Kind\tFour cards with the same face value.";
constexpr const char* FullHouseLine = "Full House\tA Pair and Three of a Kind in the same hand.";
constexpr const char* FlushLine = "Flush\t\tFive cards of the same suit not in sequence.";
constexpr const char* StraightLine = "Straight\t\tFive cards in sequence but not of the same suit.";
constexpr const char* ThreeOfAKindLine = "Three of a Kind\tThree cards with the same face value.";
constexpr const char* TwoPairLine = "Two Pair\t\tTwo sets of two cards with the same face value.";
constexpr const char* RoyalFlushLine = "Royal Flush\tTen through Ace of the same suit.";
constexpr const char* FiveOfAKindLine = "Five of a Kind\tFive cards with the same face value.";

std::string joined(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        if (!text.empty())
            text += Crlf;
        text += line;
    }
    return text;
}

} // namespace

std::string gettingStartedText() {
    return joined({"Step 1", "Go to the Options menu and click on the game type you want to play.", "",
                   "Step 2",
                   "Press the Dollar Sign button (on the lower right portion of the window) to add credits.",
                   "", "Step 3",
                   "Press the Play Max button to bet five credits and deal the initial hand. "
                   "Or press the Bet 1 button once for each credit you want to play and then "
                   "press the Deal button.",
                   "", "Step 4",
                   "Decide which cards you would like to hold and click on them. The Held indicators will "
                   "come on for each card you click. To unhold a card simply click it again.",
                   "", "Step 5",
                   "Once you have the desired cards held, press the Draw button (it is the same as the Deal "
                   "button).",
                   "", "Step 6",
                   "For information on the other game features go to the Help menu and click on the Help "
                   "Topics item."});
}

std::string handsDefinedTitle(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: return "Hands Defined - Jacks Or Better";
    case GameType::DeucesWild: return "Hands Defined - Deuces Wild";
    case GameType::JokerPoker: return "Hands Defined - Joker Poker";
    }
    return "Hands Defined - ";
}

std::string handsDefinedText(GameType game) {
    std::string hands;
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96:
        hands = joined({RoyalFlushLine, StraightFlushLine, FourOfAKindLine, FullHouseLine, FlushLine,
                        StraightLine, ThreeOfAKindLine, TwoPairLine,
                        "Jacks or Better\tTwo Jacks, Queens, Kings, or Aces."});
        break;
    case GameType::DeucesWild:
        hands = joined({RoyalFlushLine, "Four Deuces\tAll four wild cards.",
                        "Royal w/Deuce\tRoyal Flush with at least one wild card.", FiveOfAKindLine,
                        "\t\t(Requires at least one wild card.)", StraightFlushLine, FourOfAKindLine,
                        FullHouseLine, FlushLine, StraightLine, ThreeOfAKindLine});
        break;
    case GameType::JokerPoker:
        hands = joined({RoyalFlushLine, FiveOfAKindLine, "\t\t(The fifth card is the Joker.)",
                        "Royal w/Joker\tRoyal Flush with the Joker.", StraightFlushLine, FourOfAKindLine,
                        FullHouseLine, FlushLine, StraightLine, ThreeOfAKindLine, TwoPairLine,
                        "Kings or Better\tTwo Kings, or Two Aces."});
        break;
    }
    return hands + Crlf + Crlf + "Note:" + Crlf +
           "Several hands will fit into two or more of the above categories." + Crlf +
           "Tandora will pay on the hand with the highest winnings.";
}

const std::array<ShortcutColumn, ShortcutColumns>& keyShortcutColumns() {
    static const std::array<ShortcutColumn, ShortcutColumns> columns{{
        {"New Game", "Open Game", "Save Game", "Game Stats", "Add Default", "Add from Bank",
         "Keyboard shortcuts", "Hold cards"},
        {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+G", "Ctrl+A", "Ctrl+B", "Ctrl+K", "1,2,3,4,5"},
        {"Cash out", "Bet 1", "Play Max", "Deal/Draw", "Cash In", "Double Up Yes", "Double Up No",
         "Double Up Pick"},
        {"C,c", "B,b", "P,p or M,m", "D,d", "$", "Y,y", "N,n", "2,3,4,5"},
    }};
    return columns;
}

std::string versionText() {
    return std::to_string(TANDORA_VERSION_MAJOR) + "." + std::to_string(TANDORA_VERSION_MINOR) + "." +
           std::to_string(TANDORA_VERSION_PATCH);
}

std::string aboutDescription() {
    return std::string("Tandora Version ") + versionText() + Crlf + Crlf + AboutComments + Crlf +
           AboutCopyright + Crlf + "" + Crlf + Crlf + AboutTrademarks;
}

} // namespace tandora
