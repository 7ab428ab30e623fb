#include "ui/extra/UIProgress.h"

#include <algorithm>
#include <climits>
#include <cwchar>

#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

namespace {

constexpr int kDefaultHeight = 12;

}  // namespace

CProgressUI::CProgressUI() {
    m_textStyle = DT_SINGLELINE | DT_CENTER;
    m_fixedHeight = kDefaultHeight;
}

LPCWSTR CProgressUI::GetClass() const {
    return L"Progress";
}

LPVOID CProgressUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Progress") == 0) {
        return static_cast<CProgressUI*>(this);
    }
    return CLabelUI::GetInterface(name);
}

void CProgressUI::SetHorizontal(bool horizontal) {
    if (m_horizontal == horizontal) {
        return;
    }
    m_horizontal = horizontal;
    Invalidate();
}

void CProgressUI::SetMinValue(int value) {
    m_min = value;
    Invalidate();
}

void CProgressUI::SetMaxValue(int value) {
    m_max = value;
    Invalidate();
}

void CProgressUI::SetValue(int value) {
    m_value = value > m_max ? m_max : value;
    if (m_value < m_min) {
        m_value = m_min;
    }
    Invalidate();
}

void CProgressUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"foreimage")) {
        SetForeImage(value);
    } else if (IsName(name, L"hor")) {
        SetHorizontal(ParseBool(value));
    } else if (IsName(name, L"min")) {
        SetMinValue(ParseInt(value));
    } else if (IsName(name, L"max")) {
        SetMaxValue(ParseInt(value));
    } else if (IsName(name, L"value")) {
        SetValue(ParseInt(value));
    } else {
        CLabelUI::SetAttribute(name, value);
    }
}

CProgressUI::Range CProgressUI::GetRange() const {
    Range range{m_min, m_max, m_value};
    if (range.min >= range.max) {
        // At the top of the type the minimum steps down, so that the repair fits what it is stored in.
        range.min = std::min<long long>(range.min, INT_MAX - 1);
        range.max = range.min + 1;
    }
    if (range.value > range.max) {
        range.value = range.max;
    } else if (range.value < range.min) {
        range.value = range.min;
    }
    return range;
}

long long CProgressUI::Scale(long long whole, long long part, long long total) {
    if (total <= 0 || part <= 0) {
        return 0;
    }
    if (part > total) {
        part = total;
    }
    // With whole = q x total + rest, whole x part / total = q x part + rest x part / total,
    // and rest x part stays below total squared, which unsigned 64 bits hold for a 32-bit total.
    const unsigned long long size =
        whole < 0 ? 0ULL - static_cast<unsigned long long>(whole) : static_cast<unsigned long long>(whole);
    const unsigned long long count = static_cast<unsigned long long>(total);
    const unsigned long long share = static_cast<unsigned long long>(part);
    const long long scaled = static_cast<long long>(size / count * share + size % count * share / count);
    return whole < 0 ? -scaled : scaled;
}

void CProgressUI::PaintStateImage(HDC dc) {
    // Painting is where bounds given out of order are put right for good.
    const Range range = GetRange();
    m_min = static_cast<int>(range.min);
    m_max = static_cast<int>(range.max);
    m_value = static_cast<int>(range.value);

    const LONG width = m_itemRect.right - m_itemRect.left;
    const LONG height = m_itemRect.bottom - m_itemRect.top;
    RECT fill = {0, 0, width, height};
    if (m_horizontal) {
        fill.right = static_cast<LONG>(Scale(width, range.Offset(), range.Span()));
    } else {
        fill.top = static_cast<LONG>(Scale(height, range.max - range.value, range.Span()));
    }
    ImageDrawOverride place;
    place.dest = &fill;
    DrawImage(dc, m_foreImage, place);
}

}  // namespace SkinUI
