#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/manager/UIManagerPoints.h"

namespace SkinUI {

void CUIManager::ArmMouseTracking() {
    if (m_mouseTracking) {
        return;
    }
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_hwnd;
    track.dwHoverTime = m_toolTipWindow != nullptr
                            ? static_cast<DWORD>(::SendMessageW(m_toolTipWindow, TTM_GETDELAYTIME, TTDT_INITIAL, 0))
                            : m_hoverTime;
    ::TrackMouseEvent(&track);
    m_mouseTracking = true;
}

void CUIManager::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (m_root == nullptr) {
        return;
    }
    ArmMouseTracking();
    m_lastMouse = PointFromLParam(lParam);
    CControlUI* found = FindControl(m_lastMouse);
    if (found != nullptr && found->GetManager() != this) {
        return;
    }
    CLifeGuard guard(*this);
    if (!m_mouseCaptured) {
        if (found != m_hover && m_hover != nullptr) {
            const UIEvent leave = MakeEvent(UIEVENT_MOUSELEAVE, m_hover, wParam, lParam);
            const CPtrArray watchers(m_leaveWatch);
            for (int index = 0; index < watchers.GetSize(); ++index) {
                auto* watcher = static_cast<CControlUI*>(watchers[index]);
                // A watcher destroyed by an earlier one has left the list.
                if (m_leaveWatch.Find(watcher) >= 0 && !DeliverEvent(watcher, leave)) {
                    return;
                }
            }
            CControlUI* hover = m_hover;
            m_hover = nullptr;
            if (!DeliverEvent(hover, leave)) {
                return;
            }
            HideToolTip();
            // The leave handlers may have changed or destroyed the tree.
            found = OwnControlAt(m_lastMouse);
        }
        if (found != nullptr && found != m_hover) {
            m_hover = found;
            if (!DeliverEvent(found, MakeEvent(UIEVENT_MOUSEENTER, found, wParam, lParam))) {
                return;
            }
            found = m_hover;
        }
    }
    CControlUI* receiver = m_click != nullptr ? m_click : found;
    if (receiver != nullptr) {
        DeliverEvent(receiver, MakeEvent(UIEVENT_MOUSEMOVE, receiver, wParam, lParam));
    }
}

void CUIManager::OnMouseLeave() {
    if (m_root == nullptr) {
        return;
    }
    HideToolTip();
    if (!m_mouseTracking) {
        return;
    }
    POINT point;
    ::GetCursorPos(&point);
    RECT windowRect;
    ::GetWindowRect(m_hwnd, &windowRect);
    LPARAM position = -1;
    if (!::IsIconic(m_hwnd) && ::GetActiveWindow() == m_hwnd && ::PtInRect(&windowRect, point) &&
        ::SendMessageW(m_hwnd, WM_NCHITTEST, 0, LParamFromPoint(point)) == HTCLIENT) {
        ::ScreenToClient(m_hwnd, &point);
        position = LParamFromPoint(point);
    }
    CLifeGuard guard(*this);
    ::SendMessageW(m_hwnd, WM_MOUSEMOVE, 0, position);
    if (guard.IsAlive()) {
        m_mouseTracking = false;
    }
}

// A press focuses the window (unless it must not be activated) and finds the control under it.
CControlUI* CUIManager::PressedControl(LPARAM lParam) {
    m_lastMouse = PointFromLParam(lParam);
    if (!m_noActivate) {
        ::SetFocus(m_hwnd);
    }
    return m_root != nullptr ? OwnControlAt(m_lastMouse) : nullptr;
}

void CUIManager::OnButtonDown(WPARAM wParam, LPARAM lParam) {
    CControlUI* control = PressedControl(lParam);
    if (control == nullptr) {
        return;
    }
    m_click = control;
    CLifeGuard guard(*this, control);
    control->SetFocus();
    if (!guard.IsAlive() || guard.Watched() == nullptr) {
        return;
    }
    SetCapture();
    UIEvent event = MakeEvent(UIEVENT_BUTTONDOWN, control, wParam, lParam);
    event.keyState = static_cast<WORD>(wParam);
    DeliverEvent(control, event);
}

void CUIManager::OnDoubleClick(WPARAM wParam, LPARAM lParam) {
    CControlUI* control = PressedControl(lParam);
    if (control == nullptr) {
        return;
    }
    SetCapture();
    m_click = control;
    UIEvent event = MakeEvent(UIEVENT_DBLCLICK, control, 0, 0);
    event.keyState = static_cast<WORD>(wParam);
    DeliverEvent(control, event);
}

void CUIManager::OnButtonUp(WPARAM wParam, LPARAM lParam) {
    m_lastMouse = PointFromLParam(lParam);
    // Released even when the pushed control is gone, so that hover works again.
    if (m_mouseCaptured) {
        ReleaseCapture();
    }
    CControlUI* control = m_click;
    if (control == nullptr) {
        return;
    }
    m_click = nullptr;
    UIEvent event = MakeEvent(UIEVENT_BUTTONUP, control, wParam, lParam);
    event.keyState = static_cast<WORD>(wParam);
    DeliverEvent(control, event);
}

void CUIManager::OnCaptureChanged(HWND newOwner) {
    // Our own release has already cleared the flag; our own SetCapture keeps it.
    if (!m_mouseCaptured || newOwner == m_hwnd) {
        return;
    }
    m_mouseCaptured = false;
    CancelPress();
}

void CUIManager::OnCancelMode() {
    if (!m_mouseCaptured) {
        return;
    }
    ReleaseCapture();
    CancelPress();
}

void CUIManager::CancelPress() {
    CControlUI* control = m_click;
    if (control == nullptr) {
        return;
    }
    m_click = nullptr;
    DeliverEvent(control, MakeEvent(UIEVENT_CANCELPRESS, control, 0, 0));
}

void CUIManager::OnRightButtonDown(WPARAM wParam, LPARAM lParam) {
    CControlUI* control = PressedControl(lParam);
    if (control == nullptr) {
        return;
    }
    CLifeGuard guard(*this, control);
    control->SetFocus();
    if (!guard.IsAlive() || guard.Watched() == nullptr) {
        return;
    }
    m_click = control;
    DeliverEvent(control, MakeEvent(UIEVENT_RBUTTONDOWN, control, wParam, lParam));
}

void CUIManager::OnContextMenu(WPARAM wParam, LPARAM lParam) {
    if (m_root == nullptr || m_mouseCaptured) {
        return;
    }
    m_lastMouse = ClientPointFromScreenLParam(m_hwnd, lParam);
    CControlUI* control = m_click;
    if (control == nullptr) {
        return;
    }
    m_click = nullptr;
    UIEvent event = MakeEvent(UIEVENT_CONTEXTMENU, control, 0, reinterpret_cast<LPARAM>(control));
    event.keyState = LOWORD(wParam);
    DeliverEvent(control, event);
}

void CUIManager::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (m_root == nullptr) {
        return;
    }
    m_lastMouse = ClientPointFromScreenLParam(m_hwnd, lParam);
    if (CControlUI* control = OwnControlAt(m_lastMouse)) {
        const WPARAM down = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? 1 : 0;
        if (!DeliverEvent(control, MakeEvent(UIEVENT_SCROLLWHEEL, control, down, lParam))) {
            return;
        }
    }
    // The content moved under the mouse: hover follows it.
    ::SendMessageW(m_hwnd, WM_MOUSEMOVE, 0, LParamFromPoint(m_lastMouse));
}

}  // namespace SkinUI
