#pragma once

#include <windows.h>

namespace SkinUI {

// First raised to the minimum, then lowered to the maximum: when the two
// cross, the maximum wins.
inline int ClampToLimits(int value, int minimum, int maximum) {
    if (value < minimum) {
        value = minimum;
    }
    if (value > maximum) {
        value = maximum;
    }
    return value;
}

// The part of `length` that `fraction` stands for, rounded toward zero.
inline LONG FractionOf(double fraction, int length) {
    return static_cast<LONG>(fraction * length);
}

}  // namespace SkinUI
