// What a finished search lists: lines, their letter case, sizes and dates, the match modes,
// the folder lists, and what the results window shows around the list.
#include "search_driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

// The worked example: Work holds the folder Old (with only a.txt), Plan.txt and Zed.doc.
struct WorkTree {
    TempFolder root;
    std::wstring work = root.makeFolder(L"Work");
    WorkTree() {
        root.makeFile(L"Work\\Old\\a.txt");
        root.makeFile(L"Work\\Plan.txt");
        root.makeFile(L"Work\\Zed.doc");
    }
};

TEST(SearchResults, WorkedExampleListsDepthFirstWithTheSearchFoldersLetterCase) {
    WorkTree tree;
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    const std::wstring work = tree.work + L"\\";
    const Lines entries = useSearchFolders(session, {tree.work});
    ASSERT_EQ(entries, (Lines{work}));

    SearchSetup setup;
    setup.findText = L"A";
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    // The results window is the query dialog's, and the query dialog takes no input meanwhile.
    EXPECT_EQ(GetWindow(window, GW_OWNER), session.dialog());
    EXPECT_FALSE(IsWindowEnabled(session.dialog()));
    ASSERT_TRUE(waitDone(window));
    const ResultsView shown = view(window);

    const Lines expected{lowerCase(work) + L"old\\a.txt", work + L"plan.txt"};
    EXPECT_EQ(shown.lines, expected);
    EXPECT_EQ(shown.count, L" 2 items found");
    EXPECT_EQ(shown.status, L"Done");
    EXPECT_EQ(shown.caption, L"&Exit");
    EXPECT_EQ(shown.title, L"Matching Files");
    EXPECT_EQ(focusedId(window), results::list);
    // The list scrolls sideways up to its widest line once the run is done.
    EXPECT_EQ(horizontalExtent(window), extentFor(expected));
    EXPECT_FALSE(shown.bySizeEnabled);
    EXPECT_FALSE(shown.byDateEnabled);
    EXPECT_EQ(checkState(window, results::asFound), BST_CHECKED);
    EXPECT_EQ(control(window, results::trackNote), nullptr);
    ASSERT_TRUE(exitResults(window, session.dialog()));

    // The query dialog keeps every setting, and a second search gives the same list.
    EXPECT_EQ(listItems(session.dialog(), query::folderList), entries);
    EXPECT_EQ(windowText(control(session.dialog(), query::findText)), L"A");
    EXPECT_EQ(search(session, setup).lines, expected);
}

TEST(SearchResults, SizesAndDatesAreAddedToFileLinesOnly) {
    TempFolder root;
    const std::wstring work = root.makeFolder(L"Work");
    const std::wstring plan = root.makeFile(L"Work\\Plan.txt", 1536);
    root.makeFolder(L"Work\\Planning");
    // Late in the evening by UTC: a conversion to local time would move the date.
    ASSERT_TRUE(setLastWriteUtc(plan, 2020, 1, 31, 23, 30));
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {work}), (Lines{work + L"\\"}));
    const std::wstring file = work + L"\\plan.txt";
    const std::wstring folder = lowerCase(work) + L"\\planning\\";

    SearchSetup setup;
    setup.findText = L"plan";
    setup.sizes = true;
    setup.dates = true;
    ResultsView shown = search(session, setup);
    EXPECT_EQ(shown.lines, (Lines{file + L", 2 KB, 01/31/2020", folder}));
    EXPECT_TRUE(shown.bySizeEnabled);
    EXPECT_TRUE(shown.byDateEnabled);

    // "By size" and "By date" can only be chosen when the lines carry what they sort by.
    setup.dates = false;
    shown = search(session, setup);
    EXPECT_EQ(shown.lines, (Lines{file + L", 2 KB", folder}));
    EXPECT_TRUE(shown.bySizeEnabled);
    EXPECT_FALSE(shown.byDateEnabled);

    setup.sizes = false;
    setup.dates = true;
    shown = search(session, setup);
    EXPECT_EQ(shown.lines, (Lines{file + L", 01/31/2020", folder}));
    EXPECT_FALSE(shown.bySizeEnabled);
    EXPECT_TRUE(shown.byDateEnabled);

    setup.dates = false;
    EXPECT_EQ(search(session, setup).lines, (Lines{file, folder}));
}

// bin holds tool.exe and sub\x.txt; other holds a file named BIN; bin.txt lies beside them.
struct BinTree {
    TempFolder root;
    std::wstring work = root.makeFolder(L"Work");
    BinTree() {
        root.makeFile(L"Work\\bin\\tool.exe");
        root.makeFile(L"Work\\bin\\sub\\x.txt");
        root.makeFile(L"Work\\bin.txt");
        root.makeFile(L"Work\\other\\BIN");
    }
};

TEST(SearchResults, ExactNameWithFilesFoldersOrBoth) {
    BinTree tree;
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.work}), (Lines{tree.work + L"\\"}));
    const std::wstring work = lowerCase(tree.work + L"\\");

    SearchSetup setup;
    setup.findText = L"Bin";
    setup.exactName = true;
    setup.folders = false;
    ResultsView shown = search(session, setup);
    EXPECT_EQ(shown.lines, (Lines{work + L"other\\bin"}));
    EXPECT_EQ(shown.title, L"Matching Files");

    setup.files = false;
    setup.folders = true;
    shown = search(session, setup);
    EXPECT_EQ(sorted(shown.lines), sorted({work + L"bin\\", work + L"bin\\sub\\"}));
    // Without "Files" the title names folders too.
    EXPECT_EQ(shown.title, L"Matching Files and Folders");

    setup.files = true;
    shown = search(session, setup);
    EXPECT_EQ(sorted(shown.lines),
              sorted({work + L"bin\\", work + L"bin\\sub\\", work + L"bin\\sub\\x.txt",
                      work + L"bin\\tool.exe", work + L"other\\bin"}));
    EXPECT_EQ(shown.count, L" 5 items found");
}

TEST(SearchResults, AndAndOrLookAtTheWholePath) {
    TempFolder root;
    const std::wstring work = root.makeFolder(L"Workq");
    root.makeFile(L"Workq\\hrq\\blockq.doc");
    root.makeFile(L"Workq\\hrq\\other.doc");
    root.makeFile(L"Workq\\misc\\blockq.txt");
    root.makeFile(L"Workq\\misc\\plain.txt");
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {work}), (Lines{work + L"\\"}));
    const std::wstring base = lowerCase(work + L"\\");

    SearchSetup setup;
    setup.findText = L"HRQ * blockq";
    EXPECT_EQ(search(session, setup).lines, (Lines{base + L"hrq\\blockq.doc"}));
    setup.findText = L"hrq|blockq";
    EXPECT_EQ(sorted(search(session, setup).lines),
              sorted({base + L"hrq\\", base + L"hrq\\blockq.doc", base + L"hrq\\other.doc",
                      base + L"misc\\blockq.txt"}));
    // A term may be found in the search folder's own path.
    setup.findText = L"workq*plain";
    EXPECT_EQ(search(session, setup).lines, (Lines{base + L"misc\\plain.txt"}));
    // An operator text is always searched as part of a name, whatever the radio buttons say.
    EXPECT_EQ(checkState(session.dialog(), query::partOfName), BST_CHECKED);
}

TEST(SearchResults, ExceptFoldersAreNotEntered) {
    WorkTree tree;
    tree.root.makeFile(L"Work\\Keep\\banana.txt");
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    const std::wstring work = tree.work + L"\\";
    ASSERT_EQ(useSearchFolders(session, {tree.work}), (Lines{work}));
    ASSERT_TRUE(showFolderList(session.dialog(), true));
    ASSERT_EQ(addFolder(session.processId(), session.dialog(), work + L"Old"), work + L"Old\\");

    SearchSetup setup;
    setup.findText = L"a";
    EXPECT_EQ(search(session, setup).lines,
              (Lines{lowerCase(work) + L"keep\\banana.txt", work + L"plan.txt"}));
}

TEST(SearchResults, SearchFoldersAreWalkedInListOrder) {
    TempFolder root;
    const std::wstring first = root.makeFolder(L"First");
    const std::wstring second = root.makeFolder(L"Second");
    root.makeFile(L"First\\b1.txt");
    root.makeFile(L"Second\\b2.txt");
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {second, first}), (Lines{second + L"\\", first + L"\\"}));

    SearchSetup setup;
    setup.findText = L"b";
    setup.folders = false;
    const ResultsView shown = search(session, setup);
    EXPECT_EQ(shown.lines, (Lines{second + L"\\b2.txt", first + L"\\b1.txt"}));
    EXPECT_EQ(shown.count, L" 2 items found");
}

// A search folder inside another is walked again in full, and the widest line of any search
// folder sets how far the list scrolls.
TEST(SearchResults, OverlappingSearchFoldersListSharedItemsTwice) {
    WorkTree tree;
    const std::wstring wide = L"a-name-long-enough-to-be-the-widest-line-of-all.txt";
    tree.root.makeFile(L"Work\\" + wide);
    const std::wstring work = tree.work + L"\\";
    const std::wstring old = work + L"Old\\";
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.work, work + L"Old"}), (Lines{work, old}));

    SearchSetup setup;
    setup.findText = L"a";
    setup.folders = false;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window));
    const Lines expected{work + wide, lowerCase(old) + L"a.txt", work + L"plan.txt",
                         old + L"a.txt"};
    EXPECT_EQ(view(window).lines, expected);
    EXPECT_EQ(horizontalExtent(window), extentFor(expected));
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

TEST(SearchResults, NothingFoundShowsNoneFoundWithoutACount) {
    WorkTree tree;
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.work}).size(), 1u);
    SearchSetup setup;
    setup.findText = L"qqzzx";
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window));
    const ResultsView shown = view(window);
    EXPECT_EQ(shown.lines, (Lines{L"None found"}));
    EXPECT_EQ(shown.count, L"");
    EXPECT_EQ(shown.status, L"Done");
    EXPECT_EQ(shown.caption, L"&Exit");
    EXPECT_EQ(SendMessageW(control(window, results::list), LB_GETHORIZONTALEXTENT, 0, 0), 0);
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

TEST(SearchResults, TrackingNoteOnlyWithTracking) {
    WorkTree tree;
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.work}), (Lines{tree.work + L"\\"}));
    SearchSetup setup;
    setup.findText = L"a";
    setup.track = true;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window));
    EXPECT_EQ(windowText(control(window, results::trackNote)),
              L"See the file 'trackingLog.txt' for the folders searched");
    EXPECT_EQ(readFile(session.folder().path() + L"\\trackingLog.txt"),
              "Tracked folders which were read\r\n" + narrow(lowerCase(tree.work)) + "\\old\\\r\n");
    ASSERT_TRUE(exitResults(window, session.dialog()));

    setup.track = false;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window));
    EXPECT_EQ(control(window, results::trackNote), nullptr);
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

// With a folder named like the log in the current folder, no line can be written: every folder
// met brings two boxes, the second with the run's log file number, 1 for the program's first
// tracked run and 2 for its second.
TEST(SearchResults, ALogThatCannotBeWrittenIsReportedWithTheRunsNumber) {
    WorkTree tree;
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    CreateDirectoryW((session.folder().path() + L"\\trackingLog.txt").c_str(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.work}), (Lines{tree.work + L"\\"}));
    const std::wstring old = lowerCase(tree.work) + L"\\old\\";
    SearchSetup setup;
    setup.findText = L"a";
    setup.track = true;
    ASSERT_TRUE(applySetup(session.dialog(), setup));

    for (const wchar_t* number : {L" 1   ", L" 2   "}) {
        SCOPED_TRACE(number);
        HWND window = begin(session);
        ASSERT_NE(window, nullptr);
        HWND box = waitForBox(session, window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(messageBoxText(box), L" 52   Bad file name or number");
        ASSERT_TRUE(pressMessageBoxButton(box));
        box = waitForBox(session, window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(messageBoxText(box), number + old);
        ASSERT_TRUE(pressMessageBoxButton(box));
        ASSERT_TRUE(waitDone(window));
        // «Old» is still listed and read; the rest of «Work» is not.
        EXPECT_EQ(view(window).lines, (Lines{old + L"a.txt"}));
        ASSERT_TRUE(exitResults(window, session.dialog()));
    }
}

TEST(SearchResults, EmptySearchListSearchesTheDriveRootAgain) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_TRUE(deleteAllFolders(session.dialog()));
    // A name found nowhere, in a folder that can be stopped and closed at once.
    SearchSetup setup;
    setup.findText = L"qqzzx";
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(listItems(session.dialog(), query::folderList), (Lines{L"C:\\"}));
    closeWindow(window);
    ASSERT_TRUE(waitForClose(window));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(session.dialog()) != FALSE; }));
}

} // namespace
} // namespace e2e
