#include "session.h"

namespace e2e {

Session::Session(const std::wstring& arguments, WORD showCommand, const std::wstring& exe)
    : program_(exe, folder_.path(), arguments, showCommand) {
    if (program_.started()) {
        // Any title: the tests check it.
        dialog_ = waitForWindow(program_.processId(), dialogClass, L"");
    }
}

Session::~Session() {
    if (!program_.started()) {
        return;
    }
    closeOtherWindows(program_.processId(), dialog_);
    if (dialog_ && IsWindow(dialog_)) {
        closeWindow(dialog_);
    }
    program_.waitExit();
}

} // namespace e2e
