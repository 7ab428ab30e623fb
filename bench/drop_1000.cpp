// A drop of a folder of 1,000 font files through the program's own path (real
// GDI, the journal, the worker, to the last row filled) against a bare loop of
// the same RemoveFontResourceW and AddFontResourceW calls; the longest time
// the GUI thread leaves a message waiting meanwhile; and the close that
// unmounts them all against a bare RemoveFontResourceW loop.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "app/fonts/FontNameReader.h"
#include "app/fonts/GdiFontSystem.h"
#include "app/fonts/MountJournal.h"
#include "app/windows/QuilletMain.h"
#include "bench/bench.h"
#include "ui/core/manager/UIManager.h"

namespace {

constexpr int kFiles = 1000;
constexpr int kRuns = 3;
constexpr UINT kProbeMessage = WM_APP + 90;
constexpr DWORD kProbeIntervalMs = 2;

// 1,000 copies of a test font, as a folder of a type foundry's files would be.
std::vector<std::wstring> MakeFonts(const std::wstring& folder) {
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring source = bench::ExeFolder() + L"..\\tests\\fonts\\QuilletAlpha.ttf";
    std::vector<std::wstring> files;
    for (int index = 0; index < kFiles; ++index) {
        wchar_t name[32];
        std::swprintf(name, 32, L"\\font%04d.ttf", index);
        files.push_back(folder + name);
        if (!::CopyFileW(source.c_str(), files.back().c_str(), FALSE)) {
            files.clear();
            break;
        }
    }
    return files;
}

void RemoveFonts(const std::wstring& folder, const std::vector<std::wstring>& files) {
    for (const std::wstring& file : files) {
        ::DeleteFileW(file.c_str());
    }
    ::RemoveDirectoryW(folder.c_str());
}

// Posts a time-stamped message to the GUI thread every few milliseconds; the
// GUI thread measures how long each waited.
class StallProbe {
public:
    // Thread 0: no probe.
    explicit StallProbe(DWORD guiThread) : m_guiThread(guiThread) {
        if (guiThread != 0) {
            m_thread = ::CreateThread(nullptr, 0, &StallProbe::Run, this, 0, nullptr);
        }
    }
    ~StallProbe() {
        m_stop.store(true);
        if (m_thread != nullptr) {
            ::WaitForSingleObject(m_thread, INFINITE);
            ::CloseHandle(m_thread);
        }
    }
    void Seen(const MSG& msg) {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        const double waited = static_cast<double>(now.QuadPart - static_cast<LONGLONG>(msg.lParam)) / Frequency();
        m_longest = waited > m_longest ? waited : m_longest;
    }
    double Longest() const { return m_longest; }

private:
    static double Frequency() {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart);
    }
    static DWORD WINAPI Run(void* self) {
        auto* probe = static_cast<StallProbe*>(self);
        while (!probe->m_stop.load()) {
            LARGE_INTEGER now;
            ::QueryPerformanceCounter(&now);
            ::PostThreadMessageW(probe->m_guiThread, kProbeMessage, 0, static_cast<LPARAM>(now.QuadPart));
            ::Sleep(kProbeIntervalMs);
        }
        return 0;
    }

    DWORD m_guiThread;
    std::atomic<bool> m_stop{false};
    HANDLE m_thread = nullptr;
    double m_longest = 0;
};

struct ProgramRun {
    double drop = 0;
    double stall = 0;
    double close = 0;
};

// With `probe`, the stall is measured; without, the drop's time is (a probe's
// 500 messages are no work of the program's).
ProgramRun ThroughTheProgram(const std::wstring& folder, const std::wstring& journalPath, bool probe) {
    GdiFontSystem fonts;
    FreeTypeNameReader names;
    const MountJournal journal(journalPath);
    CQuilletMain* window = CAppWindow::CreateOwned(new CQuilletMain(fonts, names, journal), nullptr, L"墨匣", WS_POPUP,
                                                   WS_EX_ACCEPTFILES, 0, 0, 600, 800);
    ProgramRun run;
    if (window == nullptr) {
        return run;
    }
    const HWND hwnd = *window;
    {
        StallProbe stallProbe(probe ? ::GetCurrentThreadId() : 0);
        const double start = bench::Seconds();
        window->MountPaths({folder});
        MSG msg;
        while (window->IsLoading() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == kProbeMessage) {
                stallProbe.Seen(msg);
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        run.drop = bench::Seconds() - start;
        run.stall = stallProbe.Longest();
    }
    if (window->Registry().Count() != kFiles) {
        std::fprintf(stderr, "the program listed %d of %d fonts\n", window->Registry().Count(), kFiles);
    }
    const double start = bench::Seconds();
    ::DestroyWindow(hwnd);
    run.close = bench::Seconds() - start;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    return run;
}

}  // namespace

int main() {
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"quillet-bench-drop";
    const std::wstring journal = std::wstring(temp) + L"quillet-bench-journal.txt";
    const std::vector<std::wstring> files = MakeFonts(folder);
    if (files.empty()) {
        std::fprintf(stderr, "the test fonts are missing\n");
        return 1;
    }
    double bareDrop = 1e300;
    double bareClose = 1e300;
    ProgramRun best{1e300, 1e300, 1e300};
    for (int run = 0; run < kRuns; ++run) {
        double start = bench::Seconds();
        for (const std::wstring& file : files) {
            ::RemoveFontResourceW(file.c_str());
            ::AddFontResourceW(file.c_str());
        }
        bareDrop = std::min(bareDrop, bench::Seconds() - start);
        start = bench::Seconds();
        for (const std::wstring& file : files) {
            ::RemoveFontResourceW(file.c_str());
        }
        bareClose = std::min(bareClose, bench::Seconds() - start);

        const ProgramRun program = ThroughTheProgram(folder, journal, false);
        best.drop = std::min(best.drop, program.drop);
        best.close = std::min(best.close, program.close);
        best.stall = std::min(best.stall, ThroughTheProgram(folder, journal, true).stall);
    }
    RemoveFonts(folder, files);
    ::DeleteFileW(journal.c_str());

    char detail[160];
    std::snprintf(detail, sizeof(detail), "program %.1f ms, bare remove and add %.1f ms, %d files; goal <= 1.1",
                  best.drop * 1e3, bareDrop * 1e3, kFiles);
    bench::Report("drop-1000-vs-bare", best.drop / bareDrop, "ratio", detail);
    std::snprintf(detail, sizeof(detail), "longest wait of a message during that drop; goal <= 50 ms");
    bench::Report("drop-stall-1000", best.stall * 1e3, "ms", detail);
    std::snprintf(detail, sizeof(detail), "closing the window %.1f ms, bare remove %.1f ms; goal <= 1.1",
                  best.close * 1e3, bareClose * 1e3);
    bench::Report("close-1000-vs-bare", best.close / bareClose, "ratio", detail);
    return 0;
}
