// How the combo box lays itself out and paints: its state image and its
// selected row, never the rows themselves, which show in the popup.

#include "ui/controls/UIButton.h"
#include "ui/controls/UIListRow.h"
#include "ui/core/manager/UIManager.h"
#include "ui/extra/UICombo.h"

namespace SkinUI {

namespace {

// Added to the default font's height when no height is fixed.
constexpr int kTextLeading = 8;

}  // namespace

void CComboUI::SetPos(RECT rect, bool needInvalidate) {
    if (!AreRowsInPopup()) {
        for (int index = 0; index < GetCount(); ++index) {
            GetItemAt(index)->SetPos(RECT{0, 0, 0, 0}, false);
        }
    }
    CControlUI::SetPos(rect, needInvalidate);
}

void CComboUI::Move(SIZE offset, bool needInvalidate) {
    CControlUI::Move(offset, needInvalidate);
}

CControlUI* CComboUI::FindControl(FindControlProc proc, LPVOID data, UINT flags) {
    if ((flags & UIFIND_HITTEST) != 0) {
        return CControlUI::FindControl(proc, data, flags);
    }
    return CContainerUI::FindControl(proc, data, flags);
}

SIZE CComboUI::MeasureSize(SIZE available) {
    if (m_fixedHeight > 0 || m_manager == nullptr) {
        return CControlUI::MeasureSize(available);
    }
    return SIZE{GetFixedWidth(), m_manager->GetDefaultFontInfo()->textMetrics.tmHeight + Scaled(kTextLeading)};
}

bool CComboUI::DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    return CControlUI::DoPaint(dc, paintRect, stopControl);
}

void CComboUI::PaintStateImage(HDC dc) {
    m_buttonState = IsFocused() ? (m_buttonState | UISTATE_FOCUSED) : (m_buttonState & ~UISTATE_FOCUSED);
    m_buttonState = IsEnabled() ? (m_buttonState & ~UISTATE_DISABLED) : (m_buttonState | UISTATE_DISABLED);
    const struct {
        UINT bit;
        ImageDrawInfo& image;
    } states[] = {
        {UISTATE_DISABLED, m_disabledImage},
        {UISTATE_PUSHED, m_pushedImage},
        {UISTATE_HOT, m_hotImage},
        {UISTATE_FOCUSED, m_focusedImage},
    };
    for (const auto& state : states) {
        if ((m_buttonState & state.bit) != 0 && DrawImage(dc, state.image)) {
            return;
        }
    }
    DrawImage(dc, m_normalImage);
}

void CComboUI::PaintText(HDC dc) {
    CControlUI* row = m_showText ? GetItemAt(m_curSel) : nullptr;
    if (row == nullptr) {
        return;
    }
    const RECT rect = ShrinkByPadding(m_itemRect, Scaled(m_textPadding));
    if (IListItemUI* item = AsListItem(row)) {
        item->DrawRowText(dc, rect);
        return;
    }
    // Any other row is painted in the combo's place and put back.
    const RECT place = row->GetPos();
    row->SetPos(rect, false);
    row->Paint(dc, m_paintRect, nullptr);
    row->SetPos(place, false);
}

}  // namespace SkinUI
