#include "ui/controls/UIListElement.h"

#include <cwchar>

#include "ui/core/manager/UIManager.h"

namespace SkinUI {

LPCWSTR CListElementUI::GetClass() const {
    return L"ListElement";
}

LPVOID CListElementUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"IListItem") == 0) {
        return static_cast<IListItemUI*>(this);
    }
    if (name != nullptr && std::wcscmp(name, L"ListElement") == 0) {
        return this;
    }
    return CControlUI::GetInterface(name);
}

UINT CListElementUI::GetControlFlags() const {
    return UIFLAG_WANTRETURN;
}

bool CListElementUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (m_manager != nullptr) {
        m_manager->SendNotify(this, L"itemactivate");
    }
    return true;
}

void CListElementUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    m_row.OnVisibilityChanged();
}

void CListElementUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) {
        m_row.ClearState();
    }
}

void CListElementUI::PassOn(UIEvent& event) {
    if (IListOwnerUI* owner = m_row.GetOwner()) {
        owner->DoEvent(event);
    } else {
        CControlUI::DoEvent(event);
    }
}

void CListElementUI::DoEvent(UIEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        PassOn(event);
        return;
    }
    const bool activates =
        (event.type == UIEVENT_DBLCLICK && IsEnabled()) ||
        (event.type == UIEVENT_KEYDOWN && event.key == VK_RETURN && IsKeyboardEnabled() && IsEnabled());
    if (activates) {
        Activate();
        Invalidate();
        return;
    }
    PassOn(event);
}

void CListElementUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name != nullptr && std::wcscmp(name, L"selected") == 0) {
        Select(true, true);
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
