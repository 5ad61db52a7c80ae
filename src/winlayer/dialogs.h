#pragma once

// Dialogs built at run time from an in-memory template without items, one dialog procedure
// shared by all of them that forwards messages to the program's callbacks, the modal loop and
// the one-message pump.

#include <windows.h>

#include <string>

namespace winlayer {

enum class Units { DialogUnits, Pixels };

// A dialog callback returns 0 to let the layer's default handling run after it; a non-zero
// result ends the handling of that message.
using DialogCallback = INT_PTR (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// x or y with this value: the system centres the dialog (DS_CENTER).
constexpr int DefaultPosition = CW_USEDEFAULT;

// Font style bits for setDialogFont and createFont.
constexpr int FontBold = 1;
constexpr int FontItalic = 2;
constexpr int FontUnderline = 4;
constexpr int FontStrikeout = 8;

// The font of every dialog created afterwards; face cut to 31 characters. Until it is called:
// "MS Sans Serif", 8 points, normal weight, not italic, character set 0.
void setDialogFont(const std::string& face, double points, int style, int charset);

// An invisible dialog with no controls yet; 0 when the system cannot create it. Style 0 means
// a popup with a caption and a modal frame. x and y are in the given units, or DefaultPosition.
HWND createDialog(Units units, HWND owner, int x, int y, int width, int height, DWORD style,
                  DWORD exStyle, const std::string& title);

// Calls callback with WM_INITDIALOG and WM_SIZE, shows the dialog (its owner disabled) and runs
// its message loop until the dialog is destroyed. When resultTarget is given, it receives the
// result passed to endDialog.
void showModal(HWND dialog, DialogCallback callback, INT_PTR* resultTarget = nullptr);

// Sends the dialog WM_CLOSE, enables its owner again and destroys it; its modal loop then ends.
void endDialog(HWND dialog, INT_PTR result);

// Handles at most one waiting message of the thread, or sleeps sleepMs milliseconds when there
// is none (0: yields the rest of the time slice). Lets a long operation on the user-interface
// thread keep every window responsive. For a millisecond after a look that found the queue
// empty, calls do not look again: they only sleep sleepMs, and with 0 return at once, the look
// having yielded. A message waits at most that much longer. Returns the number of open dialogs.
int pumpOneMessage(DWORD sleepMs);

INT_PTR CALLBACK sharedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog most recently activated, or 0 while none of the program's dialogs is active.
HWND activeDialog();

// Dialogs that received WM_INITDIALOG and have not yet been destroyed.
int openDialogs();

} // namespace winlayer
