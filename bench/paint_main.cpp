// Cost of one full repaint of a window shaped like the main window (708 x 400,
// 13 rows of 4 nine-grid cells with text) through the paint pass, against the
// bare GDI calls that draw the same picture: one blend per pre-rendered cell and
// DrawTextW of the same texts into a back buffer, copied to the window. Both
// paint on WM_PAINT, so both pay for the message and BeginPaint.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/bench.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/control/UIVerticalLayout.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UINineGrid.h"
#include "ui/core/gdi/UINineGridCache.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"

namespace {

constexpr int kWidth = 708;
constexpr int kHeight = 400;
constexpr int kRows = 13;
constexpr int kRowHeight = 30;
constexpr int kColumns = 4;
constexpr int kColumnWidths[kColumns] = {150, 330, 90, 138};
constexpr UINT kTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX;
constexpr DWORD kTextColor = 0xFF202020;
constexpr RECT kCorner = {4, 4, 4, 4};
constexpr int kFrames = 20;

const wchar_t* const kTexts[kColumns] = {L"SourceSerif4-Regular.otf", L"Z:\\home\\fonts\\SourceSerif4-Regular.otf",
                                         L"loaded", L"delete"};

// A 32 x 24 cell picture: a border of 4 pixels around a lighter middle, with
// transparent corner pixels, as the skins' cells have (premultiplied).
HBITMAP MakeCellImage() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -24;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool border = x < 4 || y < 4 || x >= 28 || y >= 20;
            const bool corner = (x == 0 || x == 31) && (y == 0 || y == 23);
            pixels[y * 32 + x] = corner ? 0 : border ? 0xFFB0B8C8 : 0xFFF4F6FA;
        }
    }
    return bitmap;
}

class CellUI : public SkinUI::CControlUI {
public:
    CellUI(HBITMAP image, const wchar_t* text) : m_image(image) { SetText(text); }
    void PaintBkImage(HDC dc) override {
        SkinUI::Render::DrawImageComposed(dc, m_image, m_itemRect, m_paintRect, RECT{0, 0, 32, 24}, kCorner, true, 255,
                                          false, false, false);
    }
    void PaintText(HDC dc) override {
        RECT rect = m_itemRect;
        rect.left += 6;
        rect.right -= 6;
        SkinUI::CRenderer::DrawText(dc, m_manager, rect, m_text, kTextColor, -1, kTextStyle);
    }

private:
    HBITMAP m_image;
};

SkinUI::CControlUI* BuildTree(HBITMAP image) {
    auto* root = new SkinUI::CVerticalLayoutUI;
    root->SetBkColor(0xFFFFFFFF);
    for (int row = 0; row < kRows; ++row) {
        auto* line = new SkinUI::CHorizontalLayoutUI;
        line->SetFixedHeight(kRowHeight);
        for (int column = 0; column < kColumns; ++column) {
            auto* cell = new CellUI(image, kTexts[column]);
            cell->SetFixedWidth(kColumnWidths[column]);
            line->Add(cell);
        }
        root->Add(line);
    }
    return root;
}

class BareGdiPainter;
BareGdiPainter* g_barePainter = nullptr;
void PaintBare(HDC target);

// Routes to the manager, or paints with bare GDI while no manager is set.
LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* manager = reinterpret_cast<SkinUI::CUIManager*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (manager != nullptr && manager->MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_PAINT && manager == nullptr && g_barePainter != nullptr) {
        PAINTSTRUCT paint;
        ::BeginPaint(hwnd, &paint);
        PaintBare(paint.hdc);
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PaintMainBench";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                             kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// The same picture with bare GDI: each cell pre-rendered once per width.
class BareGdiPainter {
public:
    BareGdiPainter(HDC reference, HBITMAP image, HFONT font) : m_font(font) {
        m_buffer = ::CreateCompatibleDC(reference);
        m_bufferBitmap = ::CreateCompatibleBitmap(reference, kWidth, kHeight);
        m_oldBuffer = ::SelectObject(m_buffer, m_bufferBitmap);
        for (int column = 0; column < kColumns; ++column) {
            HDC cell = ::CreateCompatibleDC(reference);
            LPBYTE bits = nullptr;
            HBITMAP bitmap =
                SkinUI::Render::CreateDib32(kColumnWidths[column], kRowHeight, SkinUI::Render::DibRows::TopDown, &bits);
            ::SelectObject(cell, bitmap);
            const RECT rect = {0, 0, kColumnWidths[column], kRowHeight};
            SkinUI::Render::DrawImageRaw(cell, image, rect, rect, RECT{0, 0, 32, 24}, kCorner, true, 255, false, false,
                                         false);
            m_cells.push_back(cell);
            m_cellBitmaps.push_back(bitmap);
        }
    }
    ~BareGdiPainter() {
        for (size_t i = 0; i < m_cells.size(); ++i) {
            ::DeleteDC(m_cells[i]);
            ::DeleteObject(m_cellBitmaps[i]);
        }
        ::SelectObject(m_buffer, m_oldBuffer);
        ::DeleteDC(m_buffer);
        ::DeleteObject(m_bufferBitmap);
    }

    void Paint(HDC target) {
        const RECT all = {0, 0, kWidth, kHeight};
        ::FillRect(m_buffer, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        const HGDIOBJ oldFont = ::SelectObject(m_buffer, m_font);
        ::SetBkMode(m_buffer, TRANSPARENT);
        ::SetTextColor(m_buffer, RGB(0x20, 0x20, 0x20));
        for (int row = 0; row < kRows; ++row) {
            int left = 0;
            for (int column = 0; column < kColumns; ++column) {
                const int top = row * kRowHeight;
                ::AlphaBlend(m_buffer, left, top, kColumnWidths[column], kRowHeight, m_cells[column], 0, 0,
                             kColumnWidths[column], kRowHeight, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
                RECT text = {left + 6, top, left + kColumnWidths[column] - 6, top + kRowHeight};
                ::DrawTextW(m_buffer, kTexts[column], -1, &text, kTextStyle);
                left += kColumnWidths[column];
            }
        }
        ::SelectObject(m_buffer, oldFont);
        ::BitBlt(target, 0, 0, kWidth, kHeight, m_buffer, 0, 0, SRCCOPY);
        ::GdiFlush();
    }

private:
    HFONT m_font;
    HDC m_buffer = nullptr;
    HBITMAP m_bufferBitmap = nullptr;
    HGDIOBJ m_oldBuffer = nullptr;
    std::vector<HDC> m_cells;
    std::vector<HBITMAP> m_cellBitmaps;
};

void PaintBare(HDC target) {
    g_barePainter->Paint(target);
}

// Full repaints of the window through WM_PAINT, best of ten runs.
double TimeRepaints(HWND hwnd) {
    return bench::BestOf(10, [&] {
        for (int frame = 0; frame < kFrames; ++frame) {
            ::InvalidateRect(hwnd, nullptr, FALSE);
            ::UpdateWindow(hwnd);
        }
        ::GdiFlush();
    });
}

}  // namespace

int main() {
    const HBITMAP image = MakeCellImage();
    const HWND hwnd = MakeWindow();
    SkinUI::CUIManager manager;
    manager.Init(hwnd, L"bench");
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager));
    manager.AttachRoot(BuildTree(image));
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);

    const double framework = TimeRepaints(hwnd);

    HDC windowDC = ::GetDC(hwnd);
    BareGdiPainter bare(windowDC, image, manager.GetFont(-1));
    ::ReleaseDC(hwnd, windowDC);
    g_barePainter = &bare;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    const double gdi = TimeRepaints(hwnd);
    g_barePainter = nullptr;

    char detail[160];
    std::snprintf(detail, sizeof(detail), "paint pass %.3f ms, bare GDI %.3f ms per full repaint of %dx%d",
                  framework * 1000.0 / kFrames, gdi * 1000.0 / kFrames, kWidth, kHeight);
    bench::Report("paint-main-vs-gdi", framework / gdi, "ratio", detail);

    // The same tree at 150 %: 2.25 times the pixels, fonts and images made for 144 DPI.
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager));
    manager.SetDpi(144);
    ::SetWindowPos(hwnd, nullptr, 0, 0, kWidth * 3 / 2, kHeight * 3 / 2, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);
    const double scaled = TimeRepaints(hwnd);
    std::snprintf(detail, sizeof(detail), "paint pass %.3f ms at 150 %%, %.3f ms at 100 %% (2.25 times the pixels)",
                  scaled * 1000.0 / kFrames, framework * 1000.0 / kFrames);
    bench::Report("paint-main-150-vs-100", scaled / framework, "ratio", detail);

    ::DestroyWindow(hwnd);
    ::DeleteObject(image);
    return 0;
}
