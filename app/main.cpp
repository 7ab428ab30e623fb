// Quillet: mounts the font files dropped on its window for this session and
// unmounts them when it closes.

#include <windows.h>

#include <objbase.h>

#include "app/FontNameReader.h"
#include "app/GdiFontSystem.h"
#include "app/QuilletMain.h"
#include "ui/core/manager/UIManager.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    SkinUI::CUIManager::SetInstance(instance);
    if (FAILED(::CoInitialize(nullptr))) {
        return 0;
    }
    GdiFontSystem fonts;
    FreeTypeNameReader names;
    constexpr DWORD kStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_STATICEDGE | WS_EX_ACCEPTFILES;
    // The window deletes itself on its last message, and is gone already when creation fails.
    CQuilletMain* window =
        CAppWindow::CreateOwned(new CQuilletMain(fonts, names), nullptr, L"墨匣", kStyle, kExStyle, 0, 0, 600, 800);
    if (window == nullptr) {
        return 1;
    }
    window->CenterWindow();
    ::ShowWindow(*window, SW_SHOW);
    SkinUI::CUIManager::MessageLoop();
    return 0;
}
