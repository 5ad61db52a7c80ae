// Drives the real sorvane.exe from another process: starts it, finds its windows, reads and
// presses its controls, answers its message boxes and folder browser, and sends real key and
// mouse input through the X server that Wine draws on.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Control identifiers of the query dialog.
namespace query {
constexpr int findText = 101;
constexpr int files = 102;
constexpr int folders = 103;
constexpr int fileSizes = 104;
constexpr int fileDates = 105;
constexpr int partOfName = 111;
constexpr int exactName = 112;
constexpr int showSearch = 121;
constexpr int showExcept = 122;
constexpr int folderList = 123;
constexpr int add = 124;
constexpr int del = 125;
constexpr int begin = 130;
constexpr int help = 131;
constexpr int track = 132;
constexpr const wchar_t* title = L"Sorvane - Ver 1.64";
} // namespace query

// Control identifiers of the results window.
namespace results {
constexpr int list = 201;
constexpr int asFound = 203;
constexpr int bySize = 204;
constexpr int byDate = 205;
constexpr int run = 211;
constexpr int print = 212;
constexpr int status = 221;
constexpr int count = 222;
constexpr int trackNote = 132;
} // namespace results

// The standard dialog class, used by the program's dialogs, message boxes and the folder browser.
constexpr const wchar_t* dialogClass = L"#32770";

// Long enough for a loaded machine; only a failing test ever waits this long.
constexpr DWORD defaultTimeoutMs = 10000;

// Polls condition (every 10 ms) until it holds or timeoutMs has passed; returns its last value.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = defaultTimeoutMs);

// ---- Paths ----

// A path as given on the command line (a Unix path under Wine) in Windows form ("Z:\...").
// Windows paths are returned unchanged.
std::wstring windowsPath(const std::string& givenPath);
// The Unix path of a Windows path under Wine; empty when not running under Wine.
std::string hostPath(const std::wstring& windowsPath);

// A fresh, uniquely named folder under the temporary folder, removed with all its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's Windows path, without a trailing "\".
    const std::wstring& path() const { return path_; }
    // Creates relative (sub)folders, e.g. L"Data\\Sub"; returns the full path.
    std::wstring makeFolder(const std::wstring& relative) const;
    // Creates a file of the given size in bytes (folders on the way included); returns the path.
    std::wstring makeFile(const std::wstring& relative, DWORD size = 0) const;

private:
    std::wstring path_;
};

// ---- Pixel sizes the program's windows must have ----

// A dialog of this process made from a DLGTEMPLATEEX with the program's dialog font ("arial",
// 10 points, weight 400, not italic, character set 0): it maps dialog units to pixels as the
// program's dialogs must, and measures text as the program's lists show it.
class ReferenceDialog {
public:
    ReferenceDialog();
    ~ReferenceDialog();
    ReferenceDialog(const ReferenceDialog&) = delete;
    ReferenceDialog& operator=(const ReferenceDialog&) = delete;

    HWND window() const { return window_; }
    RECT map(int x, int y, int width, int height) const;
    // The pixel width of the widest line in the dialog's font; 0 for none.
    int widestLine(const std::vector<std::wstring>& lines) const;

private:
    HWND window_ = nullptr;
};

// ---- The program's process ----

// A started program. The destructor terminates it if it is still running.
class Program {
public:
    // Starts exe (Windows path) with the given argument text in the given current folder.
    // showCommand goes to STARTUPINFO.wShowWindow. started() tells whether it worked.
    Program(const std::wstring& exe, const std::wstring& currentFolder,
            const std::wstring& arguments = L"", WORD showCommand = SW_SHOWNORMAL);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD processId() const { return processId_; }
    // The exit code once the process has ended within timeoutMs; nullopt if it still runs.
    std::optional<DWORD> waitExit(DWORD timeoutMs = defaultTimeoutMs) const;
    // The bitness the process runs with: 32 for an x86 process (under WOW64 on 64-bit
    // Windows), 64 for an x64 one; 0 when it cannot be told.
    int bits() const;
    // The full Windows path of the process's executable image; empty when it cannot be read.
    std::wstring imagePath() const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Visible top-level windows of a process, in z-order; className/title empty match any.
std::vector<HWND> topLevelWindows(DWORD processId, const std::wstring& className = L"",
                                  const std::wstring& title = L"");
// Waits for a visible top-level window of the process with that class and title.
HWND waitForWindow(DWORD processId, const std::wstring& className, const std::wstring& title,
                   DWORD timeoutMs = defaultTimeoutMs);
// Waits until the window no longer exists.
bool waitForClose(HWND window, DWORD timeoutMs = defaultTimeoutMs);
// Posts SC_CLOSE, as the close box does.
void closeWindow(HWND window);

// ---- Reading windows and controls ----

std::wstring windowText(HWND window); // WM_GETTEXT
std::wstring windowClass(HWND window);

struct Control {
    HWND window = nullptr;
    int id = 0;
    std::wstring className;
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{}; // in the client coordinates of the parent dialog
};

Control describe(HWND control);
// The direct children of a dialog in z-order (creation order, which is also the tab order).
std::vector<Control> childControls(HWND dialog);

HWND control(HWND dialog, int id);
int checkState(HWND dialog, int id); // BM_GETCHECK
bool isEnabled(HWND dialog, int id);
std::vector<std::wstring> listItems(HWND dialog, int id); // LB_GETCOUNT, LB_GETTEXT
int listSelection(HWND dialog, int id);                   // LB_GETCURSEL, -1 for none
struct Selection {
    int start = 0;
    int end = 0;
};
Selection editSelection(HWND dialog, int id); // EM_GETSEL's return value
// The window with the keyboard focus in the thread that owns window (GetGUIThreadInfo).
HWND focusedWindow(HWND window);
int focusedId(HWND dialog); // the focused control's identifier, 0 when none of the dialog's

// ---- What the screen shows ----

// The pixels of a rectangle of the screen (screen coordinates), row by row from the top; empty
// when it cannot be read.
std::vector<RGBQUAD> screenPixels(const RECT& area);

// Whether row (0 for the list's top row) of a list box shows text on the screen now, read back
// from the screen's pixels: a line the list holds but has not drawn does not count.
bool listRowShowsText(HWND list, int row);
// How many whole rows the list box's client area holds.
int listRowsOnScreen(HWND list);

// ---- Acting on controls ----

// Posts BM_CLICK: safe for buttons that open a modal box.
void click(HWND dialog, int id);
// Sends BM_CLICK and reports whether the click's handling returned within timeoutMs; false
// means it is still running, e.g. inside a modal box that it opened.
bool clickAndReturn(HWND dialog, int id, DWORD timeoutMs = defaultTimeoutMs);
void setText(HWND dialog, int id, const std::wstring& text); // WM_SETTEXT, raises EN_CHANGE
void setCheck(HWND dialog, int id, int state);               // BM_SETCHECK, no notification
void selectListItem(HWND dialog, int id, int index);         // LB_SETCURSEL, no notification

// ---- Message boxes ----

// A visible message box (dialog class) of the process with that caption.
HWND waitForMessageBox(DWORD processId, const std::wstring& caption,
                       DWORD timeoutMs = defaultTimeoutMs);
// The first visible dialog-class window of the process other than except: a message box or
// browser that the program has just opened, whatever its caption.
HWND waitForOtherDialog(DWORD processId, HWND except, DWORD timeoutMs = defaultTimeoutMs);
std::wstring messageBoxText(HWND box);
std::vector<int> messageBoxButtons(HWND box); // identifiers of its push buttons (IDOK, ...)
// Posts a click on the box's button and waits until the box is gone.
bool pressMessageBoxButton(HWND box, int buttonId = IDOK, DWORD timeoutMs = defaultTimeoutMs);
// Closes every top-level window of the process except keep (cleanup after a failed test).
void closeOtherWindows(DWORD processId, HWND keep);

// ---- Folder browser ----

// Presses "&Add" of the query dialog, drives the folder browser that opens to folder (a
// Windows path of an existing folder) and presses its OK. Returns the text of the item the
// program then appended to the folder list box; empty when any step failed.
std::wstring addFolder(DWORD processId, HWND queryDialog, const std::wstring& folder);

// ---- Real input through the X server (xdotool) ----

// Runs a command with /bin/sh on the host and returns its exit status, or -1 when it could
// not be started or did not finish within timeoutMs.
int runHostCommand(const std::string& command, DWORD timeoutMs = defaultTimeoutMs);
// Makes the window Wine's foreground window and gives its X window the X keyboard focus.
bool focusForKeys(HWND topLevelWindow);
// Presses keys (xdotool key names: "Tab", "shift+Tab", "a", "asterisk", "BackSpace", "Return")
// into the top-level window, one after the other, after focusForKeys.
bool pressKeys(HWND topLevelWindow, const std::vector<std::string>& keys);
// A real left click in the middle of the window (a control or a dialog).
bool clickMouse(HWND window);
// The screen point a quarter across the list box's item index (from 0), which it scrolls into
// view; false when the item cannot be shown.
bool listItemPoint(HWND list, int index, POINT& point);
// Real left clicks at a screen point: one, or two in quick succession for a double-click.
bool clickAt(POINT point, int clicks = 1);
// Real left clicks on the list box's item index (listItemPoint, then clickAt).
bool clickListItem(HWND list, int index, int clicks = 1);
// Writes a PNG of the whole screen to hostFile (a Unix path).
bool screenshot(const std::string& hostFile);

// One of the icon images that Wine gives a top-level window's X window (_NET_WM_ICON), which
// taskbars and window managers draw: pixels as 0xAARRGGBB, row by row from the top.
struct XIcon {
    int width = 0;
    int height = 0;
    std::vector<unsigned long> argb;
};
// The X window's icon images (xprop); empty when it has none or they cannot be read.
std::vector<XIcon> xWindowIcons(HWND topLevelWindow);

} // namespace e2e
