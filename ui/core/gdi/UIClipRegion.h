#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// A copy of the clip region of `dc` (device coordinates), owned by the
// caller; null when the DC has no clip region, that is, draws everywhere.
// Saving the region itself rather than its bounding box keeps a rounded or
// otherwise shaped clip intact across nested scopes.
HRGN SaveClipRegion(HDC dc);

// Puts back what SaveClipRegion returned: that region, or no clip at all for
// null. The region stays the caller's to delete.
void RestoreClipRegion(HDC dc, HRGN saved);

}  // namespace Render
}  // namespace SkinUI
