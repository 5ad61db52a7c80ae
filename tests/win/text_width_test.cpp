// Widths from the learnt byte widths equal textExtent's, for every pair of 7-bit
// bytes (so no pair kerns), long lines, control characters, and lines of 8-bit bytes, in the
// fonts the program measures with and fonts that a pair could kern or an overhang could widen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "winlayer/dialogs.h"
#include "winlayer/fonts.h"
#include "winlayer/handles.h"
#include "winlayer/text_width.h"

namespace {

int extentOf(HDC dc, const std::string& text) {
    SIZE size{};
    EXPECT_TRUE(winlayer::textExtent(dc, text, size));
    return size.cx;
}

std::vector<std::string> linesToMeasure() {
    std::vector<std::string> lines = {
        "",
        "c:\\work\\first.txt",
        "c:\\program files\\wine\\some folder\\a file name.txt     12 KB 01/31/2020",
        "AVAVAV To Ty Yo LT WA ff fi fl ... ''\"\"",
        "tab\there\tand\x01\x02\x1f\x7f controls",
        "c:\\caf\xe9\\na\xefve.txt",                      // code page 1252
        "c:\\\xd0\x9a\xd0\xb8\xd1\x80\\\xe6\x97\xa5.txt", // UTF-8
        "c:\\\x83\x5c\\\x95\x5c.txt",                     // DBCS lead bytes, "\" as second byte
        "mixed ascii then \x80\x81\xff at the end",
    };
    std::string everyByte;
    for (int byte = 1; byte < 128; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    lines.push_back(everyByte);
    lines.push_back(std::string(300, 'W') + std::string(300, 'i'));
    // Every pair of 7-bit bytes: a kerned pair would differ from the sum of its two widths.
    for (int first = 1; first < 128; ++first) {
        for (int second = 1; second < 128; ++second) {
            lines.push_back({static_cast<char>(first), static_cast<char>(second)});
        }
    }
    return lines;
}

TEST(TextWidth, EqualsTheMeasuredExtentForEveryLineInEveryFont) {
    struct Font {
        const char* face;
        double points;
        int style;
    };
    const Font fonts[] = {
        {"arial", 10, 0},         // the results list's font
        {"MS Sans Serif", 14, 0}, // a bitmap face where the system has one
        {"times new roman", 24, winlayer::FontItalic | winlayer::FontBold},
        {"courier new", 9, winlayer::FontBold},
    };
    const std::vector<std::string> lines = linesToMeasure();
    const winlayer::WindowDC screen(nullptr);
    ASSERT_NE(screen.get(), nullptr);
    for (const Font& font : fonts) {
        SCOPED_TRACE(font.face);
        const HFONT handle =
            winlayer::realiseFont(winlayer::createFont(font.face, font.points, font.style, 0),
                                  GetDeviceCaps(screen.get(), LOGPIXELSY));
        ASSERT_NE(handle, nullptr);
        const HGDIOBJ previous = SelectObject(screen.get(), handle);
        winlayer::TextWidths widths;
        winlayer::measureOn(widths, screen.get());
        int mismatches = 0;
        for (const std::string& line : lines) {
            int width = -1;
            ASSERT_TRUE(winlayer::textWidth(widths, line, width));
            const int expected = extentOf(screen.get(), line);
            if (width != expected && ++mismatches <= 5) {
                ADD_FAILURE() << "line of " << line.size() << " bytes starting with byte "
                              << (line.empty() ? 0 : static_cast<unsigned char>(line[0])) << ": "
                              << width << " instead of " << expected;
            }
        }
        EXPECT_EQ(mismatches, 0);
        SelectObject(screen.get(), previous);
    }
}

TEST(TextWidth, AFailedMeasurementIsReportedNotGuessed) {
    winlayer::TextWidths widths;
    winlayer::measureOn(widths, nullptr);
    int width = 7;
    EXPECT_FALSE(winlayer::textWidth(widths, "abc", width));
    EXPECT_FALSE(winlayer::textWidth(widths, "\xe9", width));
    EXPECT_EQ(width, 7);
}

} // namespace
