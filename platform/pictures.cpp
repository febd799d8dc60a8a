#include "pictures.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "engine/pay_table.h"
#include "platform/table_layout.h"

namespace tandora {

namespace {

std::map<int, PictureSize> buildSizes() {
    std::map<int, PictureSize> sizes;
    const PictureSize card = CardSize;
    for (const int base : {RedDeckPictureBase, BlueDeckPictureBase}) {
        for (int code = 0; code <= 53; ++code) // the back, the 52 cards and the joker
            sizes[base + code] = card;
        for (const Card deuce : {2, 15, 28, 41})
            sizes[base + wildDeucePictureOffsetFor(GameType::DeucesWild) + deuce] = card;
    }
    sizes[TableBackgroundPicture] = {Layout::TableWidth, Layout::TableHeight};
    sizes[GameOverPicture] = GameOverSize;
    sizes[AddCreditsHintPicture] = AddCreditsHintSize;
    sizes[SplashPicture] = SplashSize;
    sizes[WindowIconPicture] = WindowIconSize;
    for (int d = 0; d <= 9; ++d)
        sizes[DigitPictureBase + d] = DigitSize;
    sizes[JacksOrBetterLabelPicture] = JacksOrBetterLabelSize;
    sizes[DoubleUpQuestionPicture] = DoubleUpQuestionSize;
    sizes[DoubleUpPickPicture] = DoubleUpPickSize;
    for (int label = FirstRowLabelPicture; label <= LastRowLabelPicture; ++label)
        sizes[label] = RowLabelSize;
    for (const GameType game : AllGames) {
        const PayTableArt art = payTableArtFor(game);
        sizes[art.tablePicture] = {PayTableWidth, art.tableHeight};
        for (int coins = 1; coins <= MaxCoins; ++coins)
            sizes[art.tablePicture + coins] = {CoinHighlightWidth, art.highlightHeight};
    }
    sizes[DeucesWildLeftLabelPicture] = DeucesWildLeftLabelSize;
    sizes[DeucesWildRightLabelPicture] = DeucesWildRightLabelSize;
    sizes[JokerPokerLeftLabelPicture] = JokerPokerLabelSize;
    sizes[JokerPokerRightLabelPicture] = JokerPokerLabelSize;
    for (const ButtonPictures& b :
         {CashOutPictures, Bet1Pictures, MaxBetPictures, DealPictures, DrawPictures}) {
        for (const int number : {b.pressed, b.disabled, b.enabled})
            sizes[number] = ButtonSize;
    }
    sizes[CashInPicture] = CashInSize;
    sizes[CashInPressedPicture] = CashInSize;
    for (const int hold : {HoldDealerPicture, HoldEmptyPicture, HoldHeldPicture, HoldPickPicture,
                           HoldHintPicture, HoldDrawHintPicture})
        sizes[hold] = HoldLabelSize;
    return sizes;
}

const std::map<int, PictureSize>& sizes() {
    static const std::map<int, PictureSize> all = buildSizes();
    return all;
}

} // namespace

int rowLabelPicture(HandCategory category, GameType game) {
    using H = HandCategory;
    if (!payTableRow(category, game))
        return 0;
    const bool joker = game == GameType::JokerPoker;
    switch (category) {
    case H::NaturalRoyalFlush: return 3000;
    case H::FourDeuces: return 3001;
    case H::FiveOfAKind: return 3002;
    case H::WildRoyalFlush: return joker ? 3004 : 3003;
    case H::StraightFlush: return 3005;
    case H::FourOfAKind: return 3006;
    case H::ThreeOfAKind: return 3007;
    case H::FullHouse: return 3008;
    case H::Flush: return 3009;
    case H::Straight:
    case H::AceHighStraight: return 3010;
    case H::TwoPair: return 3011;
    case H::HighPair: return joker ? 3012 : 3013;
    case H::NoWin: break;
    }
    return 0;
}

PayTableArt payTableArtFor(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return {8500, 128, 124};
    case GameType::JacksOrBetter96: return {9600, 128, 124};
    case GameType::DeucesWild: return {4000, 142, 138};
    case GameType::JokerPoker: return {5000, 156, 152};
    }
    return {};
}

namespace {

constexpr int PicturesPerPrintedTable = 10;

struct PrintedTables {
    std::mutex mutex;
    std::vector<std::pair<GameType, PayTable>> tables;
};

PrintedTables& printedTables() {
    static PrintedTables printed;
    return printed;
}

} // namespace

int payTablePicture(GameType game, const PayTable& table) {
    if (table == payTableFor(game))
        return payTableArtFor(game).tablePicture;
    PrintedTables& printed = printedTables();
    std::lock_guard lock(printed.mutex);
    auto& tables = printed.tables;
    auto found = std::find(tables.begin(), tables.end(), std::make_pair(game, table));
    if (found == tables.end())
        found = tables.insert(tables.end(), {game, table});
    return FirstPrintedTablePicture + PicturesPerPrintedTable * static_cast<int>(found - tables.begin());
}

std::optional<PrintedTable> printedTableOf(int picture) {
    const int index = (picture - FirstPrintedTablePicture) / PicturesPerPrintedTable;
    const int coins = (picture - FirstPrintedTablePicture) % PicturesPerPrintedTable;
    if (picture < FirstPrintedTablePicture || coins > MaxCoins)
        return std::nullopt;
    PrintedTables& printed = printedTables();
    std::lock_guard lock(printed.mutex);
    if (static_cast<std::size_t>(index) >= printed.tables.size())
        return std::nullopt;
    const auto& [game, table] = printed.tables[static_cast<std::size_t>(index)];
    return PrintedTable{game, table, coins};
}

std::optional<PictureSize> pictureSize(int number) {
    if (const auto printed = printedTableOf(number)) {
        const PayTableArt art = payTableArtFor(printed->game);
        return printed->coins == 0 ? PictureSize{PayTableWidth, art.tableHeight}
                                   : PictureSize{CoinHighlightWidth, art.highlightHeight};
    }
    const auto found = sizes().find(number);
    if (found == sizes().end())
        return std::nullopt;
    return found->second;
}

std::vector<int> pictureNumbers() {
    std::vector<int> numbers;
    numbers.reserve(sizes().size());
    for (const auto& entry : sizes())
        numbers.push_back(entry.first);
    return numbers;
}

} // namespace tandora
