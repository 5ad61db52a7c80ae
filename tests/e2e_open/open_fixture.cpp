#include "open_fixture.h"

namespace e2e {

std::unique_ptr<TempFolder> OpenFixture::programFolder;

namespace {

constexpr DWORD escapeCheckMs = 200;

std::wstring folderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring ownFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    return folderOf(std::wstring(path, length));
}

} // namespace

void OpenFixture::SetUpTestSuite() {
    programFolder = std::make_unique<TempFolder>();
    const std::wstring& folder = programFolder->path();
    if (!CopyFileW(sorvaneExe().c_str(), (folder + L"\\sorvane.exe").c_str(), FALSE) ||
        !CopyFileW((ownFolder() + L"\\explorer.exe").c_str(), (folder + L"\\explorer.exe").c_str(),
                   FALSE)) {
        programFolder.reset();
    }
}

void OpenFixture::TearDownTestSuite() {
    programFolder.reset();
}

std::wstring OpenFixture::program() {
    return programFolder ? programFolder->path() + L"\\sorvane.exe" : std::wstring();
}

OpenFixture::SmallSearch::SmallSearch() {
    root.makeFile(L"Work\\pear.txt");
    root.makeFile(L"Work\\plan.txt");
    root.makeFile(L"Work\\plum.txt");
    if (session.dialog() == nullptr) {
        return;
    }
    const std::wstring work = root.path() + L"\\Work";
    if (useSearchFolders(session, {work}) != std::vector<std::wstring>{work + L"\\"}) {
        return;
    }
    for (const wchar_t* name : {L"pear.txt", L"plan.txt", L"plum.txt"}) {
        lines.push_back(work + L"\\" + name);
    }
    SearchSetup setup;
    setup.findText = L"p";
    ready = applySetup(session.dialog(), setup);
}

HWND OpenFixture::beginAndWait(const Session& session) {
    HWND window = begin(session);
    return window && waitDone(window) ? window : nullptr;
}

std::wstring explorerCommand(const std::wstring& line) {
    return L"explorer /select, " + line;
}

std::vector<std::wstring> explorerCalls(const Session& session) {
    const std::string bytes = readFile(session.folder().path() + L"\\explorerCalls.txt");
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<char*>(&text[0]));
    std::vector<std::wstring> calls;
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
        calls.push_back(text.substr(start, end - start));
    }
    return calls;
}

bool waitForCalls(const Session& session, size_t count) {
    return waitUntil([&] { return explorerCalls(session).size() >= count; }) &&
           explorerCalls(session).size() == count;
}

void letEscapeChecksRun() {
    Sleep(5 * escapeCheckMs);
}

} // namespace e2e
