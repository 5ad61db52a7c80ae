// The walk over trees a real disk can hold: paths beyond the ANSI limit, folder links, folders
// that vanish, names the code page cannot hold, huge and very old files. Links and odd names
// are made on the Linux side of Wine.

#include "search/folder_walk.h"
#include "search/tracking_log.h"

#include <algorithm>

#include "walk_fixture.h"

namespace walktest {
namespace {

using Lines = std::vector<std::string>;

// The longest level path whose pattern ("*.*" appended) the ANSI enumeration takes.
constexpr size_t longestReadablePath = MAX_PATH - 1 - 3;

class WalkRobustness : public WalkTest {
protected:
    void SetUp() override {
        WalkTest::SetUp();
        requestEverything(tree);
    }

    void requireLinuxSide() {
        if (tree.unixPath("").empty()) {
            GTEST_SKIP() << "needs Wine's Linux side";
        }
    }

    static bool listed(const std::string& line) {
        return std::find(found().begin(), found().end(), line) != found().end();
    }
};

TEST_F(WalkRobustness, FoldersBeyondThePathLimitAreListedButNotRead) {
    // A chain of folders, each level holding a file, in which one level path is exactly the
    // longest readable one and the two below it are longer.
    const std::string top = tree.makeFolder("Deep");
    const size_t step = 11; // ten-letter names and their "\"
    const size_t first = (longestReadablePath - top.size()) % step + step;
    Lines folders;
    Lines files;
    std::string level = top;
    for (std::string name(first - 1, 'f'); level.size() <= longestReadablePath + step;
         name = std::string(step - 1, 'd')) {
        tree.makeFile(level.substr(tree.root().size()) + "h.txt");
        if (level.size() <= longestReadablePath) {
            folders.push_back(lower(level) + name + "\\");
            files.insert(files.begin(), (level == top ? level : lower(level)) + "h.txt");
        }
        level = tree.makeFolder(level.substr(tree.root().size()) + name);
    }
    ASSERT_EQ(folders.size(), files.size());
    // The folder met in the longest readable level is listed, although it can't be read.
    ASSERT_EQ(folders.back().size(), longestReadablePath + step);
    Lines expected = folders;
    expected.insert(expected.end(), files.begin(), files.end());

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), expected);
}

TEST_F(WalkRobustness, ALinkToAnAncestorEndsAtThePathLimit) {
    requireLinuxSide();
    tree.makeFolder("Loop\\a");
    tree.makeFile("Loop\\a\\f.txt");
    ASSERT_TRUE(tree.runShell("ln -s \"$PWD/Loop\" Loop/a/uplink"));
    const std::string top = tree.root() + "Loop\\";

    search::walkFolder(top, results::runWalkCalls());

    // Each turn of the loop adds «a\uplink\» to the path until a level is too long to read.
    Lines expected;
    for (std::string level = lower(top); level.size() <= longestReadablePath;
         level += "a\\uplink\\") {
        expected.push_back(level + "a\\");
        if (level.size() + 2 <= longestReadablePath) {
            expected.push_back(level + "a\\f.txt");
            expected.push_back(level + "a\\uplink\\");
        }
    }
    EXPECT_EQ(found(), expected);
}

TEST_F(WalkRobustness, ADanglingLinkContributesNothing) {
    requireLinuxSide();
    tree.makeFolder("Links\\before");
    tree.makeFile("Links\\later.txt");
    ASSERT_TRUE(tree.runShell("ln -s \"$PWD/missing\" Links/broken"));
    const std::string top = tree.root() + "Links\\";

    search::walkFolder(top, results::runWalkCalls());

    // Whether the platform shows the broken link at all is its own affair; nothing below it is.
    EXPECT_TRUE(listed(lower(top) + "before\\"));
    EXPECT_TRUE(listed(top + "later.txt"));
    for (const std::string& line : found()) {
        const size_t at = line.find("broken");
        EXPECT_TRUE(at == std::string::npos || line.size() <= at + 7) << line;
    }
}

TEST_F(WalkRobustness, AFolderRemovedDuringTheWalkIsSkipped) {
    tree.makeFolder("Top\\a");
    tree.makeFile("Top\\a\\a.txt");
    tree.makeFolder("Top\\b\\inner");
    tree.makeFile("Top\\b\\inner\\i.txt");
    tree.makeFile("Top\\c.txt");
    const std::string top = tree.root() + "Top\\";
    const std::string low = lower(top);
    // Removed while «a» is being read, after the enumeration of «Top» has begun.
    PumpedAction remove(4, [&] { removeTree(top + "b\\"); });

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_TRUE(remove.done());
    Lines withoutB{low + "a\\", low + "a\\a.txt", top + "c.txt"};
    Lines withEmptyB{low + "a\\", low + "a\\a.txt", low + "b\\", top + "c.txt"};
    EXPECT_TRUE(found() == withoutB || found() == withEmptyB);
}

TEST_F(WalkRobustness, NamesOutsideTheCodePageNeitherCrashNorOpenAnotherFolder) {
    requireLinuxSide();
    tree.makeFolder("Odd\\normal");
    tree.makeFile("Odd\\normal\\n.txt");
    // A folder with CJK letters and a file whose name is not even valid UTF-8.
    ASSERT_TRUE(tree.runShell("mkdir 'Odd/qzv\xe6\x97\xa5\xe6\x9c\xac' && "
                              "touch 'Odd/qzv\xe6\x97\xa5\xe6\x9c\xac/inside.txt' && "
                              "touch 'Odd/x\xffy.txt'"));
    const std::string top = tree.root() + "Odd\\";

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_TRUE(listed(lower(top) + "normal\\"));
    EXPECT_TRUE(listed(lower(top) + "normal\\n.txt"));
    // The odd folder comes back under an altered name ("?" for each character the code page
    // lacks), so it is listed but can't be opened: nothing below it is listed.
    const auto odd = std::find_if(found().begin(), found().end(), [&](const std::string& line) {
        return line.compare(0, top.size() + 3, lower(top) + "qzv") == 0;
    });
    ASSERT_NE(odd, found().end());
    EXPECT_EQ(odd->back(), '\\');
    EXPECT_EQ(found().size(), 4u);
    for (const std::string& line : found()) {
        EXPECT_EQ(line.find("inside"), std::string::npos) << line;
    }
}

TEST_F(WalkRobustness, AFolderThatRefusesToBeReadIsListedAndContributesNothingElse) {
    tree.makeFile("Top\\Locked\\inner.txt");
    tree.makeFolder("Top\\Locked\\Below");
    tree.makeFile("Top\\open.txt");
    const std::string top = tree.root() + "Top\\";
    // Held open with no sharing, the folder can't be opened for reading by anyone, whoever
    // runs the test (a permission bit would not stop an administrator or root).
    HANDLE lock = CreateFileA((top + "Locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    WIN32_FIND_DATAA probe;
    const HANDLE probeFind = FindFirstFileA((top + "Locked\\*.*").c_str(), &probe);
    if (probeFind != INVALID_HANDLE_VALUE) {
        FindClose(probeFind);
    }
    EXPECT_EQ(probeFind, INVALID_HANDLE_VALUE)
        << "the lock did not keep the folder from being read";
    search::searchRequest.trackFolders = true;
    search::startTrackingLog();

    search::walkFolder(top, results::runWalkCalls());
    CloseHandle(lock);

    EXPECT_EQ(found(), (Lines{lower(top) + "locked\\", top + "open.txt"}));
    EXPECT_EQ(fileBytes(tree.root() + "trackingLog.txt"),
              "Tracked folders which were read\r\n" + lower(top) + "locked\\\r\n");
}

TEST_F(WalkRobustness, TheDriveAloneIsReadAsItsRoot) {
    // The first entry of C:\ as this test reads it itself; the walk is abandoned after it.
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("C:\\*.*", &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    std::string first;
    do {
        first = entry.cFileName;
    } while ((first == "." || first == "..") && FindNextFileA(find, &entry));
    FindClose(find);
    ASSERT_NE(first, "..");
    const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::string line = isFolder ? "c:\\" + lower(first) + "\\" : "C:\\" + lower(first);
    // Every entry below the drive matches: «c:» is a component of its path.
    search::searchRequest.findText = "c:";
    search::searchRequest.filter.text = "c:";
    search::searchRequest.searchFolders = {"C:"};

    for (const std::string folder : {"C:", "C:\\\\"}) {
        SCOPED_TRACE(folder);
        results::clearFound();
        results::runControl.resume = results::Resume::Wait;
        search::SearchRequest& request = search::searchRequest;
        request.matchMode = search::MatchMode::ExactName;
        request.wantFiles = true;
        request.wantFolders = true;
        // The first entry's checkpoint ends the walk; "." and ".." have none.
        bool abandoned = false;
        PumpedAction abandon(1, [&] {
            results::runControl.resume = results::Resume::Abandon;
            abandoned = true;
        });

        search::walkFolder(folder, results::runWalkCalls());

        EXPECT_TRUE(abandoned);
        ASSERT_FALSE(found().empty());
        EXPECT_EQ(found().front(), line);
    }
}

TEST_F(WalkRobustness, AFileOfFourGibibytesHasNoSizePart) {
    const std::string top = tree.makeFolder("Big");
    for (const LONGLONG size : {4294967295LL, 4294967296LL}) {
        HANDLE file = CreateFileA((top + std::to_string(size) + ".bin").c_str(), GENERIC_WRITE, 0,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end;
        end.QuadPart = size;
        // Setting the end without writing leaves a sparse file on the Linux side.
        ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
        CloseHandle(file);
    }
    search::searchRequest.showSizes = true;

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{top + "4294967295.bin, 4194304 KB", top + "4294967296.bin"}));
    EXPECT_EQ(results::sizeKeys, (std::vector<int32_t>{4194304, 0}));
}

TEST_F(WalkRobustness, FileDatesAreTheUtcDayOfTheLastWrite) {
    const std::string top = tree.makeFolder("Dated");
    // 31 January 2020, 23:30 UTC: the high half of the time is not zero.
    const std::uint64_t lateJanuary = 132249870000000000ULL;
    setLastWriteTime(tree.makeFile("Dated\\recent.txt", std::string(1536, 'x')), lateJanuary);
    search::searchRequest.showSizes = true;
    search::searchRequest.showDates = true;
    // Only in a zone far enough from UTC would a date taken in local time show here.
    FILETIME utc{static_cast<DWORD>(lateJanuary), static_cast<DWORD>(lateJanuary >> 32)};
    FILETIME local{};
    SYSTEMTIME localDay{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &localDay));
    ASSERT_NE(localDay.wDay, 31) << "the tests must run in a time zone east of UTC+0:30";

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{top + "recent.txt, 2 KB, 01/31/2020"}));
    EXPECT_EQ(results::dateKeys, (std::vector<int32_t>{20200131}));
}

TEST_F(WalkRobustness, AFileDated1601IsListed) {
    const std::string file = tree.makeFile("Dated\\ancient.txt");
    setLastWriteTime(file, 1);
    if (lastWriteTimeOf(file) != 1) {
        GTEST_SKIP() << "this file system can't keep a date in 1601";
    }
    search::searchRequest.showDates = true;

    search::walkFolder(tree.root() + "Dated", results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{tree.root() + "Dated\\ancient.txt, 01/01/1601"}));
    EXPECT_EQ(results::dateKeys, (std::vector<int32_t>{16010101}));
}

} // namespace
} // namespace walktest
