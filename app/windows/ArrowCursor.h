#pragma once
// Cells and menu entries are buttons, but they are picked, not pressed: they
// show the arrow instead of the buttons' hand.
#include "ui/core/control/UIControl.h"

// An OnEvent hook that answers the set-cursor event with the arrow and
// consumes it; every other event goes on.
inline bool KeepArrowCursor(void* param) {
    const auto* event = static_cast<const SkinUI::UIEvent*>(param);
    if (event->type == SkinUI::UIEVENT_SETCURSOR) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        return false;
    }
    return true;
}

inline void HookArrowCursor(SkinUI::CControlUI* control) {
    if (control != nullptr) {
        control->OnEvent.Add(SkinUI::MakeDelegate(&KeepArrowCursor));
    }
}
