#include "ui/core/control/UIHover.h"

#include "ui/core/control/UIControl.h"

// The leave watch is the manager's: it re-checks the hover after a later message.
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

HoverChange TrackHover(CControlUI& control, const UIEvent& event, const RECT& area) {
    if (event.type != UIEVENT_MOUSEENTER && event.type != UIEVENT_MOUSELEAVE) {
        return HoverChange::None;
    }
    const bool inside = ::PtInRect(&area, event.mouse) != FALSE;
    if (event.type == UIEVENT_MOUSEENTER) {
        return inside ? HoverChange::Entered : HoverChange::None;
    }
    CUIManager* manager = control.GetManager();
    if (inside) {
        if (manager != nullptr) {
            manager->AddLeaveWatch(&control);
        }
        return HoverChange::StillInside;
    }
    if (manager != nullptr) {
        manager->RemoveLeaveWatch(&control);
    }
    return HoverChange::Left;
}

HoverChange UpdateHotState(CControlUI& control, const UIEvent& event, const RECT& area, UINT& state, UINT hotBit) {
    const HoverChange change = TrackHover(control, event, area);
    const bool hot = (state & hotBit) != 0;
    if (control.IsEnabled() && ((change == HoverChange::Entered && !hot) || (change == HoverChange::Left && hot))) {
        state ^= hotBit;
        control.Invalidate();
    }
    return change;
}

}  // namespace SkinUI
