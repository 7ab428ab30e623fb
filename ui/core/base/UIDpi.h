#pragma once

#include <windows.h>

namespace SkinUI {

// Skins and the setters of lengths speak 96-DPI units; a window at another
// DPI draws them in its own pixels. Lengths are rounded to the nearest pixel
// one by one, and layouts place each part after the previous one, so that
// neighbours meet without gaps or overlaps at any scale.
constexpr int kBaseDpi = 96;

// The DPI a window draws at; with no window, the system's.
int WindowDpi(HWND window);

inline int ScaleLength(int length, int dpi) {
    return dpi == kBaseDpi ? length : ::MulDiv(length, dpi, kBaseDpi);
}

// The inverse, for lengths the user made in pixels (a dragged column): a
// length scaled and unscaled comes back unchanged for any DPI of 96 or more.
inline int UnscaleLength(int pixels, int dpi) {
    return dpi == kBaseDpi || dpi <= 0 ? pixels : ::MulDiv(pixels, kBaseDpi, dpi);
}

inline RECT ScaleRect(const RECT& rect, int dpi) {
    return RECT{ScaleLength(rect.left, dpi), ScaleLength(rect.top, dpi), ScaleLength(rect.right, dpi),
                ScaleLength(rect.bottom, dpi)};
}

inline SIZE ScaleSize(SIZE size, int dpi) {
    return SIZE{ScaleLength(size.cx, dpi), ScaleLength(size.cy, dpi)};
}

}  // namespace SkinUI
