#pragma once

// The yardstick of the benchmark: the plainest depth-first read of a folder tree through the
// ANSI enumeration, with no name test, no list and no message handling.

#include <string>

namespace bench {

// Entries below folder (a path ending in "\"), "." and ".." not counted. Folders whose
// pattern would pass the ANSI path limit are not read, as in the program's walk.
long long bareWalk(const std::string& folder);

} // namespace bench
