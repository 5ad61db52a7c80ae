#include "query/folder_lists.h"

#include "search/search_request.h"
#include "winlayer/text.h"

namespace query {

std::string folderPathForm(const std::string& path) {
    return winlayer::trimTrailing(path, "\\") + "\\";
}

bool appendFolder(std::vector<std::string>& list, const std::string& entry) {
    if (list.size() >= static_cast<size_t>(search::MaxFolders)) {
        return false;
    }
    list.push_back(entry);
    return true;
}

bool removeFolder(std::vector<std::string>& list, int position) {
    if (position < 1 || static_cast<size_t>(position) > list.size()) {
        return false;
    }
    list.erase(list.begin() + (position - 1));
    return true;
}

} // namespace query
