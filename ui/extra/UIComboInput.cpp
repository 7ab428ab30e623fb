// What the combo box does with the mouse and the keyboard.

#include "ui/controls/UIButton.h"
#include "ui/core/control/UIHover.h"
#include "ui/extra/UICombo.h"

namespace SkinUI {

void CComboUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CContainerUI::DoEvent(routed); })) {
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
        Invalidate();
        break;
    case UIEVENT_BUTTONDOWN:
        if (IsEnabled()) {
            Activate();
            // Pushed only with a popup: the popup's end is what clears it.
            m_buttonState |= UISTATE_CAPTURED | (m_dropWindow != nullptr ? UISTATE_PUSHED : 0u);
            Invalidate();
        }
        return;
    case UIEVENT_BUTTONUP:
    case UIEVENT_CANCELPRESS:
        if ((m_buttonState & UISTATE_CAPTURED) != 0) {
            m_buttonState &= ~UISTATE_CAPTURED;
            Invalidate();
        }
        return;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_CONTEXTMENU:
        return;
    case UIEVENT_KEYDOWN:
        if (IsKeyboardEnabled() && IsEnabled()) {
            if (event.key == VK_F4) {
                Activate();
            } else {
                SelectByKey(event.key);
            }
            return;
        }
        break;
    case UIEVENT_SCROLLWHEEL:
        if (IsEnabled()) {
            const bool down = event.wParam == 1;
            SelectKeepingPopup(down ? FindSelectableItem(m_curSel + 1, true) : FindSelectableItem(m_curSel - 1, false),
                               true);
            return;
        }
        break;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        if (UpdateHotState(*this, event, m_itemRect, m_buttonState, UISTATE_HOT) == HoverChange::StillInside) {
            return;
        }
        break;
    default:
        break;
    }
    CControlUI::DoEvent(event);
}

void CComboUI::SelectByKey(WCHAR key) {
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        SelectKeepingPopup(FindSelectableItem(m_curSel - 1, false), true);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        SelectKeepingPopup(FindSelectableItem(m_curSel + 1, true), true);
        break;
    case VK_HOME:
        SelectKeepingPopup(FindSelectableItem(0, false), true);
        break;
    case VK_END:
        // Searching back from the end finds the last row that can be selected.
        SelectKeepingPopup(FindSelectableItem(GetCount() - 1, false), true);
        break;
    default:
        break;
    }
}

}  // namespace SkinUI
