// Lists the game's numbered pictures and sounds, draws every picture on one contact sheet for a look, and
// renders the program's icon at any size for the desktop's icon theme.

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
#include "resources/splash_painter.h"

using namespace tandora;

namespace {

constexpr const char* Usage =
    "usage: tandora-resources --list | --sheet FILE.png | --icon SIZE FILE.png | --time";
// Icon sizes the tool draws; the desktop's themes use 16 to 512.
constexpr int MinIconSize = 8, MaxIconSize = 1024;

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

// The window icon painted at size x size, not scaled from the 64-pixel picture.
int icon(int size, const QString& file) {
    return SplashPainter::windowIcon(size).save(file, "PNG") ? 0 : 1;
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
    bool sizeOk = false;
    const int iconSize = args.size() == 3 ? args[1].toInt(&sizeOk) : 0;
    const bool iconValid = is("--icon", 3, 3) && sizeOk && iconSize >= MinIconSize && iconSize <= MaxIconSize;
    const bool valid = is("--list", 1, 1) || is("--time", 1, 1) || is("--sheet", 2, 2) || iconValid;
    if (!valid)
        return usageError();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (args[0] == QLatin1String("--list"))
        return list();
    if (args[0] == QLatin1String("--time"))
        return timeAll();
    if (args[0] == QLatin1String("--icon"))
        return icon(iconSize, args[2]);
    return sheet(args[1]);
}
