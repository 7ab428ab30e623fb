#pragma once
// Tells every top-level window that the session's fonts changed, so that
// running programs refresh their font lists.
#include <windows.h>

// Posted, never sent: SendMessage to every window waits on the first hung one.
inline void PostFontChange() {
    PostMessageW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
}
