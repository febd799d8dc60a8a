#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

// Runs the installed command line as a user would, so that its output format and exit codes stay put.
namespace {

// The tool's exit status (-1 for a crash); its standard error in err.
int runTool(const QStringList& args, QString* err = nullptr) {
    QProcess tool;
    tool.start(QStringLiteral(TANDORA_RESOURCES_TOOL), args);
    tool.waitForFinished(60000);
    if (err)
        *err = QString::fromUtf8(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

// Guards the desktop's icons: a large one is drawn at its size (sharp edges, not a magnified 64-pixel
// bitmap). The install check reads every installed size.
TEST(ResourcesTool, RendersTheIconSharpAtTheSizeAsked) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("icon.png"));
    ASSERT_EQ(runTool({QStringLiteral("--icon"), QStringLiteral("256"), file}), 0);
    const QImage icon = QImage(file).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(256, 256));
    int sharpSteps = 0, insideBlocks = 0; // steps inside the 4 x 4 blocks of a pixel-quadrupled bitmap
    for (int y = 0; y < 256; ++y)
        for (int x = 1; x < 256; ++x) {
            sharpSteps += std::abs(qAlpha(icon.pixel(x, y)) - qAlpha(icon.pixel(x - 1, y))) > 160;
            insideBlocks += x % 4 != 0 && icon.pixel(x, y) != icon.pixel(x - 1, y);
        }
    EXPECT_GT(sharpSteps, 50) << "a smoothly magnified bitmap has no sharp edge";
    EXPECT_GT(insideBlocks, 0) << "magnified";
}

// Bad arguments: one line of usage on stderr and status 2, as scripts expect.
TEST(ResourcesTool, RejectsBadArguments) {
    for (const QStringList& args :
         {QStringList{},
          {QStringLiteral("--nonsense")},
          {QStringLiteral("--icon"), QStringLiteral("5000"), QStringLiteral("x.png")}}) {
        QString err;
        EXPECT_EQ(runTool(args, &err), 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("usage:")) && err.trimmed().count(QLatin1Char('\n')) == 0);
    }
}

} // namespace
