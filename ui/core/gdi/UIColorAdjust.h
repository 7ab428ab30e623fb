#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// The settings at which AdjustColor changes nothing.
constexpr short kNeutralHue = 180;
constexpr short kNeutralSaturation = 100;
constexpr short kNeutralLightness = 100;

// Shifts an ARGB colour's hue by (hue - 180) degrees and scales its
// saturation and lightness by saturation / 100 and lightness / 100 (capped at
// full); alpha is kept.
DWORD AdjustColor(DWORD color, short hue, short saturation, short lightness);

}  // namespace Render
}  // namespace SkinUI
