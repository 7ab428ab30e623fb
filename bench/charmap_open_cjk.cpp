// Opening the character map as a row click does, until its first page is
// painted: on a CJK font of more than 20,000 characters against a font of 200.
// Beyond reading the larger character map, opening must not cost more.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/fonts/FontNameReader.h"
#include "app/windows/CharMap.h"
#include "bench/bench.h"
#include "ui/core/manager/UIManager.h"

namespace {

constexpr int kRuns = 20;
constexpr LPCWSTR kCjkFont = L"Z:\\usr\\share\\fonts\\truetype\\wqy\\wqy-microhei.ttc";

std::wstring SmallFont() {
    return bench::ExeFolder() + L"..\\tests\\fonts\\QuilletTwoHundred.ttf";
}

void Drain() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&msg);
    }
}

double Open(CharMap& map, FreeTypeNameReader& reader, const std::wstring& path) {
    return bench::BestOf(kRuns, [&] {
        map.LoadFont(path, reader.ReadFace(path));
        ::RedrawWindow(map, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Drain();
    });
}

}  // namespace

int main() {
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    const std::wstring small = SmallFont();
    if (::AddFontResourceW(small.c_str()) == 0 || ::GetFileAttributesW(kCjkFont) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "the test fonts or WenQuanYi Micro Hei are missing\n");
        return 1;
    }
    auto* map = new CharMap;
    const HWND hwnd = map->Create(nullptr, L"CharSet Map", WS_POPUP, 0, 0, 0, 650, 460);
    ::ShowWindow(hwnd, SW_SHOWNA);
    FreeTypeNameReader reader;
    // Both faces once before timing: GDI's first use of a face is not what a second open costs.
    Open(*map, reader, small);
    Open(*map, reader, kCjkFont);
    const double smallOpen = Open(*map, reader, small);
    const size_t smallCount = map->Characters().size();
    const double cjkOpen = Open(*map, reader, kCjkFont);
    const size_t cjkCount = map->Characters().size();
    const double cjkRead = bench::BestOf(kRuns, [&] { reader.ReadFace(kCjkFont); });
    char detail[200];
    std::snprintf(detail, sizeof(detail),
                  "%zu characters %.3f ms (reading the file %.3f ms), %zu characters %.3f ms; goal <= 1.5", cjkCount,
                  cjkOpen * 1e3, cjkRead * 1e3, smallCount, smallOpen * 1e3);
    bench::Report("charmap-open-cjk", cjkOpen / smallOpen, "ratio", detail);
    ::DestroyWindow(hwnd);
    ::RemoveFontResourceW(small.c_str());
    return 0;
}
