#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
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
                               {QStringLiteral("--icon"), QStringLiteral("big"), QStringLiteral("x.png")},
                               {QStringLiteral("--icon"), QStringLiteral("5000"), QStringLiteral("x.png")}};
    for (const QStringList& args : bad) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.trimmed().count(QLatin1Char('\n')), 0);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage:")));
    }
}

} // namespace
