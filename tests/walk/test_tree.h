#pragma once

// Real folder trees for the walk tests, each in a fresh folder that is removed afterwards, and
// the few things only the Linux side of Wine can make (folder links, names outside the code page).

#include <windows.h>

#include <cstdint>
#include <string>

namespace walktest {

class TestTree {
public:
    TestTree();
    ~TestTree();
    TestTree(const TestTree&) = delete;
    TestTree& operator=(const TestTree&) = delete;

    // The tree's own folder, ending in "\".
    const std::string& root() const { return root_; }

    // Creates root + relative with any missing parents, at any depth; returns it with "\".
    std::string makeFolder(const std::string& relative) const;

    // Creates (or replaces) the file root + relative holding content, and any missing folders
    // above it; returns its path.
    std::string makeFile(const std::string& relative, const std::string& content = "") const;

    // The Linux path of root + relative, or the empty string when not running under Wine.
    std::string unixPath(const std::string& relative) const;

    // Runs a shell script on the Linux side with the tree's Linux path as its current folder;
    // true when it ran and ended with status 0.
    bool runShell(const std::string& script) const;

private:
    std::string root_;
};

// Removes a folder and everything below it without following folder links.
void removeTree(const std::string& folder);

// The file's last-write time read back through the file enumeration.
std::uint64_t lastWriteTimeOf(const std::string& file);

void setLastWriteTime(const std::string& file, std::uint64_t time);

// Reads a whole file as bytes.
std::string fileBytes(const std::string& file);

} // namespace walktest
