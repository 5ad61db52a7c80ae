// Printing from the results window and reading back what reached the PDF printer: the print
// dialog, the CUPS queue's jobs, and the PDF's text and properties.
#pragma once

#include "search_driver.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The queue that scripts/cups-start sets up.
constexpr const char* printQueue = "PDF";

// Identifiers in the standard print dialog.
namespace printDialog {
constexpr int allPages = 0x420;
constexpr int pageRange = 0x422;
constexpr int fromPage = 0x480;
constexpr int toPage = 0x481;
constexpr int printerList = 0x473;
} // namespace printDialog

// The print dialog that the process opened, or nullptr.
HWND waitForPrintDialog(DWORD processId, DWORD timeoutMs = defaultTimeoutMs);
// Presses OK (optionally after choosing "All") or Cancel and waits until the dialog is gone.
bool confirmPrint(HWND printDialog, bool allPages = false);
bool cancelPrint(HWND printDialog);

// Runs a host command and returns what it wrote to its standard output; nullopt on failure.
std::optional<std::string> hostOutput(const std::string& command, DWORD timeoutMs = 30000);

// The ids of the queue's jobs, pending and completed.
std::vector<int> printJobs();
// The highest job id so far, 0 when there is none.
int lastPrintJob();
// Waits for the first job after `after` to be completed with its PDF written; its id, or 0.
int waitPrintedJob(int after, DWORD timeoutMs = 60000);

// A printed document as pdftotext -layout reads it back.
struct PrintedDocument {
    std::string title;    // the PDF's Title, the job's name
    std::string fileName; // of the PDF cups-pdf wrote
    int pageCount = -1;   // pdfinfo's Pages
    // Each page's lines (asLaidOut), trailing blank lines dropped.
    std::vector<std::vector<std::string>> pages;
};
std::optional<PrintedDocument> readPrintedDocument(int job);
// A word of the PDF with its position in points from the page's top-left corner.
struct PdfWord {
    int page = 0; // from 1
    double xMin = 0;
    double yMin = 0;
    std::string text;
};
std::vector<PdfWord> pdfWords(int job);
// A line as pdftotext -layout shows it: leading spaces, which it cannot count in a
// proportional font, become one.
std::string asLaidOut(const std::string& line);
// Writes a PNG of the document's first page to hostFile.
bool writePagePicture(int job, const std::string& hostFile);

// What the program's printer layer reports (printer_report), and how it cuts each line.
struct PrinterReport {
    std::string printer;
    int printableWidth = 0;
    int printableHeight = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int pixelsPerInchY = 0;
    int lineHeight = 0;
    int lineGap = 0;
    int linesPerPage = 0;
    int error = -1;
    std::vector<double> widths;                 // per line
    std::vector<std::vector<std::string>> cuts; // per line, its printed lines
    int job = 0;                                // the report's own print job, 0 when it made none
};
std::optional<PrinterReport> reportPrinter(const std::vector<std::string>& lines);

// The pages the list must print as: heading, blank line, the printed lines of each found line,
// the page ended after the found line during which linesPerPage was reached.
std::vector<std::vector<std::string>>
expectedPages(const std::vector<std::vector<std::string>>& cuts, int linesPerPage);

std::wstring widen(const std::string& text);

} // namespace e2e
