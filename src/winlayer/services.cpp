#include "winlayer/services.h"

#include <shlobj.h>

#include <memory>
#include <vector>

#include "winlayer/dialogs.h"
#include "winlayer/error_text.h"
#include "winlayer/handles.h"
#include "winlayer/message_count.h"
#include "winlayer/wide_text.h"

namespace winlayer {
namespace {

struct BrowseStart {
    int x;
    int y;
    std::wstring folder;
};

int CALLBACK browseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        const BrowseStart& start = *reinterpret_cast<const BrowseStart*>(data);
        if (start.x != DefaultPosition && start.y != DefaultPosition) {
            SetWindowPos(window, nullptr, start.x, start.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE,
                     reinterpret_cast<LPARAM>(start.folder.c_str()));
    }
    return 0;
}

struct ItemListFree {
    void operator()(ITEMIDLIST* items) const { CoTaskMemFree(items); }
};

} // namespace

const char* const defaultCaption = "Sorvane";

int messageBox(const std::string& text, UINT style, const std::string& title) {
    Sleep(5);
    const int button =
        MessageBoxW(nullptr, toWide(text).c_str(),
                    toWide(title.empty() ? std::string(defaultCaption) : title).c_str(), style);
    noteMessageTaken();
    return button;
}

std::string browseForFolder(HWND owner, int x, int y, const std::string& title,
                            const std::string& startFolder, UINT flags) {
    BrowseStart start{x, y, toWide(startFolder)};
    const std::wstring wideTitle = toWide(title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = flags | BIF_NEWDIALOGSTYLE;
    info.lpfn = browseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&start);
    std::unique_ptr<ITEMIDLIST, ItemListFree> chosen(SHBrowseForFolderW(&info));
    if (!chosen) {
        return std::string();
    }
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.get(), path)) {
        return std::string();
    }
    return fromWide(std::wstring(path));
}

namespace {

// The cursor that setPointer n stands for: none for 0, a standard cursor for 1 to 13, and the
// cursor handle n itself above that.
HCURSOR pointerCursor(INT_PTR n) {
    static const LPCSTR standardCursors[] = {
        IDC_ARROW,    IDC_CROSS,  IDC_IBEAM,   IDC_ARROW, IDC_SIZEALL, IDC_SIZENESW,    IDC_SIZENS,
        IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,  IDC_NO,      IDC_APPSTARTING,
    };
    constexpr INT_PTR standardCount = sizeof(standardCursors) / sizeof(standardCursors[0]);
    if (n == 0) {
        return nullptr;
    }
    if (n < 1 || n > standardCount) {
        return reinterpret_cast<HCURSOR>(n);
    }
    // A shared cursor is the same handle at every load, and the walk asks for one per entry:
    // load each once.
    static HCURSOR loaded[standardCount] = {};
    HCURSOR& cursor = loaded[n - 1];
    if (!cursor) {
        const WORD cursorId = LOWORD(reinterpret_cast<ULONG_PTR>(standardCursors[n - 1]));
        cursor =
            static_cast<HCURSOR>(LoadImageW(nullptr, MAKEINTRESOURCEW(cursorId), IMAGE_CURSOR, 0, 0,
                                            LR_SHARED | LR_DEFAULTSIZE | LR_LOADMAP3DCOLORS));
    }
    return cursor;
}

} // namespace

HCURSOR setPointer(INT_PTR n) {
    const HCURSOR cursor = pointerCursor(n);
    // The walk asks for the busy pointer at every entry, and under Wine every SetCursor is a
    // round trip to the server: skip it while the pointer cannot have changed since it was set.
    static bool anySet = false;
    static HCURSOR lastSet = nullptr;
    static unsigned long lastSetAt = 0;
    if (anySet && cursor == lastSet && lastSetAt == messagesTaken()) {
        return cursor;
    }
    anySet = true;
    lastSet = cursor;
    lastSetAt = messagesTaken();
    return SetCursor(cursor);
}

DWORD startProcess(const std::string& commandLine, int showCommand, bool wait, int* errorNumber) {
    std::wstring command = toWide(commandLine);
    command.push_back(L'\0'); // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION started{};
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const BOOL ok = CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE,
                                   NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &started);
    const DWORD failure = ok ? 0 : GetLastError();
    SetErrorMode(previousMode);
    if (!ok) {
        if (errorNumber) {
            *errorNumber = errorNumberFromWindowsCode(failure);
        }
        return 0;
    }
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    if (!wait) {
        return started.dwProcessId;
    }
    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

void pause(DWORD ms) {
    Sleep(ms);
}

} // namespace winlayer
