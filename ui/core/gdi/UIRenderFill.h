#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// Fills `rect` with an ARGB colour: alpha 0 draws nothing, 255 paints solid,
// anything between blends the colour over what is there.
void DrawColor(HDC dc, const RECT& rect, DWORD color);

// A two-colour gradient from the left (or, `vertical`, the top) edge to the
// opposite one, at the mean opacity of the two colours. Without the system's
// GradientFill, bands of solid colour stand in: more of them for more
// `steps`, at most 64.
void DrawGradient(HDC dc, const RECT& rect, DWORD colorFrom, DWORD colorTo, bool vertical, int steps);

}  // namespace Render
}  // namespace SkinUI
