// What it costs to bring up the main window: skin parse, tree build, layout
// and first paint, against a hand-written GDI window that decodes the same
// images, creates the same fonts and paints the same picture through a back
// buffer (startup-vs-gdi), and against creating and first-painting a bare
// Win32 window of the same size (startup-vs-bare).
#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <functional>

#include "app/windows/CharMap.h"
#include "app/windows/QuilletMain.h"
#include "bench/bench.h"
#include "bench/gdi_main_window.h"
#include "ui/core/manager/UIManager.h"

namespace {

// Every main window takes two seconds to go (see BestBringUp): ten of them
// and one to warm up keep the benchmark within half a minute.
constexpr int kRuns = 10;

class NoFonts final : public IFontSystem {
public:
    UINT DroppedFileCount(HDROP) override { return 0; }
    UINT DroppedPathLength(HDROP, UINT) override { return 0; }
    bool ReadDroppedPath(HDROP, UINT, wchar_t*, UINT) override { return false; }
    void FinishDrop(HDROP) override {}
    int Mount(const wchar_t*) override { return 0; }
    int Unmount(const wchar_t*) override { return 0; }
    bool IsMounted(const wchar_t*) override { return false; }
};

class NoNames final : public IFontNameReader {
public:
    std::wstring ReadFullName(const std::wstring&) override { return std::wstring(); }
    FontFaceInfo ReadFace(const std::wstring&) override { return FontFaceInfo(); }
};

void DrainMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) {
            ::DispatchMessageW(&msg);
        }
    }
}

// Paints the window once through its own WM_PAINT.
void FirstPaint(HWND hwnd) {
    ::ShowWindow(hwnd, SW_SHOWNA);
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK BareProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = ::BeginPaint(hwnd, &paint);
        ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// One bring-up, timed; taking the window down again is not timed (without
// a window manager Wine waits up to two seconds for an unmapped managed
// window, which says nothing about the program).
struct Contender {
    std::function<HWND()> create;
    std::function<void(HWND)> destroy;
    double best = 1e300;

    void BringUp() {
        const double start = bench::Seconds();
        const HWND hwnd = create();
        FirstPaint(hwnd);
        const double elapsed = bench::Seconds() - start;
        best = elapsed < best ? elapsed : best;
        destroy(hwnd);
        DrainMessages();
    }
};

HWND CreateBareWindow() {
    return ::CreateWindowExW(0, L"QuilletBenchBare", L"bare", WS_POPUP, 0, 0, 708, 400, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

void RegisterBareWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &BareProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuilletBenchBare";
    ::RegisterClassW(&windowClass);
}

void DestroyWindowOnly(HWND hwnd) {
    ::DestroyWindow(hwnd);
}

}  // namespace

int main() {
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    ::CoInitialize(nullptr);
    RegisterBareWindow();
    bench::GdiMainWindow::Register();
    NoFonts fonts;
    NoNames names;
    const MountJournal noJournal(L"");
    HWND charMap = nullptr;
    Contender bare{&CreateBareWindow, &DestroyWindowOnly};
    Contender handDrawn{&bench::GdiMainWindow::Create, &DestroyWindowOnly};
    Contender main{[&] {
                       auto* window = new CQuilletMain(fonts, names, noJournal);
                       const HWND hwnd = window->Create(nullptr, L"墨匣", WS_POPUP, WS_EX_ACCEPTFILES, 0, 0, 600, 800);
                       charMap =
                           window->GetCharMapIfMade() != nullptr ? window->GetCharMapIfMade()->GetHWND() : nullptr;
                       return hwnd;
                   },
                   [&](HWND hwnd) {
                       ::DestroyWindow(hwnd);
                       ::DestroyWindow(charMap);
                   }};
    // The first window of a process pays for loading the system's code; then
    // the three take turns, so that a busy moment of the machine falls on
    // one round of each rather than on all the runs of one.
    main.BringUp();
    main.best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        bare.BringUp();
        handDrawn.BringUp();
        main.BringUp();
    }
    char detail[160];
    std::snprintf(detail, sizeof(detail), "main window %.2f ms, the same picture by hand with GDI %.2f ms, best of %d",
                  main.best * 1e3, handDrawn.best * 1e3, kRuns);
    bench::Report("startup-vs-gdi", main.best / handDrawn.best, "ratio", detail);
    std::snprintf(detail, sizeof(detail), "main window %.2f ms, bare window %.2f ms, best of %d; goal <= 1.3",
                  main.best * 1e3, bare.best * 1e3, kRuns);
    bench::Report("startup-vs-bare", main.best / bare.best, "ratio", detail);
    return 0;
}
