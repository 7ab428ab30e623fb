#pragma once

// A 32-bit top-down DIB selected into a memory DC, for drawing into and then
// reading pixels back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "ui/core/gdi/UIDibSurface.h"

class PaintCanvas {
public:
    PaintCanvas(int width, int height, DWORD fill = 0) : m_width(width), m_height(height) {
        LPBYTE bits = nullptr;
        m_bitmap = SkinUI::Render::CreateDib32(width, height, SkinUI::Render::DibRows::TopDown, &bits);
        m_pixels = reinterpret_cast<DWORD*>(bits);
        m_dc = CreateCompatibleDC(nullptr);
        m_previous = SelectObject(m_dc, m_bitmap);
        Fill(fill);
    }
    ~PaintCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    PaintCanvas(const PaintCanvas&) = delete;
    PaintCanvas& operator=(const PaintCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    RECT Rect() const { return RECT{0, 0, m_width, m_height}; }

    // Raw pixel words, 0xAARRGGBB.
    void Fill(DWORD value) {
        GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i)
            m_pixels[i] = value;
    }
    DWORD At(int x, int y) const {
        GdiFlush();
        return m_pixels[y * m_width + x];
    }
    DWORD Rgb(int x, int y) const { return At(x, y) & 0xFFFFFF; }
    std::vector<DWORD> Snapshot() const {
        GdiFlush();
        return std::vector<DWORD>(m_pixels, m_pixels + m_width * m_height);
    }

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    HDC m_dc = nullptr;
    DWORD* m_pixels = nullptr;
};

inline int Channel(DWORD value, int shift) {
    return static_cast<int>((value >> shift) & 0xFF);
}

// Colour channels (and alpha, with `withAlpha`) each within `tolerance`.
inline ::testing::AssertionResult PixelNear(DWORD actual, DWORD expected, int tolerance, bool withAlpha = false) {
    for (int shift = 0; shift < (withAlpha ? 32 : 24); shift += 8) {
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
            return ::testing::AssertionFailure() << std::hex << "pixel 0x" << actual << " differs from 0x" << expected
                                                 << " by more than " << std::dec << tolerance;
        }
    }
    return ::testing::AssertionSuccess();
}
