// Test runner of the end-to-end tests: e2e_tests [gtest options] SORVANE_EXE [ARTIFACTS_FOLDER]
#include "session.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace e2e {

namespace {

std::wstring exePath;
std::string artifacts;

} // namespace

const std::wstring& sorvaneExe() {
    return exePath;
}

const std::string& artifactsFolder() {
    return artifacts;
}

} // namespace e2e

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s [gtest options] SORVANE_EXE [ARTIFACTS_FOLDER]\n", argv[0]);
        return 2;
    }
    e2e::exePath = e2e::windowsPath(argv[1]);
    e2e::artifacts = argc > 2 ? argv[2] : "artifacts";
    return RUN_ALL_TESTS();
}
