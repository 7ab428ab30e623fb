// Quillet: mounts the font files dropped on its window for this session and
// unmounts them when it closes.

#include <windows.h>

#include <objbase.h>

#include <new>

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
    // The window deletes itself on its last message.
    auto* window = new (std::nothrow) CQuilletMain(fonts, names);
    if (window == nullptr) {
        return 0;
    }
    constexpr DWORD kStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_STATICEDGE | WS_EX_ACCEPTFILES;
    // A window that failed part-way has already deleted itself.
    if (window->Create(nullptr, L"墨匣", kStyle, kExStyle, 0, 0, 600, 800) == nullptr) {
        return 1;
    }
    window->CenterWindow();
    ::ShowWindow(*window, SW_SHOW);
    SkinUI::CUIManager::MessageLoop();
    return 0;
}
