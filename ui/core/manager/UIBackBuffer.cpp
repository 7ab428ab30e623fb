#include "ui/core/manager/UIBackBuffer.h"

#include "ui/core/gdi/UIDibSurface.h"

namespace SkinUI {

bool CBackBuffer::Ensure(HDC reference, int width, int height, bool argb) {
    if (m_dc != nullptr && Matches(width, height, argb)) {
        return true;
    }
    Release();
    if (width <= 0 || height <= 0) {
        return false;
    }
    // A DIB section in both cases: drawing stays in the process instead of
    // going to the display server for every call, as it does on Wine.
    LPBYTE bits = nullptr;
    m_bitmap = Render::CreateDib32(width, height, Render::DibRows::BottomUp, &bits);
    m_dc = m_bitmap != nullptr ? ::CreateCompatibleDC(reference) : nullptr;
    if (m_dc == nullptr || bits == nullptr) {
        Release();
        return false;
    }
    m_previousBitmap = ::SelectObject(m_dc, m_bitmap);
    // Only a layered window's pixels are worked on directly.
    m_bits = argb ? reinterpret_cast<DWORD*>(bits) : nullptr;
    m_width = width;
    m_height = height;
    m_argb = argb;
    return true;
}

bool CBackBuffer::Matches(int width, int height, bool argb) const {
    return m_bitmap != nullptr && m_width == width && m_height == height && m_argb == argb;
}

void CBackBuffer::Release() {
    if (m_dc != nullptr) {
        if (m_previousBitmap != nullptr) {
            ::SelectObject(m_dc, m_previousBitmap);
        }
        ::DeleteDC(m_dc);
    }
    if (m_bitmap != nullptr) {
        ::DeleteObject(m_bitmap);
    }
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_previousBitmap = nullptr;
    m_bits = nullptr;
    m_width = 0;
    m_height = 0;
    m_argb = false;
}

bool CBackBuffer::CutToBuffer(RECT& rect) const {
    const RECT bounds = {0, 0, m_width, m_height};
    return m_bits != nullptr && ::IntersectRect(&rect, &rect, &bounds) != FALSE;
}

void CBackBuffer::Clear(const RECT& rect) {
    RECT cut = rect;
    if (!CutToBuffer(cut)) {
        return;
    }
    ::GdiFlush();
    for (int y = cut.top; y < cut.bottom; ++y) {
        DWORD* row = Row(y);
        for (int x = cut.left; x < cut.right; ++x) {
            row[x] = 0;
        }
    }
}

void CBackBuffer::ClearAll() {
    Clear(RECT{0, 0, m_width, m_height});
}

void CBackBuffer::PremultiplyBy(const CBackBuffer& background, const RECT& rect) {
    RECT cut = rect;
    const RECT backgroundBounds = {0, 0, background.m_width, background.m_height};
    if (!CutToBuffer(cut) || background.m_bits == nullptr || !::IntersectRect(&cut, &cut, &backgroundBounds)) {
        return;
    }
    ::GdiFlush();
    for (int y = cut.top; y < cut.bottom; ++y) {
        DWORD* row = Row(y);
        const DWORD* alphaRow = background.Row(y);
        for (int x = cut.left; x < cut.right; ++x) {
            const DWORD alpha = alphaRow[x] >> 24;
            const DWORD pixel = row[x];
            const DWORD red = ((pixel >> 16) & 0xFF) * alpha / 255;
            const DWORD green = ((pixel >> 8) & 0xFF) * alpha / 255;
            const DWORD blue = (pixel & 0xFF) * alpha / 255;
            row[x] = alpha << 24 | red << 16 | green << 8 | blue;
        }
    }
}

}  // namespace SkinUI
