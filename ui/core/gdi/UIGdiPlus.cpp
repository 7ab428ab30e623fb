#include "ui/core/gdi/UIGdiPlus.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace SkinUI {

namespace {

int g_users = 0;
ULONG_PTR g_token = 0;

bool AcquireGdiPlus() {
    if (g_users == 0) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&g_token, &input, nullptr) != Gdiplus::Ok) {
            return false;
        }
    }
    ++g_users;
    return true;
}

void ReleaseGdiPlus() {
    if (--g_users == 0) {
        Gdiplus::GdiplusShutdown(g_token);
        g_token = 0;
    }
}

}  // namespace

CGdiPlusUser::CGdiPlusUser() : m_started(AcquireGdiPlus()) {}

CGdiPlusUser::~CGdiPlusUser() {
    if (m_started) {
        ReleaseGdiPlus();
    }
}

int GdiPlusUserCount() {
    return g_users;
}

}  // namespace SkinUI
