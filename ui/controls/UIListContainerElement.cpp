#include "ui/controls/UIListContainerElement.h"

#include <cwchar>

#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

LPCWSTR CListContainerElementUI::GetClass() const {
    return L"ListContainerElement";
}

LPVOID CListContainerElementUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"IListItem") == 0) {
        return static_cast<IListItemUI*>(this);
    }
    if (name != nullptr && std::wcscmp(name, L"ListContainerElement") == 0) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

UINT CListContainerElementUI::GetControlFlags() const {
    return UIFLAG_WANTRETURN;
}

bool CListContainerElementUI::Activate() {
    if (!CContainerUI::Activate()) {
        return false;
    }
    if (m_manager != nullptr) {
        m_manager->SendNotify(this, L"itemactivate");
    }
    return true;
}

void CListContainerElementUI::SetVisible(bool visible) {
    CContainerUI::SetVisible(visible);
    m_row.OnVisibilityChanged();
}

void CListContainerElementUI::SetEnabled(bool enabled) {
    CContainerUI::SetEnabled(enabled);
    if (!enabled) {
        m_row.ClearState();
    }
}

bool CListContainerElementUI::Expand(bool expand) {
    IListOwnerUI* owner = m_row.GetOwner();
    if (owner == nullptr) {
        return false;
    }
    if (expand == m_expanded) {
        return true;
    }
    m_expanded = expand;
    if (!m_expandable) {
        return true;
    }
    if (!owner->ExpandItem(m_row.GetIndex(), expand)) {
        m_expanded = !expand;
        return false;
    }
    if (m_manager != nullptr) {
        m_manager->SendNotify(this, expand ? L"itemexpand" : L"itemcollapse");
    }
    return true;
}

void CListContainerElementUI::PassOn(UIEvent& event, bool toContainer) {
    if (IListOwnerUI* owner = m_row.GetOwner()) {
        owner->DoEvent(event);
    } else if (toContainer) {
        CContainerUI::DoEvent(event);
    } else {
        CControlUI::DoEvent(event);
    }
}

void CListContainerElementUI::DoEvent(UIEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        PassOn(event, true);
        return;
    }
    switch (event.type) {
    case UIEVENT_DBLCLICK:
        if (IsEnabled()) {
            Activate();
            Invalidate();
        }
        return;
    case UIEVENT_KEYDOWN:
        if (event.key == VK_RETURN && IsKeyboardEnabled() && IsEnabled()) {
            Activate();
            Invalidate();
            return;
        }
        break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_RBUTTONDOWN:
        if (IsEnabled()) {
            m_row.Click();
            return;
        }
        break;
    case UIEVENT_BUTTONUP:
    case UIEVENT_MOUSEMOVE:
        return;
    default:
        if (m_row.TrackHover(event)) {
            return;
        }
        break;
    }
    PassOn(event, false);
}

void CListContainerElementUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name != nullptr && std::wcscmp(name, L"selected") == 0) {
        Select(true, true);
    } else if (name != nullptr && std::wcscmp(name, L"expandable") == 0) {
        SetExpandable(ParseBool(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

SIZE CListContainerElementUI::MeasureSize(SIZE /*available*/) {
    SIZE size = {GetFixedWidth(), GetFixedHeight()};
    if (size.cy == 0) {
        if (const ListInfo* info = m_row.GetListInfo()) {
            size.cy = Scaled(info->itemHeight);
        }
    }
    return size;
}

bool CListContainerElementUI::DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    m_row.PaintBackground(dc, m_paintRect, m_bkImage);
    return CContainerUI::DoPaint(dc, paintRect, stopControl);
}

}  // namespace SkinUI
