// What users download and what the running program holds: the size of
// quillet.exe, and the private memory of a process showing the main window
// beyond that of a process showing a bare window of the same size. Each child
// process measures itself (Wine does not report another process's memory).
#include <windows.h>

#include <objbase.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "app/fonts/GdiFontSystem.h"
#include "app/windows/QuilletMain.h"
#include "bench/bench.h"
#include "ui/core/manager/UIManager.h"

namespace {

constexpr DWORD kSettleMs = 1000;
constexpr double kMegabyte = 1024.0 * 1024.0;

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Lets the first paints and what they load happen, as a user would see the window.
void Settle() {
    const DWORD end = ::GetTickCount() + kSettleMs;
    MSG msg;
    while (::GetTickCount() < end) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

// Windows reports the private bytes both as PrivateUsage and as PagefileUsage;
// Wine fills only the second.
double OwnPrivateMegabytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<double>(counters.PagefileUsage) / kMegabyte;
}

int ShowBareWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"QuilletBenchBare";
    ::RegisterClassW(&windowClass);
    ::CreateWindowExW(0, L"QuilletBenchBare", L"bare", WS_POPUP | WS_VISIBLE, 0, 0, 708, 400, nullptr, nullptr,
                      windowClass.hInstance, nullptr);
    return 0;
}

int ShowMainWindow() {
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    ::CoInitialize(nullptr);
    static GdiFontSystem fonts;
    static FreeTypeNameReader names;
    static const MountJournal noJournal(L"");
    auto* window = new CQuilletMain(fonts, names, noJournal);
    constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_STATICEDGE | WS_EX_ACCEPTFILES;
    if (window->Create(nullptr, L"墨匣", WS_VISIBLE | WS_OVERLAPPEDWINDOW, kExStyle, 0, 0, 600, 800) == nullptr) {
        return 1;
    }
    ::ShowWindow(*window, SW_SHOW);
    return 0;
}

// Runs this program again to show one window and report its own private bytes.
double MeasureChild(LPCWSTR which) {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return -1;
    }
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::wstring commandLine = L"\"" + OwnPath() + L"\" --show " + which;
    PROCESS_INFORMATION process = {};
    const bool started = ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                          &startup, &process) != FALSE;
    ::CloseHandle(writeEnd);
    char text[64] = {};
    DWORD read = 0;
    if (started) {
        ::ReadFile(readEnd, text, sizeof(text) - 1, &read, nullptr);
        ::WaitForSingleObject(process.hProcess, 30000);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(readEnd);
    return read > 0 ? std::atof(text) : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 2 && std::wcscmp(argv[1], L"--show") == 0) {
        const int failed = std::wcscmp(argv[2], L"main") == 0 ? ShowMainWindow() : ShowBareWindow();
        if (failed != 0) {
            return failed;
        }
        Settle();
        std::printf("%.3f\n", OwnPrivateMegabytes());
        std::fflush(stdout);
        ::ExitProcess(0);
    }
    const std::wstring self = OwnPath();
    const std::wstring program = self.substr(0, self.find_last_of(L"\\/") + 1) + L"..\\app\\quillet.exe";
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    if (!::GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &attributes)) {
        std::fprintf(stderr, "quillet.exe not found beside the benchmarks\n");
        return 1;
    }
    bench::Report("exe-size", static_cast<double>(attributes.nFileSizeLow) / kMegabyte, "MB",
                  "quillet.exe, linked statically; goal <= 3");

    const double bare = MeasureChild(L"bare");
    const double main = MeasureChild(L"main");
    if (bare < 0 || main < 0) {
        std::fprintf(stderr, "a measuring process failed\n");
        return 1;
    }
    char detail[160];
    std::snprintf(detail, sizeof(detail),
                  "private bytes %.1f MB with the main window, %.1f MB with a bare one; goal <= 12", main, bare);
    bench::Report("memory-main-window", main - bare, "MB", detail);
    return 0;
}
