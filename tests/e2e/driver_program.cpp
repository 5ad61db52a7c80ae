// Starting the program and finding, waiting for and closing its top-level windows.
#include "driver.h"

namespace e2e {

Program::Program(const std::wstring& exe, const std::wstring& currentFolder,
                 const std::wstring& arguments, WORD showCommand) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
    }
}

Program::~Program() {
    if (!process_) {
        return;
    }
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, defaultTimeoutMs);
    }
    CloseHandle(process_);
}

std::optional<DWORD> Program::waitExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

int Program::bits() const {
    BOOL wow64 = FALSE;
    if (!process_ || !IsWow64Process(process_, &wow64)) {
        return 0;
    }
    if (wow64) {
        return 32;
    }
    SYSTEM_INFO system{};
    GetNativeSystemInfo(&system);
    switch (system.wProcessorArchitecture) {
    case PROCESSOR_ARCHITECTURE_INTEL:
        return 32;
    case PROCESSOR_ARCHITECTURE_AMD64:
        return 64;
    default:
        return 0;
    }
}

std::wstring Program::imagePath() const {
    wchar_t path[MAX_PATH * 4];
    DWORD length = static_cast<DWORD>(sizeof(path) / sizeof(path[0]));
    if (!process_ || !QueryFullProcessImageNameW(process_, 0, path, &length)) {
        return {};
    }
    return std::wstring(path, length);
}

namespace {

struct WindowSearch {
    DWORD processId;
    const std::wstring* className;
    const std::wstring* title;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (!search.className->empty() && windowClass(window) != *search.className) {
        return TRUE;
    }
    if (!search.title->empty() && windowText(window) != *search.title) {
        return TRUE;
    }
    search.found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> topLevelWindows(DWORD processId, const std::wstring& className,
                                  const std::wstring& title) {
    WindowSearch search{processId, &className, &title, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(DWORD processId, const std::wstring& className, const std::wstring& title,
                   DWORD timeoutMs) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            const auto windows = topLevelWindows(processId, className, title);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool waitForClose(HWND window, DWORD timeoutMs) {
    return waitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

void closeWindow(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace e2e
