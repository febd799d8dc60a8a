#include "platform/qt/qt_printer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace tandora {
namespace {

// Guards printing to a PDF file, which is how a player keeps a printed report: a long text of aligned
// columns fills several pages and the file is a real PDF.
TEST(QtPrinter, PrintsPlainTextIntoAPdfFile) {
    test::qtApp();
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    std::string text = "Game Statistics for evening.tn2\r\n";
    for (int i = 0; i < 150; ++i)
        text += "Hands Played          1,234\r\n";
    EXPECT_EQ(QtPrinter::toPdfFile(path).printText("Game Statistics", text), PrintResult::Printed);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2)
        << "150 lines take more than one page";
}

// Guards a printer that cannot start: reported as a failure, never as printed.
TEST(QtPrinter, ReportsAFileItCannotWrite) {
    test::qtApp();
    EXPECT_EQ(QtPrinter::toPdfFile("/no/such/folder/report.pdf").printText("Game Statistics", "Odds"),
              PrintResult::Failed);
}

} // namespace
} // namespace tandora
