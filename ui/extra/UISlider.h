#pragma once

#include <windows.h>

#include "ui/extra/UIProgress.h"

namespace SkinUI {

// A progress bar with a thumb that the mouse drags or the wheel steps;
// reports "valuechanged" (read the value back with GetValue).
class CSliderUI : public CProgressUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    void SetEnabled(bool enabled = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void PaintStateImage(HDC dc) override;

    // Where the thumb lies for the current value, in window client coordinates.
    RECT GetThumbRect() const;
    SIZE GetThumbSize() const { return Scaled(m_thumbSize); }
    // A negative extent reads as 0. Takes effect at the next paint.
    void SetThumbSize(SIZE size);
    // What one notch of the wheel adds or takes away.
    int GetChangeStep() const { return m_step; }
    void SetChangeStep(int step) { m_step = step; }
    // Whether "valuechanged" follows every move of a drag, not just its end.
    bool IsImmediateMode() const { return m_immediate; }
    void SetImmediateMode(bool immediate) { m_immediate = immediate; }
    void SetThumbImage(LPCWSTR description) { SetImage(m_thumbImage, description); }
    void SetThumbHotImage(LPCWSTR description) { SetImage(m_thumbHotImage, description); }
    void SetThumbPushedImage(LPCWSTR description) { SetImage(m_thumbPushedImage, description); }

private:
    // The value whose thumb the point would centre, within the range.
    int ValueAt(POINT point) const;
    void NotifyValueChanged();
    bool IsCaptured() const;

    SIZE m_thumbSize = {10, 10};
    UINT m_buttonState = 0;  // hot and captured, the bits of a button
    int m_step = 1;
    bool m_immediate = false;
    ImageDrawInfo m_thumbImage;
    ImageDrawInfo m_thumbHotImage;
    ImageDrawInfo m_thumbPushedImage;
};

}  // namespace SkinUI
