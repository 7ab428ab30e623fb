#include "app/RowActions.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>
#include <vector>

namespace {

// Another program may hold the clipboard for a moment; a user would simply click again.
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 10;

bool OpenClipboardOwnedBy(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(kOpenRetryMs);
    }
    return false;
}

HGLOBAL CopyToGlobal(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return nullptr;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

bool CopyToClipboard(HWND owner, const std::wstring& text) {
    if (text.empty() || !OpenClipboardOwnedBy(owner)) {
        return false;
    }
    bool copied = false;
    if (EmptyClipboard()) {
        HGLOBAL memory = CopyToGlobal(text);
        // After SetClipboardData the memory is the system's; before, it is still ours.
        copied = memory != nullptr && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!copied && memory != nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return copied;
}

std::wstring FolderOf(const std::wstring& path) {
    std::vector<wchar_t> buffer(path.begin(), path.end());
    buffer.push_back(L'\0');
    PathRemoveFileSpecW(buffer.data());
    return std::wstring(buffer.data());
}

void ShowInFolder(const std::wstring& path) {
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
