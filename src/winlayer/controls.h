#pragma once

// Child controls created by kind, and the operations the dialog callbacks use on them. Every
// operation that takes a dialog and an identifier finds the control with GetDlgItem and does
// nothing useful when there is none.

#include <windows.h>

#include <string>

namespace winlayer {

enum class ControlKind { Button, CheckBox, Frame, Label, Option, TextBox, ListBox };

// What the caller passes as style for a kind, the class used, and the bits always added and
// always removed.
struct ControlKindInfo {
    const wchar_t* windowClass;
    DWORD defaultStyle;
    DWORD alwaysAdded;
    DWORD alwaysRemoved;
};
const ControlKindInfo& controlKindInfo(ControlKind kind);

// Style and extended style a control of this kind is created with. A style of 0 takes the
// kind's default; a text box or list box with the default style gets a sunken edge
// (WS_EX_CLIENTEDGE) in place of its flat border.
struct ControlStyles {
    DWORD style;
    DWORD exStyle;
};
ControlStyles controlStyles(ControlKind kind, DWORD style, DWORD exStyle);

// Creates a visible control; creation order is the tab order. Position and size are in the
// dialog's units. Returns the control, or 0.
HWND addControl(ControlKind kind, HWND dialog, int id, const std::string& text, int x, int y,
                int width, int height, DWORD style, DWORD exStyle);

HWND controlHandle(HWND dialog, int id);

std::string getControlText(HWND window);
void setControlText(HWND window, const std::string& text);

// id DialogItself designates the dialog.
constexpr int DialogItself = CW_USEDEFAULT;
void enableControl(HWND dialog, int id, bool enable);

// Brings the control's top-level window to the foreground and gives the control the focus.
void focusControl(HWND dialog, int id);

int getCheck(HWND dialog, int id);
void setCheck(HWND dialog, int id, int state);
void checkOption(HWND dialog, int firstId, int lastId, int checkId);

LRESULT sendToControl(HWND dialog, int id, UINT message);

// List box items count from 1. listAdd returns the new item's position; listSelected returns
// the selected position when it is at least from, else 0; listItemText with position 0 reads
// the selected item.
int listAdd(HWND dialog, int id, const std::string& text);
// The same on a list already found, for callers that append many lines in a row.
int listAppend(HWND list, const std::string& text);
void listDelete(HWND dialog, int id, int position);
int listSelected(HWND dialog, int id, int from);
std::string listItemText(HWND dialog, int id, int position);

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Width and height in dialog units; the position stays.
void setControlSize(HWND dialog, int id, int width, int height);

// Colours are COLORREF values (0x00BBGGRR); SystemColor for the system's own colour,
// TransparentBackground for a background that is not painted. They apply from the control's
// next paint.
constexpr int SystemColor = -1;
constexpr int TransparentBackground = -2;
void setControlColor(HWND dialog, int id, int textColor, int backColor);

} // namespace winlayer
