#pragma once

#include <windows.h>

#include "ui/core/control/UIContainer.h"

namespace SkinUI {

// Stacks its visible, non-float children along one axis. Children with a
// fixed or estimated size along that axis get it; the others share what is
// left. One edge of the layout can be a separator that resizes the layout
// itself when dragged. CVerticalLayoutUI and CHorizontalLayoutUI fix the axis.
class CBoxLayoutUI : public CContainerUI {
public:
    UINT GetControlFlags() const override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void DoPostPaint(HDC dc, const RECT& paintRect) override;

    // Immediate mode resizes while dragging; otherwise a translucent band
    // previews the new edge until the button is released.
    void SetSepImmMode(bool immediate);
    bool IsSepImmMode() const { return m_sepImmMode; }
    bool IsSeparatorDragging() const { return (m_sepState & kDragging) != 0; }
    // The separator band of the current rectangle, or of the one the drag
    // would leave when `useNew` is set during a drag.
    RECT GetThumbRect(bool useNew) const;

protected:
    explicit CBoxLayoutUI(bool vertical) : m_vertical(vertical) {}

    // Thickness of the separator: negative at the start edge (top or left),
    // positive at the end edge, 0 for none.
    int GetSepSize() const { return Scaled(m_sepSize); }
    void SetSepSize(int size) { m_sepSize = size; }

private:
    static constexpr UINT kDragging = 0x40;

    void DragSeparator(POINT pointer);

    const bool m_vertical;
    int m_sepSize = 0;
    UINT m_sepState = 0;
    POINT m_lastMouse = {0, 0};
    RECT m_newPos = {0, 0, 0, 0};
    bool m_sepImmMode = false;
};

}  // namespace SkinUI
