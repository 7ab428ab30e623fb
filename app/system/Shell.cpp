#include "app/system/Shell.h"

#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

std::wstring FolderOf(const std::wstring& path) {
    std::vector<wchar_t> buffer(path.begin(), path.end());
    buffer.push_back(L'\0');
    PathRemoveFileSpecW(buffer.data());
    return std::wstring(buffer.data());
}

void ShowInFolder(const std::wstring& path) {
    // The shell's folder window is a COM object; the calling thread joins an
    // apartment once, the first time it asks (a thread in another already
    // can call it all the same).
    thread_local const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com) && com != RPC_E_CHANGED_MODE) {
        return;
    }
    PIDLIST_ABSOLUTE item = ILCreateFromPathW(path.c_str());
    if (item != nullptr) {
        SHOpenFolderAndSelectItems(item, 0, nullptr, 0);
        ILFree(item);
    }
}

void BringToFront(HWND window) {
    const DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD self = GetCurrentThreadId();
    const bool attach = foreground != 0 && foreground != self;
    if (attach) {
        AttachThreadInput(self, foreground, TRUE);
    }
    SetForegroundWindow(window);
    if (attach) {
        AttachThreadInput(self, foreground, FALSE);
    }
}
