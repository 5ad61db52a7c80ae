// Stands in for the file explorer in the tests: appends its command line, and a line end, to
// "explorerCalls.txt" in its current folder (UTF-16) and ends at once.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::wstring record = std::wstring(GetCommandLineW()) + L"\n";
    HANDLE file = CreateFileW(L"explorerCalls.txt", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
    return 0;
}
