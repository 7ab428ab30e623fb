#include "ui/controls/UIScrollBar.h"

#include <cwchar>

#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr int kDefaultThickness = 16;

// A rectangle with main-axis edges (start, end) and cross-axis edges
// (crossStart, crossEnd), built the right way round for the bar's direction.
RECT AxisRect(bool horizontal, LONG start, LONG crossStart, LONG end, LONG crossEnd) {
    return horizontal ? RECT{start, crossStart, end, crossEnd} : RECT{crossStart, start, crossEnd, end};
}

}  // namespace

CScrollBarUI::CScrollBarUI() {
    m_fixedWidth = kDefaultThickness;
}

LPCWSTR CScrollBarUI::GetClass() const {
    return L"ScrollBar";
}

LPVOID CScrollBarUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"ScrollBar") == 0) {
        return this;
    }
    return CControlUI::GetInterface(name);
}

void CScrollBarUI::SetPos(RECT rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayoutParts();
}

void CScrollBarUI::LayoutParts() {
    const RECT& item = m_itemRect;
    const LONG start = m_horizontal ? item.left : item.top;
    const LONG end = m_horizontal ? item.right : item.bottom;
    const LONG crossStart = m_horizontal ? item.top : item.left;
    const int thickness = m_horizontal ? m_fixedHeight : m_fixedWidth;
    const int length = end - start;
    const int buttons = (m_showButton1 ? 1 : 0) + (m_showButton2 ? 1 : 0);
    const int track = length - thickness * buttons;
    const LONG crossEnd = crossStart + thickness;

    if (thickness < track) {
        m_button1Rect = m_showButton1 ? AxisRect(m_horizontal, start, crossStart, start + thickness, crossEnd)
                                      : AxisRect(m_horizontal, start, crossStart, start, crossStart);
        m_button2Rect = m_showButton2 ? AxisRect(m_horizontal, end - thickness, crossStart, end, crossEnd)
                                      : AxisRect(m_horizontal, end, crossStart, end, crossStart);
        const LONG trackStart = m_horizontal ? m_button1Rect.right : m_button1Rect.bottom;
        const LONG trackEnd = m_horizontal ? m_button2Rect.left : m_button2Rect.top;
        if (m_range <= 0) {
            m_thumbRect = AxisRect(m_horizontal, trackStart, crossStart, trackEnd, crossEnd);
            return;
        }
        int thumbLength = static_cast<int>(static_cast<long long>(length) * track / (length + m_range));
        if (thumbLength < thickness) {
            thumbLength = thickness;
        }
        LONG thumbStart =
            static_cast<LONG>(static_cast<long long>(track - thumbLength) * m_scrollPos / m_range) + trackStart;
        LONG thumbEnd = thumbStart + thumbLength;
        if (thumbEnd > trackEnd) {
            thumbStart -= thumbEnd - trackEnd;
            thumbEnd = trackEnd;
        }
        m_thumbRect = AxisRect(m_horizontal, thumbStart, crossStart, thumbEnd, crossEnd);
        return;
    }
    // No room for a thumb: the buttons share the length.
    const int buttonLength = thickness < length / 2 ? thickness : length / 2;
    m_button1Rect = m_showButton1 ? AxisRect(m_horizontal, start, crossStart, start + buttonLength, crossEnd)
                                  : AxisRect(m_horizontal, start, crossStart, start, crossStart);
    m_button2Rect = m_showButton2 ? AxisRect(m_horizontal, end - buttonLength, crossStart, end, crossEnd)
                                  : AxisRect(m_horizontal, end, crossStart, end, crossStart);
    m_thumbRect = RECT{0, 0, 0, 0};
}

void CScrollBarUI::SetVisible(bool visible) {
    if (m_visible == visible) {
        return;
    }
    m_visible = visible;
    m_focused = false;
}

void CScrollBarUI::SetFocus() {
    if (m_owner != nullptr) {
        m_owner->SetFocus();
    } else {
        CControlUI::SetFocus();
    }
}

void CScrollBarUI::SetHorizontal(bool horizontal) {
    if (m_horizontal == horizontal) {
        return;
    }
    m_horizontal = horizontal;
    if (m_horizontal && m_fixedHeight == 0) {
        m_fixedWidth = 0;
        m_fixedHeight = kDefaultThickness;
    } else if (!m_horizontal && m_fixedWidth == 0) {
        m_fixedHeight = 0;
        m_fixedWidth = kDefaultThickness;
    }
    if (m_owner != nullptr) {
        m_owner->NeedUpdate();
    } else {
        NeedParentLayout();
    }
}

void CScrollBarUI::SetScrollRange(int range) {
    if (m_range == range) {
        return;
    }
    m_range = range < 0 ? 0 : range;
    if (m_scrollPos > m_range) {
        m_scrollPos = m_range;
    }
    SetPos(m_itemRect, true);
}

void CScrollBarUI::SetScrollPos(int pos, bool notify) {
    if (m_scrollPos == pos) {
        return;
    }
    const int oldPos = m_scrollPos;
    if (pos < 0) {
        pos = 0;
    }
    if (m_scrollUnit > 1) {
        const int remainder = pos % m_scrollUnit;
        if (remainder != 0) {
            pos = remainder < m_scrollUnit / 2 ? pos - remainder : pos + m_scrollUnit - remainder;
        }
    }
    if (pos > m_range) {
        pos = m_range;
    }
    m_scrollPos = pos;
    SetPos(m_itemRect, true);
    if (notify && m_manager != nullptr) {
        m_manager->SendNotify(this, L"scroll", static_cast<WPARAM>(m_scrollPos), static_cast<LPARAM>(oldPos), true,
                              false);
    }
}

void CScrollBarUI::SetLineSize(int size) {
    if (size >= 0) {
        m_lineSize = size;
    }
}

void CScrollBarUI::SetScrollUnit(int unit) {
    if (unit >= 0) {
        m_scrollUnit = unit;
    }
}

void CScrollBarUI::SetShowButton1(bool show) {
    m_showButton1 = show;
    SetPos(m_itemRect, true);
}

void CScrollBarUI::SetShowButton2(bool show) {
    m_showButton2 = show;
    SetPos(m_itemRect, true);
}

void CScrollBarUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (std::wcscmp(name, L"hor") == 0) {
        SetHorizontal(ParseBool(value));
    } else if (std::wcscmp(name, L"linesize") == 0) {
        SetLineSize(ParseInt(value));
    } else if (std::wcscmp(name, L"range") == 0) {
        SetScrollRange(ParseInt(value));
    } else if (std::wcscmp(name, L"value") == 0) {
        SetScrollPos(ParseInt(value), true);
    } else if (std::wcscmp(name, L"scrollunit") == 0) {
        SetScrollUnit(ParseInt(value));
    } else if (std::wcscmp(name, L"showbutton1") == 0) {
        SetShowButton1(ParseBool(value));
    } else if (std::wcscmp(name, L"showbutton2") == 0) {
        SetShowButton2(ParseBool(value));
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
