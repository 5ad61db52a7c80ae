// Setting up a search in the query dialog, starting it, and reading the results window.
#pragma once

#include "session.h"

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

std::wstring lowerCase(std::wstring text);
// The bytes of a file; empty when it cannot be read.
std::string readFile(const std::wstring& path);
std::vector<std::wstring> sorted(std::vector<std::wstring> lines);
// A file's last write time set to a UTC moment.
bool setLastWriteUtc(const std::wstring& file, WORD year, WORD month, WORD day, WORD hour,
                     WORD minute);

} // namespace e2e
