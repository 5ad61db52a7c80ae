#pragma once

// How quickly a running search answers, measured from another process: the time from posting
// "&Stop" until the window reads "Stopped", and the time from a line entering the list until
// the screen shows it.

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Polls the results window's status label, a millisecond apart and without a message to the
// program (so the answer neither waits for the program to look at its queue nor disturbs it),
// until it reads text; false when it reads "Done" instead or timeoutMs has passed.
bool waitForStatus(HWND results, const std::wstring& text, double timeoutMs);

// Milliseconds for each "&Stop", from posting it until the window reads "Stopped" (held) and
// until it then answers a message (repainted: the hold draws the list and the labels before
// the program looks at its queue again). A search that ends first is begun again.
struct Holds {
    std::vector<double> held;
    std::vector<double> repainted;
};
Holds timeHolds(DWORD processId, HWND queryDialog, const std::wstring& findText, int tries);

// Milliseconds for each try; fewer than tries when the search ended first.
std::vector<double> timeShows(DWORD processId, HWND queryDialog, const std::wstring& findText,
                              int tries);

double median(std::vector<double> values);
double maximum(const std::vector<double>& values);

} // namespace bench
