// What the printer reports to the program, for the printing tests: printer_report LINES REPORT.
// It attaches a printer through the program's own printer layer (the test presses OK in the
// print dialog), selects the list's font, and writes the printer's metrics and how each line
// of LINES would be cut at the printable width. Its job is ended after a page break alone, so
// it yields a document without pages.
#include <windows.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "results/print_layout.h"
#include "winlayer/fonts.h"
#include "winlayer/printer.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    std::vector<std::string> lines;
    std::ifstream in(argv[1], std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }

    winlayer::printerChoose("Printer report", 0);
    if (winlayer::printerName().empty()) {
        return 1;
    }
    winlayer::printerSetFont(winlayer::createFont("MS Sans Serif", 9, 0, ANSI_CHARSET));
    const winlayer::PrinterMetrics metrics = winlayer::printerMetrics();
    const double width = std::round(winlayer::printerArea().width);
    HDC dc = winlayer::printerDeviceContext();
    const auto measure = [dc](const std::string& text) {
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
        return static_cast<double>(extent.cx);
    };

    std::ofstream out(argv[2], std::ios::binary);
    out << "printer " << winlayer::printerName() << "\n"
        << "printableWidth " << metrics.printableWidth << "\n"
        << "printableHeight " << metrics.printableHeight << "\n"
        << "physicalWidth " << metrics.physicalWidth << "\n"
        << "physicalHeight " << metrics.physicalHeight << "\n"
        << "offsetX " << metrics.offsetX << "\n"
        << "offsetY " << metrics.offsetY << "\n"
        << "pixelsPerInchY " << metrics.pixelsPerInchY << "\n"
        << "lineHeight " << metrics.lineHeight << "\n"
        << "lineGap " << metrics.lineGap << "\n"
        << "averageCharWidth " << metrics.averageCharWidth << "\n"
        << "linesPerPage " << winlayer::printerLinesPerPage() << "\n";
    for (const std::string& line : lines) {
        out << "width " << measure(line) << "\n";
        for (const std::string& piece : results::printedLines(line, width, measure)) {
            out << "piece " << piece << "\n";
        }
        out << "end\n";
    }
    winlayer::printerNewPage();
    winlayer::printerClose();
    out << "error " << winlayer::printerError() << "\n";
    return 0;
}
