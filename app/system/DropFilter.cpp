#include "app/system/DropFilter.h"

#include <initializer_list>

namespace {

// The message through which a drop's data crosses process boundaries.
constexpr UINT kCopyGlobalData = 0x0049;
constexpr DWORD kAllowMessage = 1;  // MSGFLT_ALLOW

using ChangeFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);

}  // namespace

void AllowDropsFromLowerIntegrity(HWND window) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    // Resolved at run time: older systems lack it and must still start.
    const auto change = user32 != nullptr ? reinterpret_cast<ChangeFilter>(reinterpret_cast<void (*)()>(
                                                GetProcAddress(user32, "ChangeWindowMessageFilterEx")))
                                          : nullptr;
    if (change == nullptr) {
        return;
    }
    for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
        change(window, message, kAllowMessage, nullptr);
    }
}
