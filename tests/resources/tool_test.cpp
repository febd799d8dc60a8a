#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

// Runs the installed command line as a user would, so that its output format and exit codes stay put.
namespace {

struct ToolRun {
    int status;
    QString out, err;
};

ToolRun runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(TANDORA_RESOURCES_TOOL), args);
    tool.waitForFinished(60000);
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromUtf8(tool.readAllStandardOutput()), QString::fromUtf8(tool.readAllStandardError())};
}

TEST(ResourcesTool, ListsEveryResourceSortedWithinKind) {
    const ToolRun run = runTool({QStringLiteral("--list")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QRegularExpression bitmap(QStringLiteral("^bitmap (\\d+) (\\d+)x(\\d+)$"));
    const QRegularExpression wave(QStringLiteral("^wave (\\d+) (\\d+) (-?\\d+)$"));
    int bitmaps = 0, lastBitmap = -1, lastWave = -1;
    bool inWaves = false;
    for (const QString& line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (const auto m = bitmap.match(line); m.hasMatch()) {
            EXPECT_FALSE(inWaves) << "bitmaps come before waves";
            EXPECT_GT(m.captured(1).toInt(), lastBitmap);
            lastBitmap = m.captured(1).toInt();
            ++bitmaps;
        } else if (const auto w = wave.match(line); w.hasMatch()) {
            inWaves = true;
            EXPECT_GT(w.captured(1).toInt(), lastWave);
            lastWave = w.captured(1).toInt();
        } else {
            ADD_FAILURE() << "unexpected line: " << line.toStdString();
        }
    }
    EXPECT_EQ(bitmaps, 197);
}

TEST(ResourcesTool, WritesAContactSheet) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.png"));
    ASSERT_EQ(runTool({QStringLiteral("--sheet"), file}).status, 0);
    EXPECT_TRUE(QImage(file).width() > 541);
}

// Guards the desktop's icons: each size is drawn at that size (sharp edges, no blocks of a magnified
// 64-pixel bitmap) and is still the same picture as the window icon.
TEST(ResourcesTool, RendersTheIconAtEachSize) {
    QTemporaryDir dir;
    QImage icons[2];
    const int sizes[2] = {64, 256};
    for (int i = 0; i < 2; ++i) {
        const QString file = dir.filePath(QStringLiteral("icon%1.png").arg(sizes[i]));
        const ToolRun run = runTool({QStringLiteral("--icon"), QString::number(sizes[i]), file});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        icons[i] = QImage(file).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icons[i].size(), QSize(sizes[i], sizes[i]));
    }
    const QImage& big = icons[1];
    int sharpSteps = 0;
    bool blocky = true;
    for (int y = 0; y < big.height(); ++y)
        for (int x = 1; x < big.width(); ++x) {
            sharpSteps += std::abs(qAlpha(big.pixel(x, y)) - qAlpha(big.pixel(x - 1, y))) > 160;
            if (x % 4 != 0 && big.pixel(x, y) != big.pixel(x - 1, y))
                blocky = false;
        }
    EXPECT_GT(sharpSteps, 50) << "a smoothly magnified bitmap has no sharp edge";
    EXPECT_FALSE(blocky);
    const QImage reduced = big.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long long difference = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            difference += std::abs(qAlpha(reduced.pixel(x, y)) - qAlpha(icons[0].pixel(x, y))) +
                          std::abs(qGray(reduced.pixel(x, y)) - qGray(icons[0].pixel(x, y)));
    EXPECT_LT(difference / (64 * 64), 12) << "the large icon must show the same picture";
}

// Bad arguments: one line of usage on stderr and status 2, as scripts expect.
TEST(ResourcesTool, RejectsBadArguments) {
    const QStringList bad[] = {{},
                               {QStringLiteral("--sheet")},
                               {QStringLiteral("--nonsense")},
                               {QStringLiteral("--list"), QStringLiteral("extra")},
                               {QStringLiteral("--mock"), QStringLiteral("x.png"), QStringLiteral("poker")},
                               {QStringLiteral("--icon"), QStringLiteral("x.png")},
                               {QStringLiteral("--icon"), QStringLiteral("big"), QStringLiteral("x.png")},
                               {QStringLiteral("--icon"), QStringLiteral("0"), QStringLiteral("x.png")},
                               {QStringLiteral("--icon"), QStringLiteral("5000"), QStringLiteral("x.png")}};
    for (const QStringList& args : bad) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.trimmed().count(QLatin1Char('\n')), 0);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage:")));
    }
}

} // namespace
