#include "ui/extra/UIDateTimeWnd.h"

#include <commctrl.h>

#include "ui/core/manager/UIManager.h"
#include "ui/extra/UIDateTime.h"

namespace SkinUI {

namespace {

// Posted to the picker after its calendar closed, once the focus has settled.
constexpr UINT kCalendarClosed = WM_APP + 2;
// The manager's window reflects the picker's WM_NOTIFY back to it as this.
constexpr UINT kReflectedNotify = 0x2000 + WM_NOTIFY;

// Windows refuses to make date pickers before this; Wine does not mind.
bool InitDateClasses() {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX classes = {};
        classes.dwSize = sizeof(classes);
        classes.dwICC = ICC_DATE_CLASSES;
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    return initialised;
}

}  // namespace

LPCWSTR CDateTimeWnd::GetWindowClassName() const {
    return L"DateTimeWnd";
}

LPCWSTR CDateTimeWnd::GetSuperClassName() const {
    return DATETIMEPICK_CLASSW;
}

bool CDateTimeWnd::Open() {
    CUIManager* manager = m_owner != nullptr ? m_owner->GetManager() : nullptr;
    if (manager == nullptr || manager->GetPaintWindow() == nullptr) {
        return false;
    }
    m_keyDown = 0;
    if (m_hwnd == nullptr) {
        if (!InitDateClasses()) {
            return false;
        }
        const RECT rect = m_owner->PickerRect();
        // A failed creation may already have ended this object.
        const HWND hwnd = Create(manager->GetPaintWindow(), nullptr, WS_CHILD, 0, rect);
        if (hwnd == nullptr) {
            return false;
        }
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(manager->GetFont(m_owner->GetFont())), FALSE);
    }
    SYSTEMTIME start = m_owner->StartDate();
    SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hwnd);
    return true;
}

void CDateTimeWnd::Place(const RECT& rect) {
    if (::IsRectEmpty(&rect)) {
        ::ShowWindow(m_hwnd, SW_HIDE);
        return;
    }
    ::SetWindowPos(m_hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CDateTimeWnd::Finish() {
    TakeDate();
    Close();
}

void CDateTimeWnd::Abandon() {
    Close();
}

LRESULT CDateTimeWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (m_owner != nullptr && m_owner->GetManager() != nullptr) {
            m_owner->GetManager()->AddNativeWindow(m_owner, m_hwnd);
        }
        break;
    case WM_PAINT:
        // A layered window paints hosted windows itself and may have dropped this one.
        if (m_owner != nullptr && m_owner->GetManager() != nullptr && m_owner->GetManager()->IsLayered()) {
            m_owner->GetManager()->AddNativeWindow(m_owner, m_hwnd);
        }
        break;
    case WM_KEYDOWN:
        m_keyDown = wParam;
        break;
    case WM_KEYUP:
        return OnKeyUp(wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(wParam, lParam);
    case kReflectedNotify: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->code == DTN_CLOSEUP) {
            PostMessage(kCalendarClosed);
        }
        break;
    }
    case kCalendarClosed:
        OnCalendarClosed();
        return 0;
    default:
        break;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

LRESULT CDateTimeWnd::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CWindowWnd::HandleMessage(WM_KILLFOCUS, wParam, lParam);
    const auto focus = reinterpret_cast<HWND>(wParam);
    if (m_owner == nullptr || IsOwnCalendar(focus)) {
        return result;
    }
    const HWND managerWindow = m_owner->GetManager() != nullptr ? m_owner->GetManager()->GetPaintWindow() : nullptr;
    TakeDate();
    Close();
    // The manager follows the focus into another of its hosted windows.
    if (managerWindow != nullptr && focus != managerWindow) {
        ::SendMessageW(managerWindow, WM_KILLFOCUS, wParam, 0);
    }
    return result;
}

LRESULT CDateTimeWnd::OnKeyUp(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CWindowWnd::HandleMessage(WM_KEYUP, wParam, lParam);
    // A key counts only when it was pressed here: the Escape that closed the
    // calendar comes back up in the picker.
    const bool pressedHere = wParam == m_keyDown;
    m_keyDown = 0;
    if (!pressedHere || m_owner == nullptr) {
        return result;
    }
    if (wParam == VK_BACK || wParam == VK_DELETE) {
        m_owner->ClearDate();
        Close();
    } else if (wParam == VK_ESCAPE) {
        Close();
    }
    return result;
}

void CDateTimeWnd::OnCalendarClosed() {
    if (m_owner == nullptr) {
        return;
    }
    const HWND focus = ::GetFocus();
    if (focus == m_hwnd || ::IsChild(m_hwnd, focus) || IsOwnCalendar(focus)) {
        return;
    }
    TakeDate();
    Close();
}

bool CDateTimeWnd::IsOwnCalendar(HWND focus) {
    if (focus == nullptr) {
        return false;
    }
    const auto calendar = reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL));
    if (calendar == nullptr) {
        return false;
    }
    // The calendar is a popup, or lies in one, that is not the picker's own top-level window.
    const HWND popup = ::GetAncestor(calendar, GA_ROOT);
    return popup != ::GetAncestor(m_hwnd, GA_ROOT) && ::GetAncestor(focus, GA_ROOT) == popup;
}

void CDateTimeWnd::TakeDate() {
    if (m_owner == nullptr) {
        return;
    }
    SYSTEMTIME picked = {};
    if (SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked)) == GDT_VALID) {
        m_owner->TakeDate(picked);
    }
}

void CDateTimeWnd::Close() {
    Detach(m_hwnd);
    if (m_closing) {
        return;
    }
    m_closing = true;
    const HWND hwnd = m_hwnd;
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    // Hidden at once; the focus leaves with it.
    ::ShowWindow(hwnd, SW_HIDE);
}

void CDateTimeWnd::Detach(HWND hwnd) {
    if (m_owner == nullptr) {
        return;
    }
    if (m_owner->GetManager() != nullptr) {
        m_owner->GetManager()->RemoveNativeWindow(hwnd);
    }
    m_owner->PickerGone();
    m_owner = nullptr;
}

void CDateTimeWnd::OnFinalMessage(HWND hwnd) {
    Detach(hwnd);
    delete this;
}

}  // namespace SkinUI
