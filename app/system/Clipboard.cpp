#include "app/system/Clipboard.h"

#include <cstring>

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
