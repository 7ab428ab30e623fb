#include "ui/core/base/UISizeLimits.h"

#include <atomic>

namespace SkinUI {

namespace {

// Zero: not known. Windows of several threads may ask at once.
std::atomic<LONG> g_screenWidth{0};
std::atomic<LONG> g_screenHeight{0};

}  // namespace

SIZE VirtualScreenSize() {
    SIZE size = {g_screenWidth.load(), g_screenHeight.load()};
    if (size.cx <= 0 || size.cy <= 0) {
        size = SIZE{::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        g_screenWidth.store(size.cx);
        g_screenHeight.store(size.cy);
    }
    return size;
}

void ForgetVirtualScreenSize() {
    g_screenWidth.store(0);
    g_screenHeight.store(0);
}

}  // namespace SkinUI
