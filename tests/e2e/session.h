// What every end-to-end test needs: the program under test, given on the command line, and a
// running instance of it with its query dialog on the screen.
#pragma once

#include "driver.h"

#include <string>

namespace e2e {

// The sorvane.exe under test (Windows path) and the folder for artifacts (host path), both
// taken from the command line by the test runner's main.
const std::wstring& sorvaneExe();
const std::string& artifactsFolder();

// sorvane.exe started in a fresh temporary current folder, with its query dialog shown.
// The destructor closes the dialog if it is still there and ends the process.
class Session {
public:
    // exe: another copy of the program, e.g. one with programs of the test's own beside it.
    explicit Session(const std::wstring& arguments = L"", WORD showCommand = SW_SHOWNORMAL,
                     const std::wstring& exe = sorvaneExe());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The query dialog, or nullptr when the program did not start or show it in time.
    HWND dialog() const { return dialog_; }
    DWORD processId() const { return program_.processId(); }
    const Program& program() const { return program_; }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    Program program_;
    HWND dialog_ = nullptr;
};

} // namespace e2e
