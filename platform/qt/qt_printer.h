#pragma once

#include <QString>

#include "platform/printer.h"

class QWidget;

namespace tandora {

// Prints through Qt's print dialog, where the player may also choose to print to a PDF file.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* owner = nullptr) : owner_(owner) {}

    // A printer that writes every document into this PDF file without asking.
    static QtPrinter toPdfFile(const QString& path);

    PrintResult printText(const std::string& title, const std::string& text) override;

private:
    QWidget* owner_;
    QString pdfPath_;
};

} // namespace tandora
