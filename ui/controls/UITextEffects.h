#pragma once

#include <windows.h>

namespace SkinUI {

// How a label's text looks when drawn through GDI+. Colours are 0xAARRGGBB.
struct TextEffects {
    DWORD textColorFrom = 0;  // the text gradient runs between these two
    DWORD textColorTo = 0;
    DWORD shadowColorFrom = 0;
    DWORD shadowColorTo = 0;
    DWORD strokeColor = 0;
    bool luminous = false;      // a blurred copy of the text behind it
    bool stroke = false;        // a one-pixel outline in the stroke colour
    bool shadow = false;        // a copy in the shadow gradient, moved by the shadow offset
    float luminousFuzz = 3.0f;  // how much the blurred copy is shrunk before being stretched back
    int gradientLength = 0;     // 0: the height of the text rectangle
    int gradientAngle = 0;      // x of the gradient's first point
    float shadowX = 0.0f;
    float shadowY = 0.0f;
    UINT textStyle = 0;  // only the DT_ alignment bits count
};

// Draws `text` inside `rect` of `dc` in `font` with `effects`. GDI+ must be
// running. False when GDI+ cannot draw the text there (a font without
// outlines, a device context it cannot use): the text is then not drawn and
// the caller draws it the plain way.
bool DrawTextWithEffects(HDC dc, HFONT font, const RECT& rect, LPCWSTR text, const TextEffects& effects);

}  // namespace SkinUI
