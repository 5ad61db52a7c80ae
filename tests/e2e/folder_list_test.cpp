// Adding folders through the real folder browser and deleting them with "&Del".
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using Items = std::vector<std::wstring>;

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool endsWith(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(FolderList, AddThroughTheFolderBrowserAndDelete) {
    Session session;
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    const std::wstring alpha = session.folder().makeFolder(L"Alpha");
    const std::wstring beta = session.folder().makeFolder(L"Beta Two");

    // The folder's letter case comes from the file system, the single "\" from the program.
    const std::wstring addedAlpha = addFolder(session.processId(), dialog, alpha);
    EXPECT_TRUE(sameIgnoringCase(addedAlpha, alpha + L"\\")) << addedAlpha;
    EXPECT_TRUE(endsWith(addedAlpha, L"\\Alpha\\")) << addedAlpha;
    const std::wstring addedBeta = addFolder(session.processId(), dialog, beta);
    EXPECT_TRUE(sameIgnoringCase(addedBeta, beta + L"\\")) << addedBeta;
    EXPECT_EQ(addFolder(session.processId(), dialog, L"C:\\"), L"C:\\");
    ASSERT_EQ(listItems(dialog, query::folderList),
              (Items{L"C:\\", addedAlpha, addedBeta, L"C:\\"}));

    selectListItem(dialog, query::folderList, -1);
    ASSERT_TRUE(clickAndReturn(dialog, query::del));
    EXPECT_EQ(listItems(dialog, query::folderList),
              (Items{L"C:\\", addedAlpha, addedBeta, L"C:\\"}));

    selectListItem(dialog, query::folderList, 1);
    ASSERT_TRUE(clickAndReturn(dialog, query::del));
    EXPECT_EQ(listItems(dialog, query::folderList), (Items{L"C:\\", addedBeta, L"C:\\"}));

    // The stored list, shown afresh, matches what the list box showed.
    ASSERT_TRUE(clickAndReturn(dialog, query::showExcept));
    EXPECT_EQ(listItems(dialog, query::folderList), Items{});
    ASSERT_TRUE(clickAndReturn(dialog, query::showSearch));
    EXPECT_EQ(listItems(dialog, query::folderList), (Items{L"C:\\", addedBeta, L"C:\\"}));
}

} // namespace
} // namespace e2e
