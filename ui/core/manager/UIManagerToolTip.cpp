#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/manager/UIManagerPoints.h"

namespace SkinUI {

namespace {

// The common controls are loaded on the first tooltip: most windows never
// show one, and loading the library is a part of a program's start.
bool ToolTipClassReady() {
    static const bool ready = [] {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    return ready;
}

}  // namespace

bool CUIManager::OnMouseHover(WPARAM wParam, LPARAM lParam) {
    if (m_root == nullptr) {
        return false;
    }
    m_mouseTracking = false;
    const POINT point = PointFromLParam(lParam);
    CControlUI* control = FindControl(point);
    if (control == nullptr) {
        return false;
    }
    if (m_hover != nullptr) {
        if (!DeliverEvent(m_hover, MakeEvent(UIEVENT_MOUSEHOVER, m_hover, wParam, lParam))) {
            return true;
        }
        // The hover handler may have changed the tree under the mouse.
        control = FindControl(point);
        if (control == nullptr) {
            return true;
        }
    }
    if (control->GetToolTip().IsEmpty()) {
        return true;
    }
    ShowToolTip(control, point);
    return true;
}

void CUIManager::ShowToolTip(CControlUI* control, POINT point) {
    m_toolTipText = control->GetToolTip();
    ProcessLanguageTokens(m_toolTipText);
    m_toolInfo = {};
    m_toolInfo.cbSize = sizeof(m_toolInfo);
    m_toolInfo.uFlags = TTF_IDISHWND;
    m_toolInfo.hwnd = m_hwnd;
    m_toolInfo.uId = reinterpret_cast<UINT_PTR>(m_hwnd);
    m_toolInfo.hinst = GetResourceInstance();
    m_toolInfo.lpszText = const_cast<LPWSTR>(m_toolTipText.GetData());
    m_toolInfo.rect = control->GetPos();
    const int width = control->GetToolTipWidth();
    if (m_toolTipWindow == nullptr) {
        if (!ToolTipClassReady()) {
            return;
        }
        m_toolTipWindow = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                            GetResourceInstance(), nullptr);
        if (m_toolTipWindow == nullptr) {
            return;
        }
        ::SendMessageW(m_toolTipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
        ::SendMessageW(m_toolTipWindow, TTM_SETMAXTIPWIDTH, 0, width);
        ::SendMessageW(m_toolTipWindow, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
        ::SendMessageW(m_toolTipWindow, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_toolInfo));
    }
    if (m_toolTipControl == nullptr) {
        m_toolTipControl = control;
    } else {
        if (control != m_toolTipControl || width != m_lastToolTipWidth) {
            ::SendMessageW(m_toolTipWindow, TTM_SETMAXTIPWIDTH, 0, width);
            if (control == m_toolTipControl) {
                m_lastToolTipWidth = width;
            }
        }
        ::SendMessageW(m_toolTipWindow, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
        ::SendMessageW(m_toolTipWindow, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_toolInfo));
    }
    // The tooltip window places itself in screen coordinates.
    POINT screen = point;
    ::ClientToScreen(m_hwnd, &screen);
    ::SendMessageW(m_toolTipWindow, TTM_TRACKPOSITION, 0, LParamFromPoint(screen));
}

void CUIManager::HideToolTip() {
    if (m_toolTipWindow != nullptr) {
        ::SendMessageW(m_toolTipWindow, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_toolInfo));
    }
}

}  // namespace SkinUI
