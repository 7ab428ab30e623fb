#pragma once

#include <windows.h>

#include "ui/controls/UILabel.h"

namespace SkinUI {

// A label that shows a value between a minimum and a maximum as its fore
// image cut to the filled part: left to right, or bottom to top.
class CProgressUI : public CLabelUI {
public:
    CProgressUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void PaintStateImage(HDC dc) override;

    bool IsHorizontal() const { return m_horizontal; }
    void SetHorizontal(bool horizontal = true);
    // The bounds are stored as given; painting puts them in order.
    int GetMinValue() const { return m_min; }
    void SetMinValue(int value);
    int GetMaxValue() const { return m_max; }
    void SetMaxValue(int value);
    int GetValue() const { return m_value; }
    // Kept within the bounds as they are now.
    void SetValue(int value);

protected:
    // The bounds and the value as the geometry reads them: the maximum above
    // the minimum, the value between the two, wide enough that no difference
    // of two of them overflows.
    struct Range {
        long long min;
        long long max;
        long long value;

        long long Span() const { return max - min; }
        long long Offset() const { return value - min; }
    };
    Range GetRange() const;

    // `whole` x `part` / `total` truncated toward zero, with `part` held to
    // 0..`total`; 0 when `total` is not positive. While `total` is no more
    // than the distance between two 32-bit values, as every caller's is, no
    // intermediate product leaves 64 bits.
    static long long Scale(long long whole, long long part, long long total);

    bool m_horizontal = true;
    int m_max = 100;
    int m_min = 0;
    int m_value = 0;
};

}  // namespace SkinUI
