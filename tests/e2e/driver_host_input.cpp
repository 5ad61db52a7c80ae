// Real keyboard and mouse input and screenshots through host programs (xdotool, ImageMagick).
// Under Wine a Windows process can start a host program by its Z:\ path, but gets no handle
// to wait on, so the shell that runs it writes its exit status to a file that is polled.
#include "driver.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <sstream>

namespace e2e {

namespace {

std::wstring widenAscii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::string readSmallFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    char buffer[64];
    DWORD got = 0;
    ReadFile(file, buffer, sizeof(buffer) - 1, &got, nullptr);
    CloseHandle(file);
    return std::string(buffer, got);
}

std::string readWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    CloseHandle(file);
    return text;
}

// Key names and window numbers only: nothing the shell could take for syntax.
bool isPlainWord(const std::string& word) {
    if (word.empty()) {
        return false;
    }
    for (char c : word) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '+';
        if (!ok) {
            return false;
        }
    }
    return true;
}

std::string xWindowOf(HWND window) {
    // Wine's X11 driver keeps the X window of a top-level window in this property.
    const auto xWindow = reinterpret_cast<UINT_PTR>(GetPropW(window, L"__wine_x11_whole_window"));
    return xWindow ? std::to_string(static_cast<unsigned long long>(xWindow)) : std::string();
}

} // namespace

int runHostCommand(const std::string& command, DWORD timeoutMs) {
    if (command.find('"') != std::string::npos) {
        return -1;
    }
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring status = std::wstring(temp, length) + L"sorvane-e2e-host-" +
                                std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++counter) + L".status";
    DeleteFileW(status.c_str());
    const std::string statusOnHost = hostPath(status);
    if (statusOnHost.empty() || statusOnHost.find('\'') != std::string::npos) {
        return -1;
    }
    std::wstring commandLine = L"Z:\\bin\\sh -c \"" + widenAscii(command) + L"; echo $? > '" +
                               widenAscii(statusOnHost) + L".part' && mv '" +
                               widenAscii(statusOnHost) + L".part' '" + widenAscii(statusOnHost) +
                               L"'\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return -1;
    }
    if (info.hThread) {
        CloseHandle(info.hThread);
    }
    if (info.hProcess) {
        CloseHandle(info.hProcess);
    }
    if (!waitUntil([&] { return GetFileAttributesW(status.c_str()) != INVALID_FILE_ATTRIBUTES; },
                   timeoutMs)) {
        return -1;
    }
    const std::string text = readSmallFile(status);
    DeleteFileW(status.c_str());
    return text.empty() ? -1 : std::atoi(text.c_str());
}

bool focusForKeys(HWND topLevelWindow) {
    const std::string xWindow = xWindowOf(topLevelWindow);
    if (xWindow.empty() || runHostCommand("xdotool windowfocus --sync " + xWindow) != 0) {
        return false;
    }
    // X focus alone need not activate the Wine window (on a display without a window manager
    // it does not): Wine sends keys to its own foreground window, so that is set as well.
    SetForegroundWindow(topLevelWindow);
    return waitUntil([&] { return GetForegroundWindow() == topLevelWindow; });
}

bool pressKeys(HWND topLevelWindow, const std::vector<std::string>& keys) {
    std::string command = "xdotool key";
    for (const std::string& key : keys) {
        if (!isPlainWord(key)) {
            return false;
        }
        command += " " + key;
    }
    return focusForKeys(topLevelWindow) && runHostCommand(command) == 0;
}

bool clickMouse(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    const long x = (rect.left + rect.right) / 2;
    const long y = (rect.top + rect.bottom) / 2;
    return runHostCommand("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) +
                          " click 1") == 0;
}

bool listItemPoint(HWND list, int index, POINT& point) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    RECT client;
    if (top == LB_ERR || height == LB_ERR || height <= 0 || !GetClientRect(list, &client)) {
        return false;
    }
    point = POINT{client.right / 4, static_cast<long>((index - top) * height + height / 2)};
    return point.y < client.bottom && ClientToScreen(list, &point);
}

bool clickAt(POINT point, int clicks) {
    return runHostCommand("xdotool mousemove " + std::to_string(point.x) + " " +
                          std::to_string(point.y) + " click --repeat " + std::to_string(clicks) +
                          " --delay 60 1") == 0;
}

bool clickListItem(HWND list, int index, int clicks) {
    POINT point{};
    return listItemPoint(list, index, point) && clickAt(point, clicks);
}

bool screenshot(const std::string& hostFile) {
    if (hostFile.find('\'') != std::string::npos) {
        return false;
    }
    const size_t slash = hostFile.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : hostFile.substr(0, slash);
    return runHostCommand("mkdir -p '" + folder + "' && import -window root '" + hostFile + "'",
                          30000) == 0;
}

std::vector<XIcon> xWindowIcons(HWND topLevelWindow) {
    const std::string xWindow = xWindowOf(topLevelWindow);
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring listing = std::wstring(temp, length) + L"sorvane-e2e-icon-" +
                                 std::to_wstring(GetCurrentProcessId()) + L".txt";
    const std::string listingOnHost = hostPath(listing);
    if (xWindow.empty() || listingOnHost.empty() || listingOnHost.find('\'') != std::string::npos ||
        runHostCommand("xprop -id " + xWindow + " -notype 32c _NET_WM_ICON > '" + listingOnHost +
                       "'") != 0) {
        return {};
    }
    // "_NET_WM_ICON = 16, 16, argb, argb, ..., 32, 32, ...": each image is its width, its
    // height and then its pixels.
    const std::string text = readWholeFile(listing);
    DeleteFileW(listing.c_str());
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        return {};
    }
    std::vector<unsigned long> numbers;
    std::istringstream values(text.substr(equals + 1));
    for (std::string value; std::getline(values, value, ',');) {
        numbers.push_back(std::strtoul(value.c_str(), nullptr, 10));
    }
    std::vector<XIcon> icons;
    for (size_t at = 0; at + 2 <= numbers.size();) {
        XIcon icon{static_cast<int>(numbers[at]), static_cast<int>(numbers[at + 1]), {}};
        const size_t pixels = static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height);
        if (icon.width <= 0 || icon.height <= 0 || at + 2 + pixels > numbers.size()) {
            return {};
        }
        icon.argb.assign(numbers.begin() + static_cast<std::ptrdiff_t>(at + 2),
                         numbers.begin() + static_cast<std::ptrdiff_t>(at + 2 + pixels));
        icons.push_back(icon);
        at += 2 + pixels;
    }
    return icons;
}

} // namespace e2e
