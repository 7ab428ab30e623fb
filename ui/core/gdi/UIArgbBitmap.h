#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// A 32-bit bottom-up DIB section (rows from the bottom, as screen copies and
// clipboard bitmaps expect); `bits` receives its pixel memory. Null, and null
// bits, when the size is not positive or the system refuses it.
HBITMAP CreateARGB32Bitmap(HDC dc, int width, int height, LPBYTE* bits);

}  // namespace Render
}  // namespace SkinUI
