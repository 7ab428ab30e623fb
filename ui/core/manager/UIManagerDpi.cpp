#include "ui/core/base/UIDpi.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

// GetDpiForWindow exists from Windows 10 1607 on; before it, a window has the
// DPI of its device.
int WindowDpi(HWND window) {
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowProc>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC dc = ::GetDC(window);
    const int dpi = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSX) : kBaseDpi;
    if (dc != nullptr) {
        ::ReleaseDC(window, dc);
    }
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

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
