#include "resource_catalogue.h"

#include <algorithm>

#include "button_painter.h"
#include "card_back_painter.h"
#include "card_painter.h"
#include "digit_painter.h"
#include "double_up_painter.h"
#include "engine/card.h"
#include "engine/pay_table.h"
#include "pay_table_painter.h"
#include "resource_numbers.h"
#include "splash_painter.h"
#include "table_painter.h"

#ifdef TANDORA_HAVE_SOUNDS
#include "resources/sounds/wave_synth.h"
#endif

namespace tandora {

ResourceCatalogue& ResourceCatalogue::instance() {
    static ResourceCatalogue catalogue;
    return catalogue;
}

void ResourceCatalogue::add(int number, QSize size, std::function<QImage()> paint) {
    entries_[number] = Entry{size, std::move(paint)};
}

ResourceCatalogue::ResourceCatalogue() {
    const QSize card(CardPainter::Width, CardPainter::Height);
    for (const bool blue : {false, true}) {
        const int base = blue ? BlueDeckPictureBase : RedDeckPictureBase;
        add(base, card, [blue] { return CardBackPainter::back(blue); });
        for (Card c = 1; c <= 52; ++c)
            add(base + c, card, [c] { return CardPainter::face(c); });
        add(base + 53, card, [blue] { return CardPainter::joker(blue); });
        for (const Card deuce : {2, 15, 28, 41})
            add(base + wildDeucePictureOffsetFor(GameType::DeucesWild) + deuce, card,
                [deuce] { return CardPainter::face(deuce, true); });
    }

    for (int d = 0; d <= 9; ++d)
        add(DigitPictureBase + d, {DigitPainter::Width, DigitPainter::Height},
            [d] { return DigitPainter::digit(d); });

    add(JacksOrBetterLabelPicture, {220, 19},
        [] { return PayTablePainter::sideLabel(JacksOrBetterLabelPicture); });
    add(DoubleUpQuestionPicture, {304, 129}, [] { return DoubleUpPainter::question(); });
    add(DoubleUpPickPicture, {240, 38}, [] { return DoubleUpPainter::pickBanner(); });
    for (int label = 3000; label <= 3013; ++label)
        add(label, {RowLabelWidth, RowLabelHeight}, [label] { return PayTablePainter::rowLabel(label); });

    for (const GameType game : AllGames) {
        const PayTableArt art = payTableArtFor(game);
        // Both Jacks or Better games print the same table apart from two rows, so each needs its own.
        add(art.tablePicture, {PayTableWidth, art.tableHeight},
            [game] { return PayTablePainter::table(game); });
        for (int coins = 1; coins <= MaxCoins; ++coins)
            add(art.tablePicture + coins, {CoinHighlightWidth, art.highlightHeight},
                [game, coins] { return PayTablePainter::columnHighlight(game, coins); });
    }
    add(4006, {16, 120}, [] { return PayTablePainter::sideLabel(4006); });
    add(4007, {24, 84}, [] { return PayTablePainter::sideLabel(4007); });
    add(5006, {18, 103}, [] { return PayTablePainter::sideLabel(5006); });
    add(5007, {18, 103}, [] { return PayTablePainter::sideLabel(5007); });

    struct ButtonSpec {
        int first; // pressed; +1 disabled, +2 enabled
        const char* label;
        QColor face, text;
    };
    const ButtonSpec buttons[] = {
        {6001, "CASH OUT", QColor(240, 150, 30), QColor(30, 20, 0)},
        {6004, "BET 1", QColor(246, 210, 30), QColor(30, 20, 0)},
        {6007, "PLAY MAX", QColor(246, 210, 30), QColor(30, 20, 0)},
        {6010, "DEAL", QColor(214, 30, 36), QColor(Qt::white)},
        {6013, "DRAW", QColor(214, 30, 36), QColor(Qt::white)},
    };
    const QSize buttonSize(ButtonPainter::Width, ButtonPainter::Height);
    for (const ButtonSpec& b : buttons) {
        const QString label = QString::fromLatin1(b.label);
        const ButtonPainter::Look looks[] = {ButtonPainter::Look::Pressed, ButtonPainter::Look::Disabled,
                                             ButtonPainter::Look::Enabled};
        for (int i = 0; i < 3; ++i)
            add(b.first + i, buttonSize,
                [label, b, look = looks[i]] { return ButtonPainter::button(label, b.face, b.text, look); });
    }
    add(CashInPicture, {29, 33}, [] { return ButtonPainter::cashIn(false); });
    add(CashInPressedPicture, {29, 33}, [] { return ButtonPainter::cashIn(true); });
    add(HoldDealerPicture, {55, 20}, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Dealer); });
    add(HoldEmptyPicture, {55, 20}, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Empty); });
    add(HoldHeldPicture, {55, 20}, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Held); });
    add(HoldPickPicture, {55, 20}, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Pick); });

    add(TableBackgroundPicture, {TablePainter::Width, TablePainter::Height},
        [] { return TablePainter::background(); });
    add(GameOverPicture, {161, 40}, [] { return TablePainter::gameOver(); });
    add(SplashPicture, {390, 191}, [] { return SplashPainter::splash(); });
    add(WindowIconPicture, {64, 64}, [] { return SplashPainter::windowIcon(); });
}

bool ResourceCatalogue::hasPicture(int number) const {
    return entries_.count(number) != 0;
}

QImage ResourceCatalogue::picture(int number) const {
    const auto entry = entries_.find(number);
    if (entry == entries_.end())
        return {};
    std::lock_guard lock(mutex_);
    auto cached = cache_.find(number);
    if (cached == cache_.end())
        cached = cache_.emplace(number, entry->second.paint()).first;
    return cached->second;
}

QSize ResourceCatalogue::pictureSize(int number) const {
    const auto entry = entries_.find(number);
    return entry == entries_.end() ? QSize() : entry->second.size;
}

std::vector<int> ResourceCatalogue::pictureNumbers() const {
    std::vector<int> numbers;
    numbers.reserve(entries_.size());
    for (const auto& entry : entries_)
        numbers.push_back(entry.first);
    return numbers;
}

#ifdef TANDORA_HAVE_SOUNDS

bool ResourceCatalogue::hasWave(int number) const {
    const auto& numbers = tandora::waveNumbers();
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

QByteArray ResourceCatalogue::wave(int number) const {
    if (!hasWave(number))
        return {};
    std::lock_guard lock(mutex_);
    auto cached = waveCache_.find(number);
    if (cached == waveCache_.end()) {
        const std::vector<std::uint8_t> bytes = synthesizeWave(number);
        cached = waveCache_
                     .emplace(number, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<qsizetype>(bytes.size())))
                     .first;
    }
    return cached->second;
}

int ResourceCatalogue::waveMilliseconds(int number) const {
    const QByteArray bytes = wave(number);
    if (bytes.isEmpty())
        return -1;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return waveDurationMs(std::vector<std::uint8_t>(data, data + bytes.size()));
}

std::vector<int> ResourceCatalogue::waveNumbers() const {
    return tandora::waveNumbers();
}

#else

// Built without the sound library: the game is silent.
bool ResourceCatalogue::hasWave(int) const {
    return false;
}

QByteArray ResourceCatalogue::wave(int) const {
    return {};
}

std::vector<int> ResourceCatalogue::waveNumbers() const {
    return {};
}

int ResourceCatalogue::waveMilliseconds(int) const {
    return -1;
}

#endif

} // namespace tandora
