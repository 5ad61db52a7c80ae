// The query dialog as the program shows it: frame, title, the seventeen controls with their
// identifiers, classes, texts, styles and pixel rectangles, and the state it starts in.
#include "session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace e2e {
namespace {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    int x, y, width, height; // dialog units
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD child = WS_CHILD | WS_VISIBLE;

const ExpectedControl expectedControls[] = {
    {-1, L"Static", L"Find: ", 7, 23, 25, 12, child | SS_LEFT, 0},
    {query::findText, L"Edit", L"", 25, 22, 115, 13, child | WS_TABSTOP | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE},
    {query::partOfName, L"Button", L"Part of name", 150, 22, 60, 12,
     child | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0},
    // Checking a radio button gives it the tab stop and takes it from the unchecked ones.
    {query::exactName, L"Button", L"Exact name", 150, 35, 60, 12, child | BS_AUTORADIOBUTTON, 0},
    {query::files, L"Button", L"Files", 220, 10, 50, 15,
     child | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {query::folders, L"Button", L"Folders", 220, 22, 50, 15, child | WS_TABSTOP | BS_AUTOCHECKBOX,
     0},
    {query::fileSizes, L"Button", L"File Sizes", 220, 34, 50, 15,
     child | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {query::fileDates, L"Button", L"File Dates", 220, 46, 60, 15,
     child | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {query::showSearch, L"Button", L"Search folders", 25, 58, 60, 10,
     child | WS_TABSTOP | BS_AUTORADIOBUTTON, 0},
    {query::showExcept, L"Button", L"Except folders", 90, 58, 60, 10, child | BS_AUTORADIOBUTTON,
     0},
    // The list box shows its vertical scroll bar (WS_VSCROLL) only while its items overflow.
    {query::folderList, L"ListBox", L"", 25, 70, 245, 100, child | WS_BORDER | LBS_NOTIFY,
     WS_EX_CLIENTEDGE},
    {-1, L"Button", L"Search folders", 35, 170, 120, 37, child | BS_GROUPBOX, 0},
    {query::add, L"Button", L"&Add", 45, 182, 45, 18, child | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {query::del, L"Button", L"&Del", 95, 182, 45, 18, child | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {query::begin, L"Button", L"&Begin", 180, 178, 40, 22, child | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {query::help, L"Button", L"&Help", 222, 178, 40, 22, child | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {query::track, L"Button", L"Track folders searched (usefull when medium is corrupted)", 25, 210,
     220, 15, child | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
};
constexpr size_t controlCount = sizeof(expectedControls) / sizeof(expectedControls[0]);

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

::testing::AssertionResult sameRect(const RECT& actual, const RECT& expected) {
    if (EqualRect(&actual, &expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "actual (" << actual.left << ", " << actual.top << ")-(" << actual.right << ", "
           << actual.bottom << "), expected (" << expected.left << ", " << expected.top << ")-("
           << expected.right << ", " << expected.bottom << ")";
}

class QueryDialogLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<Session>(); }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override {
        ASSERT_NE(session_->dialog(), nullptr) << "the query dialog did not appear";
        controls_ = childControls(session_->dialog());
        ASSERT_EQ(controls_.size(), controlCount);
    }

    HWND dialog() const { return session_->dialog(); }

    static std::unique_ptr<Session> session_;
    std::vector<Control> controls_;
};

std::unique_ptr<Session> QueryDialogLayout::session_;

TEST_F(QueryDialogLayout, TitleFrameAndPlace) {
    EXPECT_EQ(windowText(dialog()), query::title);
    EXPECT_EQ(GetWindow(dialog(), GW_OWNER), nullptr);

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog(), GWL_STYLE));
    const DWORD required = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE | DS_SETFONT |
                           DS_3DLOOK | DS_NOFAILCREATE | DS_CENTER;
    EXPECT_EQ(style & required, required) << std::hex << style;
    const DWORD forbidden =
        WS_POPUP | WS_CHILD | WS_MAXIMIZEBOX | WS_THICKFRAME | DS_MODALFRAME | DS_SYSMODAL;
    EXPECT_EQ(style & forbidden, 0u) << std::hex << style;
    // No extended style of its own: the system adds these two to every such dialog.
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog(), GWL_EXSTYLE));
    const DWORD systemAdded = WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
    EXPECT_EQ(exStyle & ~systemAdded, 0u) << std::hex << exStyle;

    // Centred on the screen's work area.
    RECT frame;
    GetWindowRect(dialog(), &frame);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);
}

// The dialog's template style has no WS_CAPTION (the system adds it to an overlapped window),
// so the system makes the whole window, caption and frame included, 300 by 245 dialog units.
TEST_F(QueryDialogLayout, WindowIs300By245DialogUnitsOfArial10) {
    ReferenceDialog reference;
    ASSERT_NE(reference.window(), nullptr);
    RECT frame;
    GetWindowRect(dialog(), &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    EXPECT_TRUE(sameRect(frame, reference.map(0, 0, 300, 245)));
}

TEST_F(QueryDialogLayout, ControlsInCreationOrderWithIdentifierClassAndText) {
    for (size_t i = 0; i < controlCount; ++i) {
        const ExpectedControl& expected = expectedControls[i];
        SCOPED_TRACE(testing::Message() << "control " << i + 1 << " \"" << expected.text << "\"");
        EXPECT_EQ(controls_[i].id, expected.id);
        EXPECT_TRUE(sameIgnoringCase(controls_[i].className, expected.className))
            << controls_[i].className;
        if (expected.id != query::folderList) {
            EXPECT_EQ(controls_[i].text, expected.text);
        }
    }
}

TEST_F(QueryDialogLayout, ControlStylesAndExtendedStyles) {
    for (size_t i = 0; i < controlCount; ++i) {
        const ExpectedControl& expected = expectedControls[i];
        SCOPED_TRACE(testing::Message() << "control " << i + 1 << " \"" << expected.text << "\"");
        EXPECT_EQ(controls_[i].style, expected.style)
            << std::hex << controls_[i].style << " != " << expected.style;
        EXPECT_EQ(controls_[i].exStyle, expected.exStyle)
            << std::hex << controls_[i].exStyle << " != " << expected.exStyle;
    }
}

TEST_F(QueryDialogLayout, ControlRectanglesAreDialogUnitsOfArial10) {
    ReferenceDialog reference;
    ASSERT_NE(reference.window(), nullptr);
    for (size_t i = 0; i < controlCount; ++i) {
        const ExpectedControl& expected = expectedControls[i];
        SCOPED_TRACE(testing::Message() << "control " << i + 1 << " \"" << expected.text << "\"");
        const RECT mapped = reference.map(expected.x, expected.y, expected.width, expected.height);
        if (expected.id != query::folderList) {
            EXPECT_TRUE(sameRect(controls_[i].rect, mapped));
            continue;
        }
        // A list box without LBS_NOINTEGRALHEIGHT drops the part of a line left at its bottom.
        const RECT& actual = controls_[i].rect;
        EXPECT_EQ(actual.left, mapped.left);
        EXPECT_EQ(actual.top, mapped.top);
        EXPECT_EQ(actual.right, mapped.right);
        const auto lineHeight =
            static_cast<LONG>(SendMessageW(controls_[i].window, LB_GETITEMHEIGHT, 0, 0));
        ASSERT_GT(lineHeight, 0);
        EXPECT_LE(actual.bottom, mapped.bottom);
        EXPECT_GT(actual.bottom, mapped.bottom - lineHeight);
    }
}

TEST_F(QueryDialogLayout, FolderListScrollsWhenItsItemsOverflow) {
    const HWND list = control(dialog(), query::folderList);
    const auto lines = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < 40; ++i) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"X:\\"));
    }
    const auto overflowing = static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE));
    for (int i = 0; i < 40; ++i) {
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(lines), 0);
    }
    EXPECT_TRUE(overflowing & WS_VSCROLL) << std::hex << overflowing;
    EXPECT_EQ(listItems(dialog(), query::folderList), std::vector<std::wstring>{L"C:\\"});
}

TEST_F(QueryDialogLayout, InitialState) {
    EXPECT_EQ(windowText(control(dialog(), query::findText)), L"");
    EXPECT_EQ(checkState(dialog(), query::partOfName), BST_CHECKED);
    EXPECT_EQ(checkState(dialog(), query::exactName), BST_UNCHECKED);
    EXPECT_EQ(checkState(dialog(), query::files), BST_CHECKED);
    EXPECT_EQ(checkState(dialog(), query::folders), BST_CHECKED);
    EXPECT_EQ(checkState(dialog(), query::fileSizes), BST_UNCHECKED);
    EXPECT_EQ(checkState(dialog(), query::fileDates), BST_UNCHECKED);
    EXPECT_EQ(checkState(dialog(), query::showSearch), BST_CHECKED);
    EXPECT_EQ(checkState(dialog(), query::showExcept), BST_UNCHECKED);
    EXPECT_EQ(checkState(dialog(), query::track), BST_UNCHECKED);
    EXPECT_EQ(listItems(dialog(), query::folderList), std::vector<std::wstring>{L"C:\\"});
    EXPECT_TRUE(IsWindowEnabled(dialog()));
    for (const Control& c : controls_) {
        EXPECT_TRUE(IsWindowEnabled(c.window)) << "control " << c.id << " is disabled";
    }
}

TEST_F(QueryDialogLayout, ScreenshotForPeople) {
    const std::string file = artifactsFolder() + "/query-dialog.png";
    ASSERT_TRUE(screenshot(file));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(windowsPath(file).c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT(data.nFileSizeLow, 0u);
}

} // namespace
} // namespace e2e
