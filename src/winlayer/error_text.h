#pragma once

// Error numbers recorded by failing runtime operations, their texts, and the mapping from
// GetLastError codes of Windows file calls.

#include <string>

namespace winlayer {

constexpr int NoError = 0;
constexpr int OutOfMemoryError = 7;
constexpr int FileNotFoundError = 53;
constexpr int DeviceIoError = 57;
constexpr int DeviceUnavailableError = 68;
constexpr int PathNotFoundError = 76;
// Numbers from here on end the program with exit code 255.
constexpr int FirstFatalError = 241;

// Text of an error number; the empty string for a number without one.
std::string errorText(int number);

// Error number for a GetLastError code of a file call.
int errorNumberFromWindowsCode(unsigned long code);

inline bool isFatalError(int number) {
    return number >= FirstFatalError;
}

} // namespace winlayer
