#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"

namespace SkinUI {

// A decoded image as the UI manager's image tables keep it.
struct ImageEntry {
    HBITMAP bitmap = nullptr;       // 32-bit top-down DIB section, owned
    LPBYTE bits = nullptr;          // its pixels, premultiplied BGRA
    LPBYTE originalBits = nullptr;  // owned copy of the decoded pixels (new[]) for colour adjustment, or null
    int width = 0;
    int height = 0;
    bool hasAlpha = false;  // some pixel is not fully opaque or was masked out
    bool useHsl = false;
    CUIString resourceType;  // the type the image was loaded with; empty for files
    DWORD mask = 0;          // ARGB colour made transparent
    // The image resized for a window DPI other than 96, made on first need
    // (from a double-size variant when there is one) and owned.
    HBITMAP scaledBitmap = nullptr;
    int scaledDpi = 0;
    int scaledWidth = 0;
    int scaledHeight = 0;
};

}  // namespace SkinUI
