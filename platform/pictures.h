#pragma once

#include <optional>
#include <vector>

#include "engine/card.h"
#include "engine/game_type.h"
#include "engine/hand_category.h"
#include "engine/pay_table.h"

namespace tandora {

// Every numbered picture of the game. The painters, the game's logic and the tests all take the
// numbers and sizes from here.

struct PictureSize {
    int width;
    int height;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

inline constexpr int CardPictureWidth = 83;
inline constexpr int CardPictureHeight = 116;
inline constexpr PictureSize CardSize{CardPictureWidth, CardPictureHeight};
// The sizes of the table's pictures; the layout places them at these sizes.
inline constexpr PictureSize GameOverSize{161, 40};
inline constexpr PictureSize AddCreditsHintSize{300, 26};
inline constexpr PictureSize SplashSize{390, 191};
inline constexpr PictureSize WindowIconSize{64, 64};
inline constexpr PictureSize DigitSize{14, 15};
inline constexpr PictureSize JacksOrBetterLabelSize{220, 19};
inline constexpr PictureSize DoubleUpQuestionSize{304, 129};
inline constexpr PictureSize DoubleUpPickSize{240, 38};
inline constexpr PictureSize RowLabelSize{136, 13};
inline constexpr int PayTableWidth = 431;
inline constexpr int CoinHighlightWidth = 57;
inline constexpr PictureSize DeucesWildLeftLabelSize{16, 120};
inline constexpr PictureSize DeucesWildRightLabelSize{24, 84};
inline constexpr PictureSize JokerPokerLabelSize{18, 103};
inline constexpr PictureSize ButtonSize{68, 30};
inline constexpr PictureSize CashInSize{29, 33};
inline constexpr PictureSize HoldLabelSize{55, 20};

// A deck's base picture is its card back; base + code shows a card and base + 53 the joker.
inline constexpr int RedDeckPictureBase = 100;
inline constexpr int BlueDeckPictureBase = 200;
constexpr int deckPictureBase(Deck deck) {
    return deck == Deck::Blue ? BlueDeckPictureBase : RedDeckPictureBase;
}
// Added to a deuce's picture number while deuces are wild.
constexpr int wildDeucePictureOffsetFor(GameType game) {
    return game == GameType::DeucesWild ? 200 : 0;
}
// The picture that shows a code in the game: the joker, a wild or plain deuce, a regular card or the back.
constexpr int cardPicture(Card code, Deck deck, GameType game) {
    const int base = deckPictureBase(deck);
    if (code == JokerCode)
        return base + 53;
    if (code == CardBackCode)
        return base;
    if (isDeuce(code))
        return base + wildDeucePictureOffsetFor(game) + code;
    return base + code;
}

inline constexpr int TableBackgroundPicture = 500;
inline constexpr int GameOverPicture = 501;
inline constexpr int SplashPicture = 502;
inline constexpr int WindowIconPicture = 503;
// Tells a player with no credits how to get some.
inline constexpr int AddCreditsHintPicture = 504;

// Digit d of the counters is DigitPictureBase + d.
inline constexpr int DigitPictureBase = 1000;

inline constexpr int JacksOrBetterLabelPicture = 2000;
inline constexpr int DoubleUpQuestionPicture = 2001;
inline constexpr int DoubleUpPickPicture = 2002;

// Row labels 3000 (royal flush) to 3013 (jacks or better).
inline constexpr int FirstRowLabelPicture = 3000;
inline constexpr int LastRowLabelPicture = 3013;
// The label that lights a paying category's row; 0 when the category does not pay in the game.
int rowLabelPicture(HandCategory category, GameType game);

// The pay-table pictures of a game.
struct PayTableArt {
    int tablePicture;    // 8500, 9600, 4000 or 5000; column highlight for n coins is this + n
    int tableHeight;     // 128, 142 or 156
    int highlightHeight; // 124, 138 or 152
};
PayTableArt payTableArtFor(GameType game);

// Tables other than the designed ones are printed on pictures numbered from here, ten numbers a table:
// the table, then its column highlights as for the designed pictures.
inline constexpr int FirstPrintedTablePicture = 20000;
// The picture that prints the table: the game's designed picture for its designed table, else a number
// from FirstPrintedTablePicture on, handed out once for each game and table the program meets.
int payTablePicture(GameType game, const PayTable& table);
// The game and table a number handed out by payTablePicture prints, with the coins of its column
// highlight (0 for the table itself); nothing for any other number.
struct PrintedTable {
    GameType game;
    PayTable table;
    int coins;
};
std::optional<PrintedTable> printedTableOf(int picture);

inline constexpr int DeucesWildLeftLabelPicture = 4006;
inline constexpr int DeucesWildRightLabelPicture = 4007;
inline constexpr int JokerPokerLeftLabelPicture = 5006;
inline constexpr int JokerPokerRightLabelPicture = 5007;

// The three looks of each picture button.
struct ButtonPictures {
    int pressed;
    int disabled;
    int enabled;
};

inline constexpr ButtonPictures CashOutPictures{6001, 6002, 6003};
inline constexpr ButtonPictures Bet1Pictures{6004, 6005, 6006};
inline constexpr ButtonPictures MaxBetPictures{6007, 6008, 6009};
inline constexpr ButtonPictures DealPictures{6010, 6011, 6012};
inline constexpr ButtonPictures DrawPictures{6013, 6014, 6015};

inline constexpr int CashInPicture = 6016;
inline constexpr int CashInPressedPicture = 6017;

inline constexpr int HoldDealerPicture = 6101;
inline constexpr int HoldEmptyPicture = 6102;
inline constexpr int HoldHeldPicture = 6103;
inline constexpr int HoldPickPicture = 6104;
// Marks a card of the best hold that the player has not held yet.
inline constexpr int HoldHintPicture = 6105;
// Under every card when the best hold keeps none of them.
inline constexpr int HoldDrawHintPicture = 6106;

// The size of every picture the game has; nothing for a number it does not have.
std::optional<PictureSize> pictureSize(int number);
// Every picture number, ascending.
std::vector<int> pictureNumbers();

} // namespace tandora
