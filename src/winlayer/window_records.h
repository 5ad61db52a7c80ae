#pragma once

// What the layer knows about each dialog and control it created, found from the window
// handle. Shared by the dialog, control and font operations; not for the program's own use.

#include <windows.h>

#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/handles.h"

namespace winlayer {

struct WindowRecord {
    HWND window = nullptr;
    bool isDialog = false;
    ControlKind kind = ControlKind::Label; // controls only
    Units units = Units::DialogUnits;
    DialogCallback callback = nullptr;
    INT_PTR* resultTarget = nullptr;
    HWND owner = nullptr;  // dialogs: the owner dialog
    HWND parent = nullptr; // controls: the dialog they belong to
    DWORD createStyle = 0;
    int showCommand = SW_SHOW;
    int textColor = SystemColor;
    int backColor = SystemColor;
    BrushHandle backBrush;
};

// Makes (or replaces) the record of window.
WindowRecord& makeRecord(HWND window);

// The record of window, or nullptr when the layer did not create it or it is gone.
WindowRecord* findRecord(HWND window);

// Releases the records of a dialog and of every control it holds.
void releaseRecords(HWND dialog);

} // namespace winlayer
