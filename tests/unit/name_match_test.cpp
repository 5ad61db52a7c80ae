#include "search/name_match.h"

#include "search/find_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace search;

namespace {

SearchRequest requestFor(const std::string& findText, MatchMode mode, bool files, bool folders) {
    SearchRequest request;
    QueryChoices choices;
    choices.matchMode = mode;
    choices.wantFiles = files;
    choices.wantFolders = folders;
    buildSearchRequest(request, choices, parseFindText(findText).filter);
    return request;
}

// The walk hands over lower-cased names and paths; a folder's path ends in "\".
bool matchesFile(const SearchRequest& request, const std::string& folder, const std::string& name) {
    return entryMatches(request, name, folder + name);
}

bool matchesFolder(const SearchRequest& request, const std::string& parent,
                   const std::string& name) {
    return entryMatches(request, name, parent + name + "\\");
}

} // namespace

TEST(SplitName, NameAndExtension) {
    const struct {
        const char* text;
        const char* base;
        const char* ext;
    } cases[] = {{"archive.tar.gz", "archive.tar", ".gz"},
                 {"readme", "readme", ""},
                 {".profile", "", ".profile"},
                 {"name.", "name", "."},
                 {"c:\\a.b\\readme", "readme", ""},
                 {"c:x.y", "x", ".y"}};
    for (const auto& c : cases) {
        const NameParts parts = splitName(c.text);
        EXPECT_EQ(parts.base, c.base) << c.text;
        EXPECT_EQ(parts.ext, c.ext) << c.text;
    }
    const NameParts tooLong = splitName(std::string(261, 'a') + ".b");
    EXPECT_EQ(tooLong.base, "");
    EXPECT_EQ(tooLong.ext, "");
}

TEST(EntryMatches, ExactNameWholeName) {
    const SearchRequest files = requestFor("REPORT.TXT", MatchMode::ExactName, true, false);
    EXPECT_TRUE(matchesFile(files, "c:\\x\\", "report.txt"));
    EXPECT_FALSE(matchesFile(files, "c:\\x\\", "report.txt.bak"));
    EXPECT_FALSE(matchesFile(files, "c:\\report.txt\\", "a.txt"));

    const SearchRequest noExt = requestFor("report", MatchMode::ExactName, true, false);
    EXPECT_FALSE(matchesFile(noExt, "c:\\x\\", "report.txt"));
    EXPECT_TRUE(matchesFile(noExt, "c:\\x\\", "report"));
}

TEST(EntryMatches, ExactNamePathComponent) {
    const SearchRequest folders = requestFor("bin", MatchMode::ExactName, false, true);
    EXPECT_TRUE(matchesFolder(folders, "c:\\x\\", "bin"));
    EXPECT_TRUE(matchesFolder(folders, "c:\\x\\bin\\", "sub"));
    EXPECT_TRUE(matchesFile(folders, "c:\\x\\bin\\", "tool.exe"));
    EXPECT_FALSE(matchesFile(folders, "c:\\x\\", "bin.txt"));
    EXPECT_FALSE(matchesFolder(folders, "c:\\x\\", "cabin"));

    const SearchRequest both = requestFor("bin", MatchMode::ExactName, true, true);
    EXPECT_TRUE(matchesFile(both, "c:\\x\\bin\\", "tool.exe"));
    EXPECT_FALSE(matchesFile(both, "c:\\x\\", "bin.txt"));

    const SearchRequest drive = requestFor("C:", MatchMode::ExactName, false, true);
    EXPECT_TRUE(matchesFile(drive, "c:\\any\\", "file"));
}

TEST(EntryMatches, PartOfNameFolderField) {
    const SearchRequest both = requestFor("proj", MatchMode::PartOfName, true, true);
    EXPECT_TRUE(matchesFile(both, "c:\\proj1\\", "a.txt"));
    EXPECT_TRUE(matchesFolder(both, "c:\\", "myproject"));
    EXPECT_FALSE(matchesFile(both, "c:\\proj1\\deep\\", "a.txt"));

    const SearchRequest files = requestFor("proj", MatchMode::PartOfName, true, false);
    EXPECT_FALSE(matchesFile(files, "c:\\proj1\\", "a.txt"));
    EXPECT_TRUE(matchesFile(files, "c:\\x\\", "project.doc"));

    const SearchRequest folders = requestFor("proj", MatchMode::PartOfName, false, true);
    EXPECT_FALSE(matchesFile(folders, "c:\\x\\", "project.doc"));

    const SearchRequest drive = requestFor("c", MatchMode::PartOfName, true, true);
    EXPECT_TRUE(matchesFile(drive, "c:\\", "x.txt"));
    const SearchRequest driveFolders = requestFor("c:", MatchMode::PartOfName, false, true);
    EXPECT_TRUE(matchesFile(driveFolders, "c:\\", "x.txt"));
    EXPECT_FALSE(matchesFile(driveFolders, "c:\\x\\", "y.txt"));
}

// The folder field is found in place: its first and last bytes belong to it, the fields beside it
// do not.
TEST(EntryMatches, PartOfNameFolderFieldBounds) {
    const SearchRequest folders = requestFor("proj", MatchMode::PartOfName, false, true);
    EXPECT_TRUE(matchesFolder(folders, "c:\\a\\", "proj"));
    EXPECT_TRUE(matchesFolder(folders, "c:\\a\\", "myproj"));
    EXPECT_TRUE(matchesFile(folders, "c:\\a\\projects\\", "x.txt"));
    EXPECT_FALSE(matchesFolder(folders, "c:\\proj\\", "x"));
    EXPECT_FALSE(matchesFolder(folders, "c:\\a\\", "pro"));
    EXPECT_FALSE(matchesFile(folders, "c:\\a\\pro\\", "j.txt"));
    EXPECT_FALSE(matchesFile(folders, "c:\\proj\\a\\", "proj.txt"));
}

TEST(EntryMatches, PartOfNameIsAPlainFragment) {
    const SearchRequest ext = requestFor("e.tx", MatchMode::PartOfName, true, false);
    EXPECT_TRUE(matchesFile(ext, "c:\\", "file.txt"));
    const SearchRequest upper = requestFor("REPORT", MatchMode::PartOfName, true, false);
    EXPECT_TRUE(matchesFile(upper, "c:\\", "report.txt"));
    const SearchRequest spaced = requestFor(" a", MatchMode::PartOfName, true, false);
    EXPECT_FALSE(matchesFile(spaced, "c:\\", "a.txt"));
    EXPECT_TRUE(matchesFile(spaced, "c:\\", "x a.txt"));
}

TEST(EntryMatches, AndOrOverTheWholePath) {
    for (const bool files : {false, true}) {
        const SearchRequest both = requestFor("hr*block", MatchMode::PartOfName, files, !files);
        EXPECT_TRUE(matchesFile(both, "c:\\hr\\", "block.doc"));
        EXPECT_FALSE(matchesFile(both, "c:\\hr\\", "other.doc"));
        EXPECT_TRUE(matchesFolder(both, "c:\\hrblock\\", "x"));

        const SearchRequest either = requestFor("hr|block", MatchMode::PartOfName, files, !files);
        EXPECT_TRUE(matchesFile(either, "c:\\hr\\", "block.doc"));
        EXPECT_TRUE(matchesFile(either, "c:\\hr\\", "other.doc"));
        EXPECT_FALSE(matchesFile(either, "c:\\x\\", "other.doc"));
    }
    // Even with neither "Files" nor "Folders", and with the search folder's own path.
    const SearchRequest none = requestFor("work*2020", MatchMode::PartOfName, false, false);
    EXPECT_TRUE(matchesFile(none, "c:\\work\\", "2020.txt"));
}
