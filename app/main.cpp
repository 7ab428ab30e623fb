// Quillet: mounts the font files dropped on its window, or given on its
// command line, for this session and unmounts them when it closes.

#include <windows.h>

#include "app/fonts/FontNameReader.h"
#include "app/fonts/GdiFontSystem.h"
#include "app/fonts/MountJournal.h"
#include "app/system/CommandLine.h"
#include "app/system/SingleInstance.h"
#include "app/windows/QuilletMain.h"
#include "ui/core/manager/UIManager.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    std::vector<std::wstring> paths = CommandLinePaths(::GetCommandLineW());
    const SingleInstance instanceLock;
    if (!instanceLock.IsFirst()) {
        // The running Quillet mounts them; two would unmount each other's fonts.
        return HandToRunningInstance(CQuilletMain::kWindowClass, paths) ? 0 : 1;
    }
    SkinUI::CUIManager::SetInstance(instance);
    // COM is initialised where the shell needs it (ComScope): loading it here
    // cost a start more than the window does under some systems.
    GdiFontSystem fonts;
    FreeTypeNameReader names;
    const MountJournal journal(MountJournal::PathForThisUser());
    // Shown once it has its skin's size and place: a visible window would be
    // drawn, resized and moved on the way there.
    constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
    constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_STATICEDGE | WS_EX_ACCEPTFILES;
    // The window deletes itself on its last message, and is gone already when creation fails.
    CQuilletMain* window = CAppWindow::CreateOwned(new CQuilletMain(fonts, names, journal), nullptr, L"墨匣", kStyle,
                                                   kExStyle, 0, 0, 600, 800);
    if (window == nullptr) {
        return 1;
    }
    window->CenterWindow();
    ::ShowWindow(*window, SW_SHOW);
    if (!paths.empty()) {
        window->MountPaths(std::move(paths));
    }
    SkinUI::CUIManager::MessageLoop();
    return 0;
}
