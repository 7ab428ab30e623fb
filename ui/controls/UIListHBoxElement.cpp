#include "ui/controls/UIListHBoxElement.h"

#include <cwchar>

#include "ui/core/render/UIRender.h"

namespace SkinUI {

LPCWSTR CListHBoxElementUI::GetClass() const {
    return L"ListHBoxElement";
}

LPVOID CListHBoxElementUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"ListHBoxElement") == 0) {
        return this;
    }
    return CListContainerElementUI::GetInterface(name);
}

RECT CListHBoxElementUI::CellRect(const ListInfo& info, int column, const RECT& padding) const {
    const RECT nowhere = {m_itemRect.left, m_itemRect.top, m_itemRect.left, m_itemRect.top};
    const int columns = info.columnCount < kMaxListColumns ? info.columnCount : kMaxListColumns;
    if (column >= columns || !HasColumnWidth(info.columns[column])) {
        return nowhere;
    }
    const RECT& place = info.columns[column];
    RECT cell = {place.left + padding.left, m_itemRect.top + padding.top, place.right - padding.right,
                 m_itemRect.bottom - padding.bottom};
    if (info.vLineSize > 0 && column != columns - 1) {
        cell.right -= Scaled(info.vLineSize);
    }
    return cell;
}

void CListHBoxElementUI::SetPos(RECT rect, bool needInvalidate) {
    const ListInfo* info = m_row.GetListInfo();
    if (info == nullptr) {
        CListContainerElementUI::SetPos(rect, needInvalidate);
        return;
    }
    CControlUI::SetPos(rect, needInvalidate);
    int column = 0;
    PlaceChildren([&](CControlUI* child) {
        const RECT padding = child->GetPadding();
        if (info->columnCount <= 0) {
            child->SetPos(ShrinkByPadding(m_itemRect, padding), false);
            return;
        }
        // A child without a column of its own is neither painted nor hit.
        child->SetPos(CellRect(*info, column, padding), false);
        ++column;
    });
}

bool CListHBoxElementUI::DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    const ListInfo* info = m_row.GetListInfo();
    if (info == nullptr) {
        return true;
    }
    m_row.PaintBackground(dc, m_paintRect, m_bkImage);
    if (info->vLineSize > 0) {
        const int columns = info->columnCount < kMaxListColumns ? info->columnCount : kMaxListColumns;
        for (int column = 0; column < columns - 1; ++column) {
            const RECT& place = info->columns[column];
            if (!HasColumnWidth(place)) {
                continue;
            }
            const int lineSize = Scaled(info->vLineSize);
            const LONG x = place.right - lineSize / 2;
            CRenderer::DrawLine(dc, RECT{x, m_itemRect.top, x, m_itemRect.bottom}, lineSize,
                                AdjustColor(info->vLineColor));
        }
    }
    return CContainerUI::DoPaint(dc, paintRect, stopControl);
}

}  // namespace SkinUI
