// The walk over ordinary trees: what is listed, in which order and letter case, what is left
// out, and how an abandon ends it.

#include "search/folder_walk.h"

#include "search/tracking_log.h"
#include "walk_fixture.h"
#include "winlayer/services.h"

namespace walktest {
namespace {

using Lines = std::vector<std::string>;

class FolderWalk : public WalkTest {
protected:
    // «Work» holds the folder «Old» (with «a.txt»), «Plan.txt» and «Zed.doc».
    std::string makeWorkedExample() {
        tree.makeFolder("Work\\Old");
        tree.makeFile("Work\\Old\\a.txt");
        tree.makeFile("Work\\Plan.txt");
        tree.makeFile("Work\\Zed.doc");
        return tree.root() + "Work\\";
    }

    static void requestPartOfName(const std::string& text) {
        search::SearchRequest& request = search::searchRequest;
        request.findText = text;
        request.filter.text = text;
        request.matchMode = search::MatchMode::PartOfName;
        request.wantFiles = true;
        request.wantFolders = true;
    }
};

TEST_F(FolderWalk, WorkedExampleKeepsTheSearchFolderCaseOnlyAtTheFirstLevel) {
    const std::string work = makeWorkedExample();
    requestPartOfName("a");
    search::searchRequest.trackFolders = true;
    search::startTrackingLog();

    search::walkFolder(work, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{lower(work) + "old\\a.txt", work + "plan.txt"}));
    EXPECT_EQ(results::foundCount, 2);
    EXPECT_EQ(fileBytes(tree.root() + "trackingLog.txt"),
              "Tracked folders which were read\r\n" + lower(work) + "old\\\r\n");
}

TEST_F(FolderWalk, TrailingBackslashesOfTheSearchFolderAreNormalised) {
    const std::string work = makeWorkedExample();
    requestPartOfName("plan");
    const std::string bare = work.substr(0, work.size() - 1);

    search::walkFolder(bare, results::runWalkCalls());
    search::walkFolder(bare + "\\\\\\", results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{work + "plan.txt", work + "plan.txt"}));
}

TEST_F(FolderWalk, ListsDepthFirstWithFoldersBeforeTheirContents) {
    tree.makeFolder("Top\\B\\Deep");
    tree.makeFile("Top\\B\\Deep\\d.txt");
    tree.makeFile("Top\\B\\x.txt");
    tree.makeFolder("Top\\A");
    tree.makeFile("Top\\A\\a.txt");
    tree.makeFile("Top\\c.txt");
    requestEverything(tree);
    const std::string top = tree.root() + "Top\\";
    const std::string low = lower(top);

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{low + "a\\", low + "a\\a.txt", low + "b\\", low + "b\\deep\\",
                              low + "b\\deep\\d.txt", low + "b\\x.txt", top + "c.txt"}));
}

TEST_F(FolderWalk, HiddenAndSystemEntriesAreListedLikeAnyOther) {
    tree.makeFolder("Top\\Secret");
    tree.makeFile("Top\\Secret\\inner.txt");
    const std::string file = tree.makeFile("Top\\Boot.ini");
    SetFileAttributesA((tree.root() + "Top\\Secret").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(file.c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    requestEverything(tree);
    const std::string top = tree.root() + "Top\\";

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(),
              (Lines{top + "boot.ini", lower(top) + "secret\\", lower(top) + "secret\\inner.txt"}));
}

TEST_F(FolderWalk, OnlyTheCheckedKindsAreListed) {
    tree.makeFolder("Top\\plans");
    tree.makeFile("Top\\plans\\notes.txt");
    tree.makeFile("Top\\plan.txt");
    const std::string top = tree.root() + "Top\\";
    requestPartOfName("plan");

    search::searchRequest.wantFolders = false;
    search::walkFolder(top, results::runWalkCalls());
    // The file in «plans» does not match by its own name, and folder names are not tested.
    EXPECT_EQ(found(), (Lines{top + "plan.txt"}));

    results::clearFound();
    search::searchRequest.wantFolders = true;
    search::searchRequest.wantFiles = false;
    search::walkFolder(top, results::runWalkCalls());
    EXPECT_EQ(found(), (Lines{lower(top) + "plans\\"}));
}

TEST_F(FolderWalk, WithNeitherKindTheWholeTreeIsStillReadAndLogged) {
    tree.makeFolder("Top\\A\\X");
    tree.makeFile("Top\\A\\X\\x.txt");
    const std::string top = tree.root() + "Top\\";
    requestPartOfName("x");
    search::searchRequest.wantFiles = false;
    search::searchRequest.wantFolders = false;
    search::searchRequest.trackFolders = true;
    search::startTrackingLog();

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_TRUE(found().empty());
    EXPECT_EQ(fileBytes(tree.root() + "trackingLog.txt"), "Tracked folders which were read\r\n" +
                                                              lower(top) + "a\\\r\n" + lower(top) +
                                                              "a\\x\\\r\n");
}

TEST_F(FolderWalk, ExceptFoldersArePrunedAndNotLogged) {
    tree.makeFolder("Top\\Keep\\Skip");
    tree.makeFile("Top\\Keep\\Skip\\s.txt");
    tree.makeFile("Top\\Keep\\k.txt");
    tree.makeFolder("Top\\Old");
    tree.makeFile("Top\\Old\\o.txt");
    const std::string top = tree.root() + "Top\\";
    const std::string low = lower(top);
    requestEverything(tree);
    search::searchRequest.exceptFolders = {low + "old\\", low + "keep\\skip\\"};
    search::searchRequest.trackFolders = true;
    search::startTrackingLog();

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{low + "keep\\", low + "keep\\k.txt"}));
    EXPECT_EQ(fileBytes(tree.root() + "trackingLog.txt"),
              "Tracked folders which were read\r\n" + low + "keep\\\r\n");
}

TEST_F(FolderWalk, AnExceptedSearchFolderIsStillSearched) {
    tree.makeFolder("Top\\Sub");
    tree.makeFile("Top\\Sub\\s.txt");
    tree.makeFile("Top\\t.txt");
    const std::string top = tree.root() + "Top\\";
    requestEverything(tree);
    search::searchRequest.exceptFolders = {lower(top)};

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{lower(top) + "sub\\", lower(top) + "sub\\s.txt", top + "t.txt"}));
}

TEST_F(FolderWalk, AMissingSearchFolderGivesNothing) {
    requestEverything(tree);
    search::walkFolder(tree.root() + "Nowhere", results::runWalkCalls());
    search::walkFolder(tree.makeFile("plain.txt"), results::runWalkCalls());
    EXPECT_TRUE(found().empty());
}

TEST_F(FolderWalk, AbandonEndsEveryLevelAtItsNextCheckpoint) {
    tree.makeFolder("Top\\A\\inner");
    tree.makeFile("Top\\A\\inner\\i.txt");
    tree.makeFile("Top\\A\\a1.txt");
    tree.makeFile("Top\\A\\a2.txt");
    tree.makeFile("Top\\b.txt");
    const std::string top = tree.root() + "Top\\";
    const std::string low = lower(top);
    requestEverything(tree);
    search::searchRequest.trackFolders = true;
    search::startTrackingLog();
    // Entries pumped: ".", "..", "A", then in A: ".", "..", "a1.txt" (the sixth).
    PumpedAction abandon(6, [] { results::runControl.resume = results::Resume::Abandon; });

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_TRUE(abandon.done());
    EXPECT_EQ(found(), (Lines{low + "a\\", low + "a\\a1.txt"}));
    EXPECT_EQ(fileBytes(tree.root() + "trackingLog.txt"),
              "Tracked folders which were read\r\n" + low + "a\\\r\n");
}

TEST_F(FolderWalk, AbandonBeforeADescentLeavesTheFolderListedButUnread) {
    tree.makeFolder("Top\\A");
    tree.makeFile("Top\\A\\a.txt");
    const std::string top = tree.root() + "Top\\";
    requestEverything(tree);
    PumpedAction abandon(3, [] { results::runControl.resume = results::Resume::Abandon; });

    search::walkFolder(top, results::runWalkCalls());

    EXPECT_EQ(found(), (Lines{lower(top) + "a\\"}));
}

TEST_F(FolderWalk, TheBusyPointerIsLeftAloneOverTheRunButton) {
    tree.makeFolder("Top");
    tree.makeFile("Top\\a.txt");
    requestEverything(tree);
    winlayer::setPointer(winlayer::WaitPointer);
    const HCURSOR wait = GetCursor();
    winlayer::setPointer(winlayer::ArrowPointer);
    const HCURSOR arrow = GetCursor();
    ASSERT_NE(arrow, wait);

    results::overStopButton = true;
    search::walkFolder(tree.root() + "Top", results::runWalkCalls());
    EXPECT_EQ(GetCursor(), arrow);

    results::overStopButton = false;
    search::walkFolder(tree.root() + "Top", results::runWalkCalls());
    EXPECT_EQ(GetCursor(), wait);
}

} // namespace
} // namespace walktest

namespace walktest {
namespace {

// The walk knows its partner only through the calls it is given.
struct Recorder {
    static Lines reported;
    static int checkpoints;
    static int pointerAsks;
    static void reportMatch(const search::FoundItem& item) { reported.push_back(item.line); }
    static search::Checkpoint checkpoint() {
        ++checkpoints;
        return search::Checkpoint::Go;
    }
    static bool keepPointer() {
        ++pointerAsks;
        return true;
    }
};
Lines Recorder::reported;
int Recorder::checkpoints = 0;
int Recorder::pointerAsks = 0;

TEST_F(FolderWalk, MatchesCheckpointsAndThePointerGoThroughTheCallsItIsGiven) {
    const std::string work = makeWorkedExample();
    requestPartOfName("a");
    Recorder::reported.clear();
    Recorder::checkpoints = 0;
    Recorder::pointerAsks = 0;
    const search::WalkCalls calls = {Recorder::reportMatch, Recorder::checkpoint,
                                     Recorder::keepPointer};

    search::walkFolder(work, calls);

    EXPECT_EQ(Recorder::reported, (Lines{lower(work) + "old\\a.txt", work + "plan.txt"}));
    EXPECT_TRUE(found().empty()) << "nothing reaches the results window's lists";
    // Two files in Work, one in Old, and the folder Old before and after its descent.
    EXPECT_EQ(Recorder::checkpoints, 5);
    // One ask per entry read, "." and ".." of both folders included.
    EXPECT_EQ(Recorder::pointerAsks, 8);
}

} // namespace
} // namespace walktest
