// What the tests of opening items, Enter and Escape share: a copy of sorvane.exe with the test
// explorer.exe beside it, which the program then starts as "explorer", and the command lines
// that explorer.exe recorded.
#pragma once

#include "search_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {

class OpenFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // The copy of sorvane.exe beside the test explorer.exe; empty when it could not be made.
    static std::wstring program();

    // Work\pear.txt, Work\plan.txt and Work\plum.txt; entry() is Work as the folder list shows it.
    struct SmallSearch {
        TempFolder root;
        Session session{L"", SW_SHOWNORMAL, program()};
        std::vector<std::wstring> lines; // in found order
        bool ready = false;
        SmallSearch();
    };

    // Starts the search that the query dialog is set up for and waits for its end.
    static HWND beginAndWait(const Session& session);

    static std::unique_ptr<TempFolder> programFolder;
};

// The command line the program starts for a list line.
std::wstring explorerCommand(const std::wstring& line);
// The command lines the test explorer recorded in the session's current folder, in order.
std::vector<std::wstring> explorerCalls(const Session& session);
// Waits until the test explorer has recorded count command lines.
bool waitForCalls(const Session& session, size_t count);
// The Escape check looks every 200 ms: waits long enough for several looks, to see that one
// had no effect.
void letEscapeChecksRun();

} // namespace e2e
