#include "query/enter_key_hook.h"

#include "query/query_dialog.h"
#include "query/query_ids.h"
#include "results/open_item.h"
#include "results/results_ids.h"
#include "results/results_window.h"
#include "winlayer/controls.h"

namespace query {

HHOOK keyboardHook = nullptr;
std::int32_t hookEventCount = 0;

LRESULT CALLBACK EnterKeyHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) {
        return CallNextHookEx(keyboardHook, code, wParam, lParam);
    }
    if (code != HC_ACTION) {
        return 0;
    }
    // A press and its release are two events: acting on every other one acts on the presses.
    if (++hookEventCount == 2) {
        hookEventCount = 0;
        return 0;
    }
    if (wParam == VK_RETURN) {
        if (GetParent(GetFocus()) == queryDialog) {
            winlayer::sendMessage(queryDialog, WM_COMMAND, MAKEWPARAM(IDC_BEGIN, 0), 0);
        } else {
            results::enterPressed = true;
            winlayer::sendMessage(results::resultsDialog, WM_COMMAND,
                                  MAKEWPARAM(results::IDC_RESULT_LIST, 0), 0);
            results::enterPressed = false;
        }
    }
    return 0;
}

void installEnterKeyHook() {
    keyboardHook = SetWindowsHookExA(WH_KEYBOARD, EnterKeyHook, nullptr, GetCurrentThreadId());
}

void removeEnterKeyHook() {
    UnhookWindowsHookEx(keyboardHook);
    keyboardHook = nullptr;
}

} // namespace query
