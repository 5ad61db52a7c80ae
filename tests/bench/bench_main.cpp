// Times, in one Wine session, the full search of the real sorvane.exe from "&Begin" to "Done"
// against a bare enumeration of the same C:\ and the system's "dir /s /b"; the searches and the
// bare enumeration each as the fastest of three runs (the bare enumeration also beside each run
// of the few-match search).
// It also times how quickly a running search answers (see responsiveness.h).
// Usage: sorvane_bench <sorvane.exe> <few-match text> <10,000-match text> <100,000-match text>
//                      <text of a few widely spread matches> [seconds allowed per search,
//                      default 1800]

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bare_walk.h"
#include "responsiveness.h"
#include "driver.h"

namespace {

// Tries of each responsiveness measurement.
constexpr int responsivenessTries = 50;

// Each time below is the fastest of this many runs: other work on the machine can only slow a
// run down, so the fastest run is the one it disturbed least.
constexpr int timedRuns = 3;

// A search still running after this long is abandoned and reported with its count so far.
DWORD searchTimeoutMs = 30 * 60 * 1000;

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
};

// One bare recursion of C:\; its time, and its entries in entries.
double timeOneBareWalk(long long& entries) {
    const Stopwatch watch;
    entries = bench::bareWalk("C:\\");
    return watch.seconds();
}

double timeBareWalk(long long& entries) {
    double fastest = -1;
    for (int run = 0; run < timedRuns; ++run) {
        const double seconds = timeOneBareWalk(entries);
        if (fastest < 0 || seconds < fastest) {
            fastest = seconds;
        }
    }
    return fastest;
}

// -1 when cmd could not be started.
double timeDirListing() {
    wchar_t commandLine[] = L"cmd /c dir /s /b C:\\ >NUL";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Stopwatch watch;
    if (!CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const double seconds = watch.seconds();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

struct SearchTiming {
    double seconds = -1;
    bool done = false;
    std::wstring count;
};

// From the press of "&Begin" until the results window shows "Done"; the window is closed again.
SearchTiming timeSearch(DWORD processId, HWND query, const std::wstring& findText) {
    SearchTiming timing;
    e2e::setText(query, e2e::query::findText, findText);
    const Stopwatch watch;
    e2e::click(query, e2e::query::begin);
    const HWND results = e2e::waitForOtherDialog(processId, query);
    if (results == nullptr) {
        return timing;
    }
    // Read without a message, which the program would answer only after the work that follows
    // "Done" (the snapshot, the focus, the list drawn once).
    timing.done = bench::waitForStatus(results, L"Done", searchTimeoutMs);
    timing.seconds = watch.seconds();
    timing.count = e2e::windowText(e2e::control(results, e2e::results::count));
    e2e::closeWindow(results);
    e2e::waitForClose(results, searchTimeoutMs);
    return timing;
}

// The fastest of timedRuns searches; a search that did not finish is not repeated. With bare,
// a bare recursion is timed before each search and bare lowered to the fastest of them, so that
// the search and the recursion it is compared with are also timed side by side: the machine may
// be slower (or faster) minutes after the first recursions were timed.
SearchTiming fastestSearch(DWORD processId, HWND query, const std::wstring& findText,
                           const char* name, double* bare = nullptr) {
    SearchTiming fastest;
    for (int run = 0; run < timedRuns; ++run) {
        if (bare != nullptr) {
            long long entries = 0;
            const double seconds = timeOneBareWalk(entries);
            std::fprintf(stderr, "bare %.2f s\n", seconds);
            if (seconds < *bare) {
                *bare = seconds;
            }
        }
        const SearchTiming timing = timeSearch(processId, query, findText);
        std::fprintf(stderr, "%s %.2f s\n", name, timing.seconds);
        if (!timing.done) {
            return timing;
        }
        if (!fastest.done || timing.seconds < fastest.seconds) {
            fastest = timing;
        }
    }
    return fastest;
}

double ratio(double part, double whole) {
    return whole > 0 ? part / whole : 0;
}

// The texts the benchmark types and reads are plain ASCII.
std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

std::wstring widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr,
                     "usage: sorvane_bench <sorvane.exe> <few> <10k> <100k> <spread> [seconds]\n");
        return 2;
    }
    if (argc == 7) {
        searchTimeoutMs = static_cast<DWORD>(std::atoi(argv[6])) * 1000;
    }
    const std::wstring exe = e2e::windowsPath(argv[1]);

    // The first read fills the caches; every figure below is taken warm.
    long long entries = 0;
    bench::bareWalk("C:\\");
    double bare = timeBareWalk(entries);
    const double dir = timeDirListing();

    e2e::Program program(exe, L"C:\\");
    const HWND query = e2e::waitForWindow(program.processId(), e2e::dialogClass, e2e::query::title);
    if (!program.started() || query == nullptr) {
        std::fprintf(stderr, "sorvane.exe did not start\n");
        return 1;
    }
    std::fprintf(stderr, "bare %.2f s, dir %.2f s\n", bare, dir);
    const SearchTiming few =
        fastestSearch(program.processId(), query, widen(argv[2]), "few matches", &bare);
    const SearchTiming tenThousand =
        fastestSearch(program.processId(), query, widen(argv[3]), "10,000 matches");
    const SearchTiming hundredThousand =
        fastestSearch(program.processId(), query, widen(argv[4]), "100,000 matches");
    // Holds while the list grows fastest; shows of lines that come one at a time.
    const bench::Holds holds =
        bench::timeHolds(program.processId(), query, widen(argv[4]), responsivenessTries);
    const std::vector<double> shows =
        bench::timeShows(program.processId(), query, widen(argv[5]), responsivenessTries);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.processId());
    const bool haveMemory =
        process != nullptr && GetProcessMemoryInfo(process, &memory, sizeof memory);
    if (process != nullptr) {
        CloseHandle(process);
    }
    e2e::closeWindow(query);
    program.waitExit();

    std::printf("sorvane.exe and this helper        %zu-bit\n", sizeof(void*) * 8);
    std::printf("entries under C:\\                 %lld\n", entries);
    std::printf("bare FindFirstFileA recursion     %8.2f s\n", bare);
    std::printf("cmd /c dir /s /b C:\\              %8.2f s   (%.2f x bare)\n", dir,
                ratio(dir, bare));
    const auto show = [&](const char* name, const SearchTiming& timing) {
        std::printf("sorvane.exe, %-20s %8.2f s   (%.2f x bare, %.2f x dir)  count:%s%s\n", name,
                    timing.seconds, ratio(timing.seconds, bare), ratio(timing.seconds, dir),
                    narrow(timing.count).c_str(), timing.done ? "" : "  NOT DONE, abandoned");
    };
    show("few matches", few);
    show("10,000 matches", tenThousand);
    show("100,000 matches", hundredThousand);
    // What each match adds to the search that finds (almost) nothing; for a search that did
    // not finish, its whole time over the matches it had found, walking included.
    const auto perMatch = [&](const SearchTiming& timing) {
        const double matches = std::atof(narrow(timing.count).c_str());
        const double extra = timing.done ? timing.seconds - few.seconds : timing.seconds;
        return matches > 0 ? extra / matches * 1e6 : 0;
    };
    const double perMatch10k = perMatch(tenThousand);
    const double perMatch100k = perMatch(hundredThousand);
    std::printf("time per match: %.1f us at 10,000, %.1f us at 100,000 (%.2f x)\n", perMatch10k,
                perMatch100k, ratio(perMatch100k, perMatch10k));
    std::printf("posting \"&Stop\" to \"Stopped\": median %.1f ms, max %.1f ms over %zu tries "
                "(during 100,000-match searches)\n",
                bench::median(holds.held), bench::maximum(holds.held), holds.held.size());
    std::printf("posting \"&Stop\" to held and repainted (answering again): median %.1f ms, "
                "max %.1f ms over %zu tries\n",
                bench::median(holds.repainted), bench::maximum(holds.repainted),
                holds.repainted.size());
    std::printf("line in the list to its row on the screen: median %.1f ms, max %.1f ms over "
                "%zu lines\n",
                bench::median(shows), bench::maximum(shows), shows.size());
    if (haveMemory) {
        std::printf("sorvane.exe peak working set %.1f MiB, peak private bytes %.1f MiB\n",
                    static_cast<double>(memory.PeakWorkingSetSize) / (1024 * 1024),
                    static_cast<double>(memory.PeakPagefileUsage) / (1024 * 1024));
    } else {
        std::printf("sorvane.exe peak memory: not available\n");
    }
    return 0;
}
