#pragma once
// An image of the program drawn by hand, for the baselines that paint with
// plain GDI: a PNG resource decoded the way the framework decodes it
// (stb_image, premultiplied into a 32-bit DIB section) and kept selected in a
// memory DC of its own, drawn with the call a hand-written window would use:
// BitBlt or StretchBlt when it is opaque, AlphaBlend when it is not.
#include <windows.h>

#include "ui/core/resources/UIImageDecode.h"

namespace bench {

class GdiImage {
public:
    // PNG resource `id` of this program; IsLoaded() tells whether it decoded.
    explicit GdiImage(int id) {
        const HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"PNG");
        const HGLOBAL loaded = found != nullptr ? ::LoadResource(nullptr, found) : nullptr;
        const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
        SkinUI::Render::CDecodedPixels pixels;
        if (bytes == nullptr || !pixels.Decode(bytes, ::SizeofResource(nullptr, found))) {
            return;
        }
        m_width = pixels.Width();
        m_height = pixels.Height();
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (m_bitmap == nullptr) {
            return;
        }
        const unsigned char* rgba = pixels.Pixels();
        auto* out = static_cast<DWORD*>(bits);
        for (int index = 0; index < m_width * m_height; ++index, rgba += 4) {
            const DWORD alpha = rgba[3];
            m_alpha = m_alpha || alpha != 255;
            out[index] =
                alpha << 24 | (rgba[0] * alpha / 255) << 16 | (rgba[1] * alpha / 255) << 8 | (rgba[2] * alpha / 255);
        }
        m_dc = ::CreateCompatibleDC(nullptr);
        m_previous = ::SelectObject(m_dc, m_bitmap);
    }
    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;
    ~GdiImage() {
        if (m_dc != nullptr) {
            ::SelectObject(m_dc, m_previous);
            ::DeleteDC(m_dc);
        }
        if (m_bitmap != nullptr) {
            ::DeleteObject(m_bitmap);
        }
    }

    bool IsLoaded() const { return m_dc != nullptr; }
    RECT Bounds() const { return RECT{0, 0, m_width, m_height}; }

    // `source` of the image stretched over `dest`; nothing for an empty rectangle.
    void Draw(HDC dc, const RECT& dest, const RECT& source) const {
        const int width = dest.right - dest.left;
        const int height = dest.bottom - dest.top;
        const int sourceWidth = source.right - source.left;
        const int sourceHeight = source.bottom - source.top;
        if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
            return;
        }
        if (m_alpha) {
            ::AlphaBlend(dc, dest.left, dest.top, width, height, m_dc, source.left, source.top, sourceWidth,
                         sourceHeight, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
        } else if (width == sourceWidth && height == sourceHeight) {
            ::BitBlt(dc, dest.left, dest.top, width, height, m_dc, source.left, source.top, SRCCOPY);
        } else {
            ::StretchBlt(dc, dest.left, dest.top, width, height, m_dc, source.left, source.top, sourceWidth,
                         sourceHeight, SRCCOPY);
        }
    }

    // `source` as a nine-grid over `dest`: the corners at their own size, the
    // edges and the middle stretched. Pieces that come out empty are left out.
    void DrawNineGrid(HDC dc, const RECT& dest, const RECT& source, const RECT& corner) const {
        const LONG x[4] = {dest.left, dest.left + corner.left, dest.right - corner.right, dest.right};
        const LONG y[4] = {dest.top, dest.top + corner.top, dest.bottom - corner.bottom, dest.bottom};
        const LONG u[4] = {source.left, source.left + corner.left, source.right - corner.right, source.right};
        const LONG v[4] = {source.top, source.top + corner.top, source.bottom - corner.bottom, source.bottom};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                Draw(dc, RECT{x[column], y[row], x[column + 1], y[row + 1]},
                     RECT{u[column], v[row], u[column + 1], v[row + 1]});
            }
        }
    }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    int m_width = 0;
    int m_height = 0;
    bool m_alpha = false;
};

}  // namespace bench
