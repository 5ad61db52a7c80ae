#include "search_driver.h"

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>

namespace e2e {

bool deleteAllFolders(HWND queryDialog) {
    while (!listItems(queryDialog, query::folderList).empty()) {
        const size_t before = listItems(queryDialog, query::folderList).size();
        selectListItem(queryDialog, query::folderList, 0);
        click(queryDialog, query::del);
        if (!waitUntil([&] { return listItems(queryDialog, query::folderList).size() < before; })) {
            return false;
        }
    }
    return true;
}

bool showFolderList(HWND queryDialog, bool except) {
    return setBox(queryDialog, except ? query::showExcept : query::showSearch, true);
}

std::vector<std::wstring> useSearchFolders(const Session& session,
                                           const std::vector<std::wstring>& folders) {
    if (!showFolderList(session.dialog(), false) || !deleteAllFolders(session.dialog())) {
        return {};
    }
    std::vector<std::wstring> entries;
    for (const std::wstring& folder : folders) {
        const std::wstring entry = addFolder(session.processId(), session.dialog(), folder);
        if (entry.empty()) {
            return {};
        }
        entries.push_back(entry);
    }
    return entries;
}

bool setBox(HWND dialog, int id, bool on) {
    const int wanted = on ? BST_CHECKED : BST_UNCHECKED;
    if (checkState(dialog, id) != wanted) {
        click(dialog, id);
    }
    return waitUntil([&] { return checkState(dialog, id) == wanted; });
}

bool applySetup(HWND queryDialog, const SearchSetup& setup) {
    setText(queryDialog, query::findText, setup.findText);
    return setBox(queryDialog, setup.exactName ? query::exactName : query::partOfName, true) &&
           // Sizes and dates first: unchecking "Files" disables them.
           setBox(queryDialog, query::fileSizes, setup.sizes) &&
           setBox(queryDialog, query::fileDates, setup.dates) &&
           setBox(queryDialog, query::files, setup.files) &&
           setBox(queryDialog, query::folders, setup.folders) &&
           setBox(queryDialog, query::track, setup.track);
}

HWND resultsWindow(DWORD processId) {
    for (HWND window : topLevelWindows(processId, dialogClass)) {
        const std::wstring title = windowText(window);
        if (title == L"Matching Files" || title == L"Matching Files and Folders") {
            return window;
        }
    }
    return nullptr;
}

HWND begin(const Session& session) {
    click(session.dialog(), query::begin);
    HWND window = nullptr;
    waitUntil([&] { return (window = resultsWindow(session.processId())) != nullptr; });
    return window;
}

bool waitDone(HWND resultsWindow, DWORD timeoutMs) {
    return waitUntil([&] { return windowText(control(resultsWindow, results::run)) == L"&Exit"; },
                     timeoutMs);
}

ResultsView view(HWND resultsWindow) {
    ResultsView shown;
    shown.title = windowText(resultsWindow);
    shown.caption = windowText(control(resultsWindow, results::run));
    shown.status = windowText(control(resultsWindow, results::status));
    shown.count = windowText(control(resultsWindow, results::count));
    shown.lines = listItems(resultsWindow, results::list);
    shown.bySizeEnabled = isEnabled(resultsWindow, results::bySize);
    shown.byDateEnabled = isEnabled(resultsWindow, results::byDate);
    return shown;
}

bool exitResults(HWND resultsWindow, HWND queryDialog) {
    click(resultsWindow, results::run);
    return waitForClose(resultsWindow) &&
           waitUntil([&] { return IsWindowEnabled(queryDialog) != FALSE; });
}

ResultsView search(const Session& session, const SearchSetup& setup) {
    if (!applySetup(session.dialog(), setup)) {
        return {};
    }
    HWND window = begin(session);
    if (window == nullptr || !waitDone(window)) {
        return {};
    }
    ResultsView shown = view(window);
    if (!exitResults(window, session.dialog())) {
        return {};
    }
    return shown;
}

namespace {

// Bytes of hit k (hit0.txt, hit25.txt, ...): 1, 1, 2 and 5 KB as listed.
constexpr DWORD hitBytes[] = {0, 1024, 1536, 5000};
constexpr std::int32_t hitKilobytes[] = {1, 1, 2, 5};

// Files of folder dN are dated the (1 + N % 3)th of January 2020, so many share a day.
int hitDay(int folder) {
    return 1 + folder % 3;
}

std::wstring folderName(int folder) {
    return L"d" + std::to_wstring(folder);
}

// Folder and hit numbers of a file line ("...\d7\hit50.txt, ..."); false for other lines.
bool hitOf(const std::wstring& line, int& folder, int& hit) {
    const size_t name = line.rfind(L"\\hit");
    const size_t dot = line.find(L".txt", name);
    const size_t dir = name == std::wstring::npos ? name : line.rfind(L"\\d", name - 1);
    if (name == std::wstring::npos || dot == std::wstring::npos || dir == std::wstring::npos) {
        return false;
    }
    folder = std::stoi(line.substr(dir + 2, name - dir - 2));
    hit = std::stoi(line.substr(name + 4, dot - name - 4)) / ManyEntriesTree::hitStride;
    return true;
}

} // namespace

ManyEntriesTree::ManyEntriesTree() {
    for (int folder = 0; folder < folderCount; ++folder) {
        const std::wstring prefix = L"Big\\" + folderName(folder) + L"\\";
        for (int file = 0; file < filesPerFolder; ++file) {
            if (file % hitStride != 0) {
                root_.makeFile(prefix + L"e" + std::to_wstring(file) + L".txt");
                continue;
            }
            const std::wstring hit = root_.makeFile(
                prefix + L"hit" + std::to_wstring(file) + L".txt", hitBytes[file / hitStride]);
            setLastWriteUtc(hit, 2020, 1, static_cast<WORD>(hitDay(folder)), 12, 0);
        }
        if (folder % folderStride == 0) {
            root_.makeFolder(prefix + L"hitdir");
        }
    }
}

std::vector<std::wstring> ManyEntriesTree::foundLines() const {
    const std::wstring entry = bigFolder() + L"\\";
    std::vector<std::wstring> folders;
    for (int folder = 0; folder < folderCount; ++folder) {
        folders.push_back(folderName(folder));
    }
    std::sort(folders.begin(), folders.end());
    std::vector<std::wstring> lines;
    for (const std::wstring& name : folders) {
        const int folder = std::stoi(name.substr(1));
        const std::wstring path = lowerCase(entry) + name + L"\\";
        for (int file = 0; file < filesPerFolder; file += hitStride) {
            lines.push_back(path + L"hit" + std::to_wstring(file) + L".txt, " +
                            std::to_wstring(hitKilobytes[file / hitStride]) + L" KB, 01/0" +
                            std::to_wstring(hitDay(folder)) + L"/2020");
        }
        if (folder % folderStride == 0) {
            lines.push_back(path + L"hitdir\\");
        }
    }
    return lines;
}

std::int32_t ManyEntriesTree::sizeKey(const std::wstring& line) {
    int folder = 0;
    int hit = 0;
    return hitOf(line, folder, hit) ? hitKilobytes[hit] : 0;
}

std::int32_t ManyEntriesTree::dateKey(const std::wstring& line) {
    int folder = 0;
    int hit = 0;
    return hitOf(line, folder, hit) ? 20200100 + hitDay(folder) : 0;
}

int horizontalExtent(HWND resultsWindow) {
    return static_cast<int>(
        SendMessageW(control(resultsWindow, results::list), LB_GETHORIZONTALEXTENT, 0, 0));
}

int extentFor(const std::vector<std::wstring>& lines) {
    const ReferenceDialog reference;
    return reference.widestLine(lines) + 10;
}

LabelInk statusInk(HWND resultsWindow) {
    RECT rect{};
    GetWindowRect(control(resultsWindow, results::status), &rect);
    LabelInk ink;
    for (const RGBQUAD pixel : screenPixels(rect)) {
        ink.red += pixel.rgbRed > 160 && pixel.rgbGreen < 90 && pixel.rgbBlue < 90;
        ink.green += pixel.rgbGreen > 70 && pixel.rgbRed < 60 && pixel.rgbBlue < 60;
    }
    return ink;
}

HWND waitForBox(const Session& session, HWND resultsWindow) {
    HWND found = nullptr;
    waitUntil([&] {
        for (HWND window : topLevelWindows(session.processId(), dialogClass)) {
            if (window != session.dialog() && window != resultsWindow) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::wstring lowerCase(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::string narrow(const std::wstring& text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &result[0], size,
                        nullptr, nullptr);
    return result;
}

std::string readFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> sorted(std::vector<std::wstring> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool setLastWriteUtc(const std::wstring& file, WORD year, WORD month, WORD day, WORD hour,
                     WORD minute) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    FILETIME written;
    if (!SystemTimeToFileTime(&time, &written)) {
        return false;
    }
    HANDLE handle = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool set = SetFileTime(handle, nullptr, nullptr, &written) != FALSE;
    CloseHandle(handle);
    return set;
}

} // namespace e2e
