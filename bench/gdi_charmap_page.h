#pragma once
// The character map's grid and scroll bar drawn by hand, for the page-turn
// baseline: the cell image at every cell, each character centred in the cell
// font and colour, the scroll bar's parts, all into a 32-bit DIB the size of
// the client area and then onto the window with one BitBlt in WM_PAINT.
#include <windows.h>

#include <string>
#include <vector>

#include "app/windows/CharMap.h"
#include "bench/gdi_image.h"

namespace bench {

// Where the real window put things, and how it draws its cells' text.
struct CharMapLayout {
    SIZE client = {0, 0};
    std::vector<RECT> cells;
    RECT bar = {0, 0, 0, 0};
    RECT button1 = {0, 0, 0, 0};
    RECT button2 = {0, 0, 0, 0};
    RECT thumbs[2] = {};  // on the first page and on the second
    LOGFONTW font = {};
    COLORREF textColor = 0;
};

class GdiCharMapPage {
public:
    // A popup at `origin` with the real window's client size; false when
    // the window, its buffer or an image cannot be made.
    bool Create(const CharMapLayout& layout, POINT origin) {
        m_layout = layout;
        for (const RECT& cell : layout.cells) {
            ::UnionRect(&m_area, &m_area, &cell);
        }
        ::UnionRect(&m_area, &m_area, &layout.bar);
        m_font = ::CreateFontIndirectW(&layout.font);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = layout.client.cx;
        info.bmiHeader.biHeight = layout.client.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_buffer = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_dc = ::CreateCompatibleDC(nullptr);
        if (m_buffer == nullptr || m_dc == nullptr || !m_cellImage.IsLoaded() || !m_barImage.IsLoaded()) {
            return false;
        }
        m_previousBuffer = ::SelectObject(m_dc, m_buffer);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QuilletBenchCharMapPage";
        ::RegisterClassW(&windowClass);
        RECT frame = {0, 0, layout.client.cx, layout.client.cy};
        ::AdjustWindowRectEx(&frame, WS_POPUP, FALSE, 0);
        m_hwnd = ::CreateWindowExW(0, windowClass.lpszClassName, L"CharSet Map", WS_POPUP, origin.x, origin.y,
                                   frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                   windowClass.hInstance, this);
        ::ShowWindow(m_hwnd, SW_SHOWNA);
        return m_hwnd != nullptr;
    }

    GdiCharMapPage() = default;
    GdiCharMapPage(const GdiCharMapPage&) = delete;
    GdiCharMapPage& operator=(const GdiCharMapPage&) = delete;
    ~GdiCharMapPage() {
        if (m_hwnd != nullptr) {
            ::DestroyWindow(m_hwnd);
        }
        if (m_dc != nullptr) {
            ::SelectObject(m_dc, m_previousBuffer);
            ::DeleteDC(m_dc);
        }
        ::DeleteObject(m_buffer);
        ::DeleteObject(m_font);
    }

    HWND Window() const { return m_hwnd; }
    const RECT& Area() const { return m_area; }

    // The characters of page `page` (0 or 1, which places the thumb) into
    // the cells, painted at the next WM_PAINT.
    void ShowPage(const std::vector<char32_t>& characters, int page) {
        m_page = page;
        m_texts.resize(m_layout.cells.size());
        const size_t first = static_cast<size_t>(page) * m_layout.cells.size();
        for (size_t index = 0; index < m_texts.size(); ++index) {
            const size_t position = first + index;
            m_texts[index] = CharMap::Utf16Of(position < characters.size() ? characters[position] : 0);
        }
        ::InvalidateRect(m_hwnd, &m_area, FALSE);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* page = reinterpret_cast<GdiCharMapPage*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_PAINT && page != nullptr) {
            PAINTSTRUCT paint;
            const HDC dc = ::BeginPaint(hwnd, &paint);
            page->Paint();
            const RECT& area = page->m_area;
            ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, page->m_dc, area.left,
                     area.top, SRCCOPY);
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    void Paint() {
        ::FillRect(m_dc, &m_area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        const RECT cellSource = m_cellImage.Bounds();
        for (const RECT& cell : m_layout.cells) {
            m_cellImage.Draw(m_dc, cell, cellSource);
        }
        const HGDIOBJ previousFont = ::SelectObject(m_dc, m_font);
        ::SetBkMode(m_dc, TRANSPARENT);
        ::SetTextColor(m_dc, m_layout.textColor);
        for (size_t index = 0; index < m_texts.size(); ++index) {
            RECT rect = m_layout.cells[index];
            ::DrawTextW(m_dc, m_texts[index].c_str(), static_cast<int>(m_texts[index].size()), &rect,
                        DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
        }
        ::SelectObject(m_dc, previousFont);
        // The bar's image holds its parts one above the other, 16 pixels each.
        m_barImage.Draw(m_dc, m_layout.bar, RECT{0, 16, 16, 32});
        m_barImage.Draw(m_dc, m_layout.button1, RECT{0, 0, 16, 16});
        m_barImage.Draw(m_dc, m_layout.button2, RECT{0, 32, 16, 48});
        m_barImage.DrawNineGrid(m_dc, m_layout.thumbs[m_page], RECT{0, 48, 16, 64}, RECT{0, 2, 0, 2});
    }

    CharMapLayout m_layout;
    GdiImage m_cellImage{110};
    GdiImage m_barImage{112};
    HFONT m_font = nullptr;
    HBITMAP m_buffer = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previousBuffer = nullptr;
    HWND m_hwnd = nullptr;
    RECT m_area = {0, 0, 0, 0};
    std::vector<std::wstring> m_texts;
    int m_page = 0;
};

}  // namespace bench
