#include "responsiveness.h"

#include <algorithm>

#include "driver.h"

namespace bench {

namespace {

double nowMs() {
    static const double frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

constexpr double giveUpMs = 10000;

// GetWindowTextW reads another process's window text without sending it a message, so the
// answer does not wait until the program next looks at its queue (after the list has been drawn,
// for instance).
std::wstring statusOf(HWND results) {
    wchar_t text[64] = {};
    GetWindowTextW(e2e::control(results, e2e::results::status), text, 64);
    return text;
}

// Starts the search and waits for its results window.
HWND beginSearch(DWORD processId, HWND queryDialog, const std::wstring& findText) {
    e2e::setText(queryDialog, e2e::query::findText, findText);
    e2e::click(queryDialog, e2e::query::begin);
    return e2e::waitForOtherDialog(processId, queryDialog);
}

void endSearch(HWND results) {
    e2e::closeWindow(results);
    e2e::waitForClose(results, 60000);
}

LRESULT lineCount(HWND list) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count)) {
        return -1;
    }
    return static_cast<LRESULT>(count);
}

} // namespace

bool waitForStatus(HWND results, const std::wstring& text, double timeoutMs) {
    const double since = nowMs();
    while (nowMs() - since < timeoutMs) {
        const std::wstring status = statusOf(results);
        if (status == text) {
            return true;
        }
        if (status == L"Done") {
            return false;
        }
        Sleep(1);
    }
    return false;
}

Holds timeHolds(DWORD processId, HWND queryDialog, const std::wstring& findText, int tries) {
    Holds holds;
    HWND results = nullptr;
    for (int i = 0; i < tries; ++i) {
        if (results == nullptr) {
            results = beginSearch(processId, queryDialog, findText);
            if (results == nullptr) {
                break;
            }
            e2e::waitUntil(
                [&] { return lineCount(e2e::control(results, e2e::results::list)) > 0; });
        }
        // Let the run go on for a while between two holds, a different while each time (20 to
        // 69 ms), so that the clicks fall on every moment of the list's 50 ms showing cycle.
        Sleep(static_cast<DWORD>(20 + i * 17 % 50));
        const double posted = nowMs();
        // Once done, the run button would end the window.
        const bool done = statusOf(results) == L"Done";
        if (!done) {
            e2e::click(results, e2e::results::run);
        }
        if (done || !waitForStatus(results, L"Stopped", giveUpMs)) {
            // The search ended before the click was taken: the next try begins it again.
            endSearch(results);
            results = nullptr;
            --i;
            continue;
        }
        holds.held.push_back(nowMs() - posted);
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(results, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer)) {
            break;
        }
        holds.repainted.push_back(nowMs() - posted);
        e2e::click(results, e2e::results::run);
        if (!waitForStatus(results, L"Please wait", giveUpMs)) {
            break;
        }
    }
    if (results != nullptr) {
        endSearch(results);
    }
    return holds;
}

std::vector<double> timeShows(DWORD processId, HWND queryDialog, const std::wstring& findText,
                              int tries) {
    std::vector<double> shown;
    while (static_cast<int>(shown.size()) < tries) {
        const HWND results = beginSearch(processId, queryDialog, findText);
        if (results == nullptr) {
            break;
        }
        const HWND list = e2e::control(results, e2e::results::list);
        const int rows = e2e::listRowsOnScreen(list);
        // Row i: when the list first counted its line, and whether the screen shows it yet.
        std::vector<double> counted(static_cast<size_t>(rows), -1);
        std::vector<bool> seen(static_cast<size_t>(rows), false);
        LRESULT known = 0;
        int measured = 0;
        const size_t before = shown.size();
        const double started = nowMs();
        while (measured < rows && nowMs() - started < 120000) {
            const LRESULT count = lineCount(list);
            const double at = nowMs();
            for (LRESULT line = known; line < std::min<LRESULT>(count, rows); ++line) {
                counted[static_cast<size_t>(line)] = at;
            }
            known = std::max(known, count);
            for (int row = 0; row < std::min<int>(static_cast<int>(known), rows); ++row) {
                if (!seen[static_cast<size_t>(row)] && e2e::listRowShowsText(list, row)) {
                    seen[static_cast<size_t>(row)] = true;
                    shown.push_back(nowMs() - counted[static_cast<size_t>(row)]);
                    ++measured;
                }
            }
            if (statusOf(results) == L"Done" &&
                measured == std::min<int>(static_cast<int>(known), rows)) {
                break;
            }
            Sleep(1);
        }
        endSearch(results);
        if (shown.size() == before) {
            break;
        }
    }
    return shown;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double maximum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

} // namespace bench
