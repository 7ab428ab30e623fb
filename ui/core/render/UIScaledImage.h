#pragma once

#include <windows.h>

#include "ui/core/resources/UIImageDrawInfo.h"

namespace SkinUI {

class CUIManager;

// What an image record draws at a window DPI: the bitmap and, in its pixels,
// the part of it and the widths of the nine-grid borders. At 96 DPI that is
// the image itself. Above, the image is resized once with a smooth filter,
// from the double-size variant when the skin's resources have one: the same
// name with "@2x" before the extension ("button@2x.png", "110@2x"), or after a
// name without one. Sources and corners are written in the image's own
// pixels and scale with it.
struct ScaledImagePart {
    HBITMAP bitmap = nullptr;
    RECT source = {0, 0, 0, 0};
    RECT corner = {0, 0, 0, 0};
};

// `source` in the pixels of the image at its own size. False when no bitmap
// could be made; the caller then draws nothing.
bool ScaleImagePart(CUIManager& manager, ImageDrawInfo& info, const RECT& source, ScaledImagePart* part);

// "name@2x.ext" for "name.ext"; the extension is what follows the last dot
// after the last path separator.
CUIString DoubleSizeName(LPCWSTR name);

}  // namespace SkinUI
