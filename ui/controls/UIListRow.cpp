#include "ui/controls/UIListRow.h"

#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

bool CListRowState::Select(bool selected, bool notify) {
    if (selected && !m_row.IsEnabled()) {
        return false;
    }
    if (selected == m_selected) {
        return true;
    }
    m_selected = selected;
    if (m_owner != nullptr) {
        if (selected) {
            if (!m_owner->SelectItem(m_index, notify, true)) {
                m_selected = false;
                m_row.Invalidate();
                return false;
            }
        } else if (m_owner->GetCurSel() == m_index) {
            m_owner->SelectItem(-1, false, notify);
        }
    }
    m_row.Invalidate();
    return true;
}

void CListRowState::OnVisibilityChanged() {
    if (m_row.IsVisible() || !m_selected) {
        return;
    }
    m_selected = false;
    if (m_owner != nullptr && m_owner->GetCurSel() == m_index) {
        m_owner->SelectItem(-1, false, true);
    }
}

void CListRowState::Click() {
    if (CUIManager* manager = m_row.GetManager()) {
        manager->SendNotify(&m_row, L"itemclick");
    }
    Select(true, true);
    m_row.Invalidate();
}

bool CListRowState::TrackHover(const UIEvent& event) {
    // The pointer may go on to a part of the row: the row then waits for the part's leave.
    return UpdateHotState(m_row, event, m_row.GetPos(), m_state, kHot) != HoverChange::None ||
           event.type == UIEVENT_MOUSEENTER;
}

bool CListRowState::DrawImage(HDC dc, const RECT& paintRect, ImageDrawInfo& image) const {
    return CRenderer::DrawImage(dc, m_row.GetManager(), m_row.GetPos(), paintRect, image);
}

void CListRowState::PaintBackground(HDC dc, const RECT& paintRect, ImageDrawInfo& ownBkImage) {
    ListInfo* info = GetListInfo();
    if (info == nullptr) {
        return;
    }
    const bool enabled = m_row.IsEnabled();
    DWORD color = IsOddDrawnRow(*info) ? 0 : info->bkColor;
    if (IsHot()) {
        color = info->hotBkColor;
    }
    if (m_selected) {
        color = info->selectedBkColor;
    }
    if (!enabled) {
        color = info->disabledBkColor;
    }
    if (color != 0) {
        CRenderer::DrawColor(dc, m_row.GetPos(), m_row.AdjustColor(color));
    }

    if (!enabled && DrawImage(dc, paintRect, info->disabledImage)) {
        return;
    }
    if (m_selected && DrawImage(dc, paintRect, info->selectedImage)) {
        return;
    }
    if (IsHot() && DrawImage(dc, paintRect, info->hotImage)) {
        return;
    }
    if (DrawImage(dc, paintRect, ownBkImage)) {
        return;
    }
    if (!IsOddDrawnRow(*info)) {
        DrawImage(dc, paintRect, info->bkImage);
    }
}

DWORD CListRowState::TextColor(const ListInfo& info) const {
    DWORD color = info.textColor;
    if (IsHot()) {
        color = info.hotTextColor;
    }
    if (m_selected) {
        color = info.selectedTextColor;
    }
    if (!m_row.IsEnabled()) {
        color = info.disabledTextColor;
    }
    return color;
}

void RenumberListItems(const IContainerUI& rows, int first, int last) {
    const int end = last < rows.GetCount() - 1 ? last : rows.GetCount() - 1;
    for (int index = first < 0 ? 0 : first; index <= end; ++index) {
        if (IListItemUI* item = AsListItem(rows.GetItemAt(index))) {
            item->SetIndex(index);
        }
    }
}

void LeaveListOwner(CControlUI* row) {
    if (IListItemUI* item = AsListItem(row)) {
        item->SetOwner(nullptr);
        item->SetIndex(-1);
        item->Select(false, false);
    }
}

int IndexAfterRunMove(int position, int from, int count, int to) {
    if (position < 0) {
        return position;
    }
    if (position >= from && position < from + count) {
        return position - from + to;
    }
    const int withoutRun = position >= from + count ? position - count : position;
    return withoutRun >= to ? withoutRun + count : withoutRun;
}

RECT MeasureRowText(CUIManager* manager, LPCWSTR text, int font, UINT style, RECT rect, bool html) {
    if (manager == nullptr) {
        return RECT{rect.left, rect.top, rect.left, rect.top};
    }
    HDC dc = manager->GetPaintDC();
    HDC ownDc = nullptr;
    if (dc == nullptr) {
        ownDc = ::CreateCompatibleDC(nullptr);
        dc = ownDc;
    }
    if (dc == nullptr) {
        return RECT{rect.left, rect.top, rect.left, rect.top};
    }
    if (html) {
        int links = 0;
        CRenderer::DrawRichText(dc, manager, rect, text, 0, nullptr, nullptr, links, font, style | DT_CALCRECT);
    } else {
        CRenderer::DrawText(dc, manager, rect, text, 0, font, style | DT_CALCRECT);
    }
    if (ownDc != nullptr) {
        ::DeleteDC(ownDc);
    }
    return rect;
}

}  // namespace SkinUI
