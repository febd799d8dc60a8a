#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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

// Bad arguments: one line of usage on stderr and status 2, as scripts expect.
TEST(ResourcesTool, RejectsBadArguments) {
    const QStringList bad[] = {{},
                               {QStringLiteral("--sheet")},
                               {QStringLiteral("--nonsense")},
                               {QStringLiteral("--list"), QStringLiteral("extra")},
                               {QStringLiteral("--mock"), QStringLiteral("x.png"), QStringLiteral("poker")}};
    for (const QStringList& args : bad) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.trimmed().count(QLatin1Char('\n')), 0);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage:")));
    }
}

} // namespace
