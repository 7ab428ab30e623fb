#pragma once
// What a control does with the manager's mouse-enter and mouse-leave. A leave
// while the pointer is still over the control's area means the hover went on
// to a control over it: the control asks its manager to check again later
// instead of dropping its hover. Every hover-aware control shares this rule.
#include <windows.h>

#include "ui/core/control/UIEvents.h"

namespace SkinUI {

class CControlUI;

enum class HoverChange {
    None,         // not a hover event
    Entered,      // mouse-enter with the pointer over the area
    StillInside,  // mouse-leave while the pointer is still over the area
    Left,         // the pointer has really left
};

// Reads a hover event against `area` and keeps the manager's leave watch
// for `control` in step with it.
HoverChange TrackHover(CControlUI& control, const UIEvent& event, const RECT& area);

// The usual hot-state handling on top of TrackHover: an enabled control
// sets `hotBit` in `state` when entered and clears it when left, and is
// repainted when the bit changes. Returns what TrackHover saw.
HoverChange UpdateHotState(CControlUI& control, const UIEvent& event, const RECT& area, UINT& state, UINT hotBit);

}  // namespace SkinUI
