#include "results/print_list.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "results/list_painting.h"
#include "results/print_layout.h"
#include "results/run_control.h"
#include "winlayer/dialogs.h"
#include "winlayer/fonts.h"
#include "winlayer/printer.h"

namespace results {
namespace {

constexpr double fontPoints = 9;
// Lines kept free at the bottom of every page, for a found line continued past the limit.
constexpr int reserveLines = 4;

// The width fitPrefix compares with the printable width.
double measure(HDC printerDc, const std::string& text) {
    SIZE extent = {0, 0};
    winlayer::textExtent(printerDc, text, extent);
    return extent.cx;
}

// A second "&Print" pressed while the first one prints, or while its dialog is open, would
// end the job that is being printed.
bool printing = false;

} // namespace

void printResultList() {
    if (printing) {
        return;
    }
    printing = true;
    // The print dialog covers the list: it is drawn as it stands first.
    showFoundNow();
    winlayer::printerChoose("", PD_PAGENUMS);
    if (winlayer::printerName().empty()) {
        printing = false;
        return;
    }
    // While the run goes on, the items found so far. A "&Stop" handled between two lines
    // replaces the snapshot, and the window may be closed meanwhile, so the lines are copied.
    if (runControl.held == 0 && foundCount > 0) {
        takeSnapshot();
    }
    const size_t count = std::min(static_cast<size_t>(std::max<int32_t>(foundCount, 0)),
                                  resultSnapshot.lines.size());
    const std::vector<std::string> lines(resultSnapshot.lines.begin(),
                                         resultSnapshot.lines.begin() +
                                             static_cast<std::ptrdiff_t>(count));

    winlayer::printerSetFont(winlayer::createFont("MS Sans Serif", fontPoints, 0, ANSI_CHARSET));
    const double width = std::round(winlayer::printerArea().width);
    HDC printerDc = winlayer::printerDeviceContext();
    const int32_t linesPerPage = winlayer::printerLinesPerPage() - reserveLines;

    ListOutput output;
    output.text = winlayer::printerText;
    output.newLine = winlayer::printerNewLine;
    output.newPage = winlayer::printerNewPage;
    output.betweenLines = [] { winlayer::pumpOneMessage(0); };
    output.measure = [printerDc](const std::string& part) { return measure(printerDc, part); };
    printList(lines, linesPerPage, width, output);
    winlayer::printerClose();
    printing = false;
}

} // namespace results
