#include "ui/core/gdi/UIAlphaBlend.h"

#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIMsimg32.h"

namespace SkinUI {
namespace Render {

namespace {

constexpr DWORD kFullWeight = 255 * 255;

// One channel of `source` over `dest`; weights are in 1/65025 units.
DWORD MixChannel(DWORD source, DWORD dest, DWORD sourceWeight, DWORD destWeight, int shift) {
    const DWORD s = (source >> shift) & 0xFF;
    const DWORD d = (dest >> shift) & 0xFF;
    DWORD mixed = (s * sourceWeight + d * destWeight + kFullWeight / 2) / kFullWeight;
    // A source that is not truly premultiplied can overshoot.
    if (mixed > 255)
        mixed = 255;
    return mixed << shift;
}

void ComposeOver(const DWORD* source, DWORD* dest, size_t count, BLENDFUNCTION blend) {
    const DWORD constant = blend.SourceConstantAlpha;
    const bool perPixelAlpha = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
    const DWORD sourceWeight = constant * 255;
    for (size_t i = 0; i < count; ++i) {
        const DWORD s = source[i];
        const DWORD d = dest[i];
        const DWORD sourceAlpha = perPixelAlpha ? s >> 24 : 255;
        const DWORD destWeight = kFullWeight - sourceAlpha * constant;
        dest[i] = MixChannel(s, d, sourceWeight, destWeight, 24) | MixChannel(s, d, sourceWeight, destWeight, 16) |
                  MixChannel(s, d, sourceWeight, destWeight, 8) | MixChannel(s, d, sourceWeight, destWeight, 0);
    }
}

}  // namespace

bool Blend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
           int sourceHeight, BLENDFUNCTION blend) {
    const AlphaBlendFunction system = CurrentAlphaBlend();
    if (system != nullptr)
        return system(dest, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, blend) != FALSE;
    return FrameworkAlphaBlend(dest, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, blend);
}

bool FrameworkAlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return false;
    CDibSurface stretched(width, height);
    CDibSurface background(width, height);
    if (!stretched.IsValid() || !background.IsValid())
        return false;
    SetStretchBltMode(stretched.GetDC(), COLORONCOLOR);
    if (!StretchBlt(stretched.GetDC(), 0, 0, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                    SRCCOPY) ||
        !BitBlt(background.GetDC(), 0, 0, width, height, dest, x, y, SRCCOPY))
        return false;
    GdiFlush();
    ComposeOver(stretched.GetPixels(), background.GetPixels(), static_cast<size_t>(width) * static_cast<size_t>(height),
                blend);
    return BitBlt(dest, x, y, width, height, background.GetDC(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace Render
}  // namespace SkinUI
