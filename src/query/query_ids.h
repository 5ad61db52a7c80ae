#pragma once

// Control identifiers of the query dialog. Other programs that drive the dialog use the same
// numbers.

#include <windows.h>

// winuser.h names a standard cursor IDC_HELP; the program never uses that cursor, and the name
// belongs to its "&Help" button here.
#undef IDC_HELP

namespace query {

constexpr int IDC_FIND_TEXT = 101;
constexpr int IDC_FILES = 102;
constexpr int IDC_FOLDERS = 103;
constexpr int IDC_FILE_SIZES = 104;
constexpr int IDC_FILE_DATES = 105;
constexpr int IDC_PART_OF_NAME = 111;
constexpr int IDC_EXACT_NAME = 112;
constexpr int IDC_SHOW_SEARCH = 121;
constexpr int IDC_SHOW_EXCEPT = 122;
constexpr int IDC_FOLDER_LIST = 123;
constexpr int IDC_ADD = 124;
constexpr int IDC_DEL = 125;
constexpr int IDC_BEGIN = 130;
constexpr int IDC_HELP = 131;
constexpr int IDC_TRACK = 132;
// The "Find: " label and the group box are never addressed.
constexpr int IDC_NONE = -1;

} // namespace query
