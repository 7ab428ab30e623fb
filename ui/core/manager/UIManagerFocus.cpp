#include <cwchar>
#include <cwctype>

#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

struct TabSearch {
    CControlUI* focus;
    CControlUI* last;
    bool forward;
    bool nextIsIt;
};

// Forward: the first tab stop after `focus`. Backward: the last tab stop
// before it, or, when `focus` is the first, none (then `last` ends up on the
// last tab stop of the tree).
CControlUI* FindTabStop(CControlUI* control, LPVOID data) {
    auto& search = *static_cast<TabSearch*>(data);
    if (control == search.focus) {
        if (search.forward) {
            search.nextIsIt = true;
            return nullptr;
        }
        return search.last;
    }
    if ((control->GetControlFlags() & UIFLAG_TABSTOP) != 0) {
        search.last = control;
        if (search.nextIsIt || search.focus == nullptr) {
            return control;
        }
    }
    return nullptr;
}

constexpr UINT kTabSearchFlags = UIFIND_ME_FIRST | UIFIND_VISIBLE | UIFIND_ENABLED;

struct ShortcutSearch {
    WCHAR ch;
    bool pickNext;
};

// A label only names the shortcut; the control that the search meets after
// it takes the focus.
CControlUI* FindShortcutTarget(CControlUI* control, LPVOID data) {
    auto& search = *static_cast<ShortcutSearch*>(data);
    if (!control->IsVisible()) {
        return nullptr;
    }
    if (static_cast<WCHAR>(std::towupper(control->GetShortcut())) == search.ch) {
        search.pickNext = true;
    }
    if (std::wcsstr(control->GetClass(), L"Label") != nullptr) {
        return nullptr;
    }
    return search.pickNext ? control : nullptr;
}

constexpr UINT kShortcutSearchFlags = UIFIND_ME_FIRST | UIFIND_TOP_FIRST | UIFIND_ENABLED;

}  // namespace

void CUIManager::SetFocus(CControlUI* control, bool activateWindow) {
    if (activateWindow && m_hwnd != nullptr && ::GetFocus() != m_hwnd && control != m_focus && !m_noActivate) {
        ::SetFocus(m_hwnd);
    }
    if (control == m_focus) {
        return;
    }
    CLifeGuard guard(*this);
    if (m_focus != nullptr) {
        CLifeGuard oldFocus(*this, m_focus);
        m_focus = nullptr;
        UIEvent event;
        event.type = UIEVENT_KILLFOCUS;
        event.sender = control;
        event.timestamp = ::GetTickCount();
        if (!DeliverEvent(oldFocus.Watched(), event)) {
            return;
        }
        // A control that its handler destroyed is reported without a sender.
        SendNotify(oldFocus.Watched(), L"killfocus");
        if (!guard.IsAlive()) {
            return;
        }
    }
    if (control == nullptr || control->GetManager() != this || !control->IsVisible() || !control->IsEnabled()) {
        return;
    }
    m_focus = control;
    CLifeGuard newFocus(*this, control);
    UIEvent event;
    event.type = UIEVENT_SETFOCUS;
    event.sender = control;
    event.timestamp = ::GetTickCount();
    if (DeliverEvent(control, event) && newFocus.Watched() != nullptr) {
        SendNotify(control, L"setfocus");
    }
}

void CUIManager::SetFocusNeeded(CControlUI* control) {
    if (!m_noActivate && m_hwnd != nullptr) {
        ::SetFocus(m_hwnd);
    }
    if (control == nullptr) {
        return;
    }
    if (m_focus != nullptr) {
        SetFocus(nullptr, false);
    }
    if (m_root == nullptr) {
        return;
    }
    TabSearch search = {control, nullptr, false, false};
    m_focus = m_root->FindControl(FindTabStop, &search, kTabSearchFlags);
    m_focusNeeded = true;
    m_root->NeedUpdate();
}

bool CUIManager::MoveTabFocus(bool forward) {
    if (m_updateNeeded && forward) {
        // The tab order is known only after the layout; the paint pass comes back here.
        m_focusNeeded = true;
        if (m_hwnd != nullptr) {
            ::InvalidateRect(m_hwnd, nullptr, FALSE);
        }
        return true;
    }
    m_focusNeeded = false;
    if (m_root == nullptr) {
        return true;
    }
    TabSearch search = {m_focus, nullptr, forward, false};
    CControlUI* next = m_root->FindControl(FindTabStop, &search, kTabSearchFlags);
    if (next == nullptr) {
        if (forward) {
            search = {nullptr, nullptr, true, false};
            next = m_root->FindControl(FindTabStop, &search, kTabSearchFlags);
        } else {
            next = search.last;
        }
    }
    if (next != nullptr) {
        SetFocus(next, true);
    }
    return true;
}

bool CUIManager::MoveFocusToShortcut(WCHAR ch) {
    ShortcutSearch search = {static_cast<WCHAR>(std::towupper(ch)), false};
    CControlUI* target = m_root->FindControl(FindShortcutTarget, &search, kShortcutSearchFlags);
    if (target == nullptr) {
        return false;
    }
    CLifeGuard guard(*this, target);
    target->SetFocus();
    if (guard.Watched() != nullptr) {
        target->Activate();
    }
    return true;
}

bool CUIManager::PreMessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CLifeGuard guard(*this);
    const CPtrArray filters(m_preMessageFilters);
    for (int index = 0; index < filters.GetSize(); ++index) {
        auto* filter = static_cast<IMessageFilterUI*>(filters[index]);
        if (m_preMessageFilters.Find(filter) < 0) {
            continue;
        }
        bool handled = false;
        const LRESULT answer = filter->MessageHandler(message, wParam, lParam, handled);
        if (!guard.IsAlive()) {
            return true;
        }
        if (handled) {
            result = answer;
            return true;
        }
    }
    switch (message) {
    case WM_KEYDOWN:
        if (wParam != VK_TAB) {
            return false;
        }
        MoveTabFocus(::GetKeyState(VK_SHIFT) >= 0);
        return true;
    case WM_SYSKEYDOWN:
        if (m_focus != nullptr) {
            UIEvent event = MakeEvent(UIEVENT_SYSKEY, m_focus, 0, 0);
            event.key = static_cast<WCHAR>(wParam);
            DeliverEvent(m_focus, event);
        }
        return false;
    case WM_SYSCHAR:
        return m_root != nullptr && MoveFocusToShortcut(static_cast<WCHAR>(wParam));
    default:
        return false;
    }
}

}  // namespace SkinUI
