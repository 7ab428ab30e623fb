#include "ui/core/gdi/UIClipRegion.h"

namespace SkinUI {
namespace Render {

HRGN SaveClipRegion(HDC dc) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (region == nullptr)
        return nullptr;
    // 1: a region was copied; 0: the DC has none; -1: failure, treated as none.
    if (GetClipRgn(dc, region) != 1) {
        DeleteObject(region);
        return nullptr;
    }
    return region;
}

void RestoreClipRegion(HDC dc, HRGN saved) {
    SelectClipRgn(dc, saved);
}

}  // namespace Render
}  // namespace SkinUI
