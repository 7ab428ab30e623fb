#include "ui/core/control/UIContainer.h"

#include <cstdlib>

#include "ui/core/base/UIGeometry.h"

// A container owns its built-in scroll bars, which are controls of their own.
#include "ui/controls/UIScrollBar.h"
// Controls call back into the manager that owns their tree (invalidation,
// notifications, timers, fonts).
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr int kMinimumLineStep = 8;

}  // namespace

bool CContainerUI::IsShown(const CScrollBarUI* bar) {
    return bar != nullptr && bar->IsVisible();
}

bool CContainerUI::IsUsable(const CScrollBarUI* bar) {
    return IsShown(bar) && bar->IsEnabled();
}

SIZE CContainerUI::GetScrollPos() const {
    SIZE pos = {0, 0};
    if (IsShown(m_horizontalScrollBar)) {
        pos.cx = m_horizontalScrollBar->GetScrollPos();
    }
    if (IsShown(m_verticalScrollBar)) {
        pos.cy = m_verticalScrollBar->GetScrollPos();
    }
    return pos;
}

SIZE CContainerUI::GetScrollRange() const {
    SIZE range = {0, 0};
    if (IsShown(m_horizontalScrollBar)) {
        range.cx = m_horizontalScrollBar->GetScrollRange();
    }
    if (IsShown(m_verticalScrollBar)) {
        range.cy = m_verticalScrollBar->GetScrollRange();
    }
    return range;
}

void CContainerUI::SetScrollPos(SIZE pos) {
    int movedX = 0;
    int movedY = 0;
    if (IsShown(m_verticalScrollBar)) {
        const int old = m_verticalScrollBar->GetScrollPos();
        m_verticalScrollBar->SetScrollPos(pos.cy, true);
        movedY = m_verticalScrollBar->GetScrollPos() - old;
    }
    if (IsShown(m_horizontalScrollBar)) {
        const int old = m_horizontalScrollBar->GetScrollPos();
        m_horizontalScrollBar->SetScrollPos(pos.cx, true);
        movedX = m_horizontalScrollBar->GetScrollPos() - old;
    }
    if (movedX == 0 && movedY == 0) {
        return;
    }
    for (int index = 0; index < m_items.GetSize(); ++index) {
        auto* child = static_cast<CControlUI*>(m_items[index]);
        // Float children stay where they are: they are placed on the container, not on its content.
        if (child->IsVisible() && !child->IsFloat()) {
            child->Move(SIZE{-movedX, -movedY}, false);
        }
    }
    Invalidate();
}

int CContainerUI::VerticalLineStep() const {
    if (m_verticalScrollBar != nullptr && m_verticalScrollBar->GetLineSize() > 1) {
        return m_verticalScrollBar->GetLineSize();
    }
    int step = Scaled(kMinimumLineStep);
    if (m_manager != nullptr) {
        step += m_manager->GetDefaultFontInfo()->textMetrics.tmHeight;
    }
    return step;
}

int CContainerUI::HorizontalLineStep() const {
    if (m_horizontalScrollBar != nullptr && m_horizontalScrollBar->GetLineSize() > 1) {
        return m_horizontalScrollBar->GetLineSize();
    }
    return Scaled(kMinimumLineStep);
}

// A page is the visible part of the content.
int CContainerUI::VerticalPage() const {
    const RECT inset = CContainerUI::GetInset();
    int page = Height(m_itemRect) - inset.top - inset.bottom;
    if (IsShown(m_horizontalScrollBar)) {
        page -= m_horizontalScrollBar->GetFixedHeight();
    }
    return page;
}

int CContainerUI::HorizontalPage() const {
    const RECT inset = CContainerUI::GetInset();
    int page = Width(m_itemRect) - inset.left - inset.right;
    if (IsShown(m_verticalScrollBar)) {
        page -= m_verticalScrollBar->GetFixedWidth();
    }
    return page;
}

void CContainerUI::ScrollBy(int dx, int dy) {
    SIZE pos = GetScrollPos();
    pos.cx += dx;
    pos.cy += dy;
    SetScrollPos(pos);
}

void CContainerUI::LineUp() {
    ScrollBy(0, -VerticalLineStep());
}

void CContainerUI::LineDown() {
    ScrollBy(0, VerticalLineStep());
}

void CContainerUI::PageUp() {
    ScrollBy(0, -VerticalPage());
}

void CContainerUI::PageDown() {
    ScrollBy(0, VerticalPage());
}

void CContainerUI::HomeUp() {
    SetScrollPos({GetScrollPos().cx, 0});
}

void CContainerUI::EndDown() {
    SetScrollPos({GetScrollPos().cx, GetScrollRange().cy});
}

void CContainerUI::LineLeft() {
    ScrollBy(-HorizontalLineStep(), 0);
}

void CContainerUI::LineRight() {
    ScrollBy(HorizontalLineStep(), 0);
}

void CContainerUI::PageLeft() {
    ScrollBy(-HorizontalPage(), 0);
}

void CContainerUI::PageRight() {
    ScrollBy(HorizontalPage(), 0);
}

void CContainerUI::HomeLeft() {
    SetScrollPos({0, GetScrollPos().cy});
}

void CContainerUI::EndRight() {
    SetScrollPos({GetScrollRange().cx, GetScrollPos().cy});
}

void CContainerUI::EnableScrollBar(bool vertical, bool horizontal) {
    if (vertical && m_verticalScrollBar == nullptr) {
        m_verticalScrollBar = new CScrollBarUI;
        m_verticalScrollBar->SetScrollRange(0);
        m_verticalScrollBar->SetOwner(this);
        m_verticalScrollBar->SetManager(m_manager, nullptr, false);
        if (m_manager != nullptr) {
            if (LPCWSTR defaults = m_manager->GetClassDefaults(L"VScrollBar")) {
                m_verticalScrollBar->SetAttributeList(defaults);
            }
        }
    } else if (!vertical && m_verticalScrollBar != nullptr) {
        m_verticalScrollBar->Delete();
        m_verticalScrollBar = nullptr;
    }
    if (horizontal && m_horizontalScrollBar == nullptr) {
        m_horizontalScrollBar = new CScrollBarUI;
        m_horizontalScrollBar->SetScrollRange(0);
        m_horizontalScrollBar->SetHorizontal(true);
        m_horizontalScrollBar->SetOwner(this);
        m_horizontalScrollBar->SetManager(m_manager, nullptr, false);
        if (m_manager != nullptr) {
            if (LPCWSTR defaults = m_manager->GetClassDefaults(L"HScrollBar")) {
                m_horizontalScrollBar->SetAttributeList(defaults);
            }
        }
    } else if (!horizontal && m_horizontalScrollBar != nullptr) {
        m_horizontalScrollBar->Delete();
        m_horizontalScrollBar = nullptr;
    }
    NeedUpdate();
}

CScrollBarUI* CContainerUI::GetVerticalScrollBar() const {
    return m_verticalScrollBar;
}

CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const {
    return m_horizontalScrollBar;
}

void CContainerUI::Relayout(bool needInvalidate) {
    SetPos(IsFloat() ? GetRelativePos() : GetPos(), needInvalidate);
}

void CContainerUI::UpdateScrollBars(RECT rect, int cxRequired, int cyRequired) {
    if (m_verticalScrollBar != nullptr && m_horizontalScrollBar != nullptr) {
        UpdateBothBars(rect, cxRequired, cyRequired);
    } else if (m_verticalScrollBar != nullptr) {
        UpdateVerticalBarOnly(rect, cyRequired);
    } else if (m_horizontalScrollBar != nullptr) {
        UpdateHorizontalBarOnly(rect, cxRequired);
    }
}

void CContainerUI::UpdateVerticalBarOnly(const RECT& rect, int cyRequired) {
    UpdateSingleBar(m_verticalScrollBar, cyRequired - Height(rect),
                    RECT{rect.right, rect.top, rect.right + m_verticalScrollBar->GetFixedWidth(), rect.bottom});
}

void CContainerUI::UpdateHorizontalBarOnly(const RECT& rect, int cxRequired) {
    UpdateSingleBar(m_horizontalScrollBar, cxRequired - Width(rect),
                    RECT{rect.left, rect.bottom, rect.right, rect.bottom + m_horizontalScrollBar->GetFixedHeight()});
}

// A container with one bar: it shows when the content exceeds the view by
// `excess`, hides when it no longer does, and otherwise follows the excess.
void CContainerUI::UpdateSingleBar(CScrollBarUI* bar, int excess, const RECT& barRect) {
    if (excess > 0 && !bar->IsVisible()) {
        bar->SetVisible(true);
        bar->SetScrollRange(excess);
        bar->SetScrollPos(0, true);
        m_scrollProcess = true;
        Relayout(true);
        m_scrollProcess = false;
        return;
    }
    if (!bar->IsVisible()) {
        return;
    }
    if (excess <= 0 && !m_scrollProcess) {
        bar->SetVisible(false);
        bar->SetScrollPos(0, true);
        bar->SetScrollRange(0);
        Relayout(true);
        return;
    }
    bar->SetPos(barRect, false);
    if (bar->GetScrollRange() == excess) {
        return;
    }
    const int oldPos = bar->GetScrollPos();
    bar->SetScrollRange(std::abs(excess));
    if (bar->GetScrollRange() == 0) {
        bar->SetVisible(false);
        bar->SetScrollPos(0, true);
    }
    if (bar->GetScrollPos() < oldPos) {
        Relayout(false);
    }
}

void CContainerUI::UpdateBothBars(RECT rect, int cxRequired, int cyRequired) {
    CScrollBarUI* vertical = m_verticalScrollBar;
    CScrollBarUI* horizontal = m_horizontalScrollBar;
    const auto placeHorizontal = [&]() {
        horizontal->SetPos(RECT{rect.left, rect.bottom, rect.right, rect.bottom + horizontal->GetFixedHeight()}, false);
    };

    bool horizontalChanged = false;
    if (cxRequired > Width(rect)) {
        if (!horizontal->IsVisible()) {
            horizontal->SetVisible(true);
            horizontal->SetScrollPos(0, true);
            rect.bottom -= horizontal->GetFixedHeight();
        }
        placeHorizontal();
        if (horizontal->GetScrollRange() != cxRequired - Width(rect)) {
            horizontal->SetScrollRange(cxRequired - Width(rect));
            horizontalChanged = true;
        }
    } else if (horizontal->IsVisible()) {
        // The children were placed with the bar's offset and without its
        // height: they need a new layout too.
        horizontal->SetVisible(false);
        rect.bottom += horizontal->GetFixedHeight();
        horizontalChanged = true;
    }

    const int excess = cyRequired - Height(rect);
    if (excess > 0 && !vertical->IsVisible()) {
        vertical->SetVisible(true);
        vertical->SetScrollRange(excess);
        vertical->SetScrollPos(0, true);
        rect.right -= vertical->GetFixedWidth();
        if (horizontal->IsVisible()) {
            placeHorizontal();
            horizontal->SetScrollRange(cxRequired - Width(rect));
        }
        m_scrollProcess = true;
        Relayout(true);
        m_scrollProcess = false;
        return;
    }
    if (!vertical->IsVisible()) {
        if (horizontalChanged) {
            Relayout(true);
        }
        return;
    }
    if (excess <= 0 && !m_scrollProcess) {
        vertical->SetVisible(false);
        vertical->SetScrollPos(0, true);
        vertical->SetScrollRange(0);
        rect.right += vertical->GetFixedWidth();
        if (horizontal->IsVisible()) {
            placeHorizontal();
            horizontal->SetScrollRange(cxRequired - Width(rect));
        }
        Relayout(true);
        return;
    }
    vertical->SetPos(RECT{rect.right, rect.top, rect.right + vertical->GetFixedWidth(), rect.bottom}, false);
    if (vertical->GetScrollRange() == excess) {
        if (horizontalChanged) {
            Relayout(false);
        }
        return;
    }
    const int oldPos = vertical->GetScrollPos();
    vertical->SetScrollRange(std::abs(excess));
    if (vertical->GetScrollRange() == 0) {
        vertical->SetVisible(false);
        vertical->SetScrollPos(0, true);
    }
    if (vertical->GetScrollPos() < oldPos || horizontalChanged) {
        Relayout(false);
    }
}

void CContainerUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CControlUI::DoEvent(routed); })) {
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
        m_focused = true;
        return;
    case UIEVENT_KILLFOCUS:
        m_focused = false;
        return;
    case UIEVENT_KEYDOWN:
        if (IsKeyboardEnabled() && IsEnabled()) {
            const bool vertical = IsUsable(m_verticalScrollBar);
            if (vertical || IsUsable(m_horizontalScrollBar)) {
                switch (event.key) {
                case VK_PRIOR:
                    vertical ? PageUp() : PageLeft();
                    return;
                case VK_NEXT:
                    vertical ? PageDown() : PageRight();
                    return;
                case VK_END:
                    vertical ? EndDown() : EndRight();
                    return;
                case VK_HOME:
                    vertical ? HomeUp() : HomeLeft();
                    return;
                case VK_UP:
                    vertical ? LineUp() : LineLeft();
                    return;
                case VK_DOWN:
                    vertical ? LineDown() : LineRight();
                    return;
                default:
                    break;
                }
            }
        }
        break;
    case UIEVENT_SCROLLWHEEL: {
        const bool down = LOWORD(event.wParam) == 1;
        if (IsUsable(m_horizontalScrollBar) && ::PtInRect(&m_horizontalScrollBar->GetPos(), event.mouse)) {
            down ? LineRight() : LineLeft();
            return;
        }
        if (IsUsable(m_verticalScrollBar)) {
            down ? LineDown() : LineUp();
            return;
        }
        if (IsUsable(m_horizontalScrollBar)) {
            down ? LineRight() : LineLeft();
            return;
        }
        break;
    }
    default:
        break;
    }
    CControlUI::DoEvent(event);
}

}  // namespace SkinUI
