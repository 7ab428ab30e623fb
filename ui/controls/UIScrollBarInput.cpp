// The scroll bar's mouse handling: press, drag, auto-repeat and hover.

#include "ui/controls/UIScrollBar.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

void CScrollBarUI::PassToOwner(UIEvent& event) {
    if (m_owner != nullptr) {
        m_owner->DoEvent(event);
    } else {
        CControlUI::DoEvent(event);
    }
}

void CScrollBarUI::DoEvent(UIEvent& event) {
    if (event.type == UIEVENT_CANCELPRESS) {
        EndPress();
        return;
    }
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        // A press begun before the bar stopped taking the mouse still ends here.
        if (event.type == UIEVENT_BUTTONUP) {
            OnRelease();
        }
        PassToOwner(event);
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
    case UIEVENT_CONTEXTMENU:
        return;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        OnPress(event.mouse);
        return;
    case UIEVENT_BUTTONUP:
        OnRelease();
        return;
    case UIEVENT_MOUSEMOVE:
        if (m_press == Press::Thumb) {
            OnDrag(event.mouse);
        } else {
            TrackHotThumb(event.mouse);
        }
        return;
    case UIEVENT_TIMER:
        if (event.wParam == kRepeatTimerId) {
            OnRepeatTick();
            return;
        }
        break;
    case UIEVENT_MOUSEENTER:
        OnMouseEnter(event.mouse);
        break;
    case UIEVENT_MOUSELEAVE:
        if (!OnMouseLeave(event)) {
            return;
        }
        break;
    default:
        break;
    }
    PassToOwner(event);
}

void CScrollBarUI::OnPress(POINT point) {
    if (!IsEnabled()) {
        return;
    }
    EndPress();
    if (::PtInRect(&m_button1Rect, point)) {
        m_press = Press::Button1;
        m_button1State |= kStatePushed;
        StepBack();
    } else if (::PtInRect(&m_button2Rect, point)) {
        m_press = Press::Button2;
        m_button2State |= kStatePushed;
        StepForward();
    } else if (::PtInRect(&m_thumbRect, point)) {
        m_press = Press::Thumb;
        m_thumbState |= kStatePushed | kStateCaptured;
        m_pressPoint = point;
        m_posAtPress = m_scrollPos;
    } else if (PageTowards(point)) {
        m_press = Press::Track;
    }
    if (m_press == Press::None) {
        return;
    }
    Invalidate();
    if (m_manager != nullptr) {
        m_manager->SetTimer(this, kRepeatTimerId, kRepeatElapse);
    }
}

void CScrollBarUI::OnRelease() {
    if (m_press == Press::Thumb) {
        ScrollTo(static_cast<long long>(m_posAtPress) + m_dragOffset);
    }
    EndPress();
}

void CScrollBarUI::EndPress() {
    if (m_manager != nullptr) {
        m_manager->KillTimer(this, kRepeatTimerId);
    }
    m_dragOffset = 0;
    m_repeatCount = 0;
    if (m_press == Press::None) {
        return;
    }
    m_press = Press::None;
    m_thumbState &= ~(kStatePushed | kStateCaptured);
    m_button1State &= ~kStatePushed;
    m_button2State &= ~kStatePushed;
    Invalidate();
}

void CScrollBarUI::OnDrag(POINT point) {
    const int buttons = (m_showButton1 ? 1 : 0) + (m_showButton2 ? 1 : 0);
    const long long movable = static_cast<long long>(EndOf(m_itemRect)) - StartOf(m_itemRect) -
                              (EndOf(m_thumbRect) - StartOf(m_thumbRect)) -
                              static_cast<long long>(Thickness()) * buttons;
    if (movable <= 0) {
        return;
    }
    long long offset = (static_cast<long long>(Along(point)) - Along(m_pressPoint)) * m_range / movable;
    // Past either end the offset only has to reach the end.
    if (offset > m_range) {
        offset = m_range;
    } else if (offset < -static_cast<long long>(m_range)) {
        offset = -static_cast<long long>(m_range);
    }
    m_dragOffset = static_cast<int>(offset);
}

void CScrollBarUI::OnRepeatTick() {
    ++m_repeatCount;
    switch (m_press) {
    case Press::None:
        if (m_manager != nullptr) {
            m_manager->KillTimer(this, kRepeatTimerId);
        }
        return;
    case Press::Thumb:
        ScrollTo(static_cast<long long>(m_posAtPress) + m_dragOffset);
        Invalidate();
        return;
    default:
        break;
    }
    if (m_repeatCount <= kRepeatDelayTicks) {
        return;
    }
    if (m_press == Press::Button1) {
        StepBack();
    } else if (m_press == Press::Button2) {
        StepForward();
    } else if (m_manager != nullptr) {
        // The window holds the capture, so the last mouse position is where the pointer is.
        PageTowards(m_manager->GetMousePos());
    }
}

void CScrollBarUI::OnMouseEnter(POINT point) {
    if (!IsEnabled() || !::PtInRect(&m_itemRect, point)) {
        return;
    }
    m_button1State |= kStateHot;
    m_button2State |= kStateHot;
    if (::PtInRect(&m_thumbRect, point)) {
        m_thumbState |= kStateHot;
    }
    Invalidate();
}

// False when the pointer is still over the bar (under a control that covers
// it): the bar then waits for a later mouse-leave.
bool CScrollBarUI::OnMouseLeave(const UIEvent& event) {
    if (TrackHover(*this, event, m_itemRect) == HoverChange::StillInside) {
        return false;
    }
    if (IsEnabled()) {
        m_button1State &= ~kStateHot;
        m_button2State &= ~kStateHot;
        m_thumbState &= ~kStateHot;
        Invalidate();
    }
    return true;
}

void CScrollBarUI::TrackHotThumb(POINT point) {
    const bool over = ::PtInRect(&m_thumbRect, point) != FALSE;
    if ((m_thumbState & kStateHot) != 0 && !over) {
        m_thumbState &= ~kStateHot;
        Invalidate();
    } else if ((m_thumbState & kStateHot) == 0 && over && IsEnabled()) {
        m_thumbState |= kStateHot;
        Invalidate();
    }
}

void CScrollBarUI::StepBack() {
    if (m_owner == nullptr) {
        ScrollTo(static_cast<long long>(m_scrollPos) - (m_scrollUnit > 1 ? m_scrollUnit : m_lineSize));
    } else if (m_horizontal) {
        m_owner->LineLeft();
    } else {
        m_owner->LineUp();
    }
}

void CScrollBarUI::StepForward() {
    if (m_owner == nullptr) {
        ScrollTo(static_cast<long long>(m_scrollPos) + (m_scrollUnit > 1 ? m_scrollUnit : m_lineSize));
    } else if (m_horizontal) {
        m_owner->LineRight();
    } else {
        m_owner->LineDown();
    }
}

void CScrollBarUI::PageBack() {
    if (m_owner == nullptr) {
        ScrollTo(static_cast<long long>(m_scrollPos) - (EndOf(m_itemRect) - StartOf(m_itemRect)));
    } else if (m_horizontal) {
        m_owner->PageLeft();
    } else {
        m_owner->PageUp();
    }
}

void CScrollBarUI::PageForward() {
    if (m_owner == nullptr) {
        ScrollTo(static_cast<long long>(m_scrollPos) + (EndOf(m_itemRect) - StartOf(m_itemRect)));
    } else if (m_horizontal) {
        m_owner->PageRight();
    } else {
        m_owner->PageDown();
    }
}

bool CScrollBarUI::PageTowards(POINT point) {
    // Without a thumb the space between the buttons is no track.
    if (::IsRectEmpty(&m_thumbRect)) {
        return false;
    }
    if (Along(point) < StartOf(m_thumbRect)) {
        PageBack();
        return true;
    }
    if (Along(point) >= EndOf(m_thumbRect)) {
        PageForward();
        return true;
    }
    return false;
}

void CScrollBarUI::ScrollTo(long long target) {
    const int pos = static_cast<int>(target < 0 ? 0 : (target > m_range ? m_range : target));
    if (m_owner == nullptr) {
        SetScrollPos(pos, true);
        return;
    }
    SIZE ownerPos = m_owner->GetScrollPos();
    (m_horizontal ? ownerPos.cx : ownerPos.cy) = pos;
    m_owner->SetScrollPos(ownerPos);
}

}  // namespace SkinUI
