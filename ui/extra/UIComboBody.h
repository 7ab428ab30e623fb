#pragma once

#include <windows.h>

#include "ui/core/control/UIVerticalLayout.h"

namespace SkinUI {

class CComboUI;

// The scrolling part of a combo box's popup. It shows the combo's rows, which
// stay the combo's: it neither initialises nor destroys them, and draws them
// with the combo's row settings as a list body does.
class CComboBodyUI : public CVerticalLayoutUI {
public:
    explicit CComboBodyUI(CComboUI& combo);

    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    // Shows the combo's `row` at `index` of this body.
    bool ShowRow(CControlUI* row, int index);
    // Takes `row` out of this body; its manager still has to forget it.
    bool HideRow(CControlUI* row);
    // Scrolls so that `row` lies within the client area.
    void ScrollIntoView(CControlUI* row);

private:
    CComboUI& m_combo;
};

}  // namespace SkinUI
