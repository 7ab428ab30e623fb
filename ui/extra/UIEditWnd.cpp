#include "ui/extra/UIEditWnd.h"

#include <vector>

#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"
#include "ui/extra/UIEdit.h"

namespace SkinUI {

namespace {

// The manager hands WM_COMMAND and the control colour messages back to the
// child that sent them at the base of the OCM_ range.
constexpr UINT kReflectedCommand = 0x2000 + WM_COMMAND;
constexpr UINT kReflectedEditColor = 0x2000 + WM_CTLCOLOREDIT;
constexpr UINT kReflectedStaticColor = 0x2000 + WM_CTLCOLORSTATIC;

// A layered window shows the edit through WM_PRINT, which leaves out the
// system caret: the window blinks one of its own.
constexpr UINT_PTR kCaretTimer = 20;
constexpr DWORD kCaretColor = 0xFF000000;

// Opaque white: the system's own edit colours.
constexpr DWORD kSystemBackground = 0xFFFFFFFF;

}  // namespace

CUIString ReadWindowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(hwnd);
    if (length <= 0) {
        return CUIString();
    }
    std::vector<WCHAR> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextW(hwnd, buffer.data(), length + 1);
    return CUIString(buffer.data(), copied > 0 ? copied : 0);
}

LPCWSTR CEditWnd::GetWindowClassName() const {
    return L"EditWnd";
}

LPCWSTR CEditWnd::GetSuperClassName() const {
    return WC_EDITW;
}

bool CEditWnd::Init(CEditUI* owner) {
    CUIManager* manager = owner != nullptr ? owner->GetManager() : nullptr;
    if (manager == nullptr) {
        return false;
    }
    m_owner = owner;
    DWORD style = owner->GetNativeStyle() | WS_CHILD | ES_AUTOHSCROLL;
    if ((owner->GetTextStyle() & DT_CENTER) != 0) {
        style |= ES_CENTER;
    } else if ((owner->GetTextStyle() & DT_RIGHT) != 0) {
        style |= ES_RIGHT;
    }
    if (owner->IsPasswordMode()) {
        style |= ES_PASSWORD;
    }
    if (Create(manager->GetPaintWindow(), nullptr, style, 0, owner->GetNativeRect()) == nullptr) {
        return false;
    }
    m_selfOwned = true;
    const HWND hwnd = m_hwnd;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(manager->GetFont(owner->GetFont())), TRUE);
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(owner->GetMaxChar() > 0 ? owner->GetMaxChar() : 0));
    if (owner->IsPasswordMode()) {
        SendMessage(EM_SETPASSWORDCHAR, owner->GetPasswordChar());
    }
    m_reported = owner->GetText();
    ::SetWindowTextW(hwnd, m_reported);
    SendMessage(EM_SETMODIFY, FALSE);
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ::EnableWindow(hwnd, owner->IsEnabled() ? TRUE : FALSE);
    SendMessage(EM_SETREADONLY, owner->IsReadOnly() ? TRUE : FALSE);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::SetFocus(hwnd);
    // The focus change reaches the manager and its listeners, which may have ended the edit.
    if (!::IsWindow(hwnd)) {
        return true;
    }
    const int length = ::GetWindowTextLengthW(hwnd);
    if (owner->IsAutoSelAll()) {
        SendMessage(EM_SETSEL, 0, length > 0 ? length : 1);
    } else {
        SendMessage(EM_SETSEL, length, length);
    }
    m_initialised = true;
    return true;
}

void CEditWnd::Abandon() {
    m_owner = nullptr;
    ::DestroyWindow(m_hwnd);
}

void CEditWnd::OnFinalMessage(HWND hwnd) {
    if (m_owner != nullptr) {
        CEditUI* owner = m_owner;
        m_owner = nullptr;
        owner->ForgetNativeWindow(hwnd);
    }
    if (m_selfOwned) {
        delete this;
    }
}

LRESULT CEditWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CUIManager* manager = m_owner != nullptr ? m_owner->GetManager() : nullptr;
    if (manager == nullptr) {
        return Default(message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = Default(message, wParam, lParam);
        manager->AddNativeWindow(m_owner, m_hwnd);
        if (manager->IsLayered()) {
            ::SetTimer(m_hwnd, kCaretTimer, ::GetCaretBlinkTime(), nullptr);
        }
        return result;
    }
    case WM_KILLFOCUS:
        return OnKillFocus(*manager, wParam, lParam);
    case WM_PAINT:
        // A layered window forgets native windows that were hidden when it painted.
        if (manager->IsLayered()) {
            manager->AddNativeWindow(m_owner, m_hwnd);
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            manager->SendNotify(m_owner, L"return");
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kCaretTimer) {
            m_caretVisible = !m_caretVisible;
            ::InvalidateRect(m_hwnd, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_PRINT:
        if (manager->IsLayered()) {
            return OnPrint(wParam, lParam);
        }
        break;
    case kReflectedCommand:
        if (HIWORD(wParam) == EN_CHANGE) {
            CopyTextBack(*manager);
        } else if (HIWORD(wParam) == EN_UPDATE) {
            ::InvalidateRect(m_hwnd, nullptr, FALSE);
        }
        return 0;
    case kReflectedEditColor:
    case kReflectedStaticColor:
        return OnControlColor(*manager, reinterpret_cast<HDC>(wParam));
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

LRESULT CEditWnd::OnKillFocus(CUIManager& manager, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_KILLFOCUS, wParam, lParam);
    const HWND hwnd = m_hwnd;
    const HWND managerWindow = manager.GetPaintWindow();
    if (reinterpret_cast<HWND>(wParam) != managerWindow) {
        // The manager did not see its own window lose the focus to a window
        // of its own; its listeners may end the edit on the way.
        ::SendMessageW(managerWindow, WM_KILLFOCUS, wParam, lParam);
        if (!::IsWindow(hwnd)) {
            return result;
        }
    }
    ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
    return result;
}

LRESULT CEditWnd::OnPrint(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_PRINT, wParam, lParam);
    if (m_owner->IsEnabled() && m_caretVisible) {
        POINT caret = {0, 0};
        RECT client = {0, 0, 0, 0};
        ::GetCaretPos(&caret);
        ::GetClientRect(m_hwnd, &client);
        CRenderer::DrawLine(reinterpret_cast<HDC>(wParam), RECT{caret.x, 0, caret.x, client.bottom}, 1, kCaretColor);
    }
    return result;
}

LRESULT CEditWnd::OnControlColor(CUIManager& manager, HDC dc) {
    const DWORD background = m_owner->GetNativeBackground();
    if (background == kSystemBackground) {
        return 0;
    }
    DWORD textColor = m_owner->GetTextColor();
    if (textColor == 0) {
        textColor = manager.GetDefaultFontColor();
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, Render::ToColorRef(textColor));
    return reinterpret_cast<LRESULT>(m_background.Get(manager, m_hwnd, background));
}

void CEditWnd::CopyTextBack(CUIManager& manager) {
    if (!m_initialised) {
        return;
    }
    // Wine reports a change for a keystroke that the length limit refused.
    const CUIString text = ReadWindowText(m_hwnd);
    if (text == m_reported) {
        return;
    }
    m_reported = text;
    const HWND hwnd = m_hwnd;
    m_owner->TakeNativeText(text);
    manager.SendNotify(m_owner, L"textchanged");
    // A listener may have hidden or removed the edit box, which closes this window.
    if (!::IsWindow(hwnd)) {
        return;
    }
    if (manager.IsLayered()) {
        m_owner->Invalidate();
    }
}

}  // namespace SkinUI
