#pragma once

#include <windows.h>

namespace SkinUI {

inline LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}

inline LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// RECT with the few operations layout code needs; it stays layout-compatible
// with RECT so that it can be handed to Win32 calls directly.
class CUIRect : public RECT {
public:
    CUIRect() : RECT{0, 0, 0, 0} {}
    CUIRect(const RECT& rect) : RECT(rect) {}
    CUIRect(LONG leftEdge, LONG topEdge, LONG rightEdge, LONG bottomEdge)
        : RECT{leftEdge, topEdge, rightEdge, bottomEdge} {}

    LONG GetWidth() const { return Width(*this); }
    LONG GetHeight() const { return Height(*this); }
    void Empty() { left = top = right = bottom = 0; }

    // Grows to cover `rect` as well; an empty rectangle still counts as a point.
    void Join(const RECT& rect) {
        if (rect.left < left)
            left = rect.left;
        if (rect.top < top)
            top = rect.top;
        if (rect.right > right)
            right = rect.right;
        if (rect.bottom > bottom)
            bottom = rect.bottom;
    }
    void Offset(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void ResetOffset() { ::OffsetRect(this, -left, -top); }
};

class CUISize : public SIZE {
public:
    CUISize() : SIZE{0, 0} {}
    CUISize(const SIZE& size) : SIZE(size) {}
    CUISize(LONG width, LONG height) : SIZE{width, height} {}
};

}  // namespace SkinUI
