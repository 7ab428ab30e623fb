#include "ui/controls/UIList.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/UIListBody.h"
#include "ui/controls/UIListHeader.h"
#include "ui/controls/UIListRow.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

CListUI::CListUI() {
    m_header = new CListHeaderUI;
    m_body = new CListBodyUI(*this);
    // The container's own insertion: the list's would take them for a header and a row.
    CVerticalLayoutUI::AddAt(m_header, 0);
    CVerticalLayoutUI::AddAt(m_body, 1);
}

LPCWSTR CListUI::GetClass() const {
    return L"List";
}

LPVOID CListUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"List") == 0) {
        return this;
    }
    if (name != nullptr && std::wcscmp(name, L"IList") == 0) {
        return static_cast<IListUI*>(this);
    }
    if (name != nullptr && std::wcscmp(name, L"IListOwner") == 0) {
        return static_cast<IListOwnerUI*>(this);
    }
    return CVerticalLayoutUI::GetInterface(name);
}

UINT CListUI::GetControlFlags() const {
    return UIFLAG_TABSTOP;
}

int CListUI::FindSelectableItem(int index, bool forward) const {
    return m_body->FindSelectableItem(index, forward);
}

CControlUI* CListUI::GetItemAt(int index) const {
    return m_body->GetItemAt(index);
}

int CListUI::GetItemIndex(CControlUI* control) const {
    return m_body->GetItemIndex(control);
}

int CListUI::GetCount() const {
    return m_body->GetCount();
}

bool CListUI::IsHeaderItem(CControlUI* control) const {
    return std::wcsstr(control->GetClass(), L"ListHeaderItem") != nullptr;
}

bool CListUI::AddHeader(CControlUI* header) {
    // Adding it again would lay it out and destroy it twice.
    if (header == m_header || CVerticalLayoutUI::GetItemIndex(header) >= 0) {
        return false;
    }
    if (!CVerticalLayoutUI::AddAt(header, 0)) {
        return false;
    }
    if (m_header == nullptr || m_header->GetCount() == 0) {
        CListHeaderUI* empty = m_header;
        m_header = static_cast<CListHeaderUI*>(header->GetInterface(L"ListHeader"));
        if (empty != nullptr) {
            CVerticalLayoutUI::Remove(empty);
        }
    }
    m_info.columnCount = m_header != nullptr ? std::min(m_header->GetCount(), kMaxListColumns) : 0;
    return true;
}

bool CListUI::AddRow(CControlUI* row, int index) {
    // A row listed twice would be destroyed twice.
    if (m_body->GetItemIndex(row) >= 0 || !m_body->AddAt(row, index)) {
        return false;
    }
    if (IListItemUI* item = AsListItem(row)) {
        item->SetOwner(this);
    }
    RenumberListItems(*m_body, index, m_body->GetCount() - 1);
    if (m_curSel >= index) {
        ++m_curSel;
    }
    if (m_expandedItem >= index) {
        ++m_expandedItem;
    }
    return true;
}

bool CListUI::Add(CControlUI* control) {
    if (control != nullptr && IsHeaderItem(control)) {
        return AddAt(control, m_header != nullptr ? m_header->GetCount() : 0);
    }
    return AddAt(control, m_body->GetCount());
}

bool CListUI::AddAt(CControlUI* control, int index) {
    if (control == nullptr) {
        return false;
    }
    if (control->GetInterface(L"ListHeader") != nullptr) {
        return AddHeader(control);
    }
    if (IsHeaderItem(control)) {
        if (m_header == nullptr || m_header->GetItemIndex(control) >= 0 || !m_header->AddAt(control, index)) {
            return false;
        }
        m_info.columnCount = std::min(m_header->GetCount(), kMaxListColumns);
        return true;
    }
    return AddRow(control, index);
}

bool CListUI::RemoveRow(CControlUI* row, bool doNotDestroy) {
    const int index = m_body->GetItemIndex(row);
    if (index < 0) {
        return false;
    }
    if (doNotDestroy || !m_body->IsAutoDestroy()) {
        LeaveListOwner(row);
    }
    if (!m_body->Remove(row, doNotDestroy)) {
        return false;
    }
    RenumberListItems(*m_body, index, m_body->GetCount() - 1);
    if (m_expandedItem == index) {
        m_expandedItem = -1;
    } else if (m_expandedItem > index) {
        --m_expandedItem;
    }
    if (m_curSel == index) {
        m_curSel = -1;
        SelectItem(FindSelectableItem(index, false), false, true);
    } else if (m_curSel > index) {
        --m_curSel;
    }
    return true;
}

bool CListUI::Remove(CControlUI* control, bool doNotDestroy) {
    if (control == nullptr) {
        return false;
    }
    if (control->GetInterface(L"ListHeader") != nullptr) {
        const bool wasHeader = control == m_header;
        if (!CVerticalLayoutUI::Remove(control, doNotDestroy)) {
            return false;
        }
        if (wasHeader) {
            m_header = nullptr;
            m_info.columnCount = 0;
        }
        return true;
    }
    if (IsHeaderItem(control)) {
        if (m_header == nullptr || !m_header->Remove(control, doNotDestroy)) {
            return false;
        }
        m_info.columnCount = std::min(m_header->GetCount(), kMaxListColumns);
        return true;
    }
    return RemoveRow(control, doNotDestroy);
}

bool CListUI::RemoveAt(int index, bool doNotDestroy) {
    CControlUI* row = m_body->GetItemAt(index);
    return row != nullptr && RemoveRow(row, doNotDestroy);
}

void CListUI::RemoveAll() {
    m_curSel = -1;
    m_expandedItem = -1;
    if (!m_body->IsAutoDestroy()) {
        for (int index = 0; index < m_body->GetCount(); ++index) {
            LeaveListOwner(m_body->GetItemAt(index));
        }
    }
    m_body->RemoveAll();
}

bool CListUI::SetItemIndex(CControlUI* control, int index) {
    return SetMultiItemIndex(control, 1, index);
}

bool CListUI::SetMultiItemIndex(CControlUI* first, int count, int index) {
    const int from = m_body->GetItemIndex(first);
    if (!m_body->SetMultiItemIndex(first, count, index)) {
        return false;
    }
    m_curSel = IndexAfterRunMove(m_curSel, from, count, index);
    m_expandedItem = IndexAfterRunMove(m_expandedItem, from, count, index);
    RenumberListItems(*m_body, std::min(from, index), std::max(from, index) + count - 1);
    return true;
}

bool CListUI::SelectItem(int index, bool takeFocus, bool notify) {
    if (index == m_curSel) {
        return true;
    }
    const int previous = m_curSel;
    if (m_curSel >= 0) {
        // Cleared first, so that the row does not ask back.
        CControlUI* old = GetItemAt(m_curSel);
        m_curSel = -1;
        if (IListItemUI* item = AsListItem(old)) {
            item->Select(false, notify);
        }
    }
    if (index < 0) {
        return false;
    }
    CControlUI* row = GetItemAt(index);
    IListItemUI* item = AsListItem(row);
    if (item == nullptr || !row->IsVisible() || !row->IsEnabled()) {
        return false;
    }
    m_curSel = index;
    if (!item->Select(true, notify)) {
        m_curSel = -1;
        return false;
    }
    EnsureVisible(index);
    if (takeFocus) {
        row->SetFocus();
    }
    if (m_manager != nullptr && notify) {
        m_manager->SendNotify(this, L"itemselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
    }
    return true;
}

void CListUI::CollapseExpanded() {
    CControlUI* expanded = GetItemAt(m_expandedItem);
    m_expandedItem = -1;
    if (IListItemUI* item = AsListItem(expanded)) {
        item->Expand(false);
    }
}

bool CListUI::ExpandItem(int index, bool expand) {
    // The row confirming what the list asked of it.
    if (expand && index == m_expandedItem) {
        return true;
    }
    if (!m_info.multiExpanding || (!expand && index == m_expandedItem)) {
        CollapseExpanded();
    }
    if (!expand) {
        NeedUpdate();
        return true;
    }
    CControlUI* row = GetItemAt(index);
    IListItemUI* item = AsListItem(row);
    if (item == nullptr || !row->IsVisible()) {
        return false;
    }
    m_expandedItem = index;
    if (!item->Expand(true)) {
        m_expandedItem = -1;
        return false;
    }
    NeedUpdate();
    return true;
}

void CListUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CVerticalLayoutUI::DoEvent(routed); })) {
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
        m_focused = true;
        return;
    case UIEVENT_KILLFOCUS:
        m_focused = false;
        return;
    case UIEVENT_KEYDOWN:
        if (!IsKeyboardEnabled() || !IsEnabled()) {
            break;
        }
        switch (event.key) {
        case VK_RETURN:
            if (CControlUI* row = GetItemAt(m_curSel)) {
                row->Activate();
            }
            break;
        case VK_UP:
            SelectItem(FindSelectableItem(m_curSel - 1, false), true, true);
            break;
        case VK_DOWN:
            SelectItem(FindSelectableItem(m_curSel + 1, true), true, true);
            break;
        case VK_PRIOR:
            PageUp();
            break;
        case VK_NEXT:
            PageDown();
            break;
        case VK_HOME:
            SelectItem(FindSelectableItem(0, false), true, true);
            break;
        case VK_END:
            SelectItem(FindSelectableItem(GetCount() - 1, true), true, true);
            break;
        default:
            break;
        }
        return;
    case UIEVENT_SCROLLWHEEL:
        if (!IsEnabled()) {
            break;
        }
        if (LOWORD(event.wParam) > 1) {
            break;
        }
        if (LOWORD(event.wParam) == 0) {
            if (m_scrollSelect) {
                SelectItem(FindSelectableItem(m_curSel - 1, false), true, true);
            } else {
                LineUp();
            }
        } else if (m_scrollSelect) {
            SelectItem(FindSelectableItem(m_curSel + 1, true), true, true);
        } else {
            LineDown();
        }
        return;
    default:
        break;
    }
    CVerticalLayoutUI::DoEvent(event);
}

}  // namespace SkinUI
