// The combo box's rows, selection and popup.

#include "ui/extra/UICombo.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/UIButton.h"
#include "ui/controls/UIListRow.h"
#include "ui/core/manager/UIManager.h"
#include "ui/extra/UIComboWnd.h"

namespace SkinUI {

CComboUI::~CComboUI() {
    if (m_dropWindow != nullptr) {
        CComboWnd* popup = m_dropWindow;
        m_dropWindow = nullptr;
        popup->CloseFor(*this);
    }
}

LPCWSTR CComboUI::GetClass() const {
    return L"Combo";
}

LPVOID CComboUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"IListOwner") == 0) {
        return static_cast<IListOwnerUI*>(this);
    }
    if (name != nullptr && std::wcscmp(name, L"Combo") == 0) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

HWND CComboUI::GetDropWindow() const {
    return m_dropWindow != nullptr ? m_dropWindow->GetHWND() : nullptr;
}

bool CComboUI::AreRowsInPopup() const {
    return m_dropWindow != nullptr && m_dropWindow->HoldsRows();
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (m_dropWindow != nullptr) {
        return true;
    }
    if (!CComboWnd::Open(*this)) {
        return false;
    }
    if (m_manager != nullptr) {
        m_manager->SendNotify(this, L"dropdown");
    }
    Invalidate();
    return true;
}

void CComboUI::SetVisible(bool visible) {
    CContainerUI::SetVisible(visible);
    if (!IsVisible()) {
        ClosePopup();
    }
}

void CComboUI::SetAncestorVisible(bool visible) {
    CContainerUI::SetAncestorVisible(visible);
    if (!IsVisible()) {
        ClosePopup();
    }
}

void CComboUI::SetEnabled(bool enabled) {
    CContainerUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_buttonState = 0;
        ClosePopup();
    }
}

void CComboUI::ClosePopup() {
    if (m_dropWindow != nullptr) {
        m_dropWindow->Close();
    }
}

void CComboUI::RefitPopup() {
    if (m_dropWindow != nullptr) {
        m_dropWindow->Refit();
    }
}

void CComboUI::OnPopupClosing() {
    // The rows get empty rectangles again, so that nothing of them is found in this window.
    SetPos(IsFloat() && m_parent != nullptr ? GetRelativePos() : m_itemRect);
    SetFocus();
}

void CComboUI::OnPopupEnded(CComboWnd* popup) {
    if (m_dropWindow == popup) {
        m_dropWindow = nullptr;
    }
    m_buttonState &= ~UISTATE_PUSHED;
    Invalidate();
}

CUIString CComboUI::GetText() const {
    CControlUI* row = GetItemAt(m_curSel);
    return row != nullptr ? row->GetText() : CUIString();
}

bool CComboUI::Add(CControlUI* control) {
    return AddAt(control, GetCount());
}

bool CComboUI::AddAt(CControlUI* control, int index) {
    // A row listed twice would be destroyed twice.
    if (control == nullptr || GetItemIndex(control) >= 0 || !CContainerUI::AddAt(control, index)) {
        return false;
    }
    if (IListItemUI* item = AsListItem(control)) {
        item->SetOwner(this);
    }
    RenumberListItems(*this, index, GetCount() - 1);
    if (m_curSel >= index) {
        ++m_curSel;
    }
    if (m_dropWindow != nullptr) {
        m_dropWindow->ShowRow(control, index);
    }
    RefitPopup();
    return true;
}

bool CComboUI::Remove(CControlUI* control, bool doNotDestroy) {
    const int index = control != nullptr ? GetItemIndex(control) : -1;
    if (index < 0) {
        return false;
    }
    if (m_dropWindow != nullptr) {
        m_dropWindow->ReleaseRow(control);
    }
    if (doNotDestroy || !IsAutoDestroy()) {
        LeaveListOwner(control);
    }
    CContainerUI::Remove(control, doNotDestroy);
    RenumberListItems(*this, index, GetCount() - 1);
    if (m_curSel == index) {
        m_curSel = -1;
        SelectKeepingPopup(FindSelectableItem(index - 1, false), false);
    } else if (m_curSel > index) {
        --m_curSel;
    }
    RefitPopup();
    return true;
}

bool CComboUI::RemoveAt(int index, bool doNotDestroy) {
    CControlUI* row = GetItemAt(index);
    return row != nullptr && Remove(row, doNotDestroy);
}

void CComboUI::RemoveAll() {
    m_curSel = -1;
    if (m_dropWindow != nullptr) {
        m_dropWindow->ReleaseAllRows();
    }
    if (!IsAutoDestroy()) {
        for (int index = 0; index < GetCount(); ++index) {
            LeaveListOwner(GetItemAt(index));
        }
    }
    CContainerUI::RemoveAll();
    RefitPopup();
}

bool CComboUI::SetItemIndex(CControlUI* control, int index) {
    return SetMultiItemIndex(control, 1, index);
}

bool CComboUI::SetMultiItemIndex(CControlUI* first, int count, int index) {
    const int from = GetItemIndex(first);
    if (!CContainerUI::SetMultiItemIndex(first, count, index)) {
        return false;
    }
    m_curSel = IndexAfterRunMove(m_curSel, from, count, index);
    RenumberListItems(*this, std::min(from, index), std::max(from, index) + count - 1);
    if (m_dropWindow != nullptr) {
        m_dropWindow->MoveRows(first, count, index);
    }
    RefitPopup();
    return true;
}

bool CComboUI::SelectItem(int index, bool takeFocus, bool notify) {
    if (m_closeOnSelect) {
        ClosePopup();
    }
    if (index == m_curSel) {
        return true;
    }
    const int previous = m_curSel;
    if (m_curSel >= 0) {
        // Cleared first, so that the row does not ask back; an index without a row is simply dropped.
        CControlUI* old = GetItemAt(m_curSel);
        m_curSel = -1;
        if (IListItemUI* item = AsListItem(old)) {
            item->Select(false, notify);
        }
    }
    if (index < 0 || GetCount() == 0) {
        return false;
    }
    index = std::min(index, GetCount() - 1);
    CControlUI* row = GetItemAt(index);
    IListItemUI* item = AsListItem(row);
    // A combo on a page not yet shown still takes a selection: only the row's own flag counts.
    if (item == nullptr || !row->IsSelfVisible() || !row->IsEnabled()) {
        return false;
    }
    m_curSel = index;
    if (m_dropWindow != nullptr || takeFocus) {
        row->SetFocus();
    }
    if (!item->Select(true, notify)) {
        m_curSel = -1;
        return false;
    }
    if (m_manager != nullptr && notify) {
        m_manager->SendNotify(this, L"itemselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
    }
    Invalidate();
    return true;
}

void CComboUI::SelectKeepingPopup(int index, bool takeFocus) {
    // Nothing to select leaves the selection as it is.
    if (index < 0) {
        return;
    }
    const bool closeOnSelect = m_closeOnSelect;
    m_closeOnSelect = false;
    SelectItem(index, takeFocus, true);
    m_closeOnSelect = closeOnSelect;
}

}  // namespace SkinUI
