// What a skinned window costs against native child windows: a 10,000-control
// skin parsed, created, configured, attached and laid out, against creating
// 10,000 STATIC windows with the same rectangles.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UILayoutBuilder.h"

namespace {

constexpr int kRows = 100;
constexpr int kColumns = 100;
constexpr int kCellWidth = 12;
constexpr int kCellHeight = 8;

// 100 rows of 100 fixed-size cells: 10,000 leaves, each with a few attributes.
std::wstring GenerateSkin() {
    std::wstring skin = L"<Window><VerticalLayout>";
    for (int row = 0; row < kRows; ++row) {
        skin += L"<HorizontalLayout height=\"" + std::to_wstring(kCellHeight) + L"\">";
        for (int column = 0; column < kColumns; ++column) {
            skin += L"<Control name=\"c" + std::to_wstring(row * kColumns + column) + L"\" width=\"" +
                    std::to_wstring(kCellWidth) + L"\" bkcolor=\"#FF3CC9EF\" bordersize=\"1\" />";
        }
        skin += L"</HorizontalLayout>";
    }
    return skin + L"</VerticalLayout></Window>";
}

HWND MakeHost() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SkinUIBenchHost";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(0, L"SkinUIBenchHost", L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, kColumns * kCellWidth,
                             kRows * kCellHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// The fastest of three builds; tearing down is not timed on either side.
double BuildSkinned(HWND host, const std::wstring& skin) {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        SkinUI::CUIManager manager;
        const double start = bench::Seconds();
        manager.Init(host, L"bench");
        SkinUI::CLayoutBuilder builder;
        SkinUI::CControlUI* root = builder.Create(skin.c_str(), nullptr, nullptr, &manager);
        manager.AttachRoot(root);
        root->SetPos({0, 0, kColumns * kCellWidth, kRows * kCellHeight});
        best = std::min(best, bench::Seconds() - start);
    }
    return best;
}

double BuildNative(HWND host) {
    double best = 1e300;
    std::vector<HWND> children;
    children.reserve(kRows * kColumns);
    for (int run = 0; run < 3; ++run) {
        const double start = bench::Seconds();
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                children.push_back(::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKFRAME,
                                                     column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight,
                                                     host, nullptr, nullptr, nullptr));
            }
        }
        best = std::min(best, bench::Seconds() - start);
        for (HWND child : children) {
            ::DestroyWindow(child);
        }
        children.clear();
    }
    return best;
}

}  // namespace

int main() {
    HWND host = MakeHost();
    const std::wstring skin = GenerateSkin();
    const double skinned = BuildSkinned(host, skin);
    const double native = BuildNative(host);
    char detail[160];
    std::snprintf(detail, sizeof(detail), "10000 controls built in %.1f ms, 10000 STATIC windows in %.1f ms",
                  skinned * 1e3, native * 1e3);
    bench::Report("build-vs-native-static", native / skinned, "ratio", detail);
    ::DestroyWindow(host);
    return 0;
}
