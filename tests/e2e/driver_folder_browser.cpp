// Driving the platform's folder browser that "&Add" opens. The browser takes a folder path
// through BFFM_SETSELECTIONW, whose text must live in the browser's own process, so it is
// written there; the tree's selected item is read back the same way before OK is pressed.
#include "driver.h"

#include <commctrl.h>
#include <shlobj.h>

namespace e2e {

namespace {

// A block of memory inside another process.
class RemoteMemory {
public:
    RemoteMemory(DWORD processId, SIZE_T size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId)) {
        if (process_) {
            address_ =
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteMemory() {
        if (address_) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
        if (process_) {
            CloseHandle(process_);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool valid() const { return address_ != nullptr; }
    char* at(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
    bool write(SIZE_T offset, const void* data, SIZE_T size) const {
        return WriteProcessMemory(process_, at(offset), data, size, nullptr) != FALSE;
    }
    bool read(SIZE_T offset, void* data, SIZE_T size) const {
        return ReadProcessMemory(process_, at(offset), data, size, nullptr) != FALSE;
    }

private:
    HANDLE process_;
    void* address_ = nullptr;
};

HWND treeOf(HWND browser) {
    return FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
}

HWND findBrowser(DWORD processId, HWND queryDialog) {
    for (HWND window : topLevelWindows(processId, dialogClass)) {
        if (window != queryDialog && treeOf(window)) {
            return window;
        }
    }
    return nullptr;
}

bool isDriveRoot(const std::wstring& folder) {
    return folder.size() <= 3 && folder.size() >= 2 && folder[1] == L':';
}

std::wstring leafName(std::wstring folder) {
    while (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    const size_t slash = folder.rfind(L'\\');
    return slash == std::wstring::npos ? folder : folder.substr(slash + 1);
}

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Selects folder in the browser's tree and checks that the selected item is that folder.
bool selectFolder(DWORD processId, HWND browser, const std::wstring& folder) {
    constexpr SIZE_T textOffset = 1024;
    const SIZE_T pathBytes = (folder.size() + 1) * sizeof(wchar_t);
    RemoteMemory memory(processId, textOffset + pathBytes + MAX_PATH * sizeof(wchar_t));
    if (!memory.valid() || !memory.write(textOffset, folder.c_str(), pathBytes)) {
        return false;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(browser, BFFM_SETSELECTIONW, TRUE,
                        reinterpret_cast<LPARAM>(memory.at(textOffset)), SMTO_NORMAL,
                        defaultTimeoutMs, &ignored);
    if (isDriveRoot(folder)) {
        return true;
    }
    const HWND tree = treeOf(browser);
    DWORD_PTR item = 0;
    SendMessageTimeoutW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_NORMAL, defaultTimeoutMs, &item);
    if (!item) {
        return false;
    }
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = reinterpret_cast<HTREEITEM>(item);
    query.pszText = reinterpret_cast<wchar_t*>(memory.at(textOffset));
    query.cchTextMax = MAX_PATH;
    DWORD_PTR found = 0;
    if (!memory.write(0, &query, sizeof(query)) ||
        !SendMessageTimeoutW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.at(0)),
                             SMTO_NORMAL, defaultTimeoutMs, &found) ||
        !found) {
        return false;
    }
    wchar_t text[MAX_PATH] = {};
    if (!memory.read(textOffset, text, sizeof(text) - sizeof(wchar_t))) {
        return false;
    }
    return sameIgnoringCase(text, leafName(folder));
}

} // namespace

std::wstring addFolder(DWORD processId, HWND queryDialog, const std::wstring& folder) {
    const size_t before = listItems(queryDialog, query::folderList).size();
    // Under Wine the first selection sent to a browser that has just appeared is now and then
    // lost: it is sent again until the tree shows it, and at worst the browser is reopened.
    for (int opening = 0; opening < 3; ++opening) {
        click(queryDialog, query::add);
        HWND browser = nullptr;
        if (!waitUntil(
                [&] { return (browser = findBrowser(processId, queryDialog)) != nullptr; })) {
            return {};
        }
        if (!waitUntil([&] { return selectFolder(processId, browser, folder); }, 1000)) {
            if (!pressMessageBoxButton(browser, IDCANCEL)) {
                return {};
            }
            continue;
        }
        if (!pressMessageBoxButton(browser, IDOK)) {
            return {};
        }
        std::vector<std::wstring> items;
        if (!waitUntil([&] {
                items = listItems(queryDialog, query::folderList);
                return items.size() == before + 1;
            })) {
            return {};
        }
        return items.back();
    }
    return {};
}

} // namespace e2e
