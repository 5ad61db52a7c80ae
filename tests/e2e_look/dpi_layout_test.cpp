// Both windows at the display resolutions users have (96, 120, 144 and 192 pixels per inch, the
// prefix's LogPixels): they grow with their font, every control's text fits inside its
// control, no control covers another or leaves the window, and at 144 both fit 1280 x 1024.
// A process reads the resolution when it starts, so each resolution is checked by a run of
// this executable of its own, started by the table-driven test below.
#include "session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr const wchar_t* desktopKey = L"Control Panel\\Desktop";
constexpr const char* dpiVariable = "SORVANE_TEST_DPI";

// The resolution a run at one resolution was started for; 0 in the run that starts them.
int wantedDpi() {
    char value[16] = "";
    const DWORD length = GetEnvironmentVariableA(dpiVariable, value, sizeof(value));
    return length > 0 && length < sizeof(value) ? std::atoi(value) : 0;
}

// Sets LogPixels for the processes started from now on and puts the previous value back.
class LogPixelsSetting {
public:
    LogPixelsSetting() {
        DWORD size = sizeof(previous_);
        had_ = RegGetValueW(HKEY_CURRENT_USER, desktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                            &previous_, &size) == ERROR_SUCCESS;
    }
    ~LogPixelsSetting() {
        if (had_) {
            set(previous_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, desktopKey, L"LogPixels");
        }
    }
    LogPixelsSetting(const LogPixelsSetting&) = delete;
    LogPixelsSetting& operator=(const LogPixelsSetting&) = delete;

    static bool set(DWORD dpi) {
        return RegSetKeyValueW(HKEY_CURRENT_USER, desktopKey, L"LogPixels", REG_DWORD, &dpi,
                               sizeof(dpi)) == ERROR_SUCCESS;
    }

private:
    DWORD previous_ = 96;
    bool had_ = false;
};

// This executable again, with the same program and artifacts, running only the checks at one
// resolution; its exit code.
DWORD runAtOneDpi(int dpi) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    // The artifacts folder is a host path, passed on as it came.
    const std::string& artifacts = artifactsFolder();
    std::wstring artifactsText(artifacts.size(), L'\0');
    MultiByteToWideChar(CP_ACP, 0, artifacts.data(), static_cast<int>(artifacts.size()),
                        &artifactsText[0], static_cast<int>(artifactsText.size()));
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --gtest_filter=AtOneDpi.* \"" +
                               sorvaneExe() + L"\" \"" + artifactsText + L"\"";
    SetEnvironmentVariableA(dpiVariable, std::to_string(dpi).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(self, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableA(dpiVariable, nullptr);
    if (!started) {
        return static_cast<DWORD>(-1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(DpiLayout, HoldsAt96To192PixelsPerInch) {
    if (wantedDpi() != 0) {
        GTEST_SKIP() << "a run at one resolution";
    }
    const LogPixelsSetting setting;
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(testing::Message() << dpi << " pixels per inch");
        ASSERT_TRUE(LogPixelsSetting::set(static_cast<DWORD>(dpi)));
        std::fflush(stdout);
        EXPECT_EQ(runAtOneDpi(dpi), 0u);
    }
}

// ---- The checks at one resolution ----

// The dialog font and the results window's status label font as the program makes them, at
// this process's resolution.
class Font {
public:
    Font(const wchar_t* face, int points, int dpi) {
        LOGFONTW description{};
        description.lfHeight = -MulDiv(points, dpi, 72);
        description.lfWeight = FW_NORMAL;
        std::wstring(face).copy(description.lfFaceName, LF_FACESIZE - 1);
        font_ = CreateFontIndirectW(&description);
    }
    ~Font() { DeleteObject(font_); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The size the text takes when a control draws it: "&" marks an access key.
    SIZE measure(const std::wstring& text) const {
        const HDC dc = GetDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font_);
        RECT rect{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_CALCRECT | DT_SINGLELINE);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        return SIZE{rect.right, rect.bottom};
    }

private:
    HFONT font_;
};

enum class Look { Label, PushButton, CheckMark, GroupBox, Field };

Look lookOf(const Control& c) {
    const std::wstring kind = windowClass(c.window);
    if (CompareStringOrdinal(kind.c_str(), -1, L"Button", -1, TRUE) != CSTR_EQUAL) {
        return CompareStringOrdinal(kind.c_str(), -1, L"Static", -1, TRUE) == CSTR_EQUAL
                   ? Look::Label
                   : Look::Field;
    }
    switch (c.style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return Look::GroupBox;
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON:
        return Look::CheckMark;
    default:
        return Look::PushButton;
    }
}

// The room a control of this look leaves for its text, in pixels at dpi: a push button's edge,
// the box or circle of a check box or radio button and the gap after it, a group box's indent.
SIZE textRoom(const Control& c, int dpi) {
    const LONG width = c.rect.right - c.rect.left;
    const LONG height = c.rect.bottom - c.rect.top;
    const auto scaled = [dpi](int pixelsAt96) { return MulDiv(pixelsAt96, dpi, 96); };
    switch (lookOf(c)) {
    case Look::PushButton:
        return SIZE{width - 2 * scaled(3), height - 2 * scaled(3)};
    case Look::CheckMark:
        return SIZE{width - scaled(13 + 4), height};
    case Look::GroupBox:
        return SIZE{width - 2 * scaled(8), height};
    default:
        return SIZE{width, height};
    }
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Where a control draws its text, vertically: labels from their top, the others centred.
void textBand(const Control& c, LONG textHeight, LONG* top, LONG* bottom) {
    if (lookOf(c) == Look::Label) {
        *top = c.rect.top;
    } else {
        *top = (c.rect.top + c.rect.bottom - textHeight) / 2;
    }
    *bottom = *top + textHeight;
}

class AtOneDpi : public ::testing::Test {
protected:
    void SetUp() override {
        dpi_ = wantedDpi();
        if (dpi_ == 0) {
            GTEST_SKIP() << "started by DpiLayout at each resolution";
        }
        const HDC screen = GetDC(nullptr);
        const int actual = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(actual, dpi_) << "Wine did not take the LogPixels setting";
    }
    int dpi_ = 0;
};

// Every control's text, measured in the font the control has, fits the room the control
// leaves for it; controls stay inside the client area; they overlap only where the dialog-unit
// layout makes them (a group box around its buttons, check boxes 15 units high at 12 apart,
// the "Find: " label under the text box's edge), and there their texts do not meet.
void checkControls(HWND window, int dpi, const Font& dialogFont, const Font& statusFont,
                   const std::vector<std::wstring>& laterTexts) {
    RECT client;
    GetClientRect(window, &client);
    const std::vector<Control> controls = childControls(window);
    ASSERT_FALSE(controls.empty());
    for (const Control& c : controls) {
        SCOPED_TRACE(testing::Message() << "control " << c.id << " \"" << c.text.c_str() << "\"");
        EXPECT_TRUE(inside(c.rect, client));
        std::vector<std::wstring> texts{c.text};
        if (c.id == results::status) {
            texts = {L"Please wait", L"Stopped", L"Done"};
        } else if (c.id == results::count) {
            texts = laterTexts;
        }
        if (lookOf(c) == Look::Field) {
            continue;
        }
        const SIZE room = textRoom(c, dpi);
        for (const std::wstring& text : texts) {
            const SIZE needed = (c.id == results::status ? statusFont : dialogFont).measure(text);
            EXPECT_LE(needed.cx, room.cx) << "text \"" << text.c_str() << "\" is too wide";
            EXPECT_LE(needed.cy, room.cy) << "text \"" << text.c_str() << "\" is too high";
        }
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const Control& a = controls[i];
            const Control& b = controls[j];
            RECT common;
            if (!IntersectRect(&common, &a.rect, &b.rect)) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << "controls \"" << a.text.c_str() << "\" and \""
                                            << b.text.c_str() << "\"");
            if (lookOf(a) == Look::GroupBox || lookOf(b) == Look::GroupBox) {
                const Control& box = lookOf(a) == Look::GroupBox ? a : b;
                const Control& other = lookOf(a) == Look::GroupBox ? b : a;
                EXPECT_TRUE(inside(other.rect, box.rect)) << "half inside a group box";
                continue;
            }
            if (lookOf(b) == Look::Field) {
                // A label reaching under a text box: its text ends before the box begins.
                EXPECT_EQ(lookOf(a), Look::Label);
                EXPECT_LE(a.rect.left + dialogFont.measure(a.text).cx, b.rect.left);
                continue;
            }
            // Neighbours in a column: their texts lie in bands that do not meet.
            EXPECT_EQ(a.rect.left, b.rect.left) << "overlap that is not a column";
            const LONG height = dialogFont.measure(L"Xg").cy;
            LONG aTop, aBottom, bTop, bBottom;
            textBand(a, height, &aTop, &aBottom);
            textBand(b, height, &bTop, &bBottom);
            EXPECT_TRUE(aBottom <= bTop || bBottom <= aTop) << "their texts meet";
        }
    }
}

TEST_F(AtOneDpi, BothWindowsScaleFitAndKeepTheirControlsApart) {
    ReferenceDialog reference;
    ASSERT_NE(reference.window(), nullptr);
    const Font dialogFont(L"arial", 10, dpi_);
    const Font statusFont(L"MS Sans Serif", 14, dpi_);

    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    // An item count as the label shows it, for a search that finds many.
    const std::vector<std::wstring> countTexts{L" 1000000 items found"};
    setText(session.dialog(), query::findText, L"zqxwv");
    // Tracking adds the results window's longest label.
    setCheck(session.dialog(), query::track, BST_CHECKED);
    click(session.dialog(), query::begin);
    const HWND results = waitForWindow(session.processId(), dialogClass, L"Matching Files");
    ASSERT_NE(results, nullptr);
    ASSERT_NE(control(results, results::trackNote), nullptr);

    struct Expected {
        const char* name;
        HWND window;
        RECT size; // the window's, for the query dialog; the client area's for the results
        bool whole;
    };
    const Expected windows[] = {
        {"query dialog", session.dialog(), reference.map(0, 0, 300, 245), true},
        {"results window", results, reference.map(0, 0, 400, 320), false},
    };
    for (const Expected& expected : windows) {
        SCOPED_TRACE(expected.name);
        RECT frame;
        GetWindowRect(expected.window, &frame);
        RECT client;
        GetClientRect(expected.window, &client);
        std::printf("%d dpi: %s %ld x %ld pixels (client %ld x %ld)\n", dpi_, expected.name,
                    frame.right - frame.left, frame.bottom - frame.top, client.right,
                    client.bottom);
        const RECT& measured = expected.whole ? frame : client;
        EXPECT_EQ(measured.right - measured.left, expected.size.right);
        EXPECT_EQ(measured.bottom - measured.top, expected.size.bottom);
        if (dpi_ <= 144) {
            EXPECT_LE(frame.right - frame.left, 1280);
            EXPECT_LE(frame.bottom - frame.top, 1024);
            EXPECT_GE(frame.left, 0);
            EXPECT_GE(frame.top, 0);
        }
        checkControls(expected.window, dpi_, dialogFont, statusFont, countTexts);
    }
    screenshot(artifactsFolder() + "/windows-" + std::to_string(dpi_) + "dpi.png");
    std::fflush(stdout);
    closeWindow(results);
    EXPECT_TRUE(waitForClose(results));
}

} // namespace
} // namespace e2e
