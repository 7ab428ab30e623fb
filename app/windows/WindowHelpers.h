#pragma once
// What the program's windows read alike from their skins and messages.
#include <windows.h>

#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

// The control of a skin by name, as the interface it answers for, or null.
template <typename Control>
Control* FindControlAs(SkinUI::CUIManager& manager, LPCWSTR name, LPCWSTR interfaceName) {
    SkinUI::CControlUI* control = manager.FindControlByName(name);
    return control != nullptr ? static_cast<Control*>(control->GetInterface(interfaceName)) : nullptr;
}

// Whole wheel notches in a wheel message's wParam, positive away from the user.
inline int WheelNotches(WPARAM wParam) {
    return static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
}

// Whether the point of a client-area mouse message lies inside the window's
// rectangle; the window-switching option asks it on every move. The point is
// read as the unsigned halves of lParam, as the option always has.
inline bool MouseMessageInWindow(HWND window, LPARAM lParam) {
    POINT point = {static_cast<LONG>(LOWORD(lParam)), static_cast<LONG>(HIWORD(lParam))};
    ::ClientToScreen(window, &point);
    RECT rect;
    return ::GetWindowRect(window, &rect) && ::PtInRect(&rect, point);
}
