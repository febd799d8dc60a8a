#include "qt_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace tandora {

QtPrinter QtPrinter::toPdfFile(const QString& path) {
    QtPrinter printer;
    printer.pdfPath_ = path;
    return printer;
}

PrintResult QtPrinter::printText(const std::string& title, const std::string& text) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(title));
    if (pdfPath_.isEmpty()) {
        // Over the dialog that asked to print, when there is one, so that it opens on top of it.
        QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : owner_;
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QString::fromStdString(title));
        if (dialog.exec() != QDialog::Accepted)
            return PrintResult::Cancelled;
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
    }

    QTextDocument document;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setPlainText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // Our own painter rather than QTextDocument::print, so that a printer that cannot start is reported.
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    // With a page height set, the layout moves a line that would cross a page onto the next page.
    document.setPageSize(page.size());
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !printer.newPage())
            return PrintResult::Failed;
        painter.save();
        painter.translate(0, -page.height() * i);
        document.drawContents(&painter, page.translated(0, page.height() * i));
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return PrintResult::Failed;
    return PrintResult::Printed;
}

} // namespace tandora
