// One page of the character map: filling its 196 cells with the next page of a
// large font and painting them through WM_PAINT, against a window that draws
// the same picture by hand with plain GDI (charmap-page-vs-gdi), and against
// drawing the bare characters with ExtTextOutW (charmap-page).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "app/fonts/FontNameReader.h"
#include "app/windows/CharMap.h"
#include "bench/bench.h"
#include "bench/gdi_charmap_page.h"
#include "ui/controls/UIButton.h"
#include "ui/controls/UIScrollBar.h"
#include "ui/core/manager/UIManager.h"

namespace {

constexpr int kRuns = 30;
constexpr LPCWSTR kFace = L"DejaVu Sans";  // thousands of characters, known to Wine through fontconfig
constexpr LPCWSTR kFontFile = L"Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";
constexpr int kCell = 26;
constexpr POINT kGridOrigin = {32, 56};
// Below the real window, so that neither covers the other.
constexpr POINT kBaselineOrigin = {0, 480};

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

COLORREF ColorRefOf(DWORD argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// The real window on its first page; it is left there.
bench::CharMapLayout LayoutOf(CharMap& map) {
    bench::CharMapLayout layout;
    RECT client;
    ::GetClientRect(map.GetHWND(), &client);
    layout.client = SIZE{client.right, client.bottom};
    for (int index = 0; index < CharMap::kPageSize; ++index) {
        layout.cells.push_back(map.Cell(index)->GetPos());
    }
    SkinUI::CUIManager& manager = map.GetManager();
    SkinUI::CButtonUI* cell = map.Cell(0);
    ::GetObjectW(manager.GetFontInfo(cell->GetFont())->font, sizeof(layout.font), &layout.font);
    layout.textColor = ColorRefOf(cell->GetTextColor() != 0 ? cell->GetTextColor() : manager.GetDefaultFontColor());
    auto* bar = static_cast<SkinUI::CScrollBarUI*>(manager.FindControlByName(L"viewscroll"));
    layout.bar = bar->GetPos();
    layout.button1 = bar->GetButton1Rect();
    layout.button2 = bar->GetButton2Rect();
    layout.thumbs[0] = bar->GetThumbRect();
    Scroll(map.GetHWND(), -1);
    layout.thumbs[1] = bar->GetThumbRect();
    Scroll(map.GetHWND(), 1);
    return layout;
}

// One timed page turn of the real window and one of the hand-drawn one, in
// turns, so that a busy moment of the machine falls on one turn of each
// rather than on all the turns of one. Zero for the second when the
// hand-drawn window could not be made.
std::pair<double, double> PageTurns(HWND hwnd, const bench::CharMapLayout& layout, const std::vector<char32_t>& chars) {
    bench::GdiCharMapPage baseline;
    if (!baseline.Create(layout, kBaselineOrigin)) {
        return {0, 0};
    }
    baseline.ShowPage(chars, 0);
    ::RedrawWindow(baseline.Window(), nullptr, nullptr, RDW_UPDATENOW);
    Drain();
    int direction = -1;
    int page = 0;
    double framework = 1e300;
    double handDrawn = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        framework = std::min(framework, bench::BestOf(1, [&] {
                                 Scroll(hwnd, direction);
                                 direction = -direction;
                             }));
        handDrawn = std::min(handDrawn, bench::BestOf(1, [&] {
                                 page = 1 - page;
                                 baseline.ShowPage(chars, page);
                                 ::RedrawWindow(baseline.Window(), nullptr, nullptr, RDW_UPDATENOW);
                                 Drain();
                             }));
    }
    return {framework, handDrawn};
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
    const bench::CharMapLayout layout = LayoutOf(*map);
    const auto [page, handDrawn] = PageTurns(hwnd, layout, map->Characters());
    if (handDrawn <= 0) {
        std::fprintf(stderr, "the hand-drawn window could not be made\n");
        return 1;
    }
    const double bare = BareText(hwnd, map->Characters());
    char detail[200];
    std::snprintf(detail, sizeof(detail),
                  "fill and paint %.3f ms, the same picture by hand with GDI %.3f ms, best of %d", page * 1e3,
                  handDrawn * 1e3, kRuns);
    bench::Report("charmap-page-vs-gdi", page / handDrawn, "ratio", detail);
    std::snprintf(detail, sizeof(detail), "fill and paint %.3f ms, bare ExtTextOutW %.3f ms, %zu characters; goal <= 2",
                  page * 1e3, bare * 1e3, map->Characters().size());
    bench::Report("charmap-page", page / bare, "ratio", detail);
    ::DestroyWindow(hwnd);
    return 0;
}
