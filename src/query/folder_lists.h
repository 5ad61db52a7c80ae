#pragma once

// The two folder lists of the query dialog, kept in the program's search request.

#include <string>
#include <vector>

namespace query {

// Every trailing "\" removed, then one appended: "D:\Data\\" and "D:\Data" both give
// "D:\Data\"; "C:\" stays "C:\".
std::string folderPathForm(const std::string& path);

// Appends entry unless the list already holds MaxFolders entries; false when it was full.
bool appendFolder(std::vector<std::string>& list, const std::string& entry);

// Removes the entry at position (counting from 1); false when there is none there.
bool removeFolder(std::vector<std::string>& list, int position);

} // namespace query
