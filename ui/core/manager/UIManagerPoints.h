#pragma once

#include <windows.h>

namespace SkinUI {

// The point of a mouse message: signed 16-bit halves of lParam.
inline POINT PointFromLParam(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The screen point of WM_CONTEXTMENU or WM_MOUSEWHEEL in client coordinates.
inline POINT ClientPointFromScreenLParam(HWND window, LPARAM lParam) {
    POINT point = PointFromLParam(lParam);
    ::ScreenToClient(window, &point);
    return point;
}

inline LPARAM LParamFromPoint(POINT point) {
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

}  // namespace SkinUI
