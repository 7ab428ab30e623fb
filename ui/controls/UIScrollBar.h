#pragma once

#include <windows.h>

#include "ui/core/control/UIControl.h"
#include "ui/core/resources/UIImageDrawInfo.h"

namespace SkinUI {

class CContainerUI;

// The parts of a scroll bar that are drawn from images.
enum class ScrollBarPart { Background, Button1, Button2, Thumb, Rail };
// Which image of a part applies to the state it is in.
enum class ScrollBarImage { Normal, Hot, Pushed, Disabled };

// A horizontal or vertical scroll bar: two end buttons and a thumb sized in
// proportion to the visible part, drawn from images and colours. A bar owned
// by a container tells the owner to scroll and gets its range and position
// back from it; a bar without owner keeps its own position. Either way a
// position set with notification raises "scroll" (wParam the new position,
// lParam the old one), queued so that a burst of moves is reported once.
//
// A press on a button, the thumb or the track starts control timer 10
// (every 50 ms): a dragged thumb follows the pointer at each tick, and a held
// button or track repeats its step from the sixth tick on. The press ends on
// button-up, on UIEVENT_CANCELPRESS, when the bar is disabled or hidden, and
// at a tick that finds nothing pressed.
class CScrollBarUI : public CControlUI {
public:
    // State bits of the buttons and the thumb.
    enum : UINT {
        kStateDisabled = 0x04,
        kStateHot = 0x08,
        kStatePushed = 0x10,
        kStateCaptured = 0x40,  // the thumb is being dragged
    };
    static constexpr UINT kRepeatTimerId = 10;
    static constexpr UINT kRepeatElapse = 50;
    // Ticks of a held button or track press before it starts to repeat.
    static constexpr int kRepeatDelayTicks = 5;

    CScrollBarUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void Move(SIZE offset, bool needInvalidate = true) override;
    // An owned bar is shown or hidden without asking for a new layout: the
    // owner lays itself out around its bars. A bar without owner behaves
    // like any control.
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetFocus() override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    // The background, the buttons, the thumb and the rail, in that order.
    void PaintStateImage(HDC dc) override;

    CContainerUI* GetOwner() const { return m_owner; }
    void SetOwner(CContainerUI* owner) { m_owner = owner; }
    bool IsHorizontal() const { return m_horizontal; }
    void SetHorizontal(bool horizontal = true);
    int GetScrollRange() const { return m_range; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return m_scrollPos; }
    void SetScrollPos(int pos, bool notify = true);
    int GetLineSize() const { return m_lineSize; }
    void SetLineSize(int size);
    int GetScrollUnit() const { return m_scrollUnit; }
    void SetScrollUnit(int unit);
    bool GetShowButton1() const { return m_showButton1; }
    void SetShowButton1(bool show);
    bool GetShowButton2() const { return m_showButton2; }
    void SetShowButton2(bool show);

    DWORD GetButton1Color() const { return m_button1Color; }
    void SetButton1Color(DWORD color);
    DWORD GetButton2Color() const { return m_button2Color; }
    void SetButton2Color(DWORD color);
    DWORD GetThumbColor() const { return m_thumbColor; }
    void SetThumbColor(DWORD color);
    void SetPartImage(ScrollBarPart part, ScrollBarImage image, LPCWSTR description);

    // Window client coordinates, like GetPos.
    const RECT& GetButton1Rect() const { return m_button1Rect; }
    const RECT& GetButton2Rect() const { return m_button2Rect; }
    const RECT& GetThumbRect() const { return m_thumbRect; }
    UINT GetButton1State() const { return m_button1State; }
    UINT GetButton2State() const { return m_button2State; }
    UINT GetThumbState() const { return m_thumbState; }

private:
    static constexpr int kPartCount = 5;
    static constexpr int kImageCount = 4;

    // What the current press holds down.
    enum class Press { None, Button1, Button2, Thumb, Track };

    // Computes the button and thumb rectangles from the item rectangle.
    void LayoutParts();
    // Lays the parts out again where the bar is and repaints it.
    void Relayout();
    int Thickness() const;
    LONG Along(POINT point) const { return m_horizontal ? point.x : point.y; }
    LONG StartOf(const RECT& rect) const { return m_horizontal ? rect.left : rect.top; }
    LONG EndOf(const RECT& rect) const { return m_horizontal ? rect.right : rect.bottom; }

    // Input.
    void PassToOwner(UIEvent& event);
    void OnPress(POINT point);
    // A button-up: a drag not yet applied by a tick lands, then the press ends.
    void OnRelease();
    void EndPress();
    void OnDrag(POINT point);
    void OnRepeatTick();
    void OnMouseEnter(POINT point);
    bool OnMouseLeave(const UIEvent& event);
    void TrackHotThumb(POINT point);
    void StepBack();
    void StepForward();
    void PageBack();
    void PageForward();
    // Pages towards `point` when it lies in the track before or after the thumb.
    bool PageTowards(POINT point);
    // Moves to `target`, kept within the range, through the owner when there is one.
    void ScrollTo(long long target);

    // Painting.
    ImageDrawInfo& Image(ScrollBarPart part, ScrollBarImage image);
    // The image of the first state that applies: disabled, pushed, hot.
    static bool StateImageOf(UINT state, ScrollBarImage* image);
    void PaintPart(HDC dc, ScrollBarPart part, const RECT& rect, UINT state, DWORD color);
    void PaintBackground(HDC dc);
    void PaintRail(HDC dc);

    bool m_horizontal = false;
    int m_range = 100;
    int m_scrollPos = 0;
    int m_lineSize = 8;
    int m_scrollUnit = 1;
    CContainerUI* m_owner = nullptr;
    Press m_press = Press::None;
    POINT m_pressPoint = {0, 0};
    int m_posAtPress = 0;
    int m_dragOffset = 0;  // in range units
    int m_repeatCount = 0;
    bool m_showButton1 = true;
    bool m_showButton2 = true;
    RECT m_button1Rect = {0, 0, 0, 0};
    RECT m_button2Rect = {0, 0, 0, 0};
    RECT m_thumbRect = {0, 0, 0, 0};
    UINT m_button1State = 0;
    UINT m_button2State = 0;
    UINT m_thumbState = 0;
    DWORD m_button1Color = 0;
    DWORD m_button2Color = 0;
    DWORD m_thumbColor = 0;
    ImageDrawInfo m_images[kPartCount][kImageCount];
};

}  // namespace SkinUI
