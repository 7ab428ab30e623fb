#include "ui/core/base/UIDpi.h"

namespace SkinUI {

// GetDpiForWindow and GetDpiForSystem exist from Windows 10 1607 on; before
// them, a window has the DPI of its device.
int WindowDpi(HWND window) {
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    using GetDpiForSystemProc = UINT(WINAPI*)();
    static const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowProc>(reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")));
    static const auto getDpiForSystem =
        reinterpret_cast<GetDpiForSystemProc>(reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForSystem")));
    const UINT asked = window != nullptr ? (getDpiForWindow != nullptr ? getDpiForWindow(window) : 0)
                                         : (getDpiForSystem != nullptr ? getDpiForSystem() : 0);
    if (asked > 0) {
        return static_cast<int>(asked);
    }
    HDC dc = ::GetDC(window);
    const int dpi = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSX) : kBaseDpi;
    if (dc != nullptr) {
        ::ReleaseDC(window, dc);
    }
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace SkinUI
