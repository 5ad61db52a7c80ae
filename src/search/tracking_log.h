#pragma once

// The tracking log "trackingLog.txt" in the current folder: a header line, then one line per
// folder the walk enters. Each line is written through its own open and close, so the file on
// disk is complete up to the last folder met, whatever happens to the program afterwards.

#include <string>

namespace search {

// Deletes an old plain log (a hidden or system one is kept and appended to), takes the next
// log file number and writes the header line. Nothing here is reported.
void startTrackingLog();

// Appends folderText and CR LF; false when the line was not written, and the error number of
// the last failing file operation is kept for reportTrackingFailure.
bool appendTrackingLine(const std::string& folderText);

// The two boxes that follow a failed append: the error number with its text, then the log
// file number with folderText. The kept error is cleared.
void reportTrackingFailure(const std::string& folderText);

// The log file number of the current tracked run; 0 before the first one.
int trackingFileNumber();

// The number the next tracked run takes: one more, wrapping from 32767 back to 1.
int nextTrackingFileNumber(int previous);

} // namespace search
