#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

void CUIManager::RequestLayout(CControlUI* control) {
    if (control == nullptr || control->m_layoutRequested) {
        return;
    }
    if (m_layoutRequests.Add(control)) {
        control->m_layoutRequested = true;
    }
}

void CUIManager::LayOutPending() {
    if (m_root == nullptr) {
        return;
    }
    RECT client = {0, 0, 0, 0};
    ::GetClientRect(m_hwnd, &client);
    m_paint.LayOut(m_root, client);
}

void CUIManager::LayOutRequests() {
    // Taken as a whole: a layout may ask for more, which the next pass takes.
    CPtrArray requests(m_layoutRequests);
    m_layoutRequests.Empty();
    for (int index = 0; index < requests.GetSize(); ++index) {
        static_cast<CControlUI*>(requests[index])->m_layoutRequested = false;
    }
    for (int index = 0; index < requests.GetSize(); ++index) {
        // The outermost control on the way to the root that still waits lays
        // out the others below it; a hidden one or one outside the tree waits on.
        CControlUI* outermost = nullptr;
        CControlUI* node = static_cast<CControlUI*>(requests[index]);
        for (; node != nullptr; node = node->GetParent()) {
            if (!node->IsVisible()) {
                break;
            }
            if (node->IsUpdateNeeded()) {
                outermost = node;
            }
            if (node == m_root) {
                break;
            }
        }
        if (node != m_root || outermost == nullptr) {
            continue;
        }
        outermost->SetPos(outermost->IsFloat() ? outermost->GetRelativePos() : outermost->GetPos(), true);
    }
}

}  // namespace SkinUI
