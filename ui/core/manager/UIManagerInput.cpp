#include "ui/core/base/UISizeLimits.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/manager/UIManagerPoints.h"

namespace SkinUI {

namespace {

// Child windows answer reflected messages at the base of the OCM_ range.
constexpr UINT kReflectedMessageBase = 0x2000;

WORD CurrentKeyState() {
    BYTE keys[256] = {};
    if (!::GetKeyboardState(keys)) {
        return 0;
    }
    constexpr struct {
        int key;
        WORD bit;
    } kHeld[] = {{VK_LBUTTON, UIKEYSTATE_LBUTTON},
                 {VK_RBUTTON, UIKEYSTATE_RBUTTON},
                 {VK_SHIFT, UIKEYSTATE_SHIFT},
                 {VK_CONTROL, UIKEYSTATE_CONTROL},
                 {VK_MENU, UIKEYSTATE_ALT}};
    WORD state = 0;
    for (const auto& held : kHeld) {
        if ((keys[held.key] & 0x80) != 0) {
            state |= held.bit;
        }
    }
    return state;
}

}  // namespace

UIEvent CUIManager::MakeEvent(int type, CControlUI* sender, WPARAM wParam, LPARAM lParam) const {
    UIEvent event;
    event.type = type;
    event.sender = sender;
    event.timestamp = ::GetTickCount();
    event.mouse = m_lastMouse;
    if (m_keyState < 0) {
        m_keyState = CurrentKeyState();
    }
    event.keyState = static_cast<WORD>(m_keyState);
    event.wParam = wParam;
    event.lParam = lParam;
    return event;
}

bool CUIManager::DeliverEvent(CControlUI* control, const UIEvent& event) {
    if (control == nullptr) {
        return true;
    }
    CLifeGuard guard(*this);
    UIEvent copy = event;
    control->Event(copy);
    return guard.IsAlive();
}

CControlUI* CUIManager::OwnControlAt(POINT point) const {
    CControlUI* control = FindControl(point);
    return control != nullptr && control->GetManager() == this ? control : nullptr;
}

bool CUIManager::MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (m_hwnd == nullptr) {
        return false;
    }
    CLifeGuard guard(*this);
    ++m_handlerDepth;
    m_keyState = -1;
    bool handled = FilterMessage(message, wParam, lParam, result);
    if (!handled && guard.IsAlive()) {
        handled = RouteMessage(message, wParam, lParam, result);
    }
    if (!guard.IsAlive()) {
        return handled;
    }
    --m_handlerDepth;
    // The keys may change before the outer message makes its next event.
    m_keyState = -1;
    // Destruction that a nested pass left alone happens after this message.
    if (m_handlerDepth == 0 && !m_deferredDestroy.IsEmpty()) {
        PostAsyncNotify();
    }
    return handled;
}

bool CUIManager::FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CLifeGuard guard(*this);
    const CPtrArray filters(m_messageFilters);
    for (int index = 0; index < filters.GetSize(); ++index) {
        auto* filter = static_cast<IMessageFilterUI*>(filters[index]);
        if (m_messageFilters.Find(filter) < 0) {
            continue;
        }
        bool handled = false;
        const LRESULT answer = filter->MessageHandler(message, wParam, lParam, handled);
        if (!guard.IsAlive()) {
            return true;
        }
        if (!handled) {
            continue;
        }
        result = answer;
        if (message == WM_CONTEXTMENU || message == WM_MOUSEWHEEL) {
            m_lastMouse = ClientPointFromScreenLParam(m_hwnd, lParam);
        } else if (message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK) {
            m_lastMouse = PointFromLParam(lParam);
        }
        return true;
    }
    return false;
}

bool CUIManager::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (m_paint.IsLayered()) {
        switch (message) {
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            result = 0;
            return true;
        case WM_NCACTIVATE:
            if (!::IsIconic(m_hwnd)) {
                result = wParam == 0 ? TRUE : FALSE;
                return true;
            }
            break;
        default:
            break;
        }
    }
    switch (message) {
    case WM_UI_ASYNC:
        DeliverAsyncNotifications();
        return false;
    case WM_CLOSE:
        OnClose();
        return false;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT:
        m_paint.OnPaint();
        result = 0;
        return true;
    case WM_PRINTCLIENT:
        m_paint.OnPrintClient(reinterpret_cast<HDC>(wParam), lParam);
        return false;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(lParam);
        return false;
    case WM_DISPLAYCHANGE:
        ForgetVirtualScreenSize();
        return false;
    case 0x02E0:  // WM_DPICHANGED, which older SDKs lack
        result = 0;
        return OnDpiChanged(wParam, lParam);
    case WM_SIZE:
        OnSize(wParam, lParam);
        result = 0;
        return true;
    case WM_TIMER:
        OnTimer(wParam, lParam);
        return false;
    case WM_MOUSEHOVER:
        return OnMouseHover(wParam, lParam);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return false;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        OnButtonDown(wParam, lParam);
        return false;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(wParam, lParam);
        return false;
    case WM_LBUTTONUP:
        OnButtonUp(wParam, lParam);
        return false;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(wParam, lParam);
        return false;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return false;
    case WM_CANCELMODE:
        OnCancelMode();
        return false;
    case WM_CONTEXTMENU:
        OnContextMenu(wParam, lParam);
        return false;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam, lParam);
        return false;
    case WM_KEYDOWN:
        OnKey(UIEVENT_KEYDOWN, wParam, lParam);
        return false;
    case WM_KEYUP:
        OnKey(UIEVENT_KEYUP, wParam, lParam);
        return false;
    case WM_CHAR:
        OnKey(UIEVENT_CHAR, wParam, lParam);
        return false;
    case WM_SETCURSOR:
        if (OnSetCursor(wParam, lParam)) {
            result = TRUE;
            return true;
        }
        return false;
    case WM_MOUSEACTIVATE:
        if (m_noActivate) {
            result = MA_NOACTIVATE;
            return true;
        }
        return false;
    case WM_KILLFOCUS:
        OnKillFocus(wParam);
        return false;
    case WM_COMMAND:
        return ReflectToChild(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + message, wParam, lParam, result);
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header != nullptr &&
               ReflectToChild(header->hwndFrom, kReflectedMessageBase + message, wParam, lParam, result);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return ReflectToChild(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + message, wParam, lParam, result);
    default:
        return false;
    }
}

bool CUIManager::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (child == nullptr) {
        return false;
    }
    result = ::SendMessageW(child, message, wParam, lParam);
    return true;
}

}  // namespace SkinUI
