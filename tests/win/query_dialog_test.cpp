#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "query/help_text.h"
#include "query/program_main.h"
#include "query/query_dialog.h"
#include "query/query_ids.h"
#include "search/search_request.h"
#include "win_test_support.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/text.h"
#include "winlayer/wide_text.h"

namespace {

using namespace query;

struct ExpectedControl {
    int id;
    const char* windowClass;
    const char* text;
    int x, y, w, h;
    DWORD style;  // every bit must be set
    DWORD absent; // none of these bits may be set
    bool clientEdge;
};

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
const ExpectedControl expectedControls[] = {
    {IDC_NONE, "Static", "Find: ", 7, 23, 25, 12, child, WS_TABSTOP | WS_BORDER, false},
    {IDC_FIND_TEXT, "Edit", "", 25, 22, 115, 13, child | WS_TABSTOP | ES_AUTOHSCROLL, WS_BORDER,
     true},
    {IDC_PART_OF_NAME, "Button", "Part of name", 150, 22, 60, 12,
     child | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, false},
    {IDC_EXACT_NAME, "Button", "Exact name", 150, 35, 60, 12,
     child | BS_AUTORADIOBUTTON | WS_TABSTOP, WS_GROUP, false},
    {IDC_FILES, "Button", "Files", 220, 10, 50, 15, child | BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP,
     0, false},
    {IDC_FOLDERS, "Button", "Folders", 220, 22, 50, 15, child | BS_AUTOCHECKBOX | WS_TABSTOP,
     WS_GROUP, false},
    {IDC_FILE_SIZES, "Button", "File Sizes", 220, 34, 50, 15, child | BS_AUTOCHECKBOX | WS_TABSTOP,
     WS_GROUP, false},
    {IDC_FILE_DATES, "Button", "File Dates", 220, 46, 60, 15, child | BS_AUTOCHECKBOX | WS_TABSTOP,
     WS_GROUP, false},
    {IDC_SHOW_SEARCH, "Button", "Search folders", 25, 58, 60, 10,
     child | BS_AUTORADIOBUTTON | WS_TABSTOP, WS_GROUP, false},
    {IDC_SHOW_EXCEPT, "Button", "Except folders", 90, 58, 60, 10,
     child | BS_AUTORADIOBUTTON | WS_TABSTOP, WS_GROUP, false},
    // The list box drops WS_VSCROLL while it has nothing to scroll.
    {IDC_FOLDER_LIST, "ListBox", "", 25, 70, 245, 100, child | WS_BORDER | LBS_NOTIFY,
     WS_TABSTOP | LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL, true},
    {IDC_NONE, "Button", "Search folders", 35, 170, 120, 37, child | BS_GROUPBOX, WS_TABSTOP,
     false},
    {IDC_ADD, "Button", "&Add", 45, 182, 45, 18, child | WS_TABSTOP, BS_DEFPUSHBUTTON, false},
    {IDC_DEL, "Button", "&Del", 95, 182, 45, 18, child | WS_TABSTOP, BS_DEFPUSHBUTTON, false},
    {IDC_BEGIN, "Button", "&Begin", 180, 178, 40, 22, child | WS_TABSTOP, BS_DEFPUSHBUTTON, false},
    {IDC_HELP, "Button", "&Help", 222, 178, 40, 22, child | WS_TABSTOP, BS_DEFPUSHBUTTON, false},
    {IDC_TRACK, "Button", "Track folders searched (usefull when medium is corrupted)", 25, 210, 220,
     15, child | BS_AUTOCHECKBOX | WS_TABSTOP, WS_GROUP, false},
};

HWND buildQueryDialog() {
    winlayer::setDialogFont("arial", 10, 0, 0);
    return BuildQueryDialog();
}

TEST(QueryDialogLayout, TitleFrameAndFont) {
    HWND dialog = buildQueryDialog();
    ASSERT_NE(dialog, nullptr);
    wintest::WindowGuard guard(dialog);
    EXPECT_EQ(queryDialog, dialog);
    EXPECT_EQ(wintest::windowText(dialog), "Sorvane - Ver 1.64");
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_POPUP);

    // The dialog manager sizes the window from the template style, which has no caption bit;
    // the caption an overlapped window always gets is then taken from inside that size.
    RECT size{0, 0, 300, 245};
    MapDialogRect(dialog, &size);
    RECT window{};
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right - window.left, size.right);
    EXPECT_EQ(window.bottom - window.top, size.bottom);

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    EXPECT_EQ(lstrcmpiW(font.lfFaceName, L"arial"), 0);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_FALSE(font.lfItalic);
}

TEST(QueryDialogLayout, SeventeenControlsInCreationOrder) {
    HWND dialog = buildQueryDialog();
    ASSERT_NE(dialog, nullptr);
    wintest::WindowGuard guard(dialog);
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));

    HWND control = GetWindow(dialog, GW_CHILD);
    for (const ExpectedControl& expected : expectedControls) {
        SCOPED_TRACE(expected.text);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetDlgCtrlID(control), expected.id);
        EXPECT_EQ(lstrcmpiA(wintest::windowClass(control).c_str(), expected.windowClass), 0);
        EXPECT_EQ(wintest::windowText(control), expected.text);
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        EXPECT_EQ(style & expected.style, expected.style);
        EXPECT_EQ(style & expected.absent, 0u);
        EXPECT_EQ((GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0,
                  expected.clientEdge);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), dialogFont);

        RECT want{expected.x, expected.y, expected.x + expected.w, expected.y + expected.h};
        MapDialogRect(dialog, &want);
        RECT have{};
        GetWindowRect(control, &have);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&have), 2);
        EXPECT_EQ(have.left, want.left);
        EXPECT_EQ(have.top, want.top);
        EXPECT_EQ(have.right, want.right);
        if (expected.id == IDC_FOLDER_LIST) {
            // A list box trims its height to whole items.
            EXPECT_LE(have.bottom, want.bottom);
            EXPECT_GT(have.bottom, want.bottom - SendMessageW(control, LB_GETITEMHEIGHT, 0, 0));
        } else {
            EXPECT_EQ(have.bottom, want.bottom);
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr);
}

TEST(QueryDialogLayout, TabStopsAndTheMatchModeGroup) {
    HWND dialog = buildQueryDialog();
    ASSERT_NE(dialog, nullptr);
    wintest::WindowGuard guard(dialog);
    std::vector<int> tabStops;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(c, GWL_STYLE) & WS_TABSTOP) {
            tabStops.push_back(GetDlgCtrlID(c));
        }
    }
    EXPECT_EQ(tabStops, (std::vector<int>{IDC_FIND_TEXT, IDC_PART_OF_NAME, IDC_EXACT_NAME,
                                          IDC_FILES, IDC_FOLDERS, IDC_FILE_SIZES, IDC_FILE_DATES,
                                          IDC_SHOW_SEARCH, IDC_SHOW_EXCEPT, IDC_ADD, IDC_DEL,
                                          IDC_BEGIN, IDC_HELP, IDC_TRACK}));
    EXPECT_EQ(GetNextDlgGroupItem(dialog, GetDlgItem(dialog, IDC_EXACT_NAME), FALSE),
              GetDlgItem(dialog, IDC_PART_OF_NAME));
}

// Runs the query dialog modally; script runs inside its message loop once it is shown, then the
// dialog is closed from its system menu.
std::function<void(HWND)> currentScript;
bool scriptSawVisibleDialog = false;

void CALLBACK runScript(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    scriptSawVisibleDialog = IsWindowVisible(queryDialog) != FALSE;
    currentScript(queryDialog);
    PostMessageW(queryDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void runQueryDialog(std::function<void(HWND)> script) {
    currentScript = std::move(script);
    scriptSawVisibleDialog = false;
    HWND dialog = buildQueryDialog();
    ASSERT_NE(dialog, nullptr);
    SetTimer(nullptr, 0, 10, runScript);
    winlayer::showModal(dialog, QueryDialogProc);
    wintest::stopAnswering();
    EXPECT_TRUE(scriptSawVisibleDialog);
    EXPECT_FALSE(IsWindow(dialog));
}

std::string findText(HWND d) {
    return wintest::windowText(GetDlgItem(d, IDC_FIND_TEXT));
}
void typeFindText(HWND d, const std::string& text) {
    winlayer::setControlText(GetDlgItem(d, IDC_FIND_TEXT), text);
}
void click(HWND d, int id) {
    SendMessageW(GetDlgItem(d, id), BM_CLICK, 0, 0);
}
bool enabled(HWND d, int id) {
    return IsWindowEnabled(GetDlgItem(d, id)) != FALSE;
}
std::vector<std::string> listed(HWND d) {
    std::vector<std::string> items;
    const int count = static_cast<int>(winlayer::sendToControl(d, IDC_FOLDER_LIST, LB_GETCOUNT));
    for (int position = 1; position <= count; ++position) {
        items.push_back(winlayer::listItemText(d, IDC_FOLDER_LIST, position));
    }
    return items;
}
void showList(HWND d, int id, const std::vector<std::string>& folders) {
    (id == IDC_SHOW_SEARCH ? search::searchRequest.searchFolders
                           : search::searchRequest.exceptFolders) = folders;
    click(d, id);
}

TEST(QueryDialogBehaviour, InitialStateIsInPlaceWhenTheDialogFirstShows) {
    search::searchRequest.searchFolders = {"D:\\old\\"};
    search::searchRequest.exceptFolders = {"e:\\old\\"};
    runQueryDialog([](HWND d) {
        EXPECT_EQ(findText(d), "");
        EXPECT_EQ(listed(d), std::vector<std::string>{"C:\\"});
        EXPECT_EQ(search::searchRequest.searchFolders, std::vector<std::string>{"C:\\"});
        EXPECT_TRUE(search::searchRequest.exceptFolders.empty());
        EXPECT_EQ(winlayer::getCheck(d, IDC_PART_OF_NAME), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_EXACT_NAME), 0);
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILES), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_FOLDERS), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILE_SIZES), 0);
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILE_DATES), 0);
        EXPECT_EQ(winlayer::getCheck(d, IDC_SHOW_SEARCH), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_SHOW_EXCEPT), 0);
        EXPECT_EQ(winlayer::getCheck(d, IDC_TRACK), 0);
        for (const ExpectedControl& c : expectedControls) {
            if (c.id != IDC_NONE) {
                EXPECT_TRUE(enabled(d, c.id)) << c.text;
            }
        }
        EXPECT_TRUE(IsWindowEnabled(d));
    });
}

TEST(QueryDialogBehaviour, AnOperatorInTheFindTextRulesOutExactName) {
    runQueryDialog([](HWND d) {
        click(d, IDC_EXACT_NAME);
        EXPECT_EQ(winlayer::getCheck(d, IDC_EXACT_NAME), 1);
        typeFindText(d, "a*b");
        EXPECT_EQ(winlayer::getCheck(d, IDC_PART_OF_NAME), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_EXACT_NAME), 0);
        EXPECT_FALSE(enabled(d, IDC_EXACT_NAME));
        typeFindText(d, "ab");
        EXPECT_TRUE(enabled(d, IDC_EXACT_NAME));
        EXPECT_EQ(winlayer::getCheck(d, IDC_PART_OF_NAME), 1);
        typeFindText(d, "x|y");
        EXPECT_FALSE(enabled(d, IDC_EXACT_NAME));
    });
}

TEST(QueryDialogBehaviour, FilesCheckBoxEnablesSizesAndDatesKeepingTheirMarks) {
    runQueryDialog([](HWND d) {
        click(d, IDC_FILE_SIZES);
        click(d, IDC_FILES);
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILES), 0);
        EXPECT_FALSE(enabled(d, IDC_FILE_SIZES));
        EXPECT_FALSE(enabled(d, IDC_FILE_DATES));
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILE_SIZES), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILE_DATES), 0);
        click(d, IDC_FILES);
        EXPECT_TRUE(enabled(d, IDC_FILE_SIZES));
        EXPECT_TRUE(enabled(d, IDC_FILE_DATES));
        EXPECT_EQ(winlayer::getCheck(d, IDC_FILE_SIZES), 1);
    });
}

TEST(QueryDialogBehaviour, DelRemovesTheSelectedEntryOfTheShownList) {
    runQueryDialog([](HWND d) {
        showList(d, IDC_SHOW_SEARCH, {"A:\\", "B:\\", "C:\\"});
        click(d, IDC_DEL);
        EXPECT_EQ(listed(d).size(), 3u);
        EXPECT_EQ(search::searchRequest.searchFolders.size(), 3u);

        SendDlgItemMessageW(d, IDC_FOLDER_LIST, LB_SETCURSEL, 1, 0);
        click(d, IDC_DEL);
        EXPECT_EQ(listed(d), (std::vector<std::string>{"A:\\", "C:\\"}));
        EXPECT_EQ(search::searchRequest.searchFolders, (std::vector<std::string>{"A:\\", "C:\\"}));

        showList(d, IDC_SHOW_EXCEPT, {"x:\\", "y:\\"});
        EXPECT_EQ(winlayer::getCheck(d, IDC_SHOW_SEARCH), 0);
        SendDlgItemMessageW(d, IDC_FOLDER_LIST, LB_SETCURSEL, 0, 0);
        click(d, IDC_DEL);
        EXPECT_EQ(search::searchRequest.exceptFolders, std::vector<std::string>{"y:\\"});
        EXPECT_EQ(search::searchRequest.searchFolders, (std::vector<std::string>{"A:\\", "C:\\"}));
        click(d, IDC_SHOW_SEARCH);
        EXPECT_EQ(listed(d), (std::vector<std::string>{"A:\\", "C:\\"}));
    });
}

// Folders of every Wine prefix and every Windows installation. A folder this process creates
// itself cannot be selected in Wine's folder browser: Wine's shell does not see it yet.
std::string windowsFolder(const std::string& below) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    return winlayer::fromWide(std::wstring(windows)) + below;
}

TEST(QueryDialogBehaviour, AddTakesTheBrowsedFolderInPathForm) {
    const std::string folder = windowsFolder("\\Fonts");
    runQueryDialog([&folder](HWND d) {
        wintest::SeenFolderBrowser browser;
        browser.folder = folder;
        wintest::answerNextFolderBrowser(browser);
        click(d, IDC_ADD);
        ASSERT_TRUE(browser.seen);
        EXPECT_TRUE(browser.ownerDisabled);
        ASSERT_EQ(listed(d).size(), 2u);
        const std::string added = listed(d)[1];
        EXPECT_EQ(winlayer::lowerCase(added), winlayer::lowerCase(folder + "\\"));
        EXPECT_EQ(search::searchRequest.searchFolders.back(), added);

        // The browser starts at C:\, which is taken as it is: a second "C:\" entry.
        wintest::SeenFolderBrowser root;
        wintest::answerNextFolderBrowser(root);
        click(d, IDC_ADD);
        EXPECT_EQ(listed(d), (std::vector<std::string>{"C:\\", added, "C:\\"}));
        EXPECT_EQ(search::searchRequest.searchFolders, listed(d));

        wintest::SeenFolderBrowser cancelled;
        cancelled.cancel = true;
        wintest::answerNextFolderBrowser(cancelled);
        click(d, IDC_ADD);
        EXPECT_TRUE(cancelled.seen);
        EXPECT_EQ(listed(d).size(), 3u);
    });
}

TEST(QueryDialogBehaviour, ExceptFoldersAreStoredLowerCased) {
    const std::string folder = windowsFolder("\\Fonts");
    runQueryDialog([&folder](HWND d) {
        click(d, IDC_SHOW_EXCEPT);
        EXPECT_TRUE(listed(d).empty());
        wintest::SeenFolderBrowser browser;
        browser.folder = folder;
        wintest::answerNextFolderBrowser(browser);
        click(d, IDC_ADD);
        ASSERT_EQ(listed(d).size(), 1u);
        const std::string shown = listed(d)[0];
        EXPECT_EQ(winlayer::lowerCase(shown), winlayer::lowerCase(folder + "\\"));
        // Listed as chosen, stored lower-cased.
        EXPECT_NE(shown, winlayer::lowerCase(shown));
        ASSERT_EQ(search::searchRequest.exceptFolders.size(), 1u);
        EXPECT_EQ(search::searchRequest.exceptFolders[0], winlayer::lowerCase(shown));
        EXPECT_EQ(search::searchRequest.searchFolders, std::vector<std::string>{"C:\\"});

        click(d, IDC_SHOW_SEARCH);
        EXPECT_EQ(listed(d), std::vector<std::string>{"C:\\"});
        click(d, IDC_SHOW_EXCEPT);
        EXPECT_EQ(listed(d), std::vector<std::string>{winlayer::lowerCase(shown)});
    });
}

TEST(QueryDialogBehaviour, AFullListTakesNoFurtherFolder) {
    runQueryDialog([](HWND d) {
        showList(d, IDC_SHOW_SEARCH, std::vector<std::string>(search::MaxFolders, "C:\\"));
        wintest::SeenFolderBrowser browser;
        wintest::answerNextFolderBrowser(browser);
        click(d, IDC_ADD);
        wintest::stopAnswering();
        EXPECT_FALSE(browser.seen);
        EXPECT_EQ(listed(d).size(), static_cast<size_t>(search::MaxFolders));
        EXPECT_EQ(search::searchRequest.searchFolders.size(),
                  static_cast<size_t>(search::MaxFolders));
    });
}

TEST(QueryDialogBehaviour, HelpShowsTheHelpTextWithoutDisablingTheDialog) {
    runQueryDialog([](HWND d) {
        wintest::SeenMessageBox box;
        wintest::answerNextMessageBox(box);
        click(d, IDC_HELP);
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.caption, "Program Help");
        EXPECT_EQ(box.text, helpText());
        EXPECT_FALSE(box.hasOwner);
    });
}

TEST(QueryDialogBehaviour, BeginWithAnEmptyFindTextDoesNothing) {
    runQueryDialog([](HWND d) {
        wintest::SeenMessageBox box;
        wintest::answerNextMessageBox(box);
        click(d, IDC_BEGIN);
        wintest::drainMessages();
        wintest::stopAnswering();
        EXPECT_FALSE(box.seen);
        EXPECT_TRUE(IsWindowEnabled(d));
    });
}

TEST(QueryDialogBehaviour, BeginRefusesAPathAndKeepsItsLastName) {
    runQueryDialog([](HWND d) {
        typeFindText(d, "C:\\Windows\\Notepad.exe");
        wintest::SeenMessageBox box;
        wintest::answerNextMessageBox(box);
        click(d, IDC_BEGIN);
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.caption, "Filename Error");
        EXPECT_EQ(box.text, "Path not permitted in file to find");
        EXPECT_FALSE(box.hasOwner);
        EXPECT_EQ(findText(d), "notepad.exe");
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_FIND_TEXT));

        // The replacement text counts as typed: an operator in it rules out "Exact name".
        click(d, IDC_EXACT_NAME);
        typeFindText(d, "x\\A*B.txt");
        EXPECT_TRUE(enabled(d, IDC_EXACT_NAME) == false);
        winlayer::enableControl(d, IDC_EXACT_NAME, true);
        winlayer::checkOption(d, IDC_PART_OF_NAME, IDC_EXACT_NAME, IDC_EXACT_NAME);
        wintest::SeenMessageBox second;
        wintest::answerNextMessageBox(second);
        click(d, IDC_BEGIN);
        ASSERT_TRUE(second.seen);
        EXPECT_EQ(second.text, "Path not permitted in file to find");
        EXPECT_EQ(findText(d), "a*b.txt");
        EXPECT_FALSE(enabled(d, IDC_EXACT_NAME));
        EXPECT_EQ(winlayer::getCheck(d, IDC_PART_OF_NAME), 1);

        typeFindText(d, "abc\\");
        wintest::SeenMessageBox third;
        wintest::answerNextMessageBox(third);
        click(d, IDC_BEGIN);
        ASSERT_TRUE(third.seen);
        EXPECT_EQ(third.text, "Path not permitted in file to find");
        EXPECT_EQ(findText(d), "");
    });
}

TEST(QueryDialogBehaviour, BeginRefusesAMalformedFilterAndSelectsPartOfName) {
    runQueryDialog([](HWND d) {
        typeFindText(d, "a*b*c");
        // Whatever the radio pair shows, the refusal leaves "Part of name" selected.
        winlayer::checkOption(d, IDC_PART_OF_NAME, IDC_EXACT_NAME, IDC_EXACT_NAME);
        wintest::SeenMessageBox box;
        wintest::answerNextMessageBox(box);
        click(d, IDC_BEGIN);
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.caption, "Filter error");
        EXPECT_EQ(box.text, "Illegal filter search");
        EXPECT_EQ(winlayer::getCheck(d, IDC_PART_OF_NAME), 1);
        EXPECT_EQ(winlayer::getCheck(d, IDC_EXACT_NAME), 0);
        EXPECT_EQ(findText(d), "a*b*c");
        const LRESULT selection = SendDlgItemMessageW(d, IDC_FIND_TEXT, EM_GETSEL, 0, 0);
        EXPECT_EQ(LOWORD(selection), 0);
        EXPECT_EQ(HIWORD(selection), 5);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_FIND_TEXT));
    });
}

TEST(QueryDialogBehaviour, EscapeAndEnterKeysOfTheDialogManagerDoNothing) {
    runQueryDialog([](HWND d) {
        SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindow(d));
    });
}

void CALLBACK closeQueryDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(queryDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(ProgramMain, ShowsTheQueryDialogUntilItIsClosedAndReturnsZero) {
    SetTimer(nullptr, 0, 10, closeQueryDialog);
    EXPECT_EQ(ProgramMain(GetModuleHandleW(nullptr), nullptr, "ignored arguments", SW_HIDE), 0);
    EXPECT_EQ(queryDialog, nullptr);
    EXPECT_EQ(winlayer::openDialogs(), 0);
}

} // namespace
