#include "winlayer/wide_text.h"

#include <windows.h>

namespace winlayer {

std::wstring toWide(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], wideLength);
    return wide;
}

std::string fromWide(const wchar_t* text, int length) {
    if (length <= 0) {
        return std::string();
    }
    const int ansiLength =
        WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &ansi[0], ansiLength, nullptr, nullptr);
    return ansi;
}

std::string fromWide(const std::wstring& text) {
    return fromWide(text.data(), static_cast<int>(text.size()));
}

} // namespace winlayer
