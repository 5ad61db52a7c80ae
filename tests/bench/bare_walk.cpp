#include "bare_walk.h"

#include <windows.h>

#include <cstring>

namespace bench {

long long bareWalk(const std::string& folder) {
    if (folder.size() + 3 > MAX_PATH - 1) {
        return 0;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    long long entries = 0;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) {
            continue;
        }
        ++entries;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entries += bareWalk(folder + data.cFileName + "\\");
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
}

} // namespace bench
