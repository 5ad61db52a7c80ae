#include "search/tracking_log.h"

#include <windows.h>

#include "winlayer/error_text.h"
#include "winlayer/numbers.h"
#include "winlayer/services.h"

namespace search {
namespace {

const char logName[] = "trackingLog.txt";
const char headerLine[] = "Tracked folders which were read";

constexpr int lastFileNumber = 32767;

// What a write to a log that could not be opened records.
constexpr int badFileNameOrNumber = 52;
// What a write that stopped short without a Windows error records.
constexpr int diskFull = 61;

int fileNumber = 0;
int keptError = winlayer::NoError;

// One open of the log for appending. Every step that fails records its error number and the
// next step still runs, so the last failure is the one reported.
class LogFile {
public:
    LogFile()
        : handle_(CreateFileA(logName, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE) {
            recordWindowsError();
        }
    }
    ~LogFile() { close(); }
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void writeLine(const std::string& text) {
        if (handle_ == INVALID_HANDLE_VALUE) {
            error_ = badFileNameOrNumber;
            return;
        }
        // One write per line, so a line is never left on disk without its end.
        const std::string line = text + "\r\n";
        const DWORD size = static_cast<DWORD>(line.size());
        DWORD written = 0;
        if (!WriteFile(handle_, line.data(), size, &written, nullptr)) {
            recordWindowsError();
        } else if (written != size) {
            error_ = diskFull;
        }
    }

    // The error number of the last failing step, NoError when every step succeeded.
    int close() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            if (!CloseHandle(handle_)) {
                recordWindowsError();
            }
            handle_ = INVALID_HANDLE_VALUE;
        }
        return error_;
    }

private:
    void recordWindowsError() {
        error_ = winlayer::errorNumberFromWindowsCode(GetLastError());
        if (winlayer::isFatalError(error_)) {
            ExitProcess(255);
        }
    }

    HANDLE handle_;
    int error_ = winlayer::NoError;
};

bool isPlainFile(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

} // namespace

int nextTrackingFileNumber(int previous) {
    return previous >= lastFileNumber ? 1 : previous + 1;
}

int trackingFileNumber() {
    return fileNumber;
}

void startTrackingLog() {
    if (isPlainFile(GetFileAttributesA(logName))) {
        DeleteFileA(logName);
    }
    fileNumber = nextTrackingFileNumber(fileNumber);
    keptError = winlayer::NoError;
    LogFile log;
    log.writeLine(headerLine);
}

bool appendTrackingLine(const std::string& folderText) {
    LogFile log;
    log.writeLine(folderText);
    keptError = log.close();
    return keptError == winlayer::NoError;
}

void reportTrackingFailure(const std::string& folderText) {
    const UINT style = MB_OK | MB_TASKMODAL | MB_SETFOREGROUND;
    winlayer::messageBox(winlayer::numberText(keptError) + "   " + winlayer::errorText(keptError),
                         style, std::string());
    winlayer::messageBox(winlayer::numberText(fileNumber) + "   " + folderText, style,
                         std::string());
    keptError = winlayer::NoError;
}

} // namespace search
