#pragma once

#include <windows.h>

#include "ui/core/control/UIControl.h"

namespace SkinUI {

class CContainerUI;

// A horizontal or vertical scroll bar: two end buttons and a thumb sized in
// proportion to the visible part. A bar owned by a container tells the owner
// to scroll and gets its range and position back from it.
class CScrollBarUI : public CControlUI {
public:
    CScrollBarUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    // Shows or hides the bar without asking for a new layout: the owner lays
    // itself out around its bars.
    void SetVisible(bool visible = true) override;
    void SetFocus() override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;

    CContainerUI* GetOwner() const { return m_owner; }
    void SetOwner(CContainerUI* owner) { m_owner = owner; }
    bool IsHorizontal() const { return m_horizontal; }
    void SetHorizontal(bool horizontal = true);
    int GetScrollRange() const { return m_range; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return m_scrollPos; }
    // With `notify`, a queued "scroll" notification reports the new and the old position.
    void SetScrollPos(int pos, bool notify = true);
    int GetLineSize() const { return m_lineSize; }
    void SetLineSize(int size);
    int GetScrollUnit() const { return m_scrollUnit; }
    void SetScrollUnit(int unit);
    bool GetShowButton1() const { return m_showButton1; }
    void SetShowButton1(bool show);
    bool GetShowButton2() const { return m_showButton2; }
    void SetShowButton2(bool show);

    const RECT& GetButton1Rect() const { return m_button1Rect; }
    const RECT& GetButton2Rect() const { return m_button2Rect; }
    const RECT& GetThumbRect() const { return m_thumbRect; }

private:
    // Computes the button and thumb rectangles from the item rectangle.
    void LayoutParts();

    bool m_horizontal = false;
    int m_range = 100;
    int m_scrollPos = 0;
    int m_lineSize = 8;
    int m_scrollUnit = 1;
    CContainerUI* m_owner = nullptr;
    bool m_showButton1 = true;
    bool m_showButton2 = true;
    RECT m_button1Rect = {0, 0, 0, 0};
    RECT m_button2Rect = {0, 0, 0, 0};
    RECT m_thumbRect = {0, 0, 0, 0};
};

}  // namespace SkinUI
