// Long use: 200 cycles of a drop of 20 fonts, the character map opened on
// each of them and remove-all, through the program's own window (real GDI,
// FreeType, the worker, the journal). GDI and USER objects and private bytes
// after the last cycle against after the first: what a cycle leaks shows as a
// ratio above 1. `bench_soak_drop_remove.exe N` runs N cycles instead.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/fonts/FontNameReader.h"
#include "app/fonts/GdiFontSystem.h"
#include "app/fonts/MountJournal.h"
#include "app/windows/CharMap.h"
#include "app/windows/QuilletMain.h"
#include "bench/bench.h"
#include "tests/app/shell_drop.h"
#include "ui/core/manager/UIManager.h"

namespace {

constexpr int kDefaultCycles = 200;
constexpr int kFontsPerDrop = 20;
const wchar_t* const kSources[] = {L"QuilletAlpha.ttf",        L"QuilletBeta.ttf",        L"QuilletManyChars.ttf",
                                   L"QuilletTwoHundred.ttf",   L"QuilletTypographic.ttf", L"QuilletMacNames.ttf",
                                   L"QuilletWindowsNames.ttf", L"QuilletBeyondBmp.ttf"};

// Twenty files made from the generated test fonts, each a file of its own.
std::vector<std::wstring> MakeFonts(const std::wstring& folder) {
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring sources = bench::ExeFolder() + L"..\\tests\\fonts\\";
    std::vector<std::wstring> files;
    for (int index = 0; index < kFontsPerDrop; ++index) {
        const std::wstring file = folder + L"\\soak" + std::to_wstring(index) + L".ttf";
        const std::wstring source = sources + kSources[index % ARRAYSIZE(kSources)];
        if (!::CopyFileW(source.c_str(), file.c_str(), FALSE)) {
            return {};
        }
        files.push_back(file);
    }
    return files;
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// What the process holds. Wine answers GetGuiResources and PrivateUsage with
// 0; there the GDI table, this process's windows and its committed private
// pages are counted instead, and `counted` says so.
struct Footprint {
    double gdi = 0;
    double user = 0;
    double privateBytes = 0;
    bool counted = false;
};

double CountGdiObjects() {
    // Wine takes a GDI handle by its table index alone.
    double objects = 0;
    for (ULONG_PTR index = 0x10; index < 0x10000; ++index) {
        objects += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return objects;
}

double CountOwnWindows() {
    double windows = 0;
    for (ULONG_PTR index = 0x10; index < 0x10000; index += 2) {
        const HWND hwnd = reinterpret_cast<HWND>(index);
        DWORD process = 0;
        if (::IsWindow(hwnd) && ::GetWindowThreadProcessId(hwnd, &process) != 0 && process == ::GetCurrentProcessId()) {
            ++windows;
        }
    }
    return windows;
}

double CommittedPrivateBytes() {
    double bytes = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr; ::VirtualQuery(address, &region, sizeof(region)) == sizeof(region);) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            bytes += static_cast<double>(region.RegionSize);
        }
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) {
            break;
        }
        address = next;
    }
    return bytes;
}

Footprint Measure() {
    Footprint footprint;
    footprint.gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    footprint.user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    footprint.privateBytes = static_cast<double>(memory.PrivateUsage);
    if (footprint.gdi == 0 || footprint.user == 0 || footprint.privateBytes == 0) {
        footprint.gdi = CountGdiObjects();
        footprint.user = CountOwnWindows();
        footprint.privateBytes = CommittedPrivateBytes();
        footprint.counted = true;
    }
    return footprint;
}

// One cycle as a user would go through it: drop, a look at each font's
// characters, remove-all. False when the program did not list the drop.
bool Cycle(CQuilletMain& window, const std::vector<std::wstring>& files) {
    ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeShellDrop(files)), 0);
    while (window.IsLoading()) {
        Pump();
        ::Sleep(1);
    }
    Pump();
    if (window.Registry().Count() != kFontsPerDrop) {
        return false;
    }
    for (const std::wstring& file : files) {
        window.OpenCharMap(file);
        if (CharMap* map = window.GetCharMapIfMade()) {
            ::UpdateWindow(*map);
        }
        Pump();
    }
    window.GetManager().SendNotify(window.GetManager().FindControlByName(L"removeall"), L"click");
    Pump();
    return window.Registry().Count() == 0;
}

double Ratio(double after, double first) {
    return first > 0 ? after / first : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::max(2, std::atoi(argv[1])) : kDefaultCycles;
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"quillet-bench-soak";
    const std::vector<std::wstring> files = MakeFonts(folder);
    if (files.empty()) {
        std::fprintf(stderr, "the test fonts are missing\n");
        return 1;
    }
    GdiFontSystem fonts;
    FreeTypeNameReader names;
    const MountJournal journal(std::wstring(temp) + L"quillet-bench-soak-journal.txt");
    CQuilletMain* window = CAppWindow::CreateOwned(new CQuilletMain(fonts, names, journal), nullptr, L"墨匣", WS_POPUP,
                                                   WS_EX_ACCEPTFILES, 0, 0, 600, 800);
    if (window == nullptr) {
        return 1;
    }
    const double start = bench::Seconds();
    bool listed = Cycle(*window, files);
    const Footprint first = Measure();
    for (int cycle = 1; cycle < cycles && listed; ++cycle) {
        listed = Cycle(*window, files);
    }
    const Footprint last = Measure();
    const double seconds = bench::Seconds() - start;
    ::DestroyWindow(*window);
    Pump();
    for (const std::wstring& file : files) {
        ::DeleteFileW(file.c_str());
    }
    ::RemoveDirectoryW(folder.c_str());
    ::DeleteFileW(journal.Path().c_str());
    if (!listed) {
        std::fprintf(stderr, "a cycle did not list and remove its %d fonts\n", kFontsPerDrop);
        return 1;
    }

    const double handles = std::max(Ratio(last.gdi, first.gdi), Ratio(last.user, first.user));
    const double memory = Ratio(last.privateBytes, first.privateBytes);
    char detail[320];
    std::snprintf(detail, sizeof(detail),
                  "%d cycles of %d fonts in %.0f s; GDI %.0f -> %.0f, USER %.0f -> %.0f, private %.1f -> %.1f MB%s; "
                  "goal <= 1.05",
                  cycles, kFontsPerDrop, seconds, first.gdi, last.gdi, first.user, last.user,
                  first.privateBytes / (1024.0 * 1024.0), last.privateBytes / (1024.0 * 1024.0),
                  last.counted ? " (counted: GDI table, own windows, committed private pages)" : "");
    bench::Report("soak-drop-remove", std::max(handles, memory), "ratio", detail);
    return 0;
}
