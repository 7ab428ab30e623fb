#pragma once

#include <windows.h>

#include <cmath>

namespace SkinUI {

// First raised to the minimum, then lowered to the maximum: when the two
// cross, the maximum wins.
inline int ClampToLimits(int value, int minimum, int maximum) {
    if (value < minimum) {
        value = minimum;
    }
    if (value > maximum) {
        value = maximum;
    }
    return value;
}

// Every length a skin or a caller gives is cut to what can be seen or
// allocated before it is used, so that a mistyped number costs nothing: a
// pen a million pixels wide or a font 65,535 pixels high takes a minute to
// draw, and a window that size asks for gigabytes of back buffer.

// Sizes, positions, paddings, insets, gaps and offsets of controls, in
// either direction: GDI's own coordinates are 16-bit on some paths.
constexpr int kMaxCoordinate = 32767;
// Font heights, in the pixels of the device the font is made for.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 1000;

inline int ClampCoordinate(int value) {
    return ClampToLimits(value, -kMaxCoordinate, kMaxCoordinate);
}

inline int ClampLength(int value) {
    return ClampToLimits(value, 0, kMaxCoordinate);
}

inline RECT ClampRect(const RECT& rect) {
    return RECT{ClampCoordinate(rect.left), ClampCoordinate(rect.top), ClampCoordinate(rect.right),
                ClampCoordinate(rect.bottom)};
}

inline SIZE ClampSize(SIZE size) {
    return SIZE{ClampCoordinate(size.cx), ClampCoordinate(size.cy)};
}

inline int ClampFontSize(int size) {
    return ClampToLimits(size, kMinFontSize, kMaxFontSize);
}

// A border no wider than half the smaller side of what it goes round
// (rounded up, so that a one-pixel control keeps a one-pixel border): wider,
// it would only cover the control once more.
inline int ClampBorderWidth(int width, const RECT& rect) {
    const int w = ClampLength(rect.right - rect.left);
    const int h = ClampLength(rect.bottom - rect.top);
    return ClampToLimits(width, 0, ((w < h ? w : h) + 1) / 2);
}

// Round corners no larger than what they round.
inline SIZE ClampCorner(SIZE corner, const RECT& rect) {
    return SIZE{ClampToLimits(corner.cx, 0, ClampLength(rect.right - rect.left)),
                ClampToLimits(corner.cy, 0, ClampLength(rect.bottom - rect.top))};
}

// The size of every monitor together. Asking the system costs a trip to
// the display driver under some systems, so the answer is kept until the
// displays change (ForgetVirtualScreenSize).
SIZE VirtualScreenSize();
// Called on WM_DISPLAYCHANGE, and when the process has no window left to
// hear of one.
void ForgetVirtualScreenSize();

// A window no larger than every monitor together. Negative numbers pass
// (a minimum or maximum of -1 is "none"); the system makes no window of them.
inline SIZE ClampToScreen(SIZE size) {
    const SIZE screen = VirtualScreenSize();
    return SIZE{ClampToLimits(size.cx, -kMaxCoordinate, screen.cx > 0 ? screen.cx : kMaxCoordinate),
                ClampToLimits(size.cy, -kMaxCoordinate, screen.cy > 0 ? screen.cy : kMaxCoordinate)};
}

// The part of `length` that `fraction` stands for, rounded toward zero; a
// fraction that is no number or far out of range gives a coordinate still.
inline LONG FractionOf(double fraction, int length) {
    const double part = fraction * length;
    if (!(part > -kMaxCoordinate)) {
        return std::isnan(part) ? 0 : -kMaxCoordinate;
    }
    return part < kMaxCoordinate ? static_cast<LONG>(part) : kMaxCoordinate;
}

}  // namespace SkinUI
