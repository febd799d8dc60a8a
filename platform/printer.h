#pragma once

#include <string>

namespace tandora {

enum class PrintResult { Printed, Cancelled, Failed };

// Printing of plain-text documents, such as the statistics report.
class Printer {
public:
    virtual ~Printer() = default;
    // Lets the player choose a printer (or a PDF file), then prints text, lines separated by "\r\n", in a
    // fixed-width font so that its columns stay aligned. title names the print job.
    virtual PrintResult printText(const std::string& title, const std::string& text) = 0;
};

} // namespace tandora
