#include "ui/core/gdi/UIColorAdjust.h"

#include <algorithm>
#include <cmath>

namespace SkinUI {
namespace Render {

namespace {

struct Hsl {
    double hue;  // degrees, 0 to 360
    double saturation;
    double lightness;
};

Hsl ToHsl(double red, double green, double blue) {
    const double high = std::max({red, green, blue});
    const double low = std::min({red, green, blue});
    Hsl hsl = {0.0, 0.0, (high + low) / 2.0};
    const double range = high - low;
    if (range <= 0.0)
        return hsl;
    hsl.saturation = hsl.lightness > 0.5 ? range / (2.0 - high - low) : range / (high + low);
    double sector;
    if (high == red)
        sector = (green - blue) / range + (green < blue ? 6.0 : 0.0);
    else if (high == green)
        sector = (blue - red) / range + 2.0;
    else
        sector = (red - green) / range + 4.0;
    hsl.hue = sector * 60.0;
    return hsl;
}

double HueToChannel(double low, double high, double hue) {
    if (hue < 0.0)
        hue += 360.0;
    if (hue >= 360.0)
        hue -= 360.0;
    if (hue < 60.0)
        return low + (high - low) * hue / 60.0;
    if (hue < 180.0)
        return high;
    if (hue < 240.0)
        return low + (high - low) * (240.0 - hue) / 60.0;
    return low;
}

DWORD ToByte(double channel) {
    return static_cast<DWORD>(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0));
}

}  // namespace

DWORD AdjustColor(DWORD color, short hue, short saturation, short lightness) {
    if (hue == kNeutralHue && saturation == kNeutralSaturation && lightness == kNeutralLightness)
        return color;
    Hsl hsl = ToHsl(((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, (color & 0xFF) / 255.0);
    hsl.hue = std::fmod(hsl.hue + (hue - kNeutralHue), 360.0);
    if (hsl.hue < 0.0)
        hsl.hue += 360.0;
    hsl.saturation = std::clamp(hsl.saturation * saturation / 100.0, 0.0, 1.0);
    hsl.lightness = std::clamp(hsl.lightness * lightness / 100.0, 0.0, 1.0);

    const double high = hsl.lightness < 0.5 ? hsl.lightness * (1.0 + hsl.saturation)
                                            : hsl.lightness + hsl.saturation - hsl.lightness * hsl.saturation;
    const double low = 2.0 * hsl.lightness - high;
    const DWORD red = ToByte(HueToChannel(low, high, hsl.hue + 120.0));
    const DWORD green = ToByte(HueToChannel(low, high, hsl.hue));
    const DWORD blue = ToByte(HueToChannel(low, high, hsl.hue - 120.0));
    return (color & 0xFF000000) | (red << 16) | (green << 8) | blue;
}

}  // namespace Render
}  // namespace SkinUI
