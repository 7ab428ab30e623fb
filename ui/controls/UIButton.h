#pragma once

#include <windows.h>

#include "ui/controls/UILabel.h"

namespace SkinUI {

// Bits of the state word of buttons, options and check boxes.
enum : UINT {
    UISTATE_FOCUSED = 0x01,  // refreshed from the control's focus before painting
    UISTATE_SELECTED = 0x02,
    UISTATE_DISABLED = 0x04,  // refreshed from the enabled state before painting
    UISTATE_HOT = 0x08,
    UISTATE_PUSHED = 0x10,
    UISTATE_CAPTURED = 0x40,  // pressed inside and the mouse button is still down
};

// A label that reacts to the mouse and the keyboard: an image and a text
// colour per state, an optional cross-fade between its normal and hot
// images, and "click" when activated.
class CButtonUI : public CLabelUI {
public:
    // The control timer that drives the fade, and its period in milliseconds.
    static constexpr UINT kFadeTimerId = 11;
    static constexpr UINT kFadeElapse = 30;

    CButtonUI();
    ~CButtonUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;

    UINT GetButtonState() const { return m_buttonState; }
    void SetNormalImage(LPCWSTR description) { SetImage(m_normalImage, description); }
    void SetHotImage(LPCWSTR description) { SetImage(m_hotImage, description); }
    void SetPushedImage(LPCWSTR description) { SetImage(m_pushedImage, description); }
    void SetFocusedImage(LPCWSTR description) { SetImage(m_focusedImage, description); }
    void SetDisabledImage(LPCWSTR description) { SetImage(m_disabledImage, description); }
    // One image of five side-by-side states: normal, pushed, hot, focused, disabled.
    void SetFiveStatusImage(LPCWSTR description);
    // The step of the fade per tick; 0 switches fading off (and ends a fade in progress).
    void SetFadeDelta(BYTE delta);
    BYTE GetFadeDelta() const { return m_fadeDelta; }

protected:
    // A button's size never depends on its text.
    bool SizeFollowsContent() const override;
    // Gives a record a new attribute string; its image is loaded at the next draw.
    // Draws an image record at `alpha` parts of 255 of its own fade.
    bool DrawFadedImage(HDC dc, ImageDrawInfo& info, BYTE alpha);
    // Sets the focused and disabled bits from the control.
    void RefreshStateBits();

    UINT m_buttonState = 0;
    DWORD m_hotBkColor = 0;
    DWORD m_hotTextColor = 0;
    DWORD m_pushedTextColor = 0;
    DWORD m_focusedTextColor = 0;

private:
    void StepFade();
    // Puts the fade at the end it was heading for and stops its timer.
    void EndFade();
    void PaintNormalImage(HDC dc);
    // Draws the hot state; false when the fore image still has to follow.
    bool PaintHotImage(HDC dc);
    bool IsInside(POINT point) const { return ::PtInRect(&m_itemRect, point) != FALSE; }

    BYTE m_fadeAlpha = 255;
    BYTE m_fadeDelta = 0;
    ImageDrawInfo m_normalImage;
    ImageDrawInfo m_hotImage;
    ImageDrawInfo m_hotForeImage;
    ImageDrawInfo m_pushedImage;
    ImageDrawInfo m_focusedImage;
    ImageDrawInfo m_disabledImage;
};

}  // namespace SkinUI
