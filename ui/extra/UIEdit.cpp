#include "ui/extra/UIEdit.h"

#include <cwchar>

#include "ui/controls/UIButton.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"
#include "ui/extra/UIEditWnd.h"

namespace SkinUI {

CEditUI::CEditUI() {
    m_textPadding = RECT{4, 3, 4, 3};
    m_bkColor = 0xFFFFFFFF;
}

CEditUI::~CEditUI() {
    CloseHostedWindow();
}

LPCWSTR CEditUI::GetClass() const {
    return L"Edit";
}

LPVOID CEditUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Edit") == 0) {
        return static_cast<CEditUI*>(this);
    }
    return CHostedWindowLabelUI::GetInterface(name);
}

UINT CEditUI::GetControlFlags() const {
    return IsEnabled() ? (UIFLAG_TABSTOP | UIFLAG_SETCURSOR) : 0;
}

HWND CEditUI::GetNativeWindow() const {
    return m_window != nullptr ? m_window->GetHWND() : nullptr;
}

void CEditUI::SetText(LPCWSTR text) {
    CHostedWindowLabelUI::SetText(text);
    // The edit window reports even a text it already has as a change, and a
    // listener of "textchanged" would come back here without end.
    if (m_window != nullptr && ReadWindowText(m_window->GetHWND()) != m_text) {
        ::SetWindowTextW(m_window->GetHWND(), m_text);
    }
}

void CEditUI::SetReadOnly(bool readOnly) {
    if (m_readOnly == readOnly) {
        return;
    }
    m_readOnly = readOnly;
    if (m_window != nullptr) {
        m_window->SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE);
    }
    Invalidate();
}

void CEditUI::SetNumberOnly(bool numberOnly) {
    m_nativeStyle = numberOnly ? (m_nativeStyle | ES_NUMBER) : (m_nativeStyle & ~ES_NUMBER);
}

void CEditUI::SetPasswordMode(bool password) {
    if (m_password == password) {
        return;
    }
    m_password = password;
    Invalidate();
}

void CEditUI::SetPasswordChar(WCHAR ch) {
    // A null character would show the password itself.
    if (ch == 0 || ch == m_passwordChar) {
        return;
    }
    m_passwordChar = ch;
    if (m_window != nullptr && m_password) {
        m_window->SendMessage(EM_SETPASSWORDCHAR, ch);
    }
    Invalidate();
}

void CEditUI::SetNativeBackground(DWORD color) {
    m_nativeBkColor = color;
    if (m_window != nullptr) {
        ::InvalidateRect(m_window->GetHWND(), nullptr, TRUE);
    }
}

void CEditUI::SetMaxChar(int count) {
    m_maxChar = count;
    if (m_window != nullptr) {
        m_window->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(count > 0 ? count : 0));
    }
}

RECT CEditUI::GetNativeRect() {
    RECT rect = GetTextRect();
    const FontEntry* font = m_manager != nullptr ? m_manager->GetFontInfo(m_font) : nullptr;
    const int fontHeight = font != nullptr ? font->textMetrics.tmHeight : 0;
    const int height = rect.bottom - rect.top;
    if (fontHeight > 0 && fontHeight < height) {
        rect.top += (height - fontHeight) / 2;
        rect.bottom = rect.top + fontHeight;
    }
    const RECT empty = {0, 0, 0, 0};
    for (CControlUI* ancestor = m_parent; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        const RECT client = ancestor->GetClientPos();
        if (!ancestor->IsVisible() || !::IntersectRect(&rect, &rect, &client)) {
            return empty;
        }
    }
    return rect;
}

void CEditUI::OpenNativeWindow() {
    if (m_window != nullptr || m_manager == nullptr) {
        return;
    }
    auto* window = new CEditWnd;
    m_window = window;
    if (!window->Init(this)) {
        if (m_window == window) {
            m_window = nullptr;
        }
        delete window;
    }
}

void CEditUI::CloseHostedWindow() {
    if (m_window == nullptr) {
        return;
    }
    CEditWnd* window = m_window;
    m_window = nullptr;
    if (m_manager != nullptr) {
        m_manager->RemoveNativeWindow(window->GetHWND());
    }
    window->Abandon();
}

void CEditUI::ForgetNativeWindow(HWND hwnd) {
    Invalidate();
    if (m_manager != nullptr) {
        m_manager->RemoveNativeWindow(hwnd);
    }
    m_window = nullptr;
}

void CEditUI::PlaceHostedWindow() {
    if (m_window == nullptr) {
        return;
    }
    const RECT rect = GetNativeRect();
    if (::IsRectEmpty(&rect)) {
        ::ShowWindow(m_window->GetHWND(), SW_HIDE);
        return;
    }
    ::SetWindowPos(m_window->GetHWND(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CEditUI::SetEnabled(bool enabled) {
    CHostedWindowLabelUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_buttonState = 0;
    }
}

void CEditUI::OnPress(const UIEvent& event) {
    if (!IsEnabled()) {
        return;
    }
    if (m_manager != nullptr) {
        m_manager->ReleaseCapture();
    }
    if (IsFocused() && m_window == nullptr) {
        OpenNativeWindow();
        Invalidate();
        return;
    }
    // A right press handed on as a left one would start a selection that no
    // button-up ends.
    if (m_window == nullptr || m_selectAll || event.type == UIEVENT_RBUTTONDOWN || m_manager == nullptr) {
        return;
    }
    const HWND hwnd = m_window->GetHWND();
    POINT point = event.mouse;
    ::MapWindowPoints(m_manager->GetPaintWindow(), hwnd, &point, 1);
    ::SendMessageW(hwnd, EM_SETSEL, 0, 0);
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, event.keyState, MAKELPARAM(point.x, point.y));
}

void CEditUI::DoEvent(UIEvent& event) {
    if (HandleCommonEvent(event)) {
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
        if (IsEnabled()) {
            OpenNativeWindow();
            Invalidate();
        }
        break;
    case UIEVENT_KILLFOCUS:
        if (IsEnabled()) {
            Invalidate();
        }
        break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
    case UIEVENT_RBUTTONDOWN:
        OnPress(event);
        return;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
    case UIEVENT_CONTEXTMENU:
        return;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        if (UpdateHotState(*this, event, m_itemRect, m_buttonState, UISTATE_HOT) == HoverChange::StillInside) {
            return;
        }
        break;
    default:
        break;
    }
    CHostedWindowLabelUI::DoEvent(event);
}

void CEditUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"readonly")) {
        SetReadOnly(ParseBool(value));
    } else if (IsName(name, L"numberonly")) {
        SetNumberOnly(ParseBool(value));
    } else if (IsName(name, L"password")) {
        SetPasswordMode(ParseBool(value));
    } else if (IsName(name, L"autoselall")) {
        SetAutoSelAll(ParseBool(value));
    } else if (IsName(name, L"maxchar")) {
        SetMaxChar(ParseInt(value));
    } else if (IsName(name, L"normalimage")) {
        SetNormalImage(value);
    } else if (IsName(name, L"hotimage")) {
        SetHotImage(value);
    } else if (IsName(name, L"focusedimage")) {
        SetFocusedImage(value);
    } else if (IsName(name, L"disabledimage")) {
        SetDisabledImage(value);
    } else if (IsName(name, L"nativebkcolor")) {
        SetNativeBackground(ParseColor(value));
    } else {
        CHostedWindowLabelUI::SetAttribute(name, value);
    }
}

void CEditUI::PaintStateImage(HDC dc) {
    m_buttonState = IsFocused() ? (m_buttonState | UISTATE_FOCUSED) : (m_buttonState & ~UISTATE_FOCUSED);
    m_buttonState = IsEnabled() ? (m_buttonState & ~UISTATE_DISABLED) : (m_buttonState | UISTATE_DISABLED);
    if ((m_buttonState & UISTATE_DISABLED) != 0) {
        if (DrawImage(dc, m_disabledImage)) {
            return;
        }
    } else if ((m_buttonState & UISTATE_FOCUSED) != 0) {
        if (DrawImage(dc, m_focusedImage)) {
            return;
        }
    } else if ((m_buttonState & UISTATE_HOT) != 0) {
        if (DrawImage(dc, m_hotImage)) {
            return;
        }
    }
    DrawImage(dc, m_normalImage);
}

void CEditUI::PaintText(HDC dc) {
    // While editing, the edit window shows the text; drawn under it too, it
    // would show through a translucent edit background.
    if (!ResolveDefaultColors() || m_text.IsEmpty() || m_window != nullptr) {
        return;
    }
    CUIString shown;
    if (m_password) {
        for (LPCWSTR ch = m_text; *ch != L'\0'; ch = ::CharNextW(ch)) {
            shown += m_passwordChar;
        }
    } else {
        shown = m_text;
    }
    RECT rect = GetTextRect();
    CRenderer::DrawText(dc, m_manager, rect, shown, IsEnabled() ? m_textColor : m_disabledTextColor, m_font,
                        m_textStyle | DT_SINGLELINE);
}

}  // namespace SkinUI
