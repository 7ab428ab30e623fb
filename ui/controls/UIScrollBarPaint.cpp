// The scroll bar's painting: each part draws the image of its state at its
// own rectangle, leaving the parsed "dest" of the image strings alone.

#include <initializer_list>

#include "ui/controls/UIScrollBar.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

bool CScrollBarUI::StateImageOf(UINT state, ScrollBarImage* image) {
    if ((state & kStateDisabled) != 0) {
        *image = ScrollBarImage::Disabled;
    } else if ((state & kStatePushed) != 0) {
        *image = ScrollBarImage::Pushed;
    } else if ((state & kStateHot) != 0) {
        *image = ScrollBarImage::Hot;
    } else {
        return false;
    }
    return true;
}

void CScrollBarUI::PaintStateImage(HDC dc) {
    for (UINT* state : {&m_button1State, &m_button2State, &m_thumbState}) {
        *state = IsEnabled() ? *state & ~kStateDisabled : *state | kStateDisabled;
    }
    PaintBackground(dc);
    if (m_showButton1) {
        PaintPart(dc, ScrollBarPart::Button1, m_button1Rect, m_button1State, m_button1Color);
    }
    if (m_showButton2) {
        PaintPart(dc, ScrollBarPart::Button2, m_button2Rect, m_button2State, m_button2Color);
    }
    if (!::IsRectEmpty(&m_thumbRect)) {
        PaintPart(dc, ScrollBarPart::Thumb, m_thumbRect, m_thumbState, m_thumbColor);
        PaintRail(dc);
    }
}

void CScrollBarUI::PaintBackground(HDC dc) {
    ScrollBarImage image;
    if (StateImageOf(m_thumbState, &image) && DrawImage(dc, Image(ScrollBarPart::Background, image))) {
        return;
    }
    DrawImage(dc, Image(ScrollBarPart::Background, ScrollBarImage::Normal));
}

void CScrollBarUI::PaintPart(HDC dc, ScrollBarPart part, const RECT& rect, UINT state, DWORD color) {
    RECT fill;
    if (color != 0 && ::IntersectRect(&fill, &rect, &m_paintRect)) {
        CRenderer::DrawColor(dc, fill, AdjustColor(color));
    }
    RECT dest = rect;
    ::OffsetRect(&dest, -m_itemRect.left, -m_itemRect.top);
    ImageDrawOverride override;
    override.dest = &dest;
    ScrollBarImage image;
    if (StateImageOf(state, &image) && DrawImage(dc, Image(part, image), override)) {
        return;
    }
    DrawImage(dc, Image(part, ScrollBarImage::Normal), override);
}

// A square of the bar's thickness centred on the thumb, drawn by the thumb's state.
void CScrollBarUI::PaintRail(HDC dc) {
    const int thickness = Thickness();
    const LONG middle = (StartOf(m_thumbRect) + EndOf(m_thumbRect)) / 2 - thickness / 2;
    const RECT rail = m_horizontal ? RECT{middle, m_thumbRect.top, middle + thickness, m_thumbRect.bottom}
                                   : RECT{m_thumbRect.left, middle, m_thumbRect.right, middle + thickness};
    PaintPart(dc, ScrollBarPart::Rail, rail, m_thumbState, 0);
}

}  // namespace SkinUI
