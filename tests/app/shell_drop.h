#pragma once
// A drop as the shell hands one to a window: a DROPFILES block in movable
// global memory, what DragQueryFileW reads and DragFinish releases.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

inline HDROP MakeShellDrop(const std::vector<std::wstring>& paths) {
    size_t chars = 1;
    for (const std::wstring& path : paths) {
        chars += path.size() + 1;
    }
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = memory != nullptr ? static_cast<DROPFILES*>(::GlobalLock(memory)) : nullptr;
    if (header == nullptr) {
        return nullptr;
    }
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        path.copy(text, path.size());
        text += path.size() + 1;
    }
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
