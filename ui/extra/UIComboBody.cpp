#include "ui/extra/UIComboBody.h"

#include "ui/controls/UIListBody.h"
#include "ui/extra/UICombo.h"

namespace SkinUI {

CComboBodyUI::CComboBodyUI(CComboUI& combo) : m_combo(combo) {
    SetAutoDestroy(false);
}

bool CComboBodyUI::ShowRow(CControlUI* row, int index) {
    if (row == nullptr || index < 0 || index > m_items.GetSize() || m_items.Find(row) >= 0) {
        return false;
    }
    // The row moves to the popup's window as it is: it was initialised when the combo got it.
    row->SetManager(m_manager, this, false);
    m_items.InsertAt(index, row);
    NeedUpdate();
    return true;
}

bool CComboBodyUI::HideRow(CControlUI* row) {
    const int index = m_items.Find(row);
    if (index < 0) {
        return false;
    }
    m_items.Remove(index);
    NeedUpdate();
    return true;
}

void CComboBodyUI::ScrollIntoView(CControlUI* row) {
    if (row == nullptr || m_items.Find(row) < 0 || !row->IsVisible()) {
        return;
    }
    const RECT& place = row->GetPos();
    const RECT client = GetClientPos();
    int dy = 0;
    if (place.top < client.top) {
        dy = place.top - client.top;
    } else if (place.bottom > client.bottom) {
        dy = place.bottom - client.bottom;
    }
    if (dy != 0) {
        const SIZE pos = GetScrollPos();
        SetScrollPos(SIZE{pos.cx, pos.cy + dy});
    }
}

bool CComboBodyUI::DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    RECT clipRect;
    if (!::IntersectRect(&clipRect, &paintRect, &m_itemRect)) {
        return true;
    }
    CClipScope clip;
    clip.ClipToRect(dc, clipRect);
    CControlUI::DoPaint(dc, paintRect, stopControl);
    if (!PaintListRows(dc, paintRect, stopControl, *this, *m_combo.GetListInfo())) {
        return false;
    }
    return PaintScrollBars(dc, paintRect, stopControl);
}

}  // namespace SkinUI
