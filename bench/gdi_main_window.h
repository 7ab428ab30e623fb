#pragma once
// The main window's first picture drawn by hand, for the start-up baseline:
// a popup of the same size that decodes the same images and creates the same
// fonts when it is created, and whose WM_PAINT fills, draws the images and the
// texts where the skin places them into a back buffer and puts that on the
// window with one BitBlt. It deletes itself with its window.
#include <windows.h>

#include <iterator>

#include "bench/gdi_image.h"

namespace bench {

class GdiMainWindow {
public:
    static constexpr SIZE kSize = {708, 400};

    static void Register() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        ::RegisterClassW(&windowClass);
    }

    static HWND Create() {
        return ::CreateWindowExW(0, kClass, L"墨匣", WS_POPUP, 0, 0, kSize.cx, kSize.cy, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    }

    GdiMainWindow(const GdiMainWindow&) = delete;
    GdiMainWindow& operator=(const GdiMainWindow&) = delete;

private:
    static constexpr LPCWSTR kClass = L"QuilletBenchGdiMain";
    static constexpr COLORREF kBlack = RGB(0, 0, 0);
    static constexpr COLORREF kWhite = RGB(255, 255, 255);
    static constexpr COLORREF kTitleBlue = RGB(0x3C, 0xC9, 0xEF);
    static constexpr UINT kLeft = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    static constexpr UINT kCentre = kLeft | DT_CENTER;
    // The fonts the skin declares, by their order there.
    enum Font { kSong13, kYaHei12, kYaHei13, kSong16, kFontCount };

    struct Text {
        RECT rect;
        LPCWSTR text;
        Font font;
        COLORREF color;
        UINT format;
    };

    // The list's four columns, as its header and every row place them.
    static constexpr LONG kColumns[] = {6, 126, 346, 466, 569};
    static constexpr RECT kHeaderClip = {6, 38, 568, 64};
    static constexpr LONG kRowHeight = 26;
    static constexpr int kRowCount = 13;
    static constexpr RECT kRowClip = {6, 64, 569, 393};
    static constexpr LONG kCheckBoxTops[] = {73, 100, 127, 154, 181, 208};
    static constexpr RECT kRemoveAll = {594, 312, 690, 338};
    static constexpr RECT kCloseWindow = {594, 351, 690, 377};

    static constexpr Text kTexts[] = {
        {{10, 0, 34, 33}, L"墨匣", kYaHei12, kWhite, kLeft},
        {{8, 38, 124, 64}, L"字体", kYaHei12, kBlack, kCentre},
        {{128, 38, 344, 64}, L"字体路径", kYaHei13, kBlack, kCentre},
        {{348, 38, 464, 64}, L"加载状态", kYaHei13, kBlack, kCentre},
        {{468, 38, 567, 64}, L"del", kYaHei13, kBlack, kCentre},
        // A check box's text starts past its box and 5 pixels above it.
        {{614, 68, 688, 94}, L"复制路径", kYaHei12, kBlack, kLeft},
        {{614, 95, 688, 121}, L"启用切换", kYaHei12, kBlack, kLeft},
        {{614, 122, 688, 148}, L"打开文件夹", kYaHei12, kBlack, kLeft},
        {{614, 149, 688, 175}, L"复制字体名称", kYaHei12, kBlack, kLeft},
        {{614, 176, 688, 202}, L"Char Map", kYaHei12, kBlack, kLeft},
        {{614, 203, 688, 229}, L"通知其它程序", kYaHei12, kBlack, kLeft},
        {kRemoveAll, L"移除全部", kYaHei12, kBlack, kCentre},
        {kCloseWindow, L"关闭窗口", kYaHei12, kBlack, kCentre},
    };

    GdiMainWindow() {
        LOGFONTW font = {};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
        font.lfCharSet = DEFAULT_CHARSET;
        const struct {
            LPCWSTR face;
            LONG size;
        } fonts[kFontCount] = {{L"宋体", 13}, {L"微软雅黑", 12}, {L"微软雅黑", 13}, {L"宋体", 16}};
        for (int index = 0; index < kFontCount; ++index) {
            ::lstrcpynW(font.lfFaceName, fonts[index].face, LF_FACESIZE);
            font.lfHeight = -fonts[index].size;
            m_fonts[index] = ::CreateFontIndirectW(&font);
        }
    }

    ~GdiMainWindow() {
        for (HFONT font : m_fonts) {
            ::DeleteObject(font);
        }
        if (m_dc != nullptr) {
            ::SelectObject(m_dc, m_previousBuffer);
            ::DeleteDC(m_dc);
        }
        ::DeleteObject(m_buffer);
    }

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new GdiMainWindow));
        }
        auto* window = reinterpret_cast<GdiMainWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_PAINT && window != nullptr) {
            PAINTSTRUCT paint;
            const HDC dc = ::BeginPaint(hwnd, &paint);
            if (window->EnsureBuffer()) {
                window->Paint();
                ::BitBlt(dc, 0, 0, kSize.cx, kSize.cy, window->m_dc, 0, 0, SRCCOPY);
            }
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            delete window;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    bool EnsureBuffer() {
        if (m_dc != nullptr) {
            return true;
        }
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kSize.cx;
        info.bmiHeader.biHeight = kSize.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_buffer = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_dc = m_buffer != nullptr ? ::CreateCompatibleDC(nullptr) : nullptr;
        if (m_dc == nullptr) {
            return false;
        }
        m_previousBuffer = ::SelectObject(m_dc, m_buffer);
        return true;
    }

    void Fill(const RECT& rect, COLORREF color) {
        ::SetDCBrushColor(m_dc, color);
        ::FillRect(m_dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    }

    // A border of `width` pixels inside `rect`.
    void Frame(const RECT& rect, int width, COLORREF color) {
        const HPEN pen = ::CreatePen(PS_INSIDEFRAME, width, color);
        const HGDIOBJ previousPen = ::SelectObject(m_dc, pen);
        const HGDIOBJ previousBrush = ::SelectObject(m_dc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(m_dc, rect.left, rect.top, rect.right, rect.bottom);
        ::SelectObject(m_dc, previousBrush);
        ::SelectObject(m_dc, previousPen);
        ::DeleteObject(pen);
    }

    template <typename Draw>
    void Clipped(const RECT& clip, Draw draw) {
        const int saved = ::SaveDC(m_dc);
        ::IntersectClipRect(m_dc, clip.left, clip.top, clip.right, clip.bottom);
        draw();
        ::RestoreDC(m_dc, saved);
    }

    void Paint() {
        const RECT client = {0, 0, kSize.cx, kSize.cy};
        Fill(client, kWhite);
        Frame(client, 2, kTitleBlue);
        Fill(RECT{0, 0, kSize.cx, 33}, kTitleBlue);
        m_minimize.Draw(m_dc, RECT{592, 5, 627, 27}, m_minimize.Bounds());
        m_maximize.Draw(m_dc, RECT{627, 5, 662, 27}, m_maximize.Bounds());
        m_close.Draw(m_dc, RECT{662, 5, 697, 27}, m_close.Bounds());
        Frame(RECT{5, 36, 570, 395}, 1, RGB(0x6F, 0xC4, 0xE2));
        // The header and the rows show only within the list: the last column
        // of the header and the last row are cut.
        Clipped(kHeaderClip, [&] {
            for (int column = 0; column < 4; ++column) {
                const RECT item = {kColumns[column], kHeaderClip.top, kColumns[column + 1], kHeaderClip.bottom};
                m_header.DrawNineGrid(m_dc, item, m_header.Bounds(), RECT{5, 5, 5, 5});
            }
        });
        Clipped(kRowClip, [&] {
            for (int row = 0; row < kRowCount; ++row) {
                const LONG top = kRowClip.top + row * kRowHeight;
                for (int column = 0; column < 4; ++column) {
                    const RECT cell = {kColumns[column], top, kColumns[column + 1], top + kRowHeight};
                    m_cell.DrawNineGrid(m_dc, cell, m_cell.Bounds(), RECT{5, 5, 24, 24});
                }
            }
        });
        for (size_t box = 0; box < std::size(kCheckBoxTops); ++box) {
            // Only "Char Map" starts ticked.
            const GdiImage& image = box == 4 ? m_ticked : m_unticked;
            const LONG top = kCheckBoxTops[box];
            image.Draw(m_dc, RECT{594, top, 610, top + 16}, image.Bounds());
        }
        for (const RECT& button : {kRemoveAll, kCloseWindow}) {
            Frame(button, 1, RGB(0xC4, 0xC4, 0xC4));
        }
        ::SetBkMode(m_dc, TRANSPARENT);
        const HGDIOBJ previousFont = ::GetCurrentObject(m_dc, OBJ_FONT);
        for (const Text& text : kTexts) {
            ::SelectObject(m_dc, m_fonts[text.font]);
            ::SetTextColor(m_dc, text.color);
            RECT rect = text.rect;
            ::DrawTextW(m_dc, text.text, -1, &rect, text.format);
        }
        ::SelectObject(m_dc, previousFont);
    }

    GdiImage m_ticked{101};
    GdiImage m_close{102};
    GdiImage m_maximize{105};
    GdiImage m_minimize{106};
    GdiImage m_cell{110};
    GdiImage m_unticked{113};
    GdiImage m_header{118};
    HFONT m_fonts[kFontCount] = {};
    HBITMAP m_buffer = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previousBuffer = nullptr;
};

}  // namespace bench
