#include "query/begin_search.h"

#include "query/query_ids.h"
#include "results/results_window.h"
#include "results/run_control.h"
#include "search/find_text.h"
#include "search/tracking_log.h"
#include "winlayer/controls.h"

namespace query {

namespace {

// A disabled check box still counts with its mark.
bool checked(HWND dialog, int id) {
    return winlayer::getCheck(dialog, id) == BST_CHECKED;
}

} // namespace

void beginSearch(HWND queryDialog, const search::NameFilter& filter) {
    search::QueryChoices choices;
    choices.matchMode = checked(queryDialog, IDC_EXACT_NAME) ? search::MatchMode::ExactName
                                                             : search::MatchMode::PartOfName;
    choices.wantFiles = checked(queryDialog, IDC_FILES);
    choices.wantFolders = checked(queryDialog, IDC_FOLDERS);
    choices.showSizes = checked(queryDialog, IDC_FILE_SIZES);
    choices.showDates = checked(queryDialog, IDC_FILE_DATES);
    choices.trackFolders = checked(queryDialog, IDC_TRACK);
    search::SearchRequest& request = search::searchRequest;
    search::buildSearchRequest(request, choices, filter);

    if (request.trackFolders) {
        search::startTrackingLog();
    }
    if (request.searchFolders.empty()) {
        request.searchFolders.push_back("C:\\");
        if (checked(queryDialog, IDC_SHOW_SEARCH)) {
            winlayer::listAdd(queryDialog, IDC_FOLDER_LIST, "C:\\");
        }
    }
    results::clearFound();
    results::runControl.resume = results::Resume::Wait;
    results::BuildResultsWindow();
}

} // namespace query
