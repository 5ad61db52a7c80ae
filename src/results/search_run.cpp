#include "results/search_run.h"

#include <string>

#include "query/query_dialog.h"
#include "query/query_ids.h"
#include "results/list_painting.h"
#include "results/results_ids.h"
#include "results/results_window.h"
#include "results/run_control.h"
#include "search/folder_walk.h"
#include "search/search_request.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/services.h"

namespace results {

namespace {

const char* const stopCaption = "&Stop";
const char* const continueCaption = "&Continue";
const char* const exitCaption = "&Exit";

constexpr int red = RGB(255, 0, 0);
constexpr int green = RGB(0, 128, 0);

// foundCount when "&Stop" last took (or, with nothing found, did not need) the snapshot.
int32_t countAtStop = 0;

void setStatus(const std::string& text) {
    // Whoever reads "Stopped" or "Done" then reads the count as it is.
    updateCountLabel();
    winlayer::setControlText(winlayer::controlHandle(resultsDialog, IDC_STATUS), text);
}

void setRunCaption(const std::string& caption) {
    winlayer::setControlText(winlayer::controlHandle(resultsDialog, IDC_STOP), caption);
}

// The found lines so far become the snapshot, and the list scrolls sideways up to the widest
// line measured so far.
void presentFound() {
    takeSnapshot();
    setListExtent(maxLineWidth + 10);
}

// The user can move through the found lines at once. Called once the list draws itself again,
// so that it draws its own focus frame rather than being drawn again for it.
void focusFound() {
    winlayer::focusControl(resultsDialog, IDC_RESULT_LIST);
}

// Draws at once what the window and its controls owe.
void drawOwed(HWND window) {
    if (window) {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void stopRun() {
    runControl.held = 1;
    runControl.resume = Resume::Wait;
    if (foundCount > 0) {
        presentFound();
    }
    countAtStop = foundCount;
    setRunCaption(continueCaption);
    // The list draws once, with its new extent.
    paintNormally();
    if (foundCount > 0) {
        focusFound();
    }
    // Last, so that whoever reads it finds the window as the hold leaves it.
    setStatus("Stopped");
}

void continueRun() {
    runControl.resume = Resume::Continue;
    runControl.held = 0;
    paintByTime();
    setRunCaption(stopCaption);
    setStatus("Please wait");
}

Checkpoint checkpointAndShow() {
    // "&Stop" is handled before the walk tests its entry, so a match of that entry is listed
    // after the snapshot was taken. It joins the snapshot before the walk waits: otherwise a
    // sort or a print while held would leave out a line that the list shows, and a sort would
    // drop it from the list for good.
    if (runControl.held == 1 && runControl.resume == Resume::Wait && foundCount != countAtStop) {
        presentFound();
        focusFound();
        countAtStop = foundCount;
    }
    const Checkpoint answer = checkpoint();
    showFoundIfDue();
    return answer;
}

bool pointerOverStopButton() {
    return overStopButton;
}

const search::WalkCalls walkCalls = {reportMatch, checkpointAndShow, pointerOverStopButton};

} // namespace

const search::WalkCalls& runWalkCalls() {
    return walkCalls;
}

void runSearch() {
    runControl.held = 0;
    resultSnapshot.sizeOrderBuilt = false;
    resultSnapshot.dateOrderBuilt = false;

    if (winlayer::getCheck(query::queryDialog, query::IDC_FILE_SIZES) != BST_CHECKED) {
        winlayer::enableControl(resultsDialog, IDC_BY_SIZE, false);
    }
    if (winlayer::getCheck(query::queryDialog, query::IDC_FILE_DATES) != BST_CHECKED) {
        winlayer::enableControl(resultsDialog, IDC_BY_DATE, false);
    }
    winlayer::enableControl(resultsDialog, IDC_STOP, true);
    winlayer::setControlColor(resultsDialog, IDC_STATUS, red, winlayer::SystemColor);
    setStatus("Please wait");
    const HCURSOR previousPointer = winlayer::setPointer(winlayer::WaitPointer);
    maxLineWidth = 0;
    // The window has just been shown and the query dialog under it disabled: both draw what
    // they owe now, so that their paint messages do not reach the walk's pump, where each one
    // handled would have the list drawn whole again.
    drawOwed(query::queryDialog);
    drawOwed(resultsDialog);
    paintByTime();

    const std::vector<std::string>& folders = search::searchRequest.searchFolders;
    for (size_t i = 0; i < folders.size() && runControl.resume != Resume::Abandon; ++i) {
        search::walkFolder(std::string(folders[i]), walkCalls);
    }

    if (runControl.resume == Resume::Abandon) {
        winlayer::setPointer(reinterpret_cast<INT_PTR>(previousPointer));
        return;
    }
    winlayer::setControlColor(resultsDialog, IDC_STATUS, green, winlayer::SystemColor);
    setStatus("Done");
    setRunCaption(exitCaption);
    runControl.held = 1;
    winlayer::setPointer(reinterpret_cast<INT_PTR>(previousPointer));
    if (foundCount > 0) {
        presentFound();
    } else {
        winlayer::listAdd(resultsDialog, IDC_RESULT_LIST, "None found");
    }
    paintNormally();
    if (foundCount > 0) {
        focusFound();
    }
}

void runButtonClicked() {
    const std::string caption =
        winlayer::getControlText(winlayer::controlHandle(resultsDialog, IDC_STOP));
    if (caption == stopCaption) {
        stopRun();
    } else if (caption == continueCaption) {
        continueRun();
    } else if (caption == exitCaption) {
        winlayer::endDialog(resultsDialog, 0);
    }
}

void trackPointer(HWND pointerWindow) {
    if (GetDlgCtrlID(pointerWindow) == IDC_STOP) {
        winlayer::setPointer(winlayer::ArrowPointer);
        overStopButton = true;
    } else {
        overStopButton = false;
    }
}

void closeResults() {
    runControl.resume = Resume::Abandon;
    winlayer::endDialog(resultsDialog, 0);
}

} // namespace results
