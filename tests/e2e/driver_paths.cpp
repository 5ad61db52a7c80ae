// Waiting, path conversion between the host and Windows, and the tests' temporary folders.
#include "driver.h"

#include <atomic>

namespace e2e {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return condition();
        }
        Sleep(10);
    }
}

namespace {

std::wstring widen(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}

void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

std::wstring windowsPath(const std::string& givenPath) {
    std::wstring path = widen(givenPath);
    if (path.empty() || path[0] != L'/') {
        return path;
    }
    // Wine maps the host's root folder to drive Z:.
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return L"Z:" + path;
}

std::string hostPath(const std::wstring& windowsPath) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const FARPROC proc = kernel ? GetProcAddress(kernel, "wine_get_unix_file_name") : nullptr;
    if (!proc) {
        return {};
    }
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(proc));
    char* unixPath = toUnix(windowsPath.c_str());
    if (!unixPath) {
        return {};
    }
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    std::wstring base(temp, length);
    while (!base.empty() && base.back() == L'\\') {
        base.pop_back();
    }
    for (;;) {
        path_ = base + L"\\sorvane-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr)) {
            break;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            path_.clear();
            break;
        }
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) {
        removeTree(path_);
    }
}

std::wstring TempFolder::makeFolder(const std::wstring& relative) const {
    std::wstring path = path_;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find(L'\\', start);
        if (end == std::wstring::npos) {
            end = relative.size();
        }
        if (end > start) {
            path += L"\\" + relative.substr(start, end - start);
            CreateDirectoryW(path.c_str(), nullptr);
        }
        start = end + 1;
    }
    return path;
}

std::wstring TempFolder::makeFile(const std::wstring& relative, DWORD size) const {
    const size_t slash = relative.rfind(L'\\');
    if (slash != std::wstring::npos) {
        makeFolder(relative.substr(0, slash));
    }
    const std::wstring path = path_ + L"\\" + relative;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER end;
        end.QuadPart = size;
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    return path;
}

} // namespace e2e
