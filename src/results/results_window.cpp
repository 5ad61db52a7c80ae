#include "results/results_window.h"

#include <memory>
#include <string>

#include "query/program_resources.h"
#include "query/query_dialog.h"
#include "results/list_painting.h"
#include "results/open_item.h"
#include "results/print_list.h"
#include "results/results_ids.h"
#include "results/run_control.h"
#include "results/search_run.h"
#include "results/show_order.h"
#include "search/search_request.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/fonts.h"
#include "winlayer/handles.h"
#include "winlayer/text_width.h"
#include "winlayer/window_icon.h"

namespace results {

HWND resultsDialog = nullptr;
HWND resultListHandle = nullptr;
HWND countLabelHandle = nullptr;
int32_t maxLineWidth = 0;

namespace {

// The window's device context with the list's font selected; the font that was there before
// is put back before the context is released.
class MeasuringDc {
public:
    MeasuringDc(HWND window, HFONT font)
        : dc_(window), previousFont_(SelectObject(dc_.get(), font)) {}
    ~MeasuringDc() {
        if (previousFont_ != nullptr) {
            SelectObject(dc_.get(), previousFont_);
        }
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    HDC get() const { return dc_.get(); }

private:
    winlayer::WindowDC dc_;
    HGDIOBJ previousFont_;
};

// Where list lines are measured while the window lives.
std::unique_ptr<MeasuringDc> measureDc;
winlayer::TextWidths widths;

constexpr int statusFontPoints = 14;

void initialise(HWND window) {
    winlayer::setControlFont(window, IDC_STATUS,
                             winlayer::createFont("MS Sans Serif", statusFontPoints, 0, 0));
    winlayer::checkOption(window, IDC_AS_FOUND, IDC_BY_DATE, IDC_AS_FOUND);
    HWND list = winlayer::controlHandle(window, IDC_RESULT_LIST);
    const auto listFont = reinterpret_cast<HFONT>(winlayer::sendMessage(list, WM_GETFONT, 0, 0));
    measureDc = std::make_unique<MeasuringDc>(window, listFont);
    winlayer::measureOn(widths, measureDc->get());
    winlayer::setControlSize(window, IDC_RESULT_LIST, 360, 220);
    resultListHandle = list;
    countLabelHandle = winlayer::controlHandle(window, IDC_COUNT);
    // Posted, so that the run starts only once the modal loop runs and the window is shown.
    winlayer::postMessage(window, WM_COMMAND, MAKEWPARAM(IDC_START_RUN, 0), 0);
}

// However the window ends, a walk still on the stack must give up, and nothing may be drawn
// into the window any more.
void windowEnded() {
    runControl.resume = Resume::Abandon;
    measureDc.reset();
    winlayer::measureOn(widths, nullptr);
    resultsDialog = nullptr;
    resultListHandle = nullptr;
    countLabelHandle = nullptr;
    overStopButton = false;
    forgetResultsWindow();
}

void command(int id, int notification) {
    switch (id) {
    case IDC_START_RUN:
        runSearch();
        break;
    case IDC_RESULT_LIST:
        openFoundItem(notification);
        break;
    case IDC_STOP:
        if (notification == BN_CLICKED) {
            runButtonClicked();
        }
        break;
    case IDC_PRINT:
        if (notification == BN_CLICKED) {
            printResultList();
        }
        break;
    case IDC_AS_FOUND:
        if (notification == BN_CLICKED) {
            showOrder(ListOrder::AsFound);
        }
        break;
    case IDC_BY_SIZE:
        if (notification == BN_CLICKED) {
            showOrder(ListOrder::BySize);
        }
        break;
    case IDC_BY_DATE:
        if (notification == BN_CLICKED) {
            showOrder(ListOrder::ByDate);
        }
        break;
    default:
        break;
    }
}

} // namespace

bool lineWidth(const std::string& line, int32_t& width) {
    int measuredWidth = 0;
    if (!measureDc || !winlayer::textWidth(widths, line, measuredWidth)) {
        return false;
    }
    width = measuredWidth;
    return true;
}

void BuildResultsWindow() {
    const std::string title =
        search::searchRequest.wantFiles ? "Matching Files" : "Matching Files and Folders";
    HWND window =
        winlayer::createDialog(winlayer::Units::DialogUnits, query::queryDialog,
                               winlayer::DefaultPosition, winlayer::DefaultPosition, 400, 320,
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, title);
    if (window == nullptr) {
        return;
    }
    resultsDialog = window;
    winlayer::setWindowIcon(window, IDI_PROGRAM);
    using winlayer::ControlKind;
    winlayer::addControl(ControlKind::ListBox, window, IDC_RESULT_LIST, "", 20, 10, 360, 220,
                         WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL |
                             LBS_NOTIFY,
                         WS_EX_CLIENTEDGE);
    winlayer::addControl(ControlKind::Option, window, IDC_AS_FOUND, "As found", 140, 250, 40, 12,
                         BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Option, window, IDC_BY_SIZE, "By size", 140, 262, 40, 12,
                         BS_AUTORADIOBUTTON | WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Option, window, IDC_BY_DATE, "By date", 140, 274, 40, 12,
                         BS_AUTORADIOBUTTON | WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Frame, window, IDC_NONE, "Sort", 130, 240, 65, 55,
                         BS_GROUPBOX, 0);
    winlayer::addControl(ControlKind::Button, window, IDC_STOP, "&Stop", 212, 250, 50, 20,
                         BS_PUSHBUTTON | WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Button, window, IDC_PRINT, "&Print", 265, 250, 50, 20,
                         BS_PUSHBUTTON | WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Label, window, IDC_STATUS, "", 25, 250, 100, 20, SS_LEFT, 0);
    winlayer::addControl(ControlKind::Label, window, IDC_COUNT, "", 25, 270, 100, 15, SS_LEFT, 0);
    if (search::searchRequest.trackFolders) {
        winlayer::addControl(ControlKind::Label, window, IDC_TRACK_NOTE,
                             "See the file 'trackingLog.txt' for the folders searched", 25, 300,
                             220, 15, SS_LEFT, 0);
    }
    winlayer::showModal(window, ResultsWindowProc);
}

INT_PTR ResultsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initialise(window);
        break;
    case WM_SETCURSOR:
        trackPointer(reinterpret_cast<HWND>(wParam));
        break;
    case WM_TIMER:
        escapeCheck();
        break;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            closeResults();
        }
        break;
    case WM_DESTROY:
        windowEnded();
        break;
    }
    return 0;
}

} // namespace results
