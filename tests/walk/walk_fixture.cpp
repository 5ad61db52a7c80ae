#include "walk_fixture.h"

#include "winlayer/lower_case.h"

namespace walktest {

void WalkTest::SetUp() {
    char folder[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    previousFolder_ = folder;
    SetCurrentDirectoryA(tree.root().c_str());
    search::searchRequest = search::SearchRequest();
    results::clearFound();
    results::runControl = {0, results::Resume::Wait};
    results::overStopButton = false;
}

void WalkTest::TearDown() {
    SetCurrentDirectoryA(previousFolder_.c_str());
}

void WalkTest::requestEverything(const TestTree& tree) {
    const std::string root = tree.root().substr(0, tree.root().size() - 1);
    search::SearchRequest& request = search::searchRequest;
    request.findText = lower(root.substr(root.rfind('\\') + 1));
    request.filter.text = request.findText;
    request.filter.exactBase = request.findText;
    request.matchMode = search::MatchMode::ExactName;
    request.wantFiles = true;
    request.wantFolders = true;
}

std::string WalkTest::lower(const std::string& text) {
    return winlayer::lowerCase(text);
}

namespace {

const char actionClass[] = "SorvaneWalkTestAction";
constexpr UINT actionMessage = WM_APP + 1;

} // namespace

PumpedAction::PumpedAction(int entry, std::function<void()> action)
    : remaining_(entry), action_(std::move(action)) {
    static const ATOM registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = actionClass;
        return RegisterClassA(&windowClass);
    }();
    (void)registered;
    window_ = CreateWindowA(actionClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PostMessageA(window_, actionMessage, 0, 0);
}

PumpedAction::~PumpedAction() {
    DestroyWindow(window_);
    MSG message;
    while (PeekMessageA(&message, nullptr, actionMessage, actionMessage, PM_REMOVE)) {
    }
}

LRESULT CALLBACK PumpedAction::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == actionMessage) {
        auto* self = reinterpret_cast<PumpedAction*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr && self->remaining_ > 0 && --self->remaining_ == 0) {
            self->action_();
        } else if (self != nullptr && self->remaining_ > 0) {
            PostMessageA(window, actionMessage, 0, 0);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace walktest
