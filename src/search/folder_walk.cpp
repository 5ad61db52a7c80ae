#include "search/folder_walk.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "search/found_item.h"
#include "search/name_match.h"
#include "search/search_request.h"
#include "search/tracking_log.h"
#include "winlayer/dialogs.h"
#include "winlayer/services.h"
#include "winlayer/text.h"

namespace search {
namespace {

// The longest pattern the ANSI enumeration takes (MAX_PATH less the terminating NUL).
constexpr std::size_t maxPatternLength = MAX_PATH - 1;

const char allEntries[] = "*.*";

// One folder's enumeration, closed exactly once on whichever way the level ends.
class FindHandle {
public:
    FindHandle(const std::string& pattern, WIN32_FIND_DATAA& record)
        : handle_(FindFirstFileA(pattern.c_str(), &record)) {}
    ~FindHandle() { close(); }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // False at the end of the folder, after a failure, and once closed.
    bool next(WIN32_FIND_DATAA& record) {
        return isOpen() && FindNextFileA(handle_, &record) != FALSE;
    }

    void close() {
        if (isOpen()) {
            FindClose(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

FindRecord findRecordOf(const WIN32_FIND_DATAA& data) {
    FindRecord record;
    record.sizeHigh = data.nFileSizeHigh;
    record.sizeLow = data.nFileSizeLow;
    record.lastWriteTime = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime;
    return record;
}

bool isDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

bool isExceptFolder(const SearchRequest& request, const std::string& folderText) {
    return std::find(request.exceptFolders.begin(), request.exceptFolders.end(), folderText) !=
           request.exceptFolders.end();
}

// The level path: no trailing "\" left, then exactly one appended ("C:" and "C:\\" give "C:\").
std::string levelPathOf(const std::string& path) {
    return winlayer::trimTrailing(path, "\\") + "\\";
}

void walkLevel(const std::string& levelPath, const WalkCalls& calls) {
    const SearchRequest& request = searchRequest;
    // A longer pattern would be cut or refused by the platform; reading some other folder in
    // this one's place is worse than reading nothing, and it also bounds the depth that a link
    // to an ancestor folder can reach.
    if (levelPath.size() + std::strlen(allEntries) > maxPatternLength) {
        return;
    }
    WIN32_FIND_DATAA data;
    FindHandle find(levelPath + allEntries, data);
    if (!find.isOpen()) {
        return;
    }

    const std::string lowerLevelPath = winlayer::lowerCase(levelPath);
    // Reused from entry to entry, so the loop allocates only for what it reports.
    std::string entryName;
    std::string entryPath;
    bool readOn = true;
    do {
        winlayer::pumpOneMessage(0);
        if (!calls.keepPointer()) {
            winlayer::setPointer(winlayer::WaitPointer);
        }

        // Lowered in place: what lowerCase gives, without a copy.
        entryName.assign(data.cFileName);
        winlayer::lowerCaseInPlace(entryName);
        if (isDotEntry(entryName)) {
            continue;
        }
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entryPath.assign(lowerLevelPath).append(entryName);
        if (isFolder) {
            entryPath.push_back('\\');
        }
        const bool matches = entryMatches(request, entryName, entryPath);

        if (isFolder) {
            if (isExceptFolder(request, entryPath)) {
                continue;
            }
            if (request.trackFolders && !appendTrackingLine(entryPath)) {
                reportTrackingFailure(entryPath);
                // This folder is still listed and entered; the rest of this level is not read.
                find.close();
                readOn = false;
            }
            if (request.wantFolders && matches) {
                calls.reportMatch(makeFolderItem(entryPath));
            }
            if (calls.checkpoint() == Checkpoint::Abandon) {
                return;
            }
            // The child only reads this buffer, and this level changes it only once the child is
            // done.
            walkLevel(entryPath, calls);
            if (calls.checkpoint() == Checkpoint::Abandon) {
                return;
            }
        } else {
            if (request.wantFiles && matches) {
                calls.reportMatch(makeFileItem(levelPath, entryName, findRecordOf(data), request));
            }
            if (calls.checkpoint() == Checkpoint::Abandon) {
                return;
            }
        }
    } while (readOn && find.next(data));
}

} // namespace

void walkFolder(const std::string& path, const WalkCalls& calls) {
    walkLevel(levelPathOf(path), calls);
}

} // namespace search
