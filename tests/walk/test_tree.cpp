#include "test_tree.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace walktest {
namespace {

std::wstring toWide(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

// The long-path form, so that trees deeper than the ANSI path limit can be built.
std::wstring longPath(const std::string& path) {
    return L"\\\\?\\" + toWide(path);
}

// Under Wine the Linux side is at Z:; a tmpfs there keeps any file time, 1601 included.
std::string baseFolder() {
    const DWORD attributes = GetFileAttributesA("Z:\\dev\\shm");
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return "Z:\\dev\\shm\\";
    }
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

// Starts a program of the Linux side; under Wine it runs on without being waited for.
bool runLinux(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

TestTree::TestTree() {
    // Process ids repeat from one Wine session to the next and /dev/shm is shared by every
    // prefix, so the start time of the run goes into the name as well.
    static const std::string run =
        std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    static int made = 0;
    root_ = baseFolder() + "SorvaneWalk-" + run + "-" + std::to_string(++made) + "\\";
    CreateDirectoryW(longPath(root_).c_str(), nullptr);
}

TestTree::~TestTree() {
    // Links and names Windows can't spell are removed from the Linux side when there is one.
    const std::string folder = unixPath("");
    if (folder.empty() || !runLinux("/bin/rm -rf \"" + folder + "\"")) {
        removeTree(root_);
    }
}

std::string TestTree::makeFolder(const std::string& relative) const {
    std::string path = root_;
    size_t start = 0;
    while (start < relative.size()) {
        size_t end = relative.find('\\', start);
        if (end == std::string::npos) {
            end = relative.size();
        }
        path += relative.substr(start, end - start) + "\\";
        CreateDirectoryW(longPath(path).c_str(), nullptr);
        start = end + 1;
    }
    return path;
}

std::string TestTree::makeFile(const std::string& relative, const std::string& content) const {
    const size_t parent = relative.rfind('\\');
    if (parent != std::string::npos) {
        makeFolder(relative.substr(0, parent));
    }
    const std::string path = root_ + relative;
    HANDLE file = CreateFileW(longPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

std::string TestTree::unixPath(const std::string& relative) const {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) {
        return std::string();
    }
    char* name = toUnix(toWide(root_ + relative).c_str());
    if (name == nullptr) {
        return std::string();
    }
    std::string path(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

bool TestTree::runShell(const std::string& script) const {
    const std::string folder = unixPath("");
    if (folder.empty()) {
        return false;
    }
    // The script goes through a file so that its bytes reach the shell unconverted. Wine's
    // handle of a Linux process neither waits for it nor carries its exit status, so the
    // script leaves marks: one when it is done, one more when it succeeded.
    makeFile("setup.sh",
             "cd '" + folder + "' && {\n" + script + "\n} && touch setup.ok\ntouch setup.done\n");
    if (!runLinux("/bin/sh \"" + folder + "setup.sh\"")) {
        return false;
    }
    const std::string done = root_ + "setup.done";
    for (int waited = 0;
         waited < 30000 && GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 10) {
        Sleep(10);
    }
    const bool succeeded = DeleteFileA((root_ + "setup.ok").c_str()) != FALSE;
    DeleteFileA(done.c_str());
    DeleteFileA((root_ + "setup.sh").c_str());
    return succeeded;
}

void removeTree(const std::string& folder) {
    const std::wstring path = longPath(folder);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name != L"." && name != L"..") {
                    names.push_back(name);
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        for (const std::wstring& name : names) {
            const std::wstring child = path + name;
            const DWORD childAttributes = GetFileAttributesW(child.c_str());
            if (childAttributes != INVALID_FILE_ATTRIBUTES &&
                (childAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(childAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                int length =
                    WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, nullptr, 0, nullptr, nullptr);
                std::string ansi(static_cast<size_t>(length), '\0');
                WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, &ansi[0], length, nullptr,
                                    nullptr);
                ansi.resize(static_cast<size_t>(length - 1));
                removeTree(folder + ansi + "\\");
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (!DeleteFileW(child.c_str())) {
                    RemoveDirectoryW(child.c_str());
                }
            }
        }
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

std::uint64_t lastWriteTimeOf(const std::string& file) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(longPath(file).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    FindClose(find);
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

void setLastWriteTime(const std::string& file, std::uint64_t time) {
    HANDLE handle = CreateFileW(longPath(file).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    FILETIME written;
    written.dwLowDateTime = static_cast<DWORD>(time);
    written.dwHighDateTime = static_cast<DWORD>(time >> 32);
    SetFileTime(handle, nullptr, nullptr, &written);
    CloseHandle(handle);
}

std::string fileBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace walktest
