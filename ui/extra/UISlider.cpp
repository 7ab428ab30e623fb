#include "ui/extra/UISlider.h"

#include <climits>
#include <cwchar>

#include "ui/controls/UIButton.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

// The wheel's event parameter: turned away from the user, or toward.
constexpr WPARAM kWheelUp = 0;
constexpr WPARAM kWheelDown = 1;

int ClampToInt(long long value) {
    return value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
}

}  // namespace

LPCWSTR CSliderUI::GetClass() const {
    return L"Slider";
}

LPVOID CSliderUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Slider") == 0) {
        return static_cast<CSliderUI*>(this);
    }
    return CProgressUI::GetInterface(name);
}

UINT CSliderUI::GetControlFlags() const {
    return IsEnabled() ? UIFLAG_TABSTOP | UIFLAG_SETCURSOR : 0;
}

void CSliderUI::SetEnabled(bool enabled) {
    CProgressUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_buttonState = 0;
    }
}

void CSliderUI::SetThumbSize(SIZE size) {
    m_thumbSize.cx = ClampLength(size.cx);
    m_thumbSize.cy = ClampLength(size.cy);
}

void CSliderUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"thumbimage")) {
        SetThumbImage(value);
    } else if (IsName(name, L"thumbhotimage")) {
        SetThumbHotImage(value);
    } else if (IsName(name, L"thumbpushedimage")) {
        SetThumbPushedImage(value);
    } else if (IsName(name, L"thumbsize")) {
        SetThumbSize(ParseSize(value));
    } else if (IsName(name, L"step")) {
        SetChangeStep(ParseInt(value));
    } else if (IsName(name, L"imm")) {
        SetImmediateMode(ParseBool(value));
    } else {
        CProgressUI::SetAttribute(name, value);
    }
}

RECT CSliderUI::GetThumbRect() const {
    const Range range = GetRange();
    const long long left = m_itemRect.left;
    const long long top = m_itemRect.top;
    const long long right = m_itemRect.right;
    const long long bottom = m_itemRect.bottom;
    const LONG width = GetThumbSize().cx;
    const LONG height = GetThumbSize().cy;
    RECT thumb;
    if (m_horizontal) {
        thumb.left = static_cast<LONG>(left + Scale(right - left - width, range.Offset(), range.Span()));
        thumb.top = static_cast<LONG>((bottom + top - height) / 2);
        thumb.right = thumb.left + width;
        thumb.bottom = thumb.top + height;
    } else {
        thumb.left = static_cast<LONG>((right + left - width) / 2);
        thumb.bottom = static_cast<LONG>(bottom - Scale(bottom - top - height, range.Offset(), range.Span()));
        thumb.right = thumb.left + width;
        thumb.top = thumb.bottom - height;
    }
    return thumb;
}

int CSliderUI::ValueAt(POINT point) const {
    const Range range = GetRange();
    const long long left = m_itemRect.left;
    const long long top = m_itemRect.top;
    const long long right = m_itemRect.right;
    const long long bottom = m_itemRect.bottom;
    const long long halfWidth = GetThumbSize().cx / 2;
    const long long halfHeight = GetThumbSize().cy / 2;
    long long value;
    if (m_horizontal) {
        if (point.x >= right - halfWidth) {
            value = range.max;
        } else if (point.x > left + halfWidth) {
            value = range.min + Scale(range.Span(), point.x - halfWidth - left, right - left - GetThumbSize().cx);
        } else {
            value = range.min;
        }
    } else {
        if (point.y >= bottom - halfHeight) {
            value = range.min;
        } else if (point.y > top + halfHeight) {
            value = range.min + Scale(range.Span(), bottom - halfHeight - point.y, bottom - top - GetThumbSize().cy);
        } else {
            value = range.max;
        }
    }
    return static_cast<int>(value);
}

bool CSliderUI::IsCaptured() const {
    return (m_buttonState & UISTATE_CAPTURED) != 0;
}

void CSliderUI::NotifyValueChanged() {
    if (m_manager != nullptr) {
        m_manager->SendNotify(this, L"valuechanged");
    }
}

void CSliderUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CProgressUI::DoEvent(routed); })) {
        return;
    }
    switch (event.type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (IsEnabled()) {
            m_buttonState |= UISTATE_CAPTURED;
            const int value = ValueAt(event.mouse);
            if (value >= m_min && value <= m_max) {
                m_value = value;
            }
            // Repainted even when the value stays: the thumb shows it is held.
            Invalidate();
        }
        return;
    case UIEVENT_BUTTONUP:
        if (IsCaptured()) {
            m_value = ValueAt(event.mouse);
            m_buttonState &= ~UISTATE_CAPTURED;
            Invalidate();
            NotifyValueChanged();
        }
        return;
    case UIEVENT_CANCELPRESS:
        // Another window ended the drag: it stays where it got to, and the application hears of it.
        if (IsCaptured()) {
            m_buttonState &= ~UISTATE_CAPTURED;
            Invalidate();
            NotifyValueChanged();
        }
        return;
    case UIEVENT_CONTEXTMENU:
        return;
    case UIEVENT_SCROLLWHEEL:
        // A disabled slider leaves the wheel to its parent.
        if (IsEnabled() && (event.wParam == kWheelUp || event.wParam == kWheelDown)) {
            const long long step = event.wParam == kWheelUp ? m_step : -static_cast<long long>(m_step);
            SetValue(ClampToInt(m_value + step));
            NotifyValueChanged();
            return;
        }
        break;
    case UIEVENT_MOUSEMOVE:
        if (IsCaptured()) {
            m_value = ValueAt(event.mouse);
            Invalidate();
            if (m_immediate) {
                NotifyValueChanged();
            }
        }
        return;
    case UIEVENT_SETCURSOR: {
        const RECT thumb = GetThumbRect();
        if (IsEnabled() && ::PtInRect(&thumb, event.mouse) != FALSE) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return;
        }
        break;
    }
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        if (UpdateHotState(*this, event, m_itemRect, m_buttonState, UISTATE_HOT) == HoverChange::StillInside) {
            return;
        }
        break;
    default:
        break;
    }
    CProgressUI::DoEvent(event);
}

void CSliderUI::PaintStateImage(HDC dc) {
    CProgressUI::PaintStateImage(dc);
    RECT thumb = GetThumbRect();
    // A thumb of no size shows nothing; its destination could otherwise read as the whole item.
    if (::IsRectEmpty(&thumb) != FALSE) {
        return;
    }
    ::OffsetRect(&thumb, -m_itemRect.left, -m_itemRect.top);
    ImageDrawOverride place;
    place.dest = &thumb;
    if (IsCaptured()) {
        if (DrawImage(dc, m_thumbPushedImage, place)) {
            return;
        }
    } else if ((m_buttonState & UISTATE_HOT) != 0 && DrawImage(dc, m_thumbHotImage, place)) {
        return;
    }
    DrawImage(dc, m_thumbImage, place);
}

}  // namespace SkinUI
