#include "ui/core/gdi/UIRenderFill.h"

#include "ui/core/gdi/UIAlphaBlend.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIImageKeeper.h"
#include "ui/core/gdi/UIMsimg32.h"
#include "ui/core/gdi/UINineGrid.h"

namespace SkinUI {
namespace Render {

namespace {

BYTE Alpha(DWORD color) {
    return static_cast<BYTE>(color >> 24);
}

BYTE Red(DWORD color) {
    return static_cast<BYTE>(color >> 16);
}

BYTE Green(DWORD color) {
    return static_cast<BYTE>(color >> 8);
}

BYTE Blue(DWORD color) {
    return static_cast<BYTE>(color);
}

DWORD Premultiplied(DWORD color) {
    const DWORD alpha = Alpha(color);
    return (alpha << 24) | ((Red(color) * alpha / 255) << 16) | ((Green(color) * alpha / 255) << 8) |
           (Blue(color) * alpha / 255);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    if (previous != CLR_INVALID)
        SetBkColor(dc, previous);
}

bool FillWithGradientFill(HDC dc, const RECT& rect, DWORD from, DWORD to, bool vertical) {
    const GradientFillFunction gradientFill = CurrentGradientFill();
    if (gradientFill == nullptr)
        return false;
    TRIVERTEX vertices[2] = {
        {rect.left, rect.top, static_cast<COLOR16>(Red(from) << 8), static_cast<COLOR16>(Green(from) << 8),
         static_cast<COLOR16>(Blue(from) << 8), 0xFF00},
        {rect.right, rect.bottom, static_cast<COLOR16>(Red(to) << 8), static_cast<COLOR16>(Green(to) << 8),
         static_cast<COLOR16>(Blue(to) << 8), 0xFF00},
    };
    GRADIENT_RECT span = {0, 1};
    return gradientFill(dc, vertices, 2, &span, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H) != FALSE;
}

int BandShift(int steps) {
    if (steps < 4)
        return 1;
    if (steps < 8)
        return 2;
    if (steps < 16)
        return 3;
    if (steps < 32)
        return 4;
    if (steps < 64)
        return 5;
    return 6;
}

DWORD BandChannel(DWORD from, DWORD to, DWORD band, int shift) {
    const DWORD count = 1u << shift;
    return (to * (count - band) + from * band) >> shift;
}

// Bands laid from the far edge back: band 0 has `to`, the last one is
// nearly `from`.
void FillWithBands(HDC dc, const RECT& rect, DWORD from, DWORD to, bool vertical, int steps) {
    const int shift = BandShift(steps);
    const int count = 1 << shift;
    const long long extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    const LONG edge = vertical ? rect.bottom : rect.right;
    for (int band = 0; band < count; ++band) {
        const LONG nearEnd = edge - static_cast<LONG>((extent * band) >> shift);
        const LONG farEnd = edge - static_cast<LONG>((extent * (band + 1)) >> shift);
        if (farEnd >= nearEnd)
            continue;
        const RECT area =
            vertical ? RECT{rect.left, farEnd, rect.right, nearEnd} : RECT{farEnd, rect.top, nearEnd, rect.bottom};
        const DWORD index = static_cast<DWORD>(band);
        const COLORREF color =
            RGB(BandChannel(Red(from), Red(to), index, shift), BandChannel(Green(from), Green(to), index, shift),
                BandChannel(Blue(from), Blue(to), index, shift));
        HBRUSH brush = CreateSolidBrush(color);
        if (brush == nullptr)
            continue;
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
}

void FillGradient(HDC dc, const RECT& rect, DWORD from, DWORD to, bool vertical, int steps) {
    if (!FillWithGradientFill(dc, rect, from, to, vertical))
        FillWithBands(dc, rect, from, to, vertical, steps);
}

}  // namespace

void DrawColor(HDC dc, const RECT& rect, DWORD color) {
    const BYTE alpha = Alpha(color);
    if (dc == nullptr || alpha == 0)
        return;
    if (alpha == 255) {
        FillSolid(dc, rect, RGB(Red(color), Green(color), Blue(color)));
        return;
    }
    // AlphaBlend takes premultiplied pixels: the colour as given would come
    // out too bright.
    LPBYTE bits = nullptr;
    HBITMAP pixel = CreateDib32(1, 1, DibRows::TopDown, &bits);
    if (pixel == nullptr)
        return;
    *reinterpret_cast<DWORD*>(bits) = Premultiplied(color);
    DrawImageRaw(dc, pixel, rect, rect, RECT{0, 0, 1, 1}, RECT{0, 0, 0, 0}, true, 255, false, false, false);
    CImageKeeper::Delete(pixel);
}

void DrawGradient(HDC dc, const RECT& rect, DWORD colorFrom, DWORD colorTo, bool vertical, int steps) {
    const int opacity = (Alpha(colorFrom) + Alpha(colorTo)) / 2;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (dc == nullptr || opacity == 0 || width <= 0 || height <= 0)
        return;
    if (opacity == 255) {
        FillGradient(dc, rect, colorFrom, colorTo, vertical, steps);
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(dc, width, height) : nullptr;
    if (bitmap != nullptr) {
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        FillGradient(memory, RECT{0, 0, width, height}, colorFrom, colorTo, vertical, steps);
        // The band fill leaves the alpha bytes at 0, so the gradient is laid
        // on with the constant opacity alone, not per pixel.
        Blend(dc, rect.left, rect.top, width, height, memory, 0, 0, width, height,
              BLENDFUNCTION{AC_SRC_OVER, 0, static_cast<BYTE>(opacity), 0});
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    if (memory != nullptr)
        DeleteDC(memory);
}

}  // namespace Render
}  // namespace SkinUI
