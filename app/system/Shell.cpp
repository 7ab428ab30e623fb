#include "app/system/Shell.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "app/system/ComScope.h"

std::wstring FolderOf(const std::wstring& path) {
    std::vector<wchar_t> buffer(path.begin(), path.end());
    buffer.push_back(L'\0');
    PathRemoveFileSpecW(buffer.data());
    return std::wstring(buffer.data());
}

void ShowInFolder(const std::wstring& path) {
    // The shell's folder window is a COM object.
    const ComScope com;
    if (!com.Usable()) {
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
