#include "ui/core/gdi/UIDibSurface.h"

namespace SkinUI {
namespace Render {

HBITMAP CreateDib32(int width, int height, DibRows rows, LPBYTE* bits) {
    *bits = nullptr;
    if (width <= 0 || height <= 0)
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = rows == DibRows::TopDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap != nullptr && pixels == nullptr) {
        DeleteObject(bitmap);
        return nullptr;
    }
    *bits = static_cast<LPBYTE>(pixels);
    return bitmap;
}

CDibSurface::CDibSurface(int width, int height) {
    LPBYTE bits = nullptr;
    m_bitmap = CreateDib32(width, height, DibRows::TopDown, &bits);
    if (m_bitmap == nullptr)
        return;
    m_dc = CreateCompatibleDC(nullptr);
    if (m_dc == nullptr)
        return;
    m_previousBitmap = SelectObject(m_dc, m_bitmap);
    m_pixels = reinterpret_cast<DWORD*>(bits);
    m_width = width;
    m_height = height;
}

CDibSurface::~CDibSurface() {
    if (m_dc != nullptr) {
        if (m_previousBitmap != nullptr)
            SelectObject(m_dc, m_previousBitmap);
        DeleteDC(m_dc);
    }
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
}

}  // namespace Render
}  // namespace SkinUI
