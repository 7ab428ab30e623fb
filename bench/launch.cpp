// What a user waits for when starting Quillet: from CreateProcessW of
// quillet.exe until its main window is shown, painted and waiting for input,
// against the same for a plain Win32 program showing a window of the same
// size and title. Each launched process is closed and waited for before the
// next one starts, so no Quillet is left to take the next start's place.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/bench.h"

namespace {

constexpr int kRuns = 5;
constexpr DWORD kReadyTimeoutMs = 10000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr LPCWSTR kQuilletClass = L"Quillet";
constexpr LPCWSTR kBareClass = L"QuilletLaunchBare";
constexpr LPCWSTR kTitle = L"墨匣";

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Closes the window and waits for its process to end; ends it when it will
// not. Not timed: without a window manager Wine waits two seconds for a
// closing top-level window to be withdrawn.
void Close(HWND hwnd, HANDLE process) {
    if (hwnd != nullptr) {
        ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process, kExitTimeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, kExitTimeoutMs);
    }
}

// A program of the same window class left running by someone else: a Quillet
// would take the measured start's place, which only hands over and ends.
void CloseRunning(LPCWSTR windowClass) {
    const HWND hwnd = ::FindWindowW(windowClass, kTitle);
    if (hwnd == nullptr) {
        return;
    }
    DWORD id = 0;
    ::GetWindowThreadProcessId(hwnd, &id);
    const HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    if (process != nullptr) {
        Close(hwnd, process);
        ::CloseHandle(process);
    }
}

// The window is visible, has no part left to paint, and its thread answers
// messages: the program has done its start and waits for the user.
bool IsReady(HWND hwnd) {
    if (!::IsWindowVisible(hwnd)) {
        return false;
    }
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, kReadyTimeoutMs, &answer) == 0) {
        return false;
    }
    return ::GetUpdateRect(hwnd, nullptr, FALSE) == FALSE;
}

// Seconds from CreateProcessW to a ready window of `windowClass`; negative on failure.
double LaunchOnce(const std::wstring& program, LPCWSTR windowClass) {
    CloseRunning(windowClass);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    const double start = bench::Seconds();
    if (!::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return -1;
    }
    HWND hwnd = nullptr;
    double elapsed = -1;
    while (bench::Seconds() - start < kReadyTimeoutMs / 1000.0) {
        if (hwnd == nullptr) {
            hwnd = ::FindWindowW(windowClass, kTitle);
        }
        if (hwnd != nullptr && IsReady(hwnd)) {
            elapsed = bench::Seconds() - start;
            break;
        }
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            break;
        }
    }
    Close(hwnd, process.hProcess);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int main() {
    const std::wstring folder = bench::ExeFolder();
    const std::wstring quillet = folder + L"..\\app\\quillet.exe";
    const std::wstring bare = folder + L"launch_bare\\launch_bare.exe";
    if (!Exists(quillet) || !Exists(bare)) {
        std::fprintf(stderr, "quillet.exe or launch_bare.exe not found beside the benchmarks\n");
        return 1;
    }
    // Taking turns spreads whatever else the machine does over both; the first
    // start of each, which fills the system's caches, falls behind the best.
    double bareTime = 1e300;
    double quilletTime = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const double bareRun = LaunchOnce(bare, kBareClass);
        const double quilletRun = LaunchOnce(quillet, kQuilletClass);
        if (bareRun < 0 || quilletRun < 0) {
            std::fprintf(stderr, "a launched program did not show its window in time\n");
            return 1;
        }
        bareTime = bareRun < bareTime ? bareRun : bareTime;
        quilletTime = quilletRun < quilletTime ? quilletRun : quilletTime;
    }
    char detail[160];
    std::snprintf(detail, sizeof(detail), "quillet.exe %.1f ms, a plain Win32 program %.1f ms, best of %d",
                  quilletTime * 1e3, bareTime * 1e3, kRuns);
    bench::Report("launch-vs-bare", quilletTime / bareTime, "ratio", detail);
    return 0;
}
