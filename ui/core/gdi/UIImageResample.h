#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// `bits` (premultiplied BGRA, `width` x `height`, rows from the top) resized
// to `newWidth` x `newHeight` with a linear filter that widens as it shrinks,
// so that enlarging is smooth and shrinking averages. A 32-bit top-down DIB
// section, or null when a size is not positive or the system refuses it.
HBITMAP ResampleImage(const BYTE* bits, int width, int height, int newWidth, int newHeight);

}  // namespace Render
}  // namespace SkinUI
