#pragma once

// Stands in for UpdateLayeredWindow and keeps what a layered window would
// have put on the screen.
#include <windows.h>

#include <vector>

// What the last UpdateLayeredWindow call would have put on the screen.
struct LayeredPush {
    int calls = 0;
    POINT destination = {0, 0};
    SIZE size = {0, 0};
    BLENDFUNCTION blend = {};
    DWORD flags = 0;
    SIZE bitmapSize = {0, 0};
    std::vector<DWORD> pixels;  // rows from the top

    DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * bitmapSize.cx + x]; }
};

inline LayeredPush g_push;

inline BOOL WINAPI CaptureLayeredPush(HWND, HDC, POINT* destination, SIZE* size, HDC source, POINT*, COLORREF,
                                      BLENDFUNCTION* blend, DWORD flags) {
    ++g_push.calls;
    g_push.destination = *destination;
    g_push.size = *size;
    g_push.blend = *blend;
    g_push.flags = flags;
    DIBSECTION section = {};
    HGDIOBJ bitmap = ::GetCurrentObject(source, OBJ_BITMAP);
    if (::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) || section.dsBm.bmBits == nullptr) {
        g_push.bitmapSize = SIZE{0, 0};
        g_push.pixels.clear();
        return TRUE;
    }
    const int width = section.dsBm.bmWidth;
    const int height = section.dsBm.bmHeight;
    g_push.bitmapSize = SIZE{width, height};
    g_push.pixels.assign(static_cast<size_t>(width) * height, 0);
    const auto* bits = static_cast<const DWORD*>(section.dsBm.bmBits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            g_push.pixels[static_cast<size_t>(y) * width + x] = bits[static_cast<size_t>(height - 1 - y) * width + x];
        }
    }
    return TRUE;
}
