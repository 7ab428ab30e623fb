#include "ui/extra/UIHostedWindowLabel.h"

#include "ui/core/manager/UIManager.h"

namespace SkinUI {

void CHostedWindowLabelUI::SetPos(RECT rect, bool needInvalidate) {
    CLabelUI::SetPos(rect, needInvalidate);
    PlaceHostedWindow();
}

void CHostedWindowLabelUI::Move(SIZE offset, bool needInvalidate) {
    CLabelUI::Move(offset, needInvalidate);
    PlaceHostedWindow();
}

void CHostedWindowLabelUI::SetVisible(bool visible) {
    CLabelUI::SetVisible(visible);
    if (!IsVisible()) {
        CloseHostedWindow();
    }
}

void CHostedWindowLabelUI::SetAncestorVisible(bool visible) {
    CLabelUI::SetAncestorVisible(visible);
    if (!IsVisible()) {
        CloseHostedWindow();
    }
}

void CHostedWindowLabelUI::SetEnabled(bool enabled) {
    CLabelUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        CloseHostedWindow();
    }
}

bool CHostedWindowLabelUI::HandleCommonEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CLabelUI::DoEvent(routed); })) {
        return true;
    }
    const bool open = GetNativeWindow() != nullptr;
    switch (event.type) {
    case UIEVENT_SETCURSOR:
        if (!IsEnabled()) {
            return false;
        }
        ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
        return true;
    case UIEVENT_WINDOWSIZE:
        if (open && m_manager != nullptr) {
            m_manager->SetFocusNeeded(this);
        }
        return false;
    case UIEVENT_SCROLLWHEEL:
        return open;
    default:
        return false;
    }
}

}  // namespace SkinUI
