// What a search of a tree must list, worked out from the test's own UTF-16 enumeration of the
// tree (FindFirstFileW, names in the order Wine gives them), with the program's rules for
// matching, lower-casing and list lines.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct ExpectedSearch {
    std::wstring findText;
    bool exactName = false;
    bool sizes = false;
    bool dates = false;
};

struct ExpectedLine {
    std::wstring line;
    int sizeKey = 0;
    int dateKey = 0;
};

// CharLowerBuffW of each character that keeps its UTF-8 length.
std::wstring lowered(std::wstring text);

// The lines of a search of folder (as the folder list shows it, with its trailing "\"), files
// and folders both listed, in found order.
std::vector<ExpectedLine> expectedLines(const std::wstring& folder, const ExpectedSearch& search);

// The folders a tracked search of folder reads below it, in walk order, lowered.
std::vector<std::wstring> expectedTrackedFolders(const std::wstring& folder);

} // namespace e2e
