#pragma once

// "&Print" of the results window: the found lines, in found order, on a printer the user
// chooses.

namespace results {

// Prints the items found so far; returns at once when the user cancels the print dialog.
void printResultList();

} // namespace results
