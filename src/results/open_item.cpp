#include "results/open_item.h"

#include <algorithm>
#include <string>
#include <vector>

#include "results/list_painting.h"
#include "results/results_ids.h"
#include "results/results_window.h"
#include "results/run_control.h"
#include "winlayer/controls.h"
#include "winlayer/services.h"

namespace results {

bool enterPressed = false;

namespace {

// The top-level windows of the desktop when the item was last opened. The Escape check reads
// the key state of the whole desktop, so an Escape meant for any of these (another program's
// dialog, a browser, an editor) must not cost that window an Alt+F4.
std::vector<HWND> windowsAtOpen;

BOOL CALLBACK collectWindow(HWND window, LPARAM target) {
    reinterpret_cast<std::vector<HWND>*>(target)->push_back(window);
    return TRUE;
}

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Only the results window itself and windows that appeared since the open (the explorer
// window, a document opened from it) may be closed.
bool mayClose(HWND front) {
    if (front == nullptr) {
        return false;
    }
    return front == resultsDialog ||
           std::find(windowsAtOpen.begin(), windowsAtOpen.end(), front) == windowsAtOpen.end();
}

constexpr DWORD afterAltF4Ms = 200;

} // namespace

void openFoundItem(int notification) {
    if (foundCount == 0) {
        return;
    }
    const int selected = winlayer::listSelected(resultsDialog, IDC_RESULT_LIST, 1);
    if (selected == 0) {
        return;
    }
    if (notification != LBN_DBLCLK && !enterPressed) {
        return;
    }
    // Exactly as the list shows it: the file explorer ignores the size and date fields after
    // the object it selects.
    const std::string line = winlayer::listItemText(resultsDialog, IDC_RESULT_LIST, selected);
    windowsAtOpen = topLevelWindows();
    // The explorer may take the screen for long: the list is drawn as it stands first.
    showFoundNow();
    winlayer::startProcess("explorer /select, " + line, SW_SHOWNORMAL, true);
    enterPressed = false;
    SetTimer(resultsDialog, ESCAPE_TIMER_ID, escapeTimerMs, nullptr);
}

void escapeCheck() {
    if (GetAsyncKeyState(VK_ESCAPE) == 0) {
        return;
    }
    if (GetFocus() == resultListHandle) {
        return;
    }
    if (!mayClose(GetForegroundWindow())) {
        return;
    }
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(VK_F4, 0, 0, 0);
    keybd_event(VK_F4, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    winlayer::pause(afterAltF4Ms);
}

} // namespace results
