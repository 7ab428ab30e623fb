#pragma once

#include <windows.h>

#include "ui/core/control/UIControl.h"

namespace SkinUI {

// One column caption of a list header. A press reports "headerclick"; its
// separator edge resizes the column when dragged.
class CListHeaderItemUI : public CControlUI {
public:
    CListHeaderItemUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    void SetEnabled(bool enabled = true) override;
    // The list's columns and rows follow a column's new width or place.
    void SetFixedWidth(int width) override;
    void SetVisible(bool visible = true) override;
    void SetFloat(bool isFloat = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;

private:
    static constexpr UINT kFocused = 0x01;
    static constexpr UINT kHot = 0x08;
    static constexpr UINT kPushed = 0x10;
    static constexpr UINT kCaptured = 0x40;

    // The strip of the separator: at the right edge, or at the left one for
    // a negative width.
    RECT GetSeparatorRect() const;
    bool InSeparator(POINT point) const;
    // Asks the list above the header for a new layout.
    void RelayoutList();
    void DragSeparator(POINT point);

    POINT m_lastMouse = {0, 0};
    bool m_dragable = true;
    UINT m_state = 0;
    int m_sepWidth = 4;
    DWORD m_textColor = 0;
    DWORD m_sepColor = 0;
    int m_font = -1;
    UINT m_textStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    bool m_showHtml = false;
    RECT m_textPadding = {2, 0, 2, 0};
    ImageDrawInfo m_normalImage;
    ImageDrawInfo m_hotImage;
    ImageDrawInfo m_pushedImage;
    ImageDrawInfo m_focusedImage;
    ImageDrawInfo m_sepImage;
};

}  // namespace SkinUI
