#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// Draws `source` of `bitmap` onto `dest` as a nine-grid: the corners of
// `corner` (left, top, right and bottom border widths) are copied unscaled,
// the edges stretched along their length, and the middle stretched or tiled
// (`xTiled`, `yTiled`) unless `hole`. Pieces that miss `paint` are not drawn.
// With `hasAlpha` or a `fade` below 255 the pieces are blended (premultiplied
// pixels, `fade` as constant opacity); otherwise they are copied. The source
// is cut to the bitmap, and a piece whose source or destination is empty, or
// whose source leaves the bitmap, is left out.
void DrawImageRaw(HDC dc, HBITMAP bitmap, const RECT& dest, const RECT& paint, const RECT& source, const RECT& corner,
                  bool hasAlpha, BYTE fade, bool hole, bool xTiled, bool yTiled);

}  // namespace Render
}  // namespace SkinUI
