#pragma once

// Control identifiers of the results window. Other programs that drive the window use the same
// numbers.

namespace results {

constexpr int IDC_RESULT_LIST = 201;
// Not a control: the command the window posts to itself to start the run.
constexpr int IDC_START_RUN = 202;
constexpr int IDC_AS_FOUND = 203;
constexpr int IDC_BY_SIZE = 204;
constexpr int IDC_BY_DATE = 205;
constexpr int IDC_STOP = 211;
constexpr int IDC_PRINT = 212;
constexpr int IDC_STATUS = 221;
constexpr int IDC_COUNT = 222;
constexpr int IDC_TRACK_NOTE = 132;
// The "Sort" group box is never addressed.
constexpr int IDC_NONE = -1;

} // namespace results
