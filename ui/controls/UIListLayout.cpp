// The list's geometry: columns taken from the header, and the scrolling that
// the body does on the list's behalf.

#include "ui/controls/UIList.h"
#include "ui/controls/UIListBody.h"
#include "ui/controls/UIListHeader.h"
#include "ui/controls/UIScrollBar.h"

namespace SkinUI {

namespace {

// The captions of a hidden header still give the columns: while the list
// takes them, they count as shown.
class CHiddenCaptionsShown {
public:
    explicit CHiddenCaptionsShown(CListHeaderUI* header)
        : m_header(header != nullptr && !header->IsVisible() ? header : nullptr) {
        Show(true);
    }
    ~CHiddenCaptionsShown() { Show(false); }
    CHiddenCaptionsShown(const CHiddenCaptionsShown&) = delete;
    CHiddenCaptionsShown& operator=(const CHiddenCaptionsShown&) = delete;

private:
    void Show(bool shown) {
        if (m_header == nullptr) {
            return;
        }
        for (int index = 0; index < m_header->GetCount(); ++index) {
            m_header->GetItemAt(index)->SetAncestorVisible(shown);
        }
    }

    CListHeaderUI* m_header;
};

}  // namespace

void CListUI::TakeColumns(int dx) {
    for (RECT& column : m_info.columns) {
        ::SetRectEmpty(&column);
    }
    m_info.columnCount = 0;
    if (m_header == nullptr) {
        return;
    }
    const int count = m_header->GetCount();
    m_info.columnCount = count < kMaxListColumns ? count : kMaxListColumns;
    for (int index = 0; index < count; ++index) {
        CControlUI* item = m_header->GetItemAt(index);
        // Hidden and float captions stand for no column.
        if (!item->IsVisible() || item->IsFloat()) {
            continue;
        }
        if (dx != 0) {
            item->Move(SIZE{-dx, 0}, false);
        }
        if (index < kMaxListColumns) {
            m_info.columns[index] = item->GetPos();
        }
    }
}

void CListUI::SetPos(RECT rect, bool needInvalidate) {
    // The rows are laid out across the columns, so the header goes first.
    if (m_header != nullptr) {
        CHiddenCaptionsShown shown(m_header);
        const RECT inset = CContainerUI::GetInset();
        m_header->SetPos(RECT{rect.left + inset.left, 0, rect.right - inset.right, 0}, false);
        TakeColumns(m_body->GetScrollPos().cx);
    } else {
        TakeColumns(0);
    }
    CVerticalLayoutUI::SetPos(rect, needInvalidate);
    if (m_header == nullptr) {
        return;
    }
    CHiddenCaptionsShown shown(m_header);
    if (!m_header->IsVisible()) {
        const RECT inner = CContainerUI::GetClientPos();
        m_header->SetPos(RECT{inner.left, 0, inner.right, 0}, false);
    }
    TakeColumns(m_body->GetScrollPos().cx);
}

void CListUI::Move(SIZE offset, bool needInvalidate) {
    CVerticalLayoutUI::Move(offset, needInvalidate);
    if (m_header != nullptr && !m_header->IsVisible()) {
        m_header->Move(offset, false);
    }
    const int count = m_info.columnCount < kMaxListColumns ? m_info.columnCount : kMaxListColumns;
    for (int index = 0; index < count; ++index) {
        if (HasColumnWidth(m_info.columns[index])) {
            ::OffsetRect(&m_info.columns[index], offset.cx, offset.cy);
        }
    }
}

void CListUI::ScrollColumns(int dx) {
    if (m_header == nullptr) {
        return;
    }
    CHiddenCaptionsShown shown(m_header);
    TakeColumns(dx);
    m_header->Invalidate();
}

void CListUI::EnsureVisible(int index) {
    CControlUI* row = GetItemAt(index);
    if (m_curSel < 0 || row == nullptr) {
        return;
    }
    RECT band = m_body->GetPos();
    const RECT inset = m_body->GetInset();
    band.left += inset.left;
    band.top += inset.top;
    band.right -= inset.right;
    band.bottom -= inset.bottom;
    if (CScrollBarUI* bar = m_body->GetHorizontalScrollBar()) {
        if (bar->IsVisible()) {
            band.bottom -= bar->GetFixedHeight();
        }
    }
    const RECT& place = row->GetPos();
    if (place.top >= band.top && place.bottom < band.bottom) {
        return;
    }
    int dy = 0;
    if (place.top < band.top) {
        dy = place.top - band.top;
    }
    if (place.bottom > band.bottom) {
        dy = place.bottom - band.bottom;
    }
    Scroll(0, dy);
}

void CListUI::Scroll(int dx, int dy) {
    if (dx == 0 && dy == 0) {
        return;
    }
    const SIZE pos = m_body->GetScrollPos();
    m_body->SetScrollPos(SIZE{pos.cx + dx, pos.cy + dy});
}

int CListUI::GetChildPadding() const {
    return m_body->GetChildPadding();
}

void CListUI::SetChildPadding(int padding) {
    m_body->SetChildPadding(padding);
}

SIZE CListUI::GetScrollPos() const {
    return m_body->GetScrollPos();
}

SIZE CListUI::GetScrollRange() const {
    return m_body->GetScrollRange();
}

void CListUI::SetScrollPos(SIZE pos) {
    m_body->SetScrollPos(pos);
}

void CListUI::LineUp() {
    m_body->LineUp();
}

void CListUI::LineDown() {
    m_body->LineDown();
}

void CListUI::PageUp() {
    m_body->PageUp();
}

void CListUI::PageDown() {
    m_body->PageDown();
}

void CListUI::HomeUp() {
    m_body->HomeUp();
}

void CListUI::EndDown() {
    m_body->EndDown();
}

void CListUI::LineLeft() {
    m_body->LineLeft();
}

void CListUI::LineRight() {
    m_body->LineRight();
}

void CListUI::PageLeft() {
    m_body->PageLeft();
}

void CListUI::PageRight() {
    m_body->PageRight();
}

void CListUI::HomeLeft() {
    m_body->HomeLeft();
}

void CListUI::EndRight() {
    m_body->EndRight();
}

void CListUI::EnableScrollBar(bool vertical, bool horizontal) {
    m_body->EnableScrollBar(vertical, horizontal);
}

CScrollBarUI* CListUI::GetVerticalScrollBar() const {
    return m_body->GetVerticalScrollBar();
}

CScrollBarUI* CListUI::GetHorizontalScrollBar() const {
    return m_body->GetHorizontalScrollBar();
}

}  // namespace SkinUI
