#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// 0xAARRGGBB to a GDI colour; the alpha byte is dropped.
inline COLORREF ToColorRef(DWORD color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

}  // namespace Render
}  // namespace SkinUI
