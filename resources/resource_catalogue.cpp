#include "resource_catalogue.h"

#include <algorithm>
#include <cmath>

#include "button_painter.h"
#include "card_back_painter.h"
#include "card_painter.h"
#include "digit_painter.h"
#include "double_up_painter.h"
#include "engine/pay_table.h"
#include "paint_kit.h"
#include "pay_table_painter.h"
#include "platform/pictures.h"
#include "splash_painter.h"
#include "table_painter.h"

#include "resources/sounds/wave_synth.h"

namespace tandora {

ResourceCatalogue& ResourceCatalogue::instance() {
    static ResourceCatalogue catalogue;
    return catalogue;
}

void ResourceCatalogue::add(int number, std::function<QImage()> paint) {
    const auto size = tandora::pictureSize(number);
    entries_[number] = Entry{size ? QSize(size->width, size->height) : QSize(), std::move(paint)};
}

ResourceCatalogue::ResourceCatalogue() {
    for (const bool blue : {false, true}) {
        const int base = blue ? BlueDeckPictureBase : RedDeckPictureBase;
        add(base, [blue] { return CardBackPainter::back(blue); });
        for (Card c = 1; c <= 52; ++c)
            add(base + c, [c] { return CardPainter::face(c); });
        add(base + 53, [blue] { return CardPainter::joker(blue); });
        for (const Card deuce : {2, 15, 28, 41})
            add(base + wildDeucePictureOffsetFor(GameType::DeucesWild) + deuce,
                [deuce] { return CardPainter::face(deuce, true); });
    }

    for (int d = 0; d <= 9; ++d)
        add(DigitPictureBase + d, [d] { return DigitPainter::digit(d); });

    add(DoubleUpQuestionPicture, [] { return DoubleUpPainter::question(); });
    add(DoubleUpPickPicture, [] { return DoubleUpPainter::pickBanner(); });
    for (int label = FirstRowLabelPicture; label <= LastRowLabelPicture; ++label)
        add(label, [label] { return PayTablePainter::rowLabel(label); });

    for (const GameType game : AllGames) {
        const PayTableArt art = payTableArtFor(game);
        // Both Jacks or Better games print the same table apart from two rows, so each needs its own.
        add(art.tablePicture, [game] { return PayTablePainter::table(game); });
        for (int coins = 1; coins <= MaxCoins; ++coins)
            add(art.tablePicture + coins,
                [game, coins] { return PayTablePainter::columnHighlight(game, coins); });
    }
    for (const int side : {JacksOrBetterLabelPicture, DeucesWildLeftLabelPicture, DeucesWildRightLabelPicture,
                           JokerPokerLeftLabelPicture, JokerPokerRightLabelPicture})
        add(side, [side] { return PayTablePainter::sideLabel(side); });

    struct ButtonSpec {
        ButtonPictures pictures;
        const char* label;
        QColor face, text;
    };
    const ButtonSpec buttons[] = {
        {CashOutPictures, "CASH OUT", QColor(240, 150, 30), QColor(30, 20, 0)},
        {Bet1Pictures, "BET 1", QColor(246, 210, 30), QColor(30, 20, 0)},
        {MaxBetPictures, "PLAY MAX", QColor(246, 210, 30), QColor(30, 20, 0)},
        {DealPictures, "DEAL", QColor(214, 30, 36), QColor(Qt::white)},
        {DrawPictures, "DRAW", QColor(214, 30, 36), QColor(Qt::white)},
    };
    for (const ButtonSpec& b : buttons) {
        const QString label = QString::fromLatin1(b.label);
        const std::pair<int, ButtonPainter::Look> looks[] = {
            {b.pictures.pressed, ButtonPainter::Look::Pressed},
            {b.pictures.disabled, ButtonPainter::Look::Disabled},
            {b.pictures.enabled, ButtonPainter::Look::Enabled}};
        for (const auto& [number, look] : looks)
            add(number,
                [label, b, look = look] { return ButtonPainter::button(label, b.face, b.text, look); });
    }
    add(CashInPicture, [] { return ButtonPainter::cashIn(false); });
    add(CashInPressedPicture, [] { return ButtonPainter::cashIn(true); });
    add(HoldDealerPicture, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Dealer); });
    add(HoldEmptyPicture, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Empty); });
    add(HoldHeldPicture, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Held); });
    add(HoldPickPicture, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Pick); });
    add(HoldHintPicture, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::Hint); });
    add(HoldDrawHintPicture, [] { return ButtonPainter::holdLabel(ButtonPainter::Hold::DrawHint); });

    add(TableBackgroundPicture, [] { return TablePainter::background(); });
    add(GameOverPicture, [] { return TablePainter::gameOver(); });
    add(AddCreditsHintPicture, [] { return TablePainter::addCreditsHint(); });
    add(SplashPicture, [] { return SplashPainter::splash(); });
    add(WindowIconPicture, [] { return SplashPainter::windowIcon(); });
}

bool ResourceCatalogue::hasPicture(int number) const {
    return entries_.count(number) != 0;
}

QImage ResourceCatalogue::picture(int number, qreal scale) const {
    const auto entry = entries_.find(number);
    const auto printed = entry == entries_.end() ? printedTableOf(number) : std::nullopt;
    if ((entry == entries_.end() && !printed) || !(scale > 0))
        return {};
    // A table the player chose is painted like the designed ones, with its own amounts.
    const auto paint = [&] {
        if (!printed)
            return entry->second.paint();
        if (printed->coins == 0)
            return PayTablePainter::table(printed->game, printed->table);
        return PayTablePainter::columnHighlight(printed->game, printed->table, printed->coins);
    };
    const int key = static_cast<int>(std::lround(scale * 1000));
    std::lock_guard lock(mutex_);
    std::vector<Painted>& sizes = cache_[number];
    const auto found =
        std::find_if(sizes.begin(), sizes.end(), [key](const Painted& p) { return p.scaleKey == key; });
    if (found != sizes.end()) {
        std::rotate(sizes.begin(), found, found + 1);
        return sizes.front().image;
    }
    QImage image;
    const QSize design = pictureSize(number);
    if (key == 1000 || design.isEmpty()) {
        image = paint();
    } else {
        // The whole pixels the picture covers decide the exact factors, so it fills them edge to edge.
        const QSize pixels(static_cast<int>(std::lround(design.width() * scale)),
                           static_cast<int>(std::lround(design.height() * scale)));
        const PaintKit::Scale painting(static_cast<qreal>(pixels.width()) / design.width(),
                                       static_cast<qreal>(pixels.height()) / design.height());
        image = paint();
        image.setDevicePixelRatio(scale);
    }
    sizes.insert(sizes.begin(), Painted{key, image});
    if (sizes.size() > 2)
        sizes.pop_back();
    return image;
}

void ResourceCatalogue::forget() {
    std::lock_guard lock(mutex_);
    cache_.clear();
}

std::size_t ResourceCatalogue::cacheBytes() const {
    std::lock_guard lock(mutex_);
    std::size_t bytes = 0;
    for (const auto& [number, sizes] : cache_)
        for (const Painted& p : sizes)
            bytes += static_cast<std::size_t>(p.image.sizeInBytes());
    return bytes;
}

QSize ResourceCatalogue::pictureSize(int number) const {
    const auto entry = entries_.find(number);
    if (entry == entries_.end()) {
        const auto size = tandora::pictureSize(number);
        return size && printedTableOf(number) ? QSize(size->width, size->height) : QSize();
    }
    return entry->second.size;
}

std::vector<int> ResourceCatalogue::pictureNumbers() const {
    std::vector<int> numbers;
    numbers.reserve(entries_.size());
    for (const auto& entry : entries_)
        numbers.push_back(entry.first);
    return numbers;
}

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

} // namespace tandora
