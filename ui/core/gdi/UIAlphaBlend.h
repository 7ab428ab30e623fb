#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// AlphaBlend through the function in use (UIMsimg32.h), or the framework's
// own when there is none. Same arguments and meaning as the system call.
bool Blend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
           int sourceHeight, BLENDFUNCTION blend);

// The framework's own AlphaBlend: the source rectangle is stretched to the
// destination size and composed over it the way the system does it, with a
// premultiplied source under AC_SRC_ALPHA (colour = source * constant +
// destination * (1 - sourceAlpha * constant)) and the constant opacity alone
// otherwise; alpha is composed like the colours. False, with the destination
// unchanged, for an empty or mirrored rectangle or when memory runs out.
bool FrameworkAlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, BLENDFUNCTION blend);

}  // namespace Render
}  // namespace SkinUI
