// Setting up a search in the query dialog, starting it, and reading the results window.
#pragma once

#include "running_walk.h"
#include "session.h"

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// The query dialog's settings for one search; folders are added through the folder browser.
struct SearchSetup {
    std::wstring findText;
    bool exactName = false;
    bool files = true;
    bool folders = true;
    bool sizes = false;
    bool dates = false;
    bool track = false;
};

// What the results window shows.
struct ResultsView {
    std::wstring title;
    std::wstring caption; // of the run button
    std::wstring status;
    std::wstring count;
    std::vector<std::wstring> lines;
    bool bySizeEnabled = false;
    bool byDateEnabled = false;
};

// Empties the shown folder list with "&Del".
bool deleteAllFolders(HWND queryDialog);
// Shows the search folders (or the except folders) in the folder list.
bool showFolderList(HWND queryDialog, bool except);
// Replaces the default search folder "C:\" by folders, added in that order through the
// folder browser; returns the entries as the list shows them, empty on failure.
std::vector<std::wstring> useSearchFolders(const Session& session,
                                           const std::vector<std::wstring>& folders);
// Sets a check box or radio button by clicking it, as the user does.
bool setBox(HWND dialog, int id, bool on);
// Applies the text, the match mode and the check boxes.
bool applySetup(HWND queryDialog, const SearchSetup& setup);

// Presses "&Begin" and waits for the results window; nullptr when none opens.
HWND begin(const Session& session);
// The results window of the process, or nullptr.
HWND resultsWindow(DWORD processId);
// Waits until the run button reads "&Exit".
bool waitDone(HWND resultsWindow, DWORD timeoutMs = defaultTimeoutMs);
ResultsView view(HWND resultsWindow);
// Presses "&Exit" and waits until the query dialog can be used again.
bool exitResults(HWND resultsWindow, HWND queryDialog);

// Runs a whole search: setup, "&Begin", wait for the end, read the window, "&Exit".
ResultsView search(const Session& session, const SearchSetup& setup);

// A tree that takes the walk a while, with few matches among many entries: Big\d0 .. d39,
// 400 files each, of which hit0.txt, hit100.txt, hit200.txt and hit300.txt match "hit", and a
// folder hitdir in every tenth folder. Sizes and dates of the hits repeat, so that many keys
// are equal.
class ManyEntriesTree {
public:
    static constexpr int folderCount = 40;
    static constexpr int filesPerFolder = 400;
    static constexpr int hitStride = 100;
    static constexpr int folderStride = 10;

    ManyEntriesTree();
    std::wstring bigFolder() const { return root_.path() + L"\\Big"; }

    // The lines of a search of bigFolder for "hit" with sizes and dates, in found order (depth
    // first, names in the order Wine lists them).
    std::vector<std::wstring> foundLines() const;
    // The size and date keys of such a line, from what the tree made: 0 for a folder.
    static std::int32_t sizeKey(const std::wstring& line);
    static std::int32_t dateKey(const std::wstring& line);

private:
    TempFolder root_;
};
// How far the results list scrolls sideways (LB_GETHORIZONTALEXTENT).
int horizontalExtent(HWND resultsWindow);
// The pixel width up to which the list must scroll once it has shown lines: the widest of
// them in the list's font, measured in this process, plus 10.
int extentFor(const std::vector<std::wstring>& lines);

// Pixels of the status label as the screen shows it, counted by the colour of its text.
struct LabelInk {
    int red = 0;   // close to red 255, green 0, blue 0
    int green = 0; // close to red 0, green 128, blue 0
};
LabelInk statusInk(HWND resultsWindow);

// A message box (or other dialog) of the program other than its two windows.
HWND waitForBox(const Session& session, HWND resultsWindow);

std::wstring lowerCase(std::wstring text);
// The text in the ANSI code page, or in another one.
std::string narrow(const std::wstring& text, UINT codePage = CP_ACP);
// The bytes of a file; empty when it cannot be read.
std::string readFile(const std::wstring& path);
std::vector<std::wstring> sorted(std::vector<std::wstring> lines);
// A file's last write time set to a UTC moment.
bool setLastWriteUtc(const std::wstring& file, WORD year, WORD month, WORD day, WORD hour,
                     WORD minute);

} // namespace e2e
