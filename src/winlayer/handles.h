#pragma once

// Owners for the Win32 handles the layer makes: each is released by the object that holds it.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace winlayer {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using KernelHandle = std::unique_ptr<void, KernelHandleCloser>;

// A window's device context, from GetDC to ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace winlayer
