#pragma once

#include <windows.h>

#include "ui/controls/UIListInfo.h"
#include "ui/core/control/UIVerticalLayout.h"

namespace SkinUI {

class CListUI;

// The scrolling part of a list: stacks the rows top-down across the list's
// columns, draws the lines between them and owns the list's scroll bars.
// Events it does not use go to the list.
class CListBodyUI : public CVerticalLayoutUI {
public:
    explicit CListBodyUI(CListUI& list) : m_list(list) {}

    void SetPos(RECT rect, bool needInvalidate = true) override;
    void DoEvent(UIEvent& event) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
    // Sideways scrolling takes the header's captions along.
    void SetScrollPos(SIZE pos) override;

private:
    // The widest row, or the header's width when the list has columns.
    int NeededWidth(SIZE available) const;

    CListUI& m_list;
};

// Paints the rows of a list's (or a combo box's) body inside its client area
// with the row settings `info`: every drawn row gets its running draw index
// (for alternate backgrounds), and a horizontal line of the settings' size
// goes below each row. False when painting reached the stop control.
bool PaintListRows(HDC dc, const RECT& paintRect, CControlUI* stopControl, const CContainerUI& body,
                   const ListInfo& info);

}  // namespace SkinUI
