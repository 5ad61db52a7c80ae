#include "query/help_text.h"

namespace query {

std::string helpText() {
    static const char* const lines[] = {
        "Program searches for files and folders",
        "boolean searches with '*' (AND) or '|' (OR)",
        "... used only with part of name searches",
        "Part of name: search for part of a file or folder name",
        "... can include extension (with period)",
        "... can also include a boolean search such as: 'HR' * 'Block'",
        "Exact name: search for exact file or folder name",
        "... the exact name may or may not include the extension",
        "Exact word: search for file or folder with exact word in name",
        "Files: checked to search for files",
        "Folders: checked to search for folders",
        "File sizes: include file sizes in Kilobytes",
        "File dates: include last date that file was modified",
        "Add folders to list for searching",
        "Delete folders from searching list",
        "Track folders searched: use when medium may be corrupted",
        "Begin search button beins the search for all file/folder matches,",
        "listing them as they are found on a new screen",
        "Stop button is used to stop and Continue the search as desired.",
        "Enter or Double clicking a found file displays it in Explorer",
        "... another double click executes a program associated with it",
        "... ESC or ALT+F4 closes files opened from Explorer and returns",
        "to the found list screen where the search can be resumed.",
        "System Exit closes the found list screen and stops bkgd searching",
    };
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    text += "\r\n";
    return text;
}

} // namespace query
