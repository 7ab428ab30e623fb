#include "ui/core/control/UIControl.h"

#include "ui/core/base/UISizeLimits.h"

// Controls call back into the manager that owns their tree (invalidation,
// notifications, timers, fonts).
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr DWORD kOpaque = 0xFF000000;
constexpr int kSplitGradientSteps = 8;
constexpr int kGradientSteps = 16;

}  // namespace

bool CControlUI::Paint(HDC dc, const RECT& paintRect, CControlUI* stopControl) {
    if (stopControl == this) {
        return false;
    }
    if (!::IntersectRect(&m_paintRect, &paintRect, &m_itemRect)) {
        return true;
    }
    if (!OnPaint.IsEmpty() && !OnPaint(this)) {
        return true;
    }
    if (!DoPaint(dc, paintRect, stopControl)) {
        return false;
    }
    if (m_cover != nullptr) {
        return m_cover->Paint(dc, paintRect, nullptr);
    }
    return true;
}

bool CControlUI::DoPaint(HDC dc, const RECT& /*paintRect*/, CControlUI* /*stopControl*/) {
    CClipScope roundClip;
    if (m_borderRound.cx > 0 || m_borderRound.cy > 0) {
        const SIZE round = ClampCorner(GetBorderRound(), m_itemRect);
        roundClip.ClipToRoundRect(dc, m_paintRect, m_itemRect, round.cx, round.cy);
    }
    PaintBkColor(dc);
    PaintBkImage(dc);
    PaintStateImage(dc);
    PaintText(dc);
    PaintBorder(dc);
    return true;
}

void CControlUI::PaintBkColor(HDC dc) {
    if (m_bkColor == 0) {
        return;
    }
    if (m_bkColor2 == 0) {
        // A translucent fill must cover the whole item: painting only the
        // repainted part twice would darken it.
        CRenderer::DrawColor(dc, m_bkColor >= kOpaque ? m_paintRect : m_itemRect, AdjustColor(m_bkColor));
        return;
    }
    if (m_bkColor3 != 0) {
        const LONG middle = (m_itemRect.top + m_itemRect.bottom) / 2;
        RECT upper = m_itemRect;
        upper.bottom = middle;
        RECT lower = m_itemRect;
        lower.top = middle;
        CRenderer::DrawGradient(dc, upper, AdjustColor(m_bkColor), AdjustColor(m_bkColor2), true, kSplitGradientSteps);
        CRenderer::DrawGradient(dc, lower, AdjustColor(m_bkColor2), AdjustColor(m_bkColor3), true, kSplitGradientSteps);
        return;
    }
    CRenderer::DrawGradient(dc, m_itemRect, AdjustColor(m_bkColor), AdjustColor(m_bkColor2), true, kGradientSteps);
}

bool CControlUI::DrawImage(HDC dc, ImageDrawInfo& info, const ImageDrawOverride& override) {
    return CRenderer::DrawImage(dc, m_manager, m_itemRect, m_paintRect, info, override);
}

void CControlUI::PaintBkImage(HDC dc) {
    DrawImage(dc, m_bkImage);
}

void CControlUI::PaintStateImage(HDC /*dc*/) {}

void CControlUI::PaintText(HDC /*dc*/) {}

void CControlUI::PaintBorder(HDC dc) {
    if (m_borderSize.left <= 0 || (m_borderColor == 0 && m_focusBorderColor == 0)) {
        return;
    }
    const DWORD color = AdjustColor(m_focused && m_focusBorderColor != 0 ? m_focusBorderColor : m_borderColor);
    const RECT& item = m_itemRect;
    const RECT scaled = GetBorderSize();
    const RECT widths = {ClampBorderWidth(scaled.left, item), ClampBorderWidth(scaled.top, item),
                         ClampBorderWidth(scaled.right, item), ClampBorderWidth(scaled.bottom, item)};
    if (m_borderRound.cx > 0 || m_borderRound.cy > 0) {
        const SIZE round = GetBorderRound();
        CRenderer::DrawRoundRect(dc, item, widths.left, round.cx, round.cy, color, m_borderStyle);
        return;
    }
    if (widths.top == widths.left && widths.right == widths.left && widths.bottom == widths.left) {
        CRenderer::DrawRect(dc, item, widths.left, color, m_borderStyle);
        return;
    }
    // Each line is centred on the band of its width just inside its edge.
    const LONG leftX = item.left + widths.left / 2;
    CRenderer::DrawLine(dc, RECT{leftX, item.top, leftX, item.bottom}, widths.left, color, m_borderStyle);
    if (widths.top > 0) {
        const LONG topY = item.top + widths.top / 2;
        CRenderer::DrawLine(dc, RECT{item.left + widths.left, topY, item.right - widths.right, topY}, widths.top, color,
                            m_borderStyle);
    }
    if (widths.right > 0) {
        const LONG rightX = item.right - (widths.right + 1) / 2;
        CRenderer::DrawLine(dc, RECT{rightX, item.top, rightX, item.bottom}, widths.right, color, m_borderStyle);
    }
    if (widths.bottom > 0) {
        const LONG bottomY = item.bottom - (widths.bottom + 1) / 2;
        CRenderer::DrawLine(dc, RECT{item.left + widths.left, bottomY, item.right - widths.right, bottomY},
                            widths.bottom, color, m_borderStyle);
    }
}

void CControlUI::DoPostPaint(HDC /*dc*/, const RECT& /*paintRect*/) {
    OnPostPaint(this);
}

DWORD CControlUI::AdjustColor(DWORD color) const {
    if (!m_colorHSL) {
        return color;
    }
    short hue = 0;
    short saturation = 0;
    short lightness = 0;
    CUIManager::GetHSL(&hue, &saturation, &lightness);
    return CRenderer::AdjustColor(color, hue, saturation, lightness);
}

void CControlUI::SetBkColor(DWORD color) {
    if (m_bkColor == color) {
        return;
    }
    m_bkColor = color;
    Invalidate();
}

void CControlUI::SetBkColor2(DWORD color) {
    if (m_bkColor2 == color) {
        return;
    }
    m_bkColor2 = color;
    Invalidate();
}

void CControlUI::SetBkColor3(DWORD color) {
    if (m_bkColor3 == color) {
        return;
    }
    m_bkColor3 = color;
    Invalidate();
}

void CControlUI::SetBorderColor(DWORD color) {
    if (m_borderColor == color) {
        return;
    }
    m_borderColor = color;
    Invalidate();
}

void CControlUI::SetFocusBorderColor(DWORD color) {
    if (m_focusBorderColor == color) {
        return;
    }
    m_focusBorderColor = color;
    Invalidate();
}

void CControlUI::SetColorHSL(bool colorHSL) {
    if (m_colorHSL == colorHSL) {
        return;
    }
    m_colorHSL = colorHSL;
    Invalidate();
}

void CControlUI::SetBorderSize(int size) {
    size = ClampCoordinate(size);
    m_borderSize = RECT{size, size, size, size};
    Invalidate();
}

void CControlUI::SetBorderSize(RECT sizes) {
    m_borderSize = ClampRect(sizes);
    Invalidate();
}

void CControlUI::SetBorderStyle(int style) {
    m_borderStyle = style;
    Invalidate();
}

void CControlUI::SetBorderRound(int width, int height) {
    m_borderRound = ClampSize(SIZE{width, height});
    Invalidate();
}

void CControlUI::SetBkImage(LPCWSTR description) {
    if (m_bkImage.text == description && m_bkImage.image != nullptr) {
        return;
    }
    m_bkImage.Clear();
    m_bkImage.text = description;
    DrawImage(nullptr, m_bkImage);
    // A float control without a size request takes the size of its image.
    if (m_isFloat && m_fixedWidth == 0 && m_fixedHeight == 0 && m_bkImage.image != nullptr) {
        m_fixedWidth = m_bkImage.image->width;
        m_fixedHeight = m_bkImage.image->height;
    }
    Invalidate();
}

void CControlUI::SetForeImage(LPCWSTR description) {
    SetImage(m_foreImage, description);
}

void CControlUI::SetImage(ImageDrawInfo& image, LPCWSTR description) {
    if (image.Reset(description)) {
        Invalidate();
    }
}

}  // namespace SkinUI
