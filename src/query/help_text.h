#pragma once

// The text "&Help" shows.

#include <string>

namespace query {

// Twenty-four lines, each ending in CR LF, and one more CR LF after the last.
std::string helpText();

} // namespace query
