#include "ui/extra/UIComboWnd.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/control/UIControl.h"
#include "ui/extra/UICombo.h"
#include "ui/extra/UIComboBody.h"

namespace SkinUI {

namespace {

// The body's inset and border: the popup is this much taller than its rows.
constexpr int kFrameHeight = 4;
constexpr RECT kBodyInset = {1, 1, 1, 1};
constexpr DWORD kBodyBackground = 0xFFFFFFFF;
constexpr DWORD kBodyBorder = 0xFFC6C7D2;

CControlUI* ForgetIn(CControlUI* control, LPVOID manager) {
    static_cast<CUIManager*>(manager)->ForgetControl(control);
    return nullptr;
}

RECT ToScreen(HWND window, RECT rect) {
    ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Whether `window`, or one of the windows it belongs to, is `popup`.
bool IsWithin(HWND window, HWND popup) {
    for (HWND current = window; current != nullptr; current = ::GetParent(current)) {
        if (current == popup) {
            return true;
        }
    }
    return false;
}

}  // namespace

CComboWnd::CComboWnd(CComboUI& combo)
    : m_combo(&combo), m_openedRow(combo.GetItemAt(combo.GetCurSel())), m_openedWithSelection(combo.GetCurSel() >= 0) {}

bool CComboWnd::Open(CComboUI& combo) {
    CUIManager* owner = combo.GetManager();
    if (owner == nullptr || owner->GetPaintWindow() == nullptr || combo.m_dropWindow != nullptr) {
        return false;
    }
    auto* popup = new CComboWnd(combo);
    combo.m_dropWindow = popup;
    const HWND window =
        popup->Create(owner->GetPaintWindow(), nullptr, WS_POPUP, WS_EX_TOOLWINDOW, popup->ScreenPlace());
    if (window == nullptr) {
        // A window that came into being took the popup with it in its final message.
        if (combo.m_dropWindow == popup) {
            combo.m_dropWindow = nullptr;
            delete popup;
        }
        return false;
    }
    ::ShowWindow(window, SW_SHOW);
    return true;
}

LPCWSTR CComboWnd::GetWindowClassName() const {
    return L"ComboWnd";
}

RECT CComboWnd::ScreenPlace() const {
    const CComboUI& combo = *m_combo;
    const RECT item = combo.GetPos();
    const SIZE box = combo.GetDropBoxSize();
    RECT rect = {item.left, item.bottom, box.cx > 0 ? item.left + box.cx : item.right, item.bottom};
    const int maxHeight = std::max(static_cast<int>(box.cy), 0);
    const SIZE available = {rect.right - rect.left, maxHeight};
    int height = combo.Scaled(kFrameHeight);
    for (int index = 0; index < combo.GetCount() && height < maxHeight; ++index) {
        CControlUI* row = combo.GetItemAt(index);
        if (row->IsVisible()) {
            height += std::clamp(static_cast<int>(row->MeasureSize(available).cy), 0, maxHeight - height);
        }
    }
    height = std::min(height, maxHeight);
    rect.bottom = rect.top + height;

    const HWND owner = combo.GetManager()->GetPaintWindow();
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT below = ToScreen(owner, rect);
    if (below.bottom <= monitor.rcWork.bottom) {
        return below;
    }
    return ToScreen(owner, RECT{rect.left, item.top - height, rect.right, item.top});
}

void CComboWnd::OnCreate() {
    m_manager.Init(m_hwnd);
    // Rows are drawn with the fonts and images they were measured with in the combo's window.
    m_manager.BorrowResourcesFrom(m_combo->GetManager());
    m_manager.SetDpi(m_combo->GetManager()->GetDpi());
    m_body = new CComboBodyUI(*m_combo);
    m_body->SetManager(&m_manager, nullptr, false);
    if (LPCWSTR defaults = m_manager.GetClassDefaults(L"VerticalLayout")) {
        m_body->SetAttributeList(defaults);
    }
    m_body->SetInset(kBodyInset);
    m_body->SetBkColor(kBodyBackground);
    m_body->SetBorderColor(kBodyBorder);
    m_body->SetBorderSize(1);
    m_body->EnableScrollBar(true, false);
    m_body->SetAttributeList(m_combo->GetDropBoxAttributeList());
    m_manager.AttachRoot(m_body);
    for (int index = 0; index < m_combo->GetCount(); ++index) {
        m_body->ShowRow(m_combo->GetItemAt(index), index);
    }
}

LRESULT CComboWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    ++m_depth;
    const LRESULT result = Dispatch(message, wParam, lParam);
    --m_depth;
    // The window ended while one of its messages was being handled.
    if (m_depth == 0 && m_finished) {
        delete this;
    }
    return result;
}

LRESULT CComboWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_KILLFOCUS:
        if (!IsWithin(reinterpret_cast<HWND>(wParam), m_hwnd)) {
            PostMessage(WM_CLOSE);
        }
        break;
    case WM_CLOSE:
        ReturnRows();
        if (m_combo != nullptr) {
            m_combo->OnPopupClosing();
        }
        return CWindowWnd::HandleMessage(message, wParam, lParam);
    case WM_DESTROY:
        ReturnRows();
        break;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (IsScrollBarAt(lParam)) {
            m_pressOnScrollBar = true;
        }
        break;
    case WM_LBUTTONUP:
        if (m_pressOnScrollBar) {
            m_pressOnScrollBar = false;
        } else if (m_manager.FindControl(
                       POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}) != nullptr &&
                   !IsScrollBarAt(lParam)) {
            PostMessage(WM_CLOSE);
        }
        break;
    default:
        break;
    }
    LRESULT result = 0;
    if (m_manager.MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

bool CComboWnd::IsScrollBarAt(LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    CControlUI* control = m_manager.FindControl(point);
    return control != nullptr && std::wcscmp(control->GetClass(), L"ScrollBar") == 0;
}

void CComboWnd::OnKeyDown(WPARAM key) {
    if (m_combo == nullptr) {
        return;
    }
    switch (key) {
    case VK_RETURN:
        PostMessage(WM_CLOSE);
        return;
    case VK_ESCAPE:
        RestoreSelection();
        PostMessage(WM_CLOSE);
        return;
    default:
        break;
    }
    UIEvent event;
    event.type = UIEVENT_KEYDOWN;
    event.sender = m_combo;
    event.timestamp = ::GetTickCount();
    event.key = static_cast<WCHAR>(key);
    m_combo->Event(event);
    if (m_combo != nullptr) {
        ScrollIntoView(m_combo->GetCurSel());
    }
}

void CComboWnd::OnWheel(WPARAM wParam, LPARAM lParam) {
    if (m_combo == nullptr) {
        return;
    }
    UIEvent event;
    event.type = UIEVENT_SCROLLWHEEL;
    event.sender = m_combo;
    event.timestamp = ::GetTickCount();
    event.wParam = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? 1 : 0;
    event.lParam = lParam;
    m_combo->Event(event);
    if (m_combo != nullptr) {
        ScrollIntoView(m_combo->GetCurSel());
    }
}

void CComboWnd::RestoreSelection() {
    if (m_openedRow != nullptr) {
        const int index = m_combo->GetItemIndex(m_openedRow);
        m_combo->SelectItem(index, true, true);
        ScrollIntoView(index);
    } else if (!m_openedWithSelection) {
        m_combo->SelectItem(-1, true, true);
    }
}

void CComboWnd::ShowRow(CControlUI* row, int index) {
    if (HoldsRows()) {
        m_body->ShowRow(row, index);
    }
}

void CComboWnd::ReleaseRow(CControlUI* row) {
    if (!HoldsRows() || !m_body->HideRow(row)) {
        return;
    }
    if (row == m_openedRow) {
        m_openedRow = nullptr;
    }
    Forget(row);
    row->SetManager(m_combo->GetManager(), m_combo, false);
}

void CComboWnd::ReleaseAllRows() {
    while (HoldsRows() && m_body->GetCount() > 0) {
        ReleaseRow(m_body->GetItemAt(0));
    }
}

void CComboWnd::MoveRows(CControlUI* first, int count, int index) {
    if (HoldsRows()) {
        m_body->SetMultiItemIndex(first, count, index);
    }
}

void CComboWnd::Refit() {
    if (!HoldsRows() || m_hwnd == nullptr) {
        return;
    }
    const RECT place = ScreenPlace();
    ::SetWindowPos(m_hwnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    m_body->NeedUpdate();
}

void CComboWnd::ScrollIntoView(int index) {
    if (HoldsRows()) {
        m_body->ScrollIntoView(m_combo->GetItemAt(index));
    }
}

void CComboWnd::Forget(CControlUI* row) {
    if (row != nullptr) {
        row->FindControl(ForgetIn, &m_manager, UIFIND_ALL);
    }
}

void CComboWnd::ReturnRows() {
    if (m_rowsReturned) {
        return;
    }
    m_rowsReturned = true;
    m_openedRow = nullptr;
    if (m_body != nullptr) {
        while (m_body->GetCount() > 0) {
            CControlUI* row = m_body->GetItemAt(0);
            m_body->HideRow(row);
            Forget(row);
        }
    }
    if (m_combo != nullptr) {
        m_combo->SetManager(m_combo->GetManager(), m_combo->GetParent(), false);
    }
}

void CComboWnd::CloseFor(CComboUI& combo) {
    if (m_combo != &combo) {
        return;
    }
    ReturnRows();
    m_combo = nullptr;
    if (m_hwnd != nullptr) {
        ::DestroyWindow(m_hwnd);
    }
}

void CComboWnd::OnFinalMessage(HWND) {
    ReturnRows();
    if (m_combo != nullptr) {
        m_combo->OnPopupEnded(this);
        m_combo = nullptr;
    }
    m_manager.BorrowResourcesFrom(nullptr);
    m_finished = true;
    if (m_depth == 0) {
        delete this;
    }
}

}  // namespace SkinUI
