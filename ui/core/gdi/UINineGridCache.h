#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// Draws like DrawImageRaw, but an image with alpha is composed once per size
// into a premultiplied bitmap that later paints blend in one call instead of
// nine (list cells of one size share it). Opaque images, plain copies and
// large destinations go straight to DrawImageRaw.
void DrawImageComposed(HDC dc, HBITMAP bitmap, const RECT& dest, const RECT& paint, const RECT& source,
                       const RECT& corner, bool hasAlpha, BYTE fade, bool hole, bool xTiled, bool yTiled);

// Drops what was composed from `bitmap`, before the bitmap is deleted: a
// later bitmap may get the same handle.
void ForgetComposedImages(HBITMAP bitmap);
// How many composed bitmaps are held for `bitmap`.
int ComposedImageCount(HBITMAP bitmap);

}  // namespace Render
}  // namespace SkinUI
