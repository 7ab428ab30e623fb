// One page of the character map: filling its 196 cells with the next page of a
// large font and painting them through WM_PAINT, against drawing the same 196
// characters with bare ExtTextOutW into the same window.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "app/fonts/FontNameReader.h"
#include "app/windows/CharMap.h"
#include "bench/bench.h"
#include "ui/core/manager/UIManager.h"

namespace {

constexpr int kRuns = 30;
constexpr LPCWSTR kFace = L"DejaVu Sans";  // thousands of characters, known to Wine through fontconfig
constexpr LPCWSTR kFontFile = L"Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";
constexpr int kCell = 26;
constexpr POINT kGridOrigin = {32, 56};

void Drain() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&msg);
    }
}

void Scroll(HWND hwnd, int notches) {
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), 0);
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW);
    Drain();
}

double BareText(HWND hwnd, const std::vector<char32_t>& chars) {
    HFONT font = ::CreateFontW(-18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, kFace);
    int page = 0;
    const double best = bench::BestOf(kRuns, [&] {
        page = 1 - page;
        const HDC dc = ::GetDC(hwnd);
        const HGDIOBJ previous = ::SelectObject(dc, font);
        const RECT grid = {kGridOrigin.x, kGridOrigin.y, kGridOrigin.x + 14 * kCell, kGridOrigin.y + 14 * kCell};
        ::FillRect(dc, &grid, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        for (int index = 0; index < CharMap::kPageSize; ++index) {
            // Pages 0 and 1 lie below U+FFFF: one unit each.
            const auto character = static_cast<wchar_t>(chars[page * CharMap::kPageSize + index]);
            const int x = kGridOrigin.x + (index % 14) * kCell;
            const int y = kGridOrigin.y + (index / 14) * kCell;
            const RECT cell = {x, y, x + kCell, y + kCell};
            ::ExtTextOutW(dc, x + 6, y + 2, ETO_CLIPPED, &cell, &character, 1, nullptr);
        }
        ::GdiFlush();
        ::SelectObject(dc, previous);
        ::ReleaseDC(hwnd, dc);
    });
    ::DeleteObject(font);
    return best;
}

}  // namespace

int main() {
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    auto* map = new CharMap;
    const HWND hwnd = map->Create(nullptr, L"CharSet Map", WS_POPUP, 0, 0, 0, 650, 460);
    ::ShowWindow(hwnd, SW_SHOWNA);
    FreeTypeNameReader reader;
    map->LoadFont(kFontFile, reader.ReadFace(kFontFile));
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Drain();
    if (map->Characters().size() < 2 * CharMap::kPageSize) {
        std::fprintf(stderr, "%ls has too few characters here\n", kFace);
        return 1;
    }
    int direction = -1;
    const double page = bench::BestOf(kRuns, [&] {
        Scroll(hwnd, direction);
        direction = -direction;
    });
    const double bare = BareText(hwnd, map->Characters());
    char detail[160];
    std::snprintf(detail, sizeof(detail), "fill and paint %.3f ms, bare ExtTextOutW %.3f ms, %zu characters; goal <= 2",
                  page * 1e3, bare * 1e3, map->Characters().size());
    bench::Report("charmap-page", page / bare, "ratio", detail);
    ::DestroyWindow(hwnd);
    return 0;
}
