#include "ui/controls/UIListBody.h"

#include <algorithm>

#include "ui/controls/UIList.h"
#include "ui/controls/UIListHeader.h"
#include "ui/controls/UIScrollBar.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

bool Meets(const RECT& first, const RECT& second) {
    RECT overlap;
    return ::IntersectRect(&overlap, &first, &second) != FALSE;
}

}  // namespace

int CListBodyUI::NeededWidth(SIZE available) const {
    CListHeaderUI* header = m_list.GetHeader();
    if (header != nullptr && header->GetCount() > 0) {
        const int width = header->MeasureSize(available).cx;
        return width > 0 ? width : 0;
    }
    int widest = 0;
    for (int index = 0; index < m_items.GetSize(); ++index) {
        auto* row = static_cast<CControlUI*>(m_items[index]);
        if (!row->IsVisible() || row->IsFloat()) {
            continue;
        }
        const RECT padding = row->GetPadding();
        const int width = ClampToLimits(row->MeasureSize(available).cx, row->GetMinWidth(), row->GetMaxWidth()) +
                          padding.left + padding.right;
        if (width > widest) {
            widest = width;
        }
    }
    return widest;
}

void CListBodyUI::SetPos(RECT rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    const RECT inner = GetClientPos();
    const ListInfo& info = *m_list.GetListInfo();

    int availableWidth = inner.right - inner.left;
    int remainingHeight = inner.bottom - inner.top;
    if (IsShown(m_horizontalScrollBar)) {
        availableWidth += m_horizontalScrollBar->GetScrollRange();
    }
    if (IsShown(m_verticalScrollBar)) {
        remainingHeight += m_verticalScrollBar->GetScrollRange();
    }
    LONG spanLeft = 0;
    LONG spanRight = 0;
    if (info.GetColumnSpan(spanLeft, spanRight)) {
        availableWidth = spanRight - spanLeft;
    }
    const int gap = Scaled(m_childPadding + info.hLineSize);
    const int neededWidth = NeededWidth(SIZE{availableWidth, remainingHeight});

    LONG x = inner.left - (IsShown(m_horizontalScrollBar) ? m_horizontalScrollBar->GetScrollPos() : 0);
    LONG y = inner.top - (IsShown(m_verticalScrollBar) ? m_verticalScrollBar->GetScrollPos() : 0);
    int totalHeight = 0;
    int placed = 0;
    for (int index = 0; index < m_items.GetSize(); ++index) {
        auto* row = static_cast<CControlUI*>(m_items[index]);
        if (!row->IsVisible()) {
            continue;
        }
        if (row->IsFloat()) {
            SetFloatPos(index);
            continue;
        }
        const RECT padding = row->GetPadding();
        const int room = availableWidth - padding.left - padding.right;
        const int width = std::min(row->GetFixedWidth() > 0 ? row->GetFixedWidth() : row->GetMaxWidth(), room);
        const int heightLimit = row->GetFixedHeight() > 0 ? row->GetFixedHeight() : row->GetMaxHeight();
        const SIZE estimate = row->MeasureSize(SIZE{width, std::min(heightLimit, remainingHeight)});
        const int height = ClampToLimits(estimate.cy, row->GetMinHeight(), row->GetMaxHeight());
        const int placedWidth = ClampToLimits(width < 0 ? 0 : width, row->GetMinWidth(), row->GetMaxWidth());

        // The row's padding lies outside its rectangle, as in the box layouts.
        const LONG left = x + padding.left;
        const LONG top = y + padding.top;
        row->SetPos(RECT{left, top, left + placedWidth, top + height}, false);

        y += padding.top + height + padding.bottom + gap;
        remainingHeight -= padding.top + height + padding.bottom + gap;
        totalHeight += padding.top + height + padding.bottom;
        ++placed;
    }
    if (placed > 1) {
        totalHeight += (placed - 1) * gap;
    }
    UpdateScrollBars(inner, neededWidth, totalHeight);
}

void CListBodyUI::DoEvent(UIEvent& event) {
    if (event.type == UIEVENT_SCROLLWHEEL && IsMouseEnabled() && IsShown(m_horizontalScrollBar) &&
        m_horizontalScrollBar->IsEnabled() && ::PtInRect(&m_horizontalScrollBar->GetPos(), event.mouse)) {
        if (LOWORD(event.wParam) == 0) {
            LineLeft();
        } else {
            LineRight();
        }
        return;
    }
    m_list.DoEvent(event);
}

void CListBodyUI::SetScrollPos(SIZE pos) {
    const int oldX = GetScrollPos().cx;
    CVerticalLayoutUI::SetScrollPos(pos);
    const int dx = GetScrollPos().cx - oldX;
    if (dx != 0) {
        m_list.ScrollColumns(dx);
    }
}

bool PaintListRows(HDC dc, const RECT& paintRect, CControlUI* stopControl, const CContainerUI& body,
                   const ListInfo& info) {
    const RECT client = body.GetClientPos();
    RECT rowClip;
    const bool innerShows = ::IntersectRect(&rowClip, &paintRect, &client) != FALSE;
    CClipScope clip;
    if (innerShows) {
        clip.ClipToRect(dc, rowClip);
    }
    int drawIndex = 0;
    for (int index = 0; index < body.GetCount(); ++index) {
        CControlUI* row = body.GetItemAt(index);
        if (row == stopControl) {
            return false;
        }
        if (!row->IsVisible()) {
            continue;
        }
        if (row->IsFloat()) {
            if (!Meets(paintRect, row->GetPos()) || !Meets(body.GetPos(), row->GetPos())) {
                continue;
            }
            clip.SuspendClip();
            const bool goOn = row->Paint(dc, paintRect, stopControl);
            clip.ResumeClip();
            if (!goOn) {
                return false;
            }
            continue;
        }
        // Every drawn row counts, seen or not, so that alternate rows keep their colours while scrolling.
        if (IListItemUI* item = AsListItem(row)) {
            item->SetDrawIndex(drawIndex++);
        }
        if (!innerShows || !Meets(paintRect, row->GetPos())) {
            continue;
        }
        if (info.hLineSize > 0) {
            const RECT& place = row->GetPos();
            const int lineSize = body.Scaled(info.hLineSize);
            const LONG lineY = place.bottom + row->GetPadding().bottom + lineSize / 2;
            CRenderer::DrawLine(dc, RECT{place.left, lineY, place.right, lineY}, lineSize,
                                body.AdjustColor(info.hLineColor));
        }
        if (!row->Paint(dc, paintRect, stopControl)) {
            return false;
        }
    }
    return true;
}

bool CListBodyUI::DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    RECT clipRect;
    if (!::IntersectRect(&clipRect, &paintRect, &m_itemRect)) {
        return true;
    }
    CClipScope clip;
    clip.ClipToRect(dc, clipRect);
    CControlUI::DoPaint(dc, paintRect, stopControl);

    if (!PaintListRows(dc, paintRect, stopControl, *this, *m_list.GetListInfo())) {
        return false;
    }
    return PaintScrollBars(dc, paintRect, stopControl);
}

}  // namespace SkinUI
