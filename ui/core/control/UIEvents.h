#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"

namespace SkinUI {

class CControlUI;

// Kinds of UIEvent. The *_BEGIN and *_END values are exclusive bounds that no
// event carries, so that controls can test whole families of kinds at once.
enum UIEventType : int {
    UIEVENT_BEGIN = 1,
    UIEVENT_KEY_BEGIN = 2,
    UIEVENT_KEYDOWN = 3,
    UIEVENT_KEYUP = 4,
    UIEVENT_CHAR = 5,
    UIEVENT_SYSKEY = 6,
    UIEVENT_KEY_END = 7,
    UIEVENT_MOUSE_BEGIN = 8,
    UIEVENT_MOUSEMOVE = 9,
    UIEVENT_MOUSELEAVE = 10,
    UIEVENT_MOUSEENTER = 11,
    UIEVENT_MOUSEHOVER = 12,
    UIEVENT_BUTTONDOWN = 13,
    UIEVENT_BUTTONUP = 14,
    UIEVENT_RBUTTONDOWN = 15,
    UIEVENT_DBLCLICK = 16,
    UIEVENT_CONTEXTMENU = 17,
    UIEVENT_SCROLLWHEEL = 18,
    UIEVENT_MOUSE_END = 19,
    UIEVENT_KILLFOCUS = 20,
    UIEVENT_SETFOCUS = 21,
    UIEVENT_WINDOWSIZE = 22,
    UIEVENT_SETCURSOR = 23,
    UIEVENT_TIMER = 24,
    // The press of the control that holds the mouse capture ended without a
    // button-up: the window lost the capture or the system cancelled the
    // mode. The control drops its pushed state and must not act as if the
    // button had been released over it (a button sends no "click").
    UIEVENT_CANCELPRESS = 25,
};

inline bool IsKeyboardEvent(int type) {
    return type > UIEVENT_KEY_BEGIN && type < UIEVENT_KEY_END;
}

inline bool IsMouseEvent(int type) {
    return type > UIEVENT_MOUSE_BEGIN && type < UIEVENT_MOUSE_END;
}

// Bits of UIEvent::keyState.
enum : WORD {
    UIKEYSTATE_LBUTTON = 0x01,
    UIKEYSTATE_RBUTTON = 0x02,
    UIKEYSTATE_SHIFT = 0x04,
    UIKEYSTATE_CONTROL = 0x08,
    UIKEYSTATE_ALT = 0x20,
};

// Input or state change delivered to one control (CControlUI::Event).
struct UIEvent {
    int type = 0;
    CControlUI* sender = nullptr;
    DWORD timestamp = 0;
    POINT mouse = {0, 0};  // client coordinates
    WCHAR key = 0;         // character or virtual-key code
    WORD keyState = 0;
    WPARAM wParam = 0;  // may carry a control pointer
    LPARAM lParam = 0;
};

// Named report of a control to the listeners of its manager.
struct NotifyMsg {
    CUIString type;
    CUIString virtualWindow;
    CControlUI* sender = nullptr;  // null once the sender has been destroyed
    DWORD timestamp = 0;
    POINT mouse = {0, 0};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

}  // namespace SkinUI
