// Lists the game's numbered pictures and sounds, and draws them for a look: a contact sheet of every
// picture, or a mock-up of the table in play.

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "engine/card.h"
#include "engine/game_type.h"
#include "engine/pay_table.h"
#include "platform/pictures.h"
#include "resources/resource_catalogue.h"

using namespace tandora;

namespace {

constexpr const char* Usage =
    "usage: tandora-resources --list | --sheet FILE.png | --mock FILE.png [jb85|jb96|dw|jp] | --time";

int usageError() {
    std::fprintf(stderr, "%s\n", Usage);
    return 2;
}

int list() {
    const ResourceCatalogue& catalogue = ResourceCatalogue::instance();
    QTextStream out(stdout);
    for (const int n : catalogue.pictureNumbers()) {
        const QSize size = catalogue.pictureSize(n);
        out << "bitmap " << n << ' ' << size.width() << 'x' << size.height() << '\n';
    }
    for (const int n : catalogue.waveNumbers())
        out << "wave " << n << ' ' << catalogue.wave(n).size() << ' ' << catalogue.waveMilliseconds(n)
            << '\n';
    return 0;
}

// Every picture at 1:1 on a dark grid, each labelled with its number.
int sheet(const QString& file) {
    const ResourceCatalogue& catalogue = ResourceCatalogue::instance();
    constexpr int SheetWidth = 1400, Gap = 8, LabelHeight = 14;
    struct Placed {
        int number;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = Gap, y = Gap, rowHeight = 0;
    for (const int n : catalogue.pictureNumbers()) {
        const QSize size = catalogue.pictureSize(n);
        const int cellWidth = std::max(size.width(), 34);
        if (x + cellWidth + Gap > SheetWidth) {
            x = Gap;
            y += rowHeight + LabelHeight + Gap;
            rowHeight = 0;
        }
        placed.push_back({n, QPoint(x, y)});
        x += cellWidth + Gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage image(SheetWidth, y + rowHeight + LabelHeight + Gap, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(48, 50, 56));
    QPainter p(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(230, 230, 230));
    for (const Placed& item : placed) {
        const QImage picture = catalogue.picture(item.number);
        p.drawImage(item.at, picture);
        p.drawText(QRect(item.at.x(), item.at.y() + picture.height() + 1, std::max(picture.width(), 34),
                         LabelHeight),
                   Qt::AlignLeft | Qt::AlignTop, QString::number(item.number));
    }
    p.end();
    return image.save(file) ? 0 : 1;
}

// The table as the player sees it in the middle of a hand, for judging how the pictures fit together.
int mock(const QString& file, GameType game) {
    const ResourceCatalogue& c = ResourceCatalogue::instance();
    QImage image = c.picture(TableBackgroundPicture);
    QPainter p(&image);
    const PayTableArt art = payTableArtFor(game);
    p.drawImage(PayTableLeft, PayTableTop, c.picture(art.tablePicture));
    p.drawImage(coinHighlightLeft(5), CoinHighlightTop, c.picture(art.tablePicture + 5));
    switch (game) {
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: p.drawImage(161, 170, c.picture(2000)); break;
    case GameType::DeucesWild:
        p.drawImage(30, 115, c.picture(4006));
        p.drawImage(488, 135, c.picture(4007));
        break;
    case GameType::JokerPoker:
        p.drawImage(28, 115, c.picture(5006));
        p.drawImage(492, 115, c.picture(5007));
        break;
    }
    struct Scene {
        Hand hand;
        int rowLabel;
        HandCategory category;
    };
    const Scene scene =
        game == GameType::DeucesWild   ? Scene{{2, 22, 35, 48, 4}, 3006, HandCategory::FourOfAKind}
        : game == GameType::JokerPoker ? Scene{{0, 13, 26, 39, 45}, 3002, HandCategory::FiveOfAKind}
                                       : Scene{{13, 52, 7, 46, 25}, 3011, HandCategory::TwoPair};
    const int deck = game == GameType::JokerPoker ? BlueDeckPictureBase : RedDeckPictureBase;
    for (int i = 0; i < HandSize; ++i) {
        const int picture =
            cardPicture(scene.hand[static_cast<std::size_t>(i)], deck, wildDeucePictureOffsetFor(game));
        p.drawImage(52 + 88 * i, 198, c.picture(picture));
        p.drawImage(66 + 88 * i, 316, c.picture(i < 4 ? HoldHeldPicture : HoldEmptyPicture));
    }
    if (const auto row = categoryRow(scene.category, game))
        p.drawImage(RowLabelLeft, row->rowTop, c.picture(row->rowLabelPicture));
    const auto digits = [&](int left, int count, int value) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            p.drawImage(left + 14 * i, 344, c.picture(DigitPictureBase + value % 10));
    };
    digits(136, 4, 1995);
    digits(297, 4, 0);
    digits(475, 1, 5);
    p.drawImage(64, 387, c.picture(6002));
    p.drawImage(167, 387, c.picture(6005));
    p.drawImage(238, 387, c.picture(6008));
    p.drawImage(309, 387, c.picture(6015));
    p.drawImage(442, 384, c.picture(CashInPicture));
    p.end();
    return image.save(file) ? 0 : 1;
}

// Paints every picture afresh and reports how long that takes.
int timeAll() {
    QElapsedTimer timer;
    timer.start();
    const ResourceCatalogue& catalogue = ResourceCatalogue::instance();
    const auto numbers = catalogue.pictureNumbers();
    for (const int n : numbers)
        catalogue.picture(n);
    std::printf("%zu pictures painted in %lld ms\n", numbers.size(), static_cast<long long>(timer.elapsed()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Arguments are checked before Qt starts, so that a usage error is the only line printed.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const auto is = [&](const char* option, int minCount, int maxCount) {
        return args.size() >= minCount && args.size() <= maxCount && args[0] == QLatin1String(option);
    };
    std::optional<GameType> game = GameType::JacksOrBetter96;
    if (is("--mock", 3, 3))
        game = parseGameType(args[2].toStdString());
    const bool valid =
        is("--list", 1, 1) || is("--time", 1, 1) || is("--sheet", 2, 2) || (is("--mock", 2, 3) && game);
    if (!valid)
        return usageError();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (args[0] == QLatin1String("--list"))
        return list();
    if (args[0] == QLatin1String("--time"))
        return timeAll();
    if (args[0] == QLatin1String("--sheet"))
        return sheet(args[1]);
    return mock(args[1], *game);
}
