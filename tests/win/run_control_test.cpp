#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/run_control.h"

namespace {

void report(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        search::FoundItem item;
        item.line = line;
        results::reportMatch(item);
    }
}

class SnapshotTest : public ::testing::Test {
protected:
    void SetUp() override { results::clearFound(); }
    void TearDown() override { results::clearFound(); }
};

// Each "&Stop" of one run adds to the snapshot only what was found since the last; whatever way
// the found lines were started again, a snapshot never keeps a line of what came before.
TEST_F(SnapshotTest, HoldsExactlyTheFoundLinesAcrossStopsAndNewRuns) {
    report({"c:\\a", "c:\\b", "c:\\c"});
    results::takeSnapshot();
    report({"c:\\d", "c:\\e"});
    results::takeSnapshot();
    EXPECT_EQ(results::resultSnapshot.lines,
              (std::vector<std::string>{"c:\\a", "c:\\b", "c:\\c", "c:\\d", "c:\\e"}));
    EXPECT_EQ(results::resultSnapshot.sizeOrder.size(), 5u);

    results::clearFound();
    report({"c:\\x", "c:\\y"});
    results::takeSnapshot();
    EXPECT_EQ(results::resultSnapshot.lines, (std::vector<std::string>{"c:\\x", "c:\\y"}));

    // The count set back by hand, as a caller may: the lines found after it replace the old.
    results::foundCount = 1;
    report({"c:\\z"});
    results::takeSnapshot();
    EXPECT_EQ(results::resultSnapshot.lines, (std::vector<std::string>{"c:\\x", "c:\\z"}));
}

} // namespace
