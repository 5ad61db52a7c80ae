// The tracking log on disk across runs, and the report of an append that fails.

#include "search/tracking_log.h"

#include "box_watcher.h"
#include "search/folder_walk.h"
#include "walk_fixture.h"
#include "winlayer/services.h"

namespace walktest {
namespace {

using Lines = std::vector<std::string>;

const char header[] = "Tracked folders which were read\r\n";

class TrackingLog : public WalkTest {
protected:
    std::string log() const { return fileBytes(tree.root() + "trackingLog.txt"); }

    // A tracked run over root + folder, the way "&Begin" and the run start it.
    void trackedRun(const std::string& folder) {
        search::searchRequest.trackFolders = true;
        search::startTrackingLog();
        search::walkFolder(tree.root() + folder, results::runWalkCalls());
    }
};

TEST_F(TrackingLog, HoldsTheHeaderAndEveryFolderEnteredInWalkOrder) {
    tree.makeFolder("Work\\A\\X");
    tree.makeFolder("Work\\B");
    tree.makeFile("Work\\A\\a.txt");
    const std::string work = lower(tree.root()) + "work\\";

    trackedRun("Work");

    EXPECT_EQ(log(), header + work + "a\\\r\n" + work + "a\\x\\\r\n" + work + "b\\\r\n");
}

TEST_F(TrackingLog, ASearchFolderWithoutSubfoldersGivesOnlyTheHeader) {
    tree.makeFile("Work\\a.txt");
    trackedRun("Work");
    EXPECT_EQ(log(), header);
}

TEST_F(TrackingLog, TheNextTrackedRunReplacesIt) {
    tree.makeFolder("First\\One");
    tree.makeFolder("Second\\Two");

    trackedRun("First");
    trackedRun("Second");

    EXPECT_EQ(log(), header + lower(tree.root()) + "second\\two\\\r\n");
}

TEST_F(TrackingLog, AnUntrackedRunLeavesItAsItWas) {
    tree.makeFolder("Work\\A");
    trackedRun("Work");
    const std::string before = log();

    search::searchRequest.trackFolders = false;
    search::walkFolder(tree.root() + "Other", results::runWalkCalls());
    search::walkFolder(tree.root() + "Work", results::runWalkCalls());

    EXPECT_EQ(log(), before);
}

TEST_F(TrackingLog, AHiddenOrSystemLogIsKeptAndAppendedTo) {
    for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string old = tree.makeFile("trackingLog.txt", "old line\r\n");
        SetFileAttributesA(old.c_str(), attribute);

        search::startTrackingLog();

        EXPECT_EQ(log(), std::string("old line\r\n") + header);
        SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(TrackingLog, EachTrackedRunTakesTheNextFileNumber) {
    search::startTrackingLog();
    const int first = search::trackingFileNumber();
    search::startTrackingLog();
    EXPECT_EQ(search::trackingFileNumber(), search::nextTrackingFileNumber(first));

    EXPECT_EQ(search::nextTrackingFileNumber(0), 1);
    EXPECT_EQ(search::nextTrackingFileNumber(1), 2);
    EXPECT_EQ(search::nextTrackingFileNumber(32766), 32767);
    EXPECT_EQ(search::nextTrackingFileNumber(32767), 1);
}

// A folder named like the log stands in its place: every open for appending fails.
TEST_F(TrackingLog, AFailedAppendIsReportedAndEndsTheFolderBeingRead) {
    tree.makeFolder("trackingLog.txt");
    tree.makeFolder("Work\\A\\X");
    tree.makeFile("Work\\A\\X\\x.txt");
    tree.makeFolder("Work\\A\\Y");
    tree.makeFolder("Work\\B");
    tree.makeFile("Work\\c.txt");
    requestEverything(tree);
    const std::string work = lower(tree.root()) + "work\\";

    // Earlier tests of this process have taken numbers too: this run takes the one after theirs.
    const int earlierRun = search::trackingFileNumber();
    BoxWatcher watcher;
    trackedRun("Work");
    watcher.stop();

    // «A» fails: it is still listed and entered, and «Work» ends after it. Inside «A», «X»
    // fails in turn: listed and entered, then «A» ends, so «Y», «B» and «c.txt» are not read.
    EXPECT_EQ(found(), (Lines{work + "a\\", work + "a\\x\\", work + "a\\x\\x.txt"}));
    const std::string number = " " + std::to_string(earlierRun % 32767 + 1);
    const std::vector<SeenBox>& boxes = watcher.boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, " 52   Bad file name or number");
    EXPECT_EQ(boxes[1].text, number + "   " + work + "a\\");
    EXPECT_EQ(boxes[2].text, " 52   Bad file name or number");
    EXPECT_EQ(boxes[3].text, number + "   " + work + "a\\x\\");
    for (const SeenBox& box : boxes) {
        EXPECT_EQ(box.caption, winlayer::defaultCaption);
    }
}

TEST_F(TrackingLog, AppendsWorkAgainOnceTheLogCanBeOpened) {
    const std::string blocker = tree.makeFolder("trackingLog.txt");
    search::startTrackingLog();
    {
        BoxWatcher watcher;
        EXPECT_FALSE(search::appendTrackingLine("c:\\first\\"));
        search::reportTrackingFailure("c:\\first\\");
        watcher.stop();
        EXPECT_EQ(watcher.boxes().size(), 2u);
    }
    removeTree(blocker);

    EXPECT_TRUE(search::appendTrackingLine("c:\\second\\"));

    EXPECT_EQ(log(), "c:\\second\\\r\n");
}

} // namespace
} // namespace walktest
