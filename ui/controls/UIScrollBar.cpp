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

// The image attributes: a part's prefix followed by a state's name.
struct PartPrefix {
    LPCWSTR prefix;
    ScrollBarPart part;
};

struct ImageSuffix {
    LPCWSTR suffix;
    ScrollBarImage image;
};

const PartPrefix kPartPrefixes[] = {
    {L"bk", ScrollBarPart::Background}, {L"button1", ScrollBarPart::Button1}, {L"button2", ScrollBarPart::Button2},
    {L"thumb", ScrollBarPart::Thumb},   {L"rail", ScrollBarPart::Rail},
};

const ImageSuffix kImageSuffixes[] = {
    {L"normalimage", ScrollBarImage::Normal},
    {L"hotimage", ScrollBarImage::Hot},
    {L"pushedimage", ScrollBarImage::Pushed},
    {L"disabledimage", ScrollBarImage::Disabled},
};

bool FindImageAttribute(LPCWSTR name, ScrollBarPart* part, ScrollBarImage* image) {
    for (const PartPrefix& prefix : kPartPrefixes) {
        const size_t length = std::wcslen(prefix.prefix);
        if (std::wcsncmp(name, prefix.prefix, length) != 0) {
            continue;
        }
        for (const ImageSuffix& suffix : kImageSuffixes) {
            if (std::wcscmp(name + length, suffix.suffix) == 0) {
                *part = prefix.part;
                *image = suffix.image;
                return true;
            }
        }
    }
    return false;
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

void CScrollBarUI::Move(SIZE offset, bool needInvalidate) {
    CControlUI::Move(offset, needInvalidate);
    LayoutParts();
}

int CScrollBarUI::Thickness() const {
    return m_horizontal ? GetFixedHeight() : GetFixedWidth();
}

void CScrollBarUI::LayoutParts() {
    const RECT& item = m_itemRect;
    const LONG start = StartOf(item);
    const LONG end = EndOf(item);
    const LONG crossStart = m_horizontal ? item.top : item.left;
    const int thickness = Thickness();
    const int length = end - start;
    const int buttons = (m_showButton1 ? 1 : 0) + (m_showButton2 ? 1 : 0);
    const int track = length - thickness * buttons;
    const LONG crossEnd = crossStart + thickness;

    if (thickness < track) {
        m_button1Rect = m_showButton1 ? AxisRect(m_horizontal, start, crossStart, start + thickness, crossEnd)
                                      : AxisRect(m_horizontal, start, crossStart, start, crossStart);
        m_button2Rect = m_showButton2 ? AxisRect(m_horizontal, end - thickness, crossStart, end, crossEnd)
                                      : AxisRect(m_horizontal, end, crossStart, end, crossStart);
        const LONG trackStart = EndOf(m_button1Rect);
        const LONG trackEnd = StartOf(m_button2Rect);
        if (m_range <= 0) {
            m_thumbRect = AxisRect(m_horizontal, trackStart, crossStart, trackEnd, crossEnd);
            return;
        }
        // A range up to INT_MAX comes from markup: the products need 64 bits.
        int thumbLength =
            static_cast<int>(static_cast<long long>(length) * track / (static_cast<long long>(length) + m_range));
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

// SetPos would take a float bar's item rectangle for one relative to its
// parent and move the bar: the parts are laid out where the bar already is.
void CScrollBarUI::Relayout() {
    LayoutParts();
    Invalidate();
}

void CScrollBarUI::SetVisible(bool visible) {
    if (m_visible == visible) {
        return;
    }
    if (!visible) {
        EndPress();
    }
    if (m_owner == nullptr) {
        CControlUI::SetVisible(visible);
        return;
    }
    m_visible = visible;
    m_focused = false;
}

void CScrollBarUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) {
        EndPress();
        m_button1State = 0;
        m_button2State = 0;
        m_thumbState = 0;
    }
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
    if (range < 0) {
        range = 0;
    }
    if (m_range == range) {
        return;
    }
    m_range = range;
    if (m_scrollPos > m_range) {
        m_scrollPos = m_range;
    }
    Relayout();
}

void CScrollBarUI::SetScrollPos(int pos, bool notify) {
    long long target = pos < 0 ? 0 : pos;
    if (m_scrollUnit > 1) {
        const int remainder = static_cast<int>(target % m_scrollUnit);
        if (remainder != 0) {
            target = remainder < m_scrollUnit / 2 ? target - remainder : target + m_scrollUnit - remainder;
        }
    }
    if (target > m_range) {
        target = m_range;
    }
    if (target == m_scrollPos) {
        return;
    }
    const int oldPos = m_scrollPos;
    m_scrollPos = static_cast<int>(target);
    Relayout();
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
    Relayout();
}

void CScrollBarUI::SetShowButton2(bool show) {
    m_showButton2 = show;
    Relayout();
}

void CScrollBarUI::SetButton1Color(DWORD color) {
    if (m_button1Color == color) {
        return;
    }
    m_button1Color = color;
    Invalidate();
}

void CScrollBarUI::SetButton2Color(DWORD color) {
    if (m_button2Color == color) {
        return;
    }
    m_button2Color = color;
    Invalidate();
}

void CScrollBarUI::SetThumbColor(DWORD color) {
    if (m_thumbColor == color) {
        return;
    }
    m_thumbColor = color;
    Invalidate();
}

ImageDrawInfo& CScrollBarUI::Image(ScrollBarPart part, ScrollBarImage image) {
    return m_images[static_cast<int>(part)][static_cast<int>(image)];
}

void CScrollBarUI::SetPartImage(ScrollBarPart part, ScrollBarImage image, LPCWSTR description) {
    SetImage(Image(part, image), description);
}

void CScrollBarUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    ScrollBarPart part;
    ScrollBarImage image;
    if (FindImageAttribute(name, &part, &image)) {
        SetPartImage(part, image, value);
    } else if (std::wcscmp(name, L"button1color") == 0) {
        SetButton1Color(ParseColor(value));
    } else if (std::wcscmp(name, L"button2color") == 0) {
        SetButton2Color(ParseColor(value));
    } else if (std::wcscmp(name, L"thumbcolor") == 0) {
        SetThumbColor(ParseColor(value));
    } else if (std::wcscmp(name, L"hor") == 0) {
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
