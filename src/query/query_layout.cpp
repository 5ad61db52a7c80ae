#include "query/query_dialog.h"

#include "query/program_resources.h"
#include "query/query_ids.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/window_icon.h"

namespace query {

HWND queryDialog = nullptr;

namespace {

const char* const programTitle = "Sorvane - Ver ";
const char* const versionText = "1.64";

} // namespace

HWND BuildQueryDialog() {
    using winlayer::ControlKind;
    queryDialog = winlayer::createDialog(
        winlayer::Units::DialogUnits, nullptr, winlayer::DefaultPosition, winlayer::DefaultPosition,
        300, 245, WS_SYSMENU | WS_MINIMIZEBOX, 0, std::string(programTitle) + versionText);
    if (!queryDialog) {
        return nullptr;
    }
    winlayer::setWindowIcon(queryDialog, IDI_PROGRAM);
    const HWND d = queryDialog;
    constexpr DWORD groupStart = WS_GROUP | WS_TABSTOP;
    winlayer::addControl(ControlKind::Label, d, IDC_NONE, "Find: ", 7, 23, 25, 12, 0, 0);
    winlayer::addControl(ControlKind::TextBox, d, IDC_FIND_TEXT, "", 25, 22, 115, 13, 0, 0);
    winlayer::addControl(ControlKind::Option, d, IDC_PART_OF_NAME, "Part of name", 150, 22, 60, 12,
                         groupStart, 0);
    winlayer::addControl(ControlKind::Option, d, IDC_EXACT_NAME, "Exact name", 150, 35, 60, 12, 0,
                         0);
    winlayer::addControl(ControlKind::CheckBox, d, IDC_FILES, "Files", 220, 10, 50, 15, groupStart,
                         0);
    winlayer::addControl(ControlKind::CheckBox, d, IDC_FOLDERS, "Folders", 220, 22, 50, 15,
                         WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::CheckBox, d, IDC_FILE_SIZES, "File Sizes", 220, 34, 50, 15,
                         WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::CheckBox, d, IDC_FILE_DATES, "File Dates", 220, 46, 60, 15,
                         WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Option, d, IDC_SHOW_SEARCH, "Search folders", 25, 58, 60, 10,
                         0, 0);
    winlayer::addControl(ControlKind::Option, d, IDC_SHOW_EXCEPT, "Except folders", 90, 58, 60, 10,
                         0, 0);
    winlayer::addControl(ControlKind::ListBox, d, IDC_FOLDER_LIST, "", 25, 70, 245, 100,
                         WS_BORDER | WS_VSCROLL, WS_EX_CLIENTEDGE);
    winlayer::addControl(ControlKind::Frame, d, IDC_NONE, "Search folders", 35, 170, 120, 37, 0, 0);
    winlayer::addControl(ControlKind::Button, d, IDC_ADD, "&Add", 45, 182, 45, 18, 0, 0);
    winlayer::addControl(ControlKind::Button, d, IDC_DEL, "&Del", 95, 182, 45, 18, 0, 0);
    winlayer::addControl(ControlKind::Button, d, IDC_BEGIN, "&Begin", 180, 178, 40, 22, 0, 0);
    winlayer::addControl(ControlKind::Button, d, IDC_HELP, "&Help", 222, 178, 40, 22, 0, 0);
    winlayer::addControl(ControlKind::CheckBox, d, IDC_TRACK,
                         "Track folders searched (usefull when medium is corrupted)", 25, 210, 220,
                         15, WS_TABSTOP, 0);
    return queryDialog;
}

} // namespace query
