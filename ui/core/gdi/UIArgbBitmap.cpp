#include "ui/core/gdi/UIArgbBitmap.h"

namespace SkinUI {
namespace Render {

HBITMAP CreateARGB32Bitmap(HDC dc, int width, int height, LPBYTE* bits) {
    *bits = nullptr;
    if (width <= 0 || height <= 0)
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    *bits = static_cast<LPBYTE>(pixels);
    return bitmap;
}

}  // namespace Render
}  // namespace SkinUI
