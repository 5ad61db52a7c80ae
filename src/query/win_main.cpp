// The program's entry: platform check, COM and common controls, then the query dialog.

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "query/program_main.h"
#include "search/search_request.h"
#include "winlayer/services.h"

namespace {

constexpr int unsupportedPlatformExit = 255;

// COM for the life of the program (the folder browser needs it).
class ComSession {
public:
    ComSession() { CoInitialize(nullptr); }
    ~ComSession() { CoUninitialize(); }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;
};

bool isNtFamily() {
    return (GetVersion() & 0x80000000u) == 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int showState) {
    if (!isNtFamily()) {
        // The UTF-16 functions do not exist outside the NT family.
        MessageBoxA(nullptr, "Win98 No Support", winlayer::defaultCaption, MB_OK | MB_ICONHAND);
        return unsupportedPlatformExit;
    }
    int exitCode = 0;
    {
        const ComSession com;
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_WIN95_CLASSES;
        InitCommonControlsEx(&controls);
        exitCode = query::ProgramMain(instance, nullptr, commandTail, showState);
        search::searchRequest = search::SearchRequest();
    }
    return exitCode;
}
