#include "pictures.h"

#include <map>

#include "engine/card.h"
#include "engine/pay_table.h"
#include "platform/table_layout.h"

namespace tandora {

namespace {

std::map<int, PictureSize> buildSizes() {
    std::map<int, PictureSize> sizes;
    const PictureSize card{CardPictureWidth, CardPictureHeight};
    for (const int base : {RedDeckPictureBase, BlueDeckPictureBase}) {
        for (int code = 0; code <= 53; ++code) // the back, the 52 cards and the joker
            sizes[base + code] = card;
        for (const Card deuce : {2, 15, 28, 41})
            sizes[base + wildDeucePictureOffsetFor(GameType::DeucesWild) + deuce] = card;
    }
    sizes[TableBackgroundPicture] = {Layout::TableWidth, Layout::TableHeight};
    sizes[GameOverPicture] = {161, 40};
    sizes[SplashPicture] = {390, 191};
    sizes[WindowIconPicture] = {64, 64};
    for (int d = 0; d <= 9; ++d)
        sizes[DigitPictureBase + d] = {14, 15};
    sizes[JacksOrBetterLabelPicture] = {220, 19};
    sizes[DoubleUpQuestionPicture] = {304, 129};
    sizes[DoubleUpPickPicture] = {240, 38};
    for (int label = FirstRowLabelPicture; label <= LastRowLabelPicture; ++label)
        sizes[label] = {RowLabelWidth, RowLabelHeight};
    for (const GameType game : AllGames) {
        const PayTableArt art = payTableArtFor(game);
        sizes[art.tablePicture] = {PayTableWidth, art.tableHeight};
        for (int coins = 1; coins <= MaxCoins; ++coins)
            sizes[art.tablePicture + coins] = {CoinHighlightWidth, art.highlightHeight};
    }
    sizes[DeucesWildLeftLabelPicture] = {16, 120};
    sizes[DeucesWildRightLabelPicture] = {24, 84};
    sizes[JokerPokerLeftLabelPicture] = {18, 103};
    sizes[JokerPokerRightLabelPicture] = {18, 103};
    for (const ButtonPictures& b :
         {CashOutPictures, Bet1Pictures, MaxBetPictures, DealPictures, DrawPictures}) {
        for (const int number : {b.pressed, b.disabled, b.enabled})
            sizes[number] = {ButtonPictureWidth, ButtonPictureHeight};
    }
    sizes[CashInPicture] = {29, 33};
    sizes[CashInPressedPicture] = {29, 33};
    for (const int hold :
         {HoldDealerPicture, HoldEmptyPicture, HoldHeldPicture, HoldPickPicture, HoldHintPicture})
        sizes[hold] = {55, 20};
    return sizes;
}

const std::map<int, PictureSize>& sizes() {
    static const std::map<int, PictureSize> all = buildSizes();
    return all;
}

} // namespace

std::optional<PictureSize> pictureSize(int number) {
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
