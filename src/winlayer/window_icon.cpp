#include "winlayer/window_icon.h"

namespace winlayer {
namespace {

// Shared icons of the system's sizes are the loader's to free, so the window can hold them
// for as long as it lives.
HICON loadIcon(int iconId, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                         IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

void setWindowIcon(HWND window, int iconId) {
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(loadIcon(iconId, SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(loadIcon(iconId, SM_CXSMICON, SM_CYSMICON)));
}

} // namespace winlayer
