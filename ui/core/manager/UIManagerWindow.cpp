#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

CControlUI* HostOfNativeWindow(CControlUI* control, LPVOID window) {
    return control->GetNativeWindow() == static_cast<HWND>(window) ? control : nullptr;
}

}  // namespace

void CUIManager::OnClose() {
    CLifeGuard guard(*this);
    UIEvent event = MakeEvent(UIEVENT_MOUSELEAVE, nullptr, 0, 0);
    // The window may be shown again: nothing stays hot or pushed.
    CControlUI* hover = m_hover;
    m_hover = nullptr;
    if (hover != nullptr) {
        event.sender = hover;
        if (!DeliverEvent(hover, event)) {
            return;
        }
    }
    CControlUI* click = m_click;
    m_click = nullptr;
    if (click != nullptr) {
        event.type = UIEVENT_BUTTONUP;
        event.sender = click;
        if (!DeliverEvent(click, event)) {
            return;
        }
    }
    if (m_mouseCaptured) {
        ReleaseCapture();
    }
    SetFocus(nullptr, true);
    if (!guard.IsAlive()) {
        return;
    }
    if (::GetActiveWindow() == m_hwnd) {
        const bool child = (::GetWindowLongPtrW(m_hwnd, GWL_STYLE) & WS_CHILD) != 0;
        const HWND next = child ? ::GetParent(m_hwnd) : ::GetWindow(m_hwnd, GW_OWNER);
        if (next != nullptr) {
            ::SetFocus(next);
        }
    }
    if (m_toolTipWindow != nullptr) {
        ::DestroyWindow(m_toolTipWindow);
        m_toolTipWindow = nullptr;
        m_toolTipControl = nullptr;
        m_lastToolTipWidth = -1;
    }
}

void CUIManager::OnGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (info == nullptr) {
        return;
    }
    const SIZE minInfo = GetMinInfo();
    const SIZE maxInfo = GetMaxInfo();
    // A zero keeps the system's value.
    if (minInfo.cx > 0) {
        info->ptMinTrackSize.x = minInfo.cx;
    }
    if (minInfo.cy > 0) {
        info->ptMinTrackSize.y = minInfo.cy;
    }
    if (maxInfo.cx > 0) {
        info->ptMaxTrackSize.x = maxInfo.cx;
    }
    if (maxInfo.cy > 0) {
        info->ptMaxTrackSize.y = maxInfo.cy;
    }
}

void CUIManager::OnSize(WPARAM wParam, LPARAM lParam) {
    if (m_focus != nullptr && !DeliverEvent(m_focus, MakeEvent(UIEVENT_WINDOWSIZE, m_focus, wParam, lParam))) {
        return;
    }
    m_paint.OnSize();
}

void CUIManager::OnTimer(WPARAM wParam, LPARAM lParam) {
    if (wParam == kLayeredRepaintTimer && m_paint.OnLayeredTimer()) {
        return;
    }
    CControlUI* control = nullptr;
    UINT userId = 0;
    if (m_timers.Find(m_hwnd, wParam, &control, &userId)) {
        DeliverEvent(control, MakeEvent(UIEVENT_TIMER, control, userId, lParam));
    }
}

void CUIManager::OnKey(int type, WPARAM wParam, LPARAM lParam) {
    if (m_root == nullptr) {
        return;
    }
    CControlUI* target = nullptr;
    if (type == UIEVENT_KEYUP) {
        target = m_keyTarget;
        m_keyTarget = nullptr;
    } else {
        target = m_focus;
        if (type == UIEVENT_KEYDOWN) {
            m_keyTarget = m_focus;
        }
    }
    if (target == nullptr) {
        return;
    }
    UIEvent event = MakeEvent(type, target, wParam, lParam);
    event.key = static_cast<WCHAR>(wParam);
    DeliverEvent(target, event);
}

bool CUIManager::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT || m_root == nullptr) {
        return false;
    }
    if (m_mouseCaptured) {
        return true;
    }
    POINT point;
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hwnd, &point);
    CControlUI* control = OwnControlAt(point);
    if (control == nullptr || (control->GetControlFlags() & UIFLAG_SETCURSOR) == 0) {
        return false;
    }
    UIEvent event = MakeEvent(UIEVENT_SETCURSOR, control, wParam, lParam);
    event.mouse = point;
    DeliverEvent(control, event);
    return true;
}

void CUIManager::OnKillFocus(WPARAM wParam) {
    if (wParam == 0 || m_root == nullptr) {
        return;
    }
    // The child of this window that holds (or contains) the native focus.
    HWND child = ::GetFocus();
    while (child != nullptr) {
        const HWND parent = ::GetParent(child);
        if (parent == m_hwnd) {
            break;
        }
        child = parent;
    }
    if (child == nullptr) {
        return;
    }
    CControlUI* host = m_root->FindControl(HostOfNativeWindow, child, UIFIND_ALL);
    if (host != nullptr && host != m_focus) {
        SetFocus(host, false);
    }
}

}  // namespace SkinUI
