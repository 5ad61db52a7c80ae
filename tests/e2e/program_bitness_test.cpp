// Every end-to-end test executable is built with the sorvane.exe it drives, so the process it
// starts must be that executable with the driver's own bitness: the tests of the 32-bit build
// can never drive the 64-bit program instead, nor the other way round.
#include "session.h"

#include <gtest/gtest.h>

#include <climits>

namespace e2e {
namespace {

std::wstring lowerCase(std::wstring text) {
    CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

TEST(ProgramUnderTest, RunsTheGivenExecutableWithTheBitnessOfThisBuild) {
    Session session;
    ASSERT_TRUE(session.program().started());
    constexpr int buildBits = static_cast<int>(sizeof(void*) * CHAR_BIT);
    EXPECT_EQ(session.program().bits(), buildBits);
    EXPECT_EQ(lowerCase(session.program().imagePath()), lowerCase(sorvaneExe()));
}

} // namespace
} // namespace e2e
