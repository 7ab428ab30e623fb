#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// The order of a DIB section's rows in memory: from the top for pixel work,
// from the bottom as screen copies and clipboard bitmaps expect.
enum class DibRows { TopDown, BottomUp };

// A 32-bit DIB section; `bits` receives its pixel memory. Null (and null
// bits) when the size is not positive or the system refuses it.
HBITMAP CreateDib32(int width, int height, DibRows rows, LPBYTE* bits);

// A memory DC drawing into a 32-bit top-down DIB section of its own, for
// pixel work that GDI cannot do.
class CDibSurface {
public:
    CDibSurface(int width, int height);
    ~CDibSurface();
    CDibSurface(const CDibSurface&) = delete;
    CDibSurface& operator=(const CDibSurface&) = delete;

    // False when the DC or the bitmap could not be made.
    bool IsValid() const { return m_pixels != nullptr; }
    HDC GetDC() const { return m_dc; }
    // Pixels as 0xAARRGGBB words, row after row from the top.
    DWORD* GetPixels() const { return m_pixels; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
    DWORD* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace Render
}  // namespace SkinUI
