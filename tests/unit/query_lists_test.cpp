#include <gtest/gtest.h>

#include "query/folder_lists.h"
#include "query/help_text.h"
#include "search/search_request.h"

namespace {

using query::appendFolder;
using query::folderPathForm;
using query::removeFolder;

TEST(FolderPathForm, EndsInExactlyOneBackslash) {
    EXPECT_EQ(folderPathForm("C:\\"), "C:\\");
    EXPECT_EQ(folderPathForm("E:"), "E:\\");
    EXPECT_EQ(folderPathForm("D:\\Data"), "D:\\Data\\");
    EXPECT_EQ(folderPathForm("D:\\Data\\\\\\"), "D:\\Data\\");
    EXPECT_EQ(folderPathForm("\\\\server\\Share"), "\\\\server\\Share\\");
}

TEST(FolderLists, HoldAtMostMaxFoldersAndKeepDuplicates) {
    std::vector<std::string> list;
    for (int i = 0; i < search::MaxFolders; ++i) {
        EXPECT_TRUE(appendFolder(list, "C:\\"));
    }
    EXPECT_FALSE(appendFolder(list, "D:\\"));
    EXPECT_EQ(list.size(), static_cast<size_t>(search::MaxFolders));
    EXPECT_EQ(list.back(), "C:\\");
}

TEST(FolderLists, RemovingMovesTheLaterEntriesUp) {
    std::vector<std::string> list{"a\\", "b\\", "c\\"};
    EXPECT_FALSE(removeFolder(list, 0));
    EXPECT_FALSE(removeFolder(list, 4));
    EXPECT_TRUE(removeFolder(list, 2));
    EXPECT_EQ(list, (std::vector<std::string>{"a\\", "c\\"}));
    EXPECT_TRUE(removeFolder(list, 2));
    EXPECT_TRUE(removeFolder(list, 1));
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(removeFolder(list, 1));
}

TEST(HelpText, TwentyFourLinesAndAnEmptyOne) {
    const std::string text = query::helpText();
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 25u);
    EXPECT_EQ(text.find("Program searches for files and folders\r\n"), 0u);
    EXPECT_NE(
        text.find("\r\nBegin search button beins the search for all file/folder matches,\r\n"),
        std::string::npos);
    const std::string last =
        "System Exit closes the found list screen and stops bkgd searching\r\n\r\n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

} // namespace
