#include "ui/extra/UITileLayout.h"

#include <algorithm>
#include <cstdint>

#include "ui/controls/UIScrollBar.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

namespace {

// A size that divides: a skin may give 0 or less, which is kept but never divided by.
int Divisor(int size) {
    return std::max(size, 1);
}

// Sizes multiplied by counts stay in 64 bits, then come back clamped to what a rectangle holds.
int ToCoordinate(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN / 2, INT32_MAX / 2));
}

}  // namespace

LPCWSTR CTileLayoutUI::GetClass() const {
    return L"TileLayout";
}

LPVOID CTileLayoutUI::GetInterface(LPCWSTR name) {
    if (IsName(name, L"TileLayout")) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

void CTileLayoutUI::SetItemSize(SIZE size) {
    size = ClampSize(size);
    if (size.cx == m_itemSize.cx && size.cy == m_itemSize.cy) {
        return;
    }
    m_itemSize = size;
    NeedUpdate();
}

void CTileLayoutUI::SetColumns(int columns) {
    if (columns < 0) {
        return;
    }
    m_columns = ClampLength(columns);
    NeedUpdate();
}

void CTileLayoutUI::SetRowGap(int gap) {
    m_rowGap = ClampLength(gap);
    NeedUpdate();
}

int CTileLayoutUI::ArrangeColumns(int width, int scrollWidth, bool horizontalBar, int placed, int& gap) {
    const SIZE itemSize = GetItemSize();
    const int64_t itemWidth = itemSize.cx;
    if (m_columns > 0) {
        m_columnsInUse = m_columns;
        if (m_columns < 2) {
            gap = 0;
        } else if (gap < 1) {
            const int64_t spread = horizontalBar && width >= m_columns * itemWidth ? width : scrollWidth;
            gap = ToCoordinate(std::max<int64_t>((spread - m_columns * itemWidth) / (m_columns - 1), 0));
        }
        const int64_t shown = std::min(placed, m_columns);
        return ToCoordinate(shown * itemWidth + gap * std::max<int64_t>(shown - 1, 0));
    }
    if (width < itemSize.cx) {
        m_columnsInUse = 1;
        return itemSize.cx;
    }
    m_columnsInUse = std::max(width / Divisor(itemSize.cx), 1);
    if (m_columnsInUse < 2) {
        gap = 0;
    } else if (gap < 1) {
        gap = std::max((width % Divisor(itemSize.cx)) / (m_columnsInUse - 1), 0);
    }
    return width;
}

void CTileLayoutUI::SetPos(RECT rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    RECT area = InsetArea();
    const bool verticalBar = IsShown(m_verticalScrollBar);
    const bool horizontalBar = IsShown(m_horizontalScrollBar);
    if (verticalBar) {
        area.right -= m_verticalScrollBar->GetFixedWidth();
    }
    if (horizontalBar) {
        area.bottom -= m_horizontalScrollBar->GetFixedHeight();
    }
    if (GetCount() == 0) {
        m_rows = 1;
        UpdateScrollBars(area, 0, 0);
        return;
    }
    const int width = area.right - area.left;
    const int scrollWidth = horizontalBar ? width + m_horizontalScrollBar->GetScrollRange() : width;
    int placed = 0;
    for (int index = 0; index < GetCount(); ++index) {
        const CControlUI* child = GetItemAt(index);
        placed += child->IsVisible() && !child->IsFloat() ? 1 : 0;
    }
    int gap = Scaled(m_childPadding);
    const int neededWidth = ArrangeColumns(width, scrollWidth, horizontalBar, placed, gap);
    const int columns = m_columnsInUse;
    const int64_t cellWidth = GetItemSize().cx;
    const int64_t cellHeight = GetItemSize().cy;
    const int scrollX = horizontalBar ? m_horizontalScrollBar->GetScrollPos() : 0;
    const int scrollY = verticalBar ? m_verticalScrollBar->GetScrollPos() : 0;
    // A cell's index counts every child, hidden and float ones too: the rows follow the last cell placed.
    int lastCell = -1;
    for (int index = 0; index < GetCount(); ++index) {
        CControlUI* child = GetItemAt(index);
        if (!child->IsVisible()) {
            continue;
        }
        if (child->IsFloat()) {
            SetFloatPos(index);
            continue;
        }
        lastCell = index;
        const RECT p = child->GetPadding();
        const int w = std::max(std::min(ToCoordinate(cellWidth - p.left - p.right), child->GetMaxWidth()), 0);
        const int h = std::max(std::min(ToCoordinate(cellHeight - p.top - p.bottom), child->GetMaxHeight()), 0);
        const int x = ToCoordinate(area.left + (index % columns) * (gap + cellWidth) - scrollX);
        const int y =
            ToCoordinate(area.top + static_cast<int64_t>(index / columns) * (Scaled(m_rowGap) + cellHeight) - scrollY);
        RECT place;
        if (m_childAlign == DT_CENTER) {
            const int d = ToCoordinate((cellWidth - w) / 2);
            place.left = x + d + p.left;
            place.right = x + d + w - p.right;
        } else if (m_childAlign == DT_RIGHT) {
            place.left = ToCoordinate(x + cellWidth + p.left - w);
            place.right = ToCoordinate(x + cellWidth - p.right);
        } else {
            place.left = x + p.left;
            place.right = x + w - p.right;
        }
        if (m_childVAlign == DT_VCENTER) {
            const int e = ToCoordinate((cellHeight - h) / 2);
            place.top = y + p.top + e;
            place.bottom = y + h + e - p.bottom;
        } else if (m_childVAlign == DT_BOTTOM) {
            place.top = ToCoordinate(y + p.top + cellHeight - h);
            place.bottom = ToCoordinate(y + cellHeight - p.bottom);
        } else {
            place.top = y + p.top;
            place.bottom = y + h - p.bottom;
        }
        child->SetPos(place, false);
    }
    m_rows = lastCell < 0 ? 1 : lastCell / columns + 1;
    const int neededHeight = ToCoordinate(m_rows * cellHeight + static_cast<int64_t>(m_rows - 1) * Scaled(m_rowGap));
    UpdateScrollBars(area, neededWidth, neededHeight);
}

void CTileLayoutUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (IsName(name, L"itemsize")) {
        SetItemSize(ParseSize(value));
    } else if (IsName(name, L"columns")) {
        SetColumns(ParseInt(value));
    } else if (IsName(name, L"childvpadding")) {
        SetRowGap(ParseInt(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
