// What another process's windows show on the screen: the pixels themselves, read back from the
// screen, so that a window that holds a line but has not drawn it does not count.
#include "driver.h"

namespace e2e {

namespace {

// A clear dark pixel on a light background: list text, not the background or a faint frame.
bool isInk(RGBQUAD pixel) {
    return pixel.rgbRed + pixel.rgbGreen + pixel.rgbBlue < 3 * 128;
}

// Dark pixels in a rectangle of the screen (screen coordinates); -1 when it cannot be read.
int inkIn(const RECT& area) {
    const std::vector<RGBQUAD> pixels = screenPixels(area);
    if (pixels.empty()) {
        return -1;
    }
    int ink = 0;
    for (const RGBQUAD pixel : pixels) {
        ink += isInk(pixel) ? 1 : 0;
    }
    return ink;
}

} // namespace

std::vector<RGBQUAD> screenPixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<RGBQUAD> pixels;
    if (bitmap != nullptr) {
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
            GdiFlush();
            const auto* read = static_cast<const RGBQUAD*>(bits);
            pixels.assign(read, read + static_cast<size_t>(width) * static_cast<size_t>(height));
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool listRowShowsText(HWND list, int row) {
    DWORD_PTR itemHeight = 0;
    if (!SendMessageTimeoutW(list, LB_GETITEMHEIGHT, 0, 0, SMTO_NORMAL, 5000, &itemHeight) ||
        itemHeight == 0 || itemHeight == static_cast<DWORD_PTR>(LB_ERR)) {
        return false;
    }
    RECT client{};
    GetClientRect(list, &client);
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    const int height = static_cast<int>(itemHeight);
    if ((row + 1) * height > client.bottom) {
        return false;
    }
    // Two pixels in from every side: the focus frame around a row is no text.
    const RECT inside = {origin.x + 2, origin.y + row * height + 2, origin.x + client.right - 2,
                         origin.y + (row + 1) * height - 2};
    return inkIn(inside) > 0;
}

int listRowsOnScreen(HWND list) {
    DWORD_PTR itemHeight = 0;
    if (!SendMessageTimeoutW(list, LB_GETITEMHEIGHT, 0, 0, SMTO_NORMAL, 5000, &itemHeight) ||
        itemHeight == 0 || itemHeight == static_cast<DWORD_PTR>(LB_ERR)) {
        return 0;
    }
    RECT client{};
    GetClientRect(list, &client);
    return client.bottom / static_cast<int>(itemHeight);
}

} // namespace e2e
