#include "ui/controls/UIListHeaderItem.h"

#include <cwchar>

#include "ui/controls/UIListInfo.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr int kMinimumColumnWidth = 16;
// Space above and below the default font in a caption without a height of its own.
constexpr int kCaptionLeading = 8;

}  // namespace

CListHeaderItemUI::CListHeaderItemUI() {
    m_minWidth = kMinimumColumnWidth;
}

LPCWSTR CListHeaderItemUI::GetClass() const {
    return L"ListHeaderItem";
}

LPVOID CListHeaderItemUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"ListHeaderItem") == 0) {
        return this;
    }
    return CControlUI::GetInterface(name);
}

UINT CListHeaderItemUI::GetControlFlags() const {
    return IsEnabled() && m_sepWidth != 0 ? static_cast<UINT>(UIFLAG_SETCURSOR) : 0u;
}

void CListHeaderItemUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) {
        m_state = 0;
    }
}

void CListHeaderItemUI::RelayoutList() {
    if (m_parent != nullptr) {
        m_parent->NeedParentLayout();
    }
}

void CListHeaderItemUI::SetFixedWidth(int width) {
    CControlUI::SetFixedWidth(width);
    RelayoutList();
}

void CListHeaderItemUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    RelayoutList();
}

void CListHeaderItemUI::SetFloat(bool isFloat) {
    CControlUI::SetFloat(isFloat);
    RelayoutList();
}

RECT CListHeaderItemUI::GetSeparatorRect() const {
    RECT separator = m_itemRect;
    const int sepWidth = Scaled(m_sepWidth);
    if (sepWidth >= 0) {
        separator.left = m_itemRect.right - sepWidth;
    } else {
        separator.right = m_itemRect.left - sepWidth;
    }
    return separator;
}

bool CListHeaderItemUI::InSeparator(POINT point) const {
    const RECT separator = GetSeparatorRect();
    return ::PtInRect(&separator, point) != FALSE;
}

void CListHeaderItemUI::DragSeparator(POINT point) {
    const int delta = point.x - m_lastMouse.x;
    // Moves that come faster than the layout add up on the width asked for.
    const int current = m_fixedWidth > 0 ? GetFixedWidth() : GetWidth();
    const int width = current + (m_sepWidth >= 0 ? delta : -delta);
    if (width <= GetMinWidth()) {
        return;
    }
    m_lastMouse = point;
    SetFixedWidth(Unscaled(width));
}

void CListHeaderItemUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CControlUI::DoEvent(routed); })) {
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
        Invalidate();
        break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (!IsEnabled()) {
            break;
        }
        if (InSeparator(event.mouse)) {
            if (m_dragable) {
                m_state |= kCaptured;
                m_lastMouse = event.mouse;
            }
        } else {
            m_state |= kPushed;
            if (m_manager != nullptr) {
                m_manager->SendNotify(this, L"headerclick");
            }
            Invalidate();
        }
        return;
    case UIEVENT_BUTTONUP:
        if ((m_state & kCaptured) != 0) {
            m_state &= ~kCaptured;
            RelayoutList();
        } else if ((m_state & kPushed) != 0) {
            m_state &= ~kPushed;
            Invalidate();
        }
        return;
    case UIEVENT_MOUSEMOVE:
        if ((m_state & kCaptured) != 0) {
            DragSeparator(event.mouse);
        }
        return;
    case UIEVENT_CANCELPRESS:
        // Capture went elsewhere mid-drag: the column keeps the width it reached and stops following the mouse.
        if ((m_state & kCaptured) != 0) {
            m_state &= ~kCaptured;
            RelayoutList();
        }
        m_state &= ~kPushed;
        Invalidate();
        return;
    case UIEVENT_SETCURSOR:
        if (IsEnabled() && m_dragable && InSeparator(event.mouse)) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
            return;
        }
        // Elsewhere the base sets the arrow, so the sizing cursor does not stick.
        break;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        UpdateHotState(*this, event, m_itemRect, m_state, kHot);
        return;
    default:
        break;
    }
    CControlUI::DoEvent(event);
}

void CListHeaderItemUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"dragable")) {
        m_dragable = ParseBool(value);
        if (!m_dragable) {
            m_state &= ~kCaptured;
        }
    } else if (IsName(name, L"align")) {
        ApplyAlignWords(m_textStyle, value);
    } else if (IsName(name, L"valign")) {
        ApplyVAlignWords(m_textStyle, value);
    } else if (IsName(name, L"endellipsis")) {
        m_textStyle = ParseBool(value) ? (m_textStyle | DT_END_ELLIPSIS) : (m_textStyle & ~DT_END_ELLIPSIS);
    } else if (IsName(name, L"multiline")) {
        ApplyMultiline(m_textStyle, ParseBool(value));
    } else if (IsName(name, L"font")) {
        m_font = ParseInt(value);
        Invalidate();
    } else if (IsName(name, L"textcolor")) {
        m_textColor = ParseColor(value);
        Invalidate();
    } else if (IsName(name, L"textpadding")) {
        m_textPadding = ClampRect(ParseRect(value));
        Invalidate();
    } else if (IsName(name, L"showhtml")) {
        m_showHtml = ParseBool(value);
        Invalidate();
    } else if (IsName(name, L"normalimage")) {
        SetImage(m_normalImage, value);
    } else if (IsName(name, L"hotimage")) {
        SetImage(m_hotImage, value);
    } else if (IsName(name, L"pushedimage")) {
        SetImage(m_pushedImage, value);
    } else if (IsName(name, L"focusedimage")) {
        SetImage(m_focusedImage, value);
    } else if (IsName(name, L"sepwidth")) {
        m_sepWidth = ClampCoordinate(ParseInt(value));
        Invalidate();
    } else if (IsName(name, L"sepcolor")) {
        m_sepColor = ParseColor(value);
        Invalidate();
    } else if (IsName(name, L"sepimage")) {
        SetImage(m_sepImage, value);
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

SIZE CListHeaderItemUI::MeasureSize(SIZE available) {
    if (m_manager == nullptr) {
        return SIZE{0, 0};
    }
    if (m_fixedHeight > 0) {
        return CControlUI::MeasureSize(available);
    }
    return SIZE{GetFixedWidth(), m_manager->GetDefaultFontInfo()->textMetrics.tmHeight + Scaled(kCaptionLeading)};
}

void CListHeaderItemUI::PaintStateImage(HDC dc) {
    if (IsFocused()) {
        m_state |= kFocused;
    } else {
        m_state &= ~kFocused;
    }
    bool drawn = false;
    if ((m_state & kPushed) != 0) {
        drawn = DrawImage(dc, m_pushedImage);
    } else if ((m_state & kHot) != 0) {
        drawn = DrawImage(dc, m_hotImage);
    } else if ((m_state & kFocused) != 0) {
        drawn = DrawImage(dc, m_focusedImage);
    }
    if (!drawn) {
        DrawImage(dc, m_normalImage);
    }
    if (m_sepWidth <= 0) {
        return;
    }
    const RECT separator = GetSeparatorRect();
    RECT relative = separator;
    ::OffsetRect(&relative, -m_itemRect.left, -m_itemRect.top);
    ImageDrawOverride override;
    override.dest = &relative;
    if (!DrawImage(dc, m_sepImage, override) && m_sepColor != 0) {
        const LONG x = (separator.left + separator.right) / 2;
        CRenderer::DrawLine(dc, RECT{x, separator.top, x, separator.bottom}, Scaled(m_sepWidth),
                            AdjustColor(m_sepColor));
    }
}

void CListHeaderItemUI::PaintText(HDC dc) {
    if (m_textColor == 0 && m_manager != nullptr) {
        m_textColor = m_manager->GetDefaultFontColor();
    }
    if (m_text.IsEmpty()) {
        return;
    }
    const RECT padding = Scaled(m_textPadding);
    RECT textRect = {m_itemRect.left + padding.left, m_itemRect.top + padding.top, m_itemRect.right - padding.right,
                     m_itemRect.bottom - padding.bottom};
    if (m_showHtml) {
        int links = 0;
        CRenderer::DrawRichText(dc, m_manager, textRect, m_text, m_textColor, nullptr, nullptr, links, m_font,
                                m_textStyle);
    } else {
        CRenderer::DrawText(dc, m_manager, textRect, m_text, m_textColor, m_font, m_textStyle);
    }
}

}  // namespace SkinUI
