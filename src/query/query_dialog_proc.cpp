#include "query/query_dialog.h"

#include <shlobj.h>

#include "query/enter_key_hook.h"
#include "query/folder_lists.h"
#include "query/help_text.h"
#include "query/query_ids.h"
#include "query/begin_search.h"
#include "search/find_text.h"
#include "search/search_request.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/services.h"
#include "winlayer/text.h"

namespace query {
namespace {

// Which folder list the list box shows.
enum class ShownList { Search, Except };
ShownList shownList = ShownList::Search;

std::vector<std::string>& shownFolders() {
    return shownList == ShownList::Search ? search::searchRequest.searchFolders
                                          : search::searchRequest.exceptFolders;
}

bool hasOperator(const std::string& text) {
    return winlayer::findAnyChar(1, text, "*|") != 0;
}

void selectPartOfName(HWND dialog) {
    winlayer::checkOption(dialog, IDC_PART_OF_NAME, IDC_EXACT_NAME, IDC_PART_OF_NAME);
}

void initialise(HWND dialog) {
    search::searchRequest.searchFolders.assign(1, "C:\\");
    search::searchRequest.exceptFolders.clear();
    winlayer::listAdd(dialog, IDC_FOLDER_LIST, "C:\\");
    selectPartOfName(dialog);
    winlayer::setCheck(dialog, IDC_FILES, BST_CHECKED);
    winlayer::setCheck(dialog, IDC_FOLDERS, BST_CHECKED);
    winlayer::checkOption(dialog, IDC_SHOW_SEARCH, IDC_SHOW_EXCEPT, IDC_SHOW_SEARCH);
    shownList = ShownList::Search;
}

// An operator in the Find text rules out "Exact name".
void findTextChanged(HWND dialog) {
    const std::string text =
        winlayer::getControlText(winlayer::controlHandle(dialog, IDC_FIND_TEXT));
    if (hasOperator(text)) {
        selectPartOfName(dialog);
        winlayer::enableControl(dialog, IDC_EXACT_NAME, false);
    } else {
        winlayer::enableControl(dialog, IDC_EXACT_NAME, true);
    }
}

void showFolderList(HWND dialog, ShownList list) {
    shownList = list;
    winlayer::sendToControl(dialog, IDC_FOLDER_LIST, LB_RESETCONTENT);
    for (const std::string& folder : shownFolders()) {
        winlayer::listAdd(dialog, IDC_FOLDER_LIST, folder);
    }
}

void addFolder(HWND dialog) {
    if (shownFolders().size() >= static_cast<size_t>(search::MaxFolders)) {
        MessageBeep(MB_OK);
        return;
    }
    const std::string chosen =
        winlayer::browseForFolder(dialog, winlayer::DefaultPosition, winlayer::DefaultPosition,
                                  "Choose folder to search", "C:\\", BIF_NONEWFOLDERBUTTON);
    if (chosen.empty()) {
        return;
    }
    const std::string folder = folderPathForm(chosen);
    winlayer::listAdd(dialog, IDC_FOLDER_LIST, folder);
    appendFolder(shownFolders(),
                 shownList == ShownList::Except ? winlayer::lowerCase(folder) : folder);
}

void deleteFolder(HWND dialog) {
    const int position = winlayer::listSelected(dialog, IDC_FOLDER_LIST, 1);
    if (position == 0) {
        return;
    }
    removeFolder(shownFolders(), position);
    winlayer::listDelete(dialog, IDC_FOLDER_LIST, position);
}

// Sizes and dates belong to file lines only.
void filesToggled(HWND dialog) {
    const bool files = winlayer::getCheck(dialog, IDC_FILES) == BST_CHECKED;
    winlayer::enableControl(dialog, IDC_FILE_SIZES, files);
    winlayer::enableControl(dialog, IDC_FILE_DATES, files);
}

void begin(HWND dialog) {
    using Kind = search::FindTextVerdict::Kind;
    const HWND findBox = winlayer::controlHandle(dialog, IDC_FIND_TEXT);
    const search::FindTextVerdict verdict =
        search::parseFindText(winlayer::getControlText(findBox));
    if (verdict.kind == Kind::Empty) {
        return;
    }
    if (verdict.kind == Kind::PathRejected) {
        winlayer::messageBox("Path not permitted in file to find", MB_OK | MB_ICONHAND,
                             "Filename Error");
        winlayer::setControlText(findBox, verdict.replacement);
        winlayer::focusControl(dialog, IDC_FIND_TEXT);
        return;
    }
    if (verdict.kind == Kind::FilterRejected || verdict.forcePartOfName) {
        selectPartOfName(dialog);
    }
    if (verdict.kind == Kind::FilterRejected) {
        winlayer::messageBox("Illegal filter search", MB_OK | MB_ICONHAND, "Filter error");
        winlayer::sendMessage(findBox, EM_SETSEL, 0, -1);
        winlayer::focusControl(dialog, IDC_FIND_TEXT);
        return;
    }
    beginSearch(dialog, verdict.filter);
}

void command(HWND dialog, int id, int notification) {
    switch (id) {
    case IDC_FIND_TEXT:
        if (notification == EN_CHANGE) {
            findTextChanged(dialog);
        }
        break;
    case IDC_SHOW_SEARCH:
        showFolderList(dialog, ShownList::Search);
        break;
    case IDC_SHOW_EXCEPT:
        showFolderList(dialog, ShownList::Except);
        break;
    case IDC_ADD:
        if (notification == BN_CLICKED || notification == 1) {
            addFolder(dialog);
        }
        break;
    case IDC_DEL:
        deleteFolder(dialog);
        break;
    case IDC_HELP:
        winlayer::messageBox(helpText(), MB_OK | MB_ICONQUESTION, "Program Help");
        break;
    case IDC_FILES:
        if (notification == BN_CLICKED) {
            filesToggled(dialog);
        }
        break;
    case IDC_BEGIN:
        begin(dialog);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR QueryDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initialise(window);
        installEnterKeyHook();
        break;
    case WM_COMMAND:
        command(window, LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_DESTROY:
        removeEnterKeyHook();
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            winlayer::endDialog(window, 0);
        }
        break;
    default:
        break;
    }
    return 0;
}

} // namespace query
