#pragma once

#include <windows.h>

#include "ui/core/resources/UIImageDrawInfo.h"

namespace SkinUI {

class CUIManager;

// What one draw changes of an image's parsed attributes, without changing the
// attributes themselves: a scroll bar places each part where it lies now, a
// fading button draws at the alpha of the moment.
struct ImageDrawOverride {
    const RECT* dest = nullptr;  // relative to the item rectangle, as "dest" is
    int fade = -1;               // 0 to 255; below 0 keeps the attribute's
};

// Narrows the clip region of a device context until the scope ends, then
// puts the previous region back. A scope clips once.
class CClipScope {
public:
    CClipScope() = default;
    CClipScope(const CClipScope&) = delete;
    CClipScope& operator=(const CClipScope&) = delete;
    ~CClipScope();

    void ClipToRect(HDC dc, const RECT& rect);
    // `rect` intersected with a rounded rectangle around `roundRect`.
    void ClipToRoundRect(HDC dc, const RECT& rect, const RECT& roundRect, int ellipseWidth, int ellipseHeight);
    // Brings back the region that was in force before the scope, until ResumeClip.
    void SuspendClip();
    void ResumeClip();

private:
    void Begin(HDC dc, const RECT& rect);

    HDC m_dc = nullptr;
    HRGN m_newRegion = nullptr;
    HRGN m_oldRegion = nullptr;
};

// Stateless drawing operations on a GDI device context. Colours are
// 0xAARRGGBB; alpha 0 means no colour.
class CRenderer {
public:
    // Shifts the hue by (hue - 180) degrees and scales saturation and
    // lightness by saturation / 100 and lightness / 100; alpha is kept.
    static DWORD AdjustColor(DWORD color, short hue, short saturation, short lightness);

    static void DrawColor(HDC dc, const RECT& rect, DWORD color);
    static void DrawGradient(HDC dc, const RECT& rect, DWORD colorFrom, DWORD colorTo, bool vertical, int steps);
    // A line from the rectangle's left/top to its right/bottom.
    static void DrawLine(HDC dc, const RECT& rect, int width, DWORD color, int penStyle = PS_SOLID);
    static void DrawRect(HDC dc, const RECT& rect, int width, DWORD color, int penStyle = PS_SOLID);
    static void DrawRoundRect(HDC dc, const RECT& rect, int width, int ellipseWidth, int ellipseHeight, DWORD color,
                              int penStyle = PS_SOLID);
    static void DrawText(HDC dc, CUIManager* manager, RECT& rect, LPCWSTR text, DWORD color, int fontId, UINT style);
    // The HTML-like markup; `linkRects` and `linkNames` are arrays of
    // `linkCount` entries holding the links of the last paint (for the hover
    // colour), and `linkCount` returns how many links were found.
    static void DrawRichText(HDC dc, CUIManager* manager, RECT& rect, LPCWSTR text, DWORD color, RECT* linkRects,
                             CUIString* linkNames, int& linkCount, int fontId, UINT style);

    // Draws the image that `info` describes as a nine-grid, loading it through
    // the manager's image table at its first paint (once per attribute value);
    // false when it cannot be loaded. With a null `dc` the image is only
    // loaded, and without a manager nothing happens (true).
    static bool DrawImage(HDC dc, CUIManager* manager, const RECT& itemRect, const RECT& paintRect, ImageDrawInfo& info,
                          const ImageDrawOverride& override = ImageDrawOverride());
};

}  // namespace SkinUI
