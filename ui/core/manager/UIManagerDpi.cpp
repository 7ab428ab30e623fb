#include "ui/core/base/UIDpi.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

void CUIManager::TakeWindowDpi() {
    SetDpi(WindowDpi(m_hwnd));
}

void CUIManager::SetDpi(int dpi) {
    if (dpi <= 0 || dpi == m_dpi) {
        return;
    }
    m_dpi = dpi;
    m_resources.SetDpi(dpi);
    if (m_root != nullptr) {
        m_root->NeedUpdate();
    }
    Invalidate();
}

int CUIManager::Scale(int length) const {
    return ScaleLength(length, m_dpi);
}

RECT CUIManager::Scale(const RECT& lengths) const {
    return ScaleRect(lengths, m_dpi);
}

SIZE CUIManager::Scale(SIZE lengths) const {
    return ScaleSize(lengths, m_dpi);
}

int CUIManager::Unscale(int pixels) const {
    return UnscaleLength(pixels, m_dpi);
}

bool CUIManager::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    SetDpi(HIWORD(wParam));
    // The system suggests where the window keeps its place and its size in 96-DPI units.
    if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
        ::SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

}  // namespace SkinUI
