#include "ui/extra/UITabLayout.h"

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

LPCWSTR CTabLayoutUI::GetClass() const {
    return L"TabLayout";
}

LPVOID CTabLayoutUI::GetInterface(LPCWSTR name) {
    if (IsName(name, L"TabLayout")) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

bool CTabLayoutUI::AddAt(CControlUI* control, int index) {
    if (!CContainerUI::AddAt(control, index)) {
        return false;
    }
    if (m_selected < 0 && control->IsVisible()) {
        m_selected = index;
        return true;
    }
    // Only the selected tab is ever shown; an insertion before it moves it along.
    control->SetVisible(false);
    if (m_selected >= index) {
        ++m_selected;
    }
    return true;
}

bool CTabLayoutUI::Remove(CControlUI* control, bool doNotDestroy) {
    const int index = control != nullptr ? GetItemIndex(control) : -1;
    if (!CContainerUI::Remove(control, doNotDestroy)) {
        return false;
    }
    if (index == m_selected) {
        if (GetCount() == 0) {
            m_selected = -1;
        } else {
            m_selected = 0;
            GetItemAt(0)->SetVisible(true);
        }
        NeedParentLayout();
    } else if (index < m_selected) {
        --m_selected;
    }
    return true;
}

void CTabLayoutUI::RemoveAll() {
    m_selected = -1;
    CContainerUI::RemoveAll();
    NeedParentLayout();
}

bool CTabLayoutUI::SelectItem(int index, bool sendEvent) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    if (index == m_selected) {
        return true;
    }
    const int previous = m_selected;
    m_selected = index;
    for (int child = 0; child < GetCount(); ++child) {
        CControlUI* control = GetItemAt(child);
        if (child == index) {
            control->SetVisible(true);
            control->SetFocus();
        } else {
            control->SetVisible(false);
        }
    }
    NeedParentLayout();
    if (m_manager != nullptr) {
        m_manager->MoveTabFocus(true);
        if (sendEvent) {
            m_manager->SendNotify(this, L"tabselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
        }
    }
    return true;
}

void CTabLayoutUI::SetPos(RECT rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    RECT area = InsetArea();
    for (int index = 0; index < GetCount(); ++index) {
        CControlUI* child = GetItemAt(index);
        if (!child->IsVisible()) {
            continue;
        }
        if (child->IsFloat()) {
            SetFloatPos(index);
            continue;
        }
        if (index != m_selected) {
            continue;
        }
        const RECT padding = child->GetPadding();
        RECT cell = {area.left + padding.left, area.top + padding.top, area.right - padding.right,
                     area.bottom - padding.bottom};
        const SIZE available = {cell.right - cell.left, cell.bottom - cell.top};
        SIZE size = child->MeasureSize(available);
        if (size.cx == 0) {
            size.cx = available.cx > 0 ? available.cx : 0;
        }
        if (size.cy == 0) {
            size.cy = available.cy > 0 ? available.cy : 0;
        }
        size.cx = ClampToLimits(size.cx, child->GetMinWidth(), child->GetMaxWidth());
        size.cy = ClampToLimits(size.cy, child->GetMinHeight(), child->GetMaxHeight());
        child->SetPos(RECT{cell.left, cell.top, cell.left + size.cx, cell.top + size.cy}, false);
    }
}

void CTabLayoutUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (IsName(name, L"selectedid")) {
        SelectItem(ParseInt(value), true);
    }
    CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
