#include "print_driver.h"

#include <algorithm>
#include <sstream>

#include "search_driver.h"

namespace e2e {

namespace {

const char* const heading = "List of found files and folders";

// Where cups-pdf writes a job of this user: the home folder of the passwd entry, not $HOME.
std::string pdfOfJob(int job) {
    return "$(getent passwd $(id -u) | cut -d: -f6)/PDF/*-job_" + std::to_string(job) + ".pdf";
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string trimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

// pdftotext gives the printer font's hyphen as a soft hyphen (U+00AD in UTF-8).
std::string plainHyphens(std::string text) {
    for (size_t at; (at = text.find("\xC2\xAD")) != std::string::npos;) {
        text.replace(at, 2, "-");
    }
    return text;
}

double numberAttribute(const std::string& element, const std::string& name) {
    const size_t at = element.find(name + "=\"");
    return at == std::string::npos ? 0 : std::atof(element.c_str() + at + name.size() + 2);
}

std::optional<int> intAfter(const std::string& line, const std::string& key) {
    if (line.compare(0, key.size() + 1, key + " ") != 0) {
        return std::nullopt;
    }
    return std::stoi(line.substr(key.size() + 1));
}

} // namespace

std::wstring widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

HWND waitForPrintDialog(DWORD processId, DWORD timeoutMs) {
    return waitForWindow(processId, dialogClass, L"Print", timeoutMs);
}

bool confirmPrint(HWND dialog, bool allPages) {
    if (allPages) {
        click(dialog, printDialog::allPages);
        if (!waitUntil([&] { return checkState(dialog, printDialog::allPages) == BST_CHECKED; })) {
            return false;
        }
    }
    click(dialog, IDOK);
    return waitForClose(dialog);
}

bool cancelPrint(HWND dialog) {
    click(dialog, IDCANCEL);
    return waitForClose(dialog);
}

std::optional<std::string> hostOutput(const std::string& command, DWORD timeoutMs) {
    TempFolder folder;
    const std::wstring file = folder.path() + L"\\output.txt";
    const std::string onHost = hostPath(file);
    if (onHost.empty() || runHostCommand("(" + command + ") > '" + onHost + "'", timeoutMs) != 0) {
        return std::nullopt;
    }
    return readFile(file);
}

std::vector<int> printJobs() {
    std::vector<int> jobs;
    const std::string prefix = std::string(printQueue) + "-";
    const auto listing = hostOutput("lpstat -W all -o " + std::string(printQueue) + " || true");
    for (const std::string& line : splitLines(listing.value_or(""))) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            jobs.push_back(std::atoi(line.c_str() + prefix.size()));
        }
    }
    return jobs;
}

int lastPrintJob() {
    const std::vector<int> jobs = printJobs();
    return jobs.empty() ? 0 : *std::max_element(jobs.begin(), jobs.end());
}

int waitPrintedJob(int after, DWORD timeoutMs) {
    int job = 0;
    waitUntil(
        [&] {
            for (int id : printJobs()) {
                if (id > after && (job == 0 || id < job)) {
                    job = id;
                }
            }
            if (job == 0) {
                return false;
            }
            const std::string queue = printQueue;
            return runHostCommand("lpstat -W completed -o " + queue + " | grep -q '^" + queue +
                                  "-" + std::to_string(job) + " ' && ls " + pdfOfJob(job) +
                                  " >/dev/null 2>&1") == 0;
        },
        timeoutMs);
    return job;
}

std::optional<PrintedDocument> readPrintedDocument(int job) {
    const auto name = hostOutput("basename " + pdfOfJob(job));
    const auto info = hostOutput("pdfinfo " + pdfOfJob(job));
    const auto text = hostOutput("pdftotext -layout " + pdfOfJob(job) + " -");
    if (!name || !info || !text) {
        return std::nullopt;
    }
    PrintedDocument document;
    document.fileName = trimRight(splitLines(*name).empty() ? "" : splitLines(*name).front());
    for (const std::string& line : splitLines(*info)) {
        if (line.compare(0, 6, "Title:") == 0) {
            document.title = line.substr(line.find_first_not_of(' ', 6));
        }
        if (line.compare(0, 6, "Pages:") == 0) {
            document.pageCount = std::atoi(line.c_str() + 6);
        }
    }
    // pdftotext ends every page with a form feed.
    std::string pageText;
    for (char c : *text) {
        if (c != '\f') {
            pageText += c;
            continue;
        }
        std::vector<std::string> lines;
        for (const std::string& line : splitLines(pageText)) {
            lines.push_back(asLaidOut(plainHyphens(trimRight(line))));
        }
        while (!lines.empty() && lines.back().empty()) {
            lines.pop_back();
        }
        document.pages.push_back(lines);
        pageText.clear();
    }
    return document;
}

std::string asLaidOut(const std::string& line) {
    const size_t text = line.find_first_not_of(' ');
    return text == std::string::npos || text == 0 ? line : " " + line.substr(text);
}

std::vector<PdfWord> pdfWords(int job) {
    std::vector<PdfWord> words;
    const auto xml = hostOutput("pdftotext -bbox " + pdfOfJob(job) + " -");
    int page = 0;
    for (const std::string& line : splitLines(xml.value_or(""))) {
        if (line.find("<page ") != std::string::npos) {
            ++page;
        }
        const size_t open = line.find("<word ");
        const size_t close = line.find('>', open);
        const size_t end = line.find("</word>", close);
        if (open == std::string::npos || close == std::string::npos || end == std::string::npos) {
            continue;
        }
        const std::string element = line.substr(open, close - open);
        words.push_back({page, numberAttribute(element, "xMin"), numberAttribute(element, "yMin"),
                         plainHyphens(line.substr(close + 1, end - close - 1))});
    }
    return words;
}

bool writePagePicture(int job, const std::string& hostFile) {
    const size_t slash = hostFile.rfind('/');
    const std::string folder = hostFile.substr(0, slash);
    std::string root = hostFile;
    if (root.size() > 4 && root.compare(root.size() - 4, 4, ".png") == 0) {
        root.resize(root.size() - 4);
    }
    return runHostCommand("mkdir -p '" + folder + "' && pdftoppm -png -r 100 -f 1 -l 1 " +
                              "-singlefile " + pdfOfJob(job) + " '" + root + "'",
                          60000) == 0;
}

std::optional<PrinterReport> reportPrinter(const std::vector<std::string>& lines) {
    TempFolder folder;
    const std::wstring linesFile = folder.path() + L"\\lines.txt";
    const std::wstring reportFile = folder.path() + L"\\report.txt";
    {
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\r\n";
        }
        HANDLE file = CreateFileW(linesFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    const int before = lastPrintJob();
    Program program(windowsPath(PRINTER_REPORT_EXE), folder.path(),
                    L"\"" + linesFile + L"\" \"" + reportFile + L"\"");
    if (!program.started()) {
        return std::nullopt;
    }
    HWND dialog = waitForPrintDialog(program.processId());
    if (dialog == nullptr || !confirmPrint(dialog) || program.waitExit() != DWORD{0}) {
        return std::nullopt;
    }
    PrinterReport report;
    report.job = lastPrintJob() > before ? lastPrintJob() : 0;
    for (const std::string& line : splitLines(readFile(reportFile))) {
        const std::string text = line.substr(0, line.size() - (line.back() == '\r' ? 1 : 0));
        if (text.compare(0, 8, "printer ") == 0) {
            report.printer = text.substr(8);
        } else if (auto v = intAfter(text, "printableWidth")) {
            report.printableWidth = *v;
        } else if (auto v = intAfter(text, "printableHeight")) {
            report.printableHeight = *v;
        } else if (auto v = intAfter(text, "physicalWidth")) {
            report.physicalWidth = *v;
        } else if (auto v = intAfter(text, "physicalHeight")) {
            report.physicalHeight = *v;
        } else if (auto v = intAfter(text, "pixelsPerInchY")) {
            report.pixelsPerInchY = *v;
        } else if (auto v = intAfter(text, "lineHeight")) {
            report.lineHeight = *v;
        } else if (auto v = intAfter(text, "lineGap")) {
            report.lineGap = *v;
        } else if (auto v = intAfter(text, "linesPerPage")) {
            report.linesPerPage = *v;
        } else if (auto v = intAfter(text, "error")) {
            report.error = *v;
        } else if (text.compare(0, 6, "width ") == 0) {
            report.widths.push_back(std::stod(text.substr(6)));
            report.cuts.emplace_back();
        } else if (text.compare(0, 6, "piece ") == 0 && !report.cuts.empty()) {
            report.cuts.back().push_back(text.substr(6));
        }
    }
    return report;
}

std::vector<std::vector<std::string>>
expectedPages(const std::vector<std::vector<std::string>>& cuts, int linesPerPage) {
    std::vector<std::vector<std::string>> pages;
    int used = linesPerPage;
    for (const std::vector<std::string>& printed : cuts) {
        if (used >= linesPerPage) {
            pages.push_back({heading, ""});
            used = 2;
        }
        for (const std::string& line : printed) {
            pages.back().push_back(line);
            ++used;
        }
    }
    return pages;
}

} // namespace e2e
