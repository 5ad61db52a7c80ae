#pragma once

// What every walk test starts from: a fresh tree that is also the current folder (where the
// tracking log goes), an empty list of found items, a run that is neither held nor abandoned,
// and a request that lists every entry of the tree.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "results/run_control.h"
#include "results/search_run.h"
#include "search/search_request.h"
#include "test_tree.h"

namespace walktest {

class WalkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // ExactName with the tree's own folder name: every entry below the tree matches through
    // that path component, files and folders alike.
    static void requestEverything(const TestTree& tree);

    static const std::vector<std::string>& found() { return results::foundLines(); }

    static std::string lower(const std::string& text);

    TestTree tree;

private:
    std::string previousFolder_;
};

// Runs an action from inside a walk: the walk handles one window message per entry, so a
// message posted to a hidden window runs the action at the pump of the walk's n-th entry
// (counted from 1, "." and ".." included).
class PumpedAction {
public:
    PumpedAction(int entry, std::function<void()> action);
    ~PumpedAction();
    PumpedAction(const PumpedAction&) = delete;
    PumpedAction& operator=(const PumpedAction&) = delete;

    bool done() const { return remaining_ == 0; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int remaining_;
    std::function<void()> action_;
    HWND window_;
};

} // namespace walktest
