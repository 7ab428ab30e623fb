#include "ui/controls/UILabel.h"

#include <cwchar>

#include "ui/controls/UITextEffects.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr DWORD kSameColor = 0xFFFFFFFF;  // "the other colour" in the gradient colour pairs
constexpr int kMeasureExtent = 9999;
constexpr int kLineAllowance = 8;  // added to the font height of a single line
constexpr double kMinimumFuzz = 0.0001;

}  // namespace

CLabelUI::CLabelUI() = default;

CLabelUI::~CLabelUI() = default;

LPCWSTR CLabelUI::GetClass() const {
    return L"Label";
}

LPVOID CLabelUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Label") == 0) {
        return static_cast<CLabelUI*>(this);
    }
    return CControlUI::GetInterface(name);
}

void CLabelUI::SetText(LPCWSTR text) {
    if (m_text == text) {
        return;
    }
    // ContentChanged repaints or lays out; the base would invalidate a second time.
    m_text = text;
    ContentChanged();
}

void CLabelUI::SetFixedWidth(int width) {
    m_estimateStale = true;
    CControlUI::SetFixedWidth(width);
}

void CLabelUI::SetFixedHeight(int height) {
    m_estimateStale = true;
    CControlUI::SetFixedHeight(height);
}

bool CLabelUI::SizeFollowsContent() const {
    if (m_fixedWidth > 0 && m_fixedHeight > 0) {
        return false;
    }
    return (m_textStyle & DT_SINGLELINE) == 0 || m_fixedWidth == 0;
}

void CLabelUI::ContentChanged(bool sizeFollowedBefore) {
    m_estimateStale = true;
    if (sizeFollowedBefore || SizeFollowsContent()) {
        NeedParentLayout();
    } else {
        Invalidate();
    }
}

void CLabelUI::SetTextColor(DWORD color) {
    m_textColor = color;
    Invalidate();
}

void CLabelUI::SetDisabledTextColor(DWORD color) {
    m_disabledTextColor = color;
    Invalidate();
}

void CLabelUI::SetFont(int font) {
    m_font = font;
    ContentChanged();
}

void CLabelUI::SetTextStyle(UINT style) {
    if (style == m_textStyle) {
        return;
    }
    const bool followed = SizeFollowsContent();
    m_textStyle = style;
    ContentChanged(followed);
}

void CLabelUI::SetTextPadding(RECT padding) {
    m_textPadding = ClampRect(padding);
    ContentChanged();
}

void CLabelUI::SetShowHtml(bool showHtml) {
    if (m_showHtml == showHtml) {
        return;
    }
    m_showHtml = showHtml;
    ContentChanged();
}

void CLabelUI::SetEffectEnabled(bool enabled) {
    m_effectEnabled = enabled;
    if (enabled && m_gdiPlus == nullptr) {
        m_gdiPlus = std::make_unique<CGdiPlusUser>();
    }
    Invalidate();
}

void CLabelUI::DoEvent(UIEvent& event) {
    if (event.type == UIEVENT_SETFOCUS || event.type == UIEVENT_KILLFOCUS) {
        m_focused = event.type == UIEVENT_SETFOCUS;
        return;
    }
    CControlUI::DoEvent(event);
}

// The offset runs against the angle: 45 degrees moves the shadow up and to the left.
void CLabelUI::SetShadowOffset(LPCWSTR value) {
    int values[2] = {0, 0};
    ParseIntList(value, values, 2);
    const int offset = ClampCoordinate(values[0]);
    const int angle = values[1];
    if (angle < -180 || angle > 180) {
        return;
    }
    const int first = angle >= 0 ? -offset : (angle > -180 ? offset : 0);
    const int second = angle > -90 && angle <= 90 ? -offset : (angle == -90 ? 0 : offset);
    m_shadowX = static_cast<float>(first);
    m_shadowY = static_cast<float>(second);
    Invalidate();
}

void CLabelUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"align")) {
        ApplyAlignWords(m_textStyle, value);
    } else if (IsName(name, L"valign")) {
        ApplyVAlignWords(m_textStyle, value);
    } else if (IsName(name, L"endellipsis")) {
        m_textStyle = ParseBool(value) ? (m_textStyle | DT_END_ELLIPSIS) : (m_textStyle & ~DT_END_ELLIPSIS);
    } else if (IsName(name, L"font")) {
        SetFont(ParseInt(value));
    } else if (IsName(name, L"textcolor")) {
        SetTextColor(ParseColor(value));
    } else if (IsName(name, L"disabledtextcolor")) {
        SetDisabledTextColor(ParseColor(value));
    } else if (IsName(name, L"textpadding")) {
        SetTextPadding(ParseRect(value));
    } else if (IsName(name, L"multiline")) {
        // Turning it off keeps DT_WORDBREAK, which a single line ignores.
        SetTextStyle(ParseBool(value) ? ((m_textStyle & ~DT_SINGLELINE) | DT_WORDBREAK)
                                      : (m_textStyle | DT_SINGLELINE));
    } else if (IsName(name, L"showhtml")) {
        SetShowHtml(ParseBool(value));
    } else if (IsName(name, L"enabledeffect")) {
        SetEffectEnabled(ParseBool(value));
    } else if (IsName(name, L"enabledluminous")) {
        m_luminousEnabled = ParseBool(value);
        Invalidate();
    } else if (IsName(name, L"enabledstroke")) {
        m_strokeEnabled = ParseBool(value);
        Invalidate();
    } else if (IsName(name, L"enabledshadow")) {
        m_shadowEnabled = ParseBool(value);
        Invalidate();
    } else if (IsName(name, L"luminousfuzzy")) {
        double fuzz = 0.0;
        ParseDoubleList(value, &fuzz, 1);
        if (fuzz >= kMinimumFuzz) {  // also false for a value that is not a number
            m_luminousFuzz = static_cast<float>(fuzz);
            Invalidate();
        }
    } else if (IsName(name, L"gradientangle")) {
        m_gradientAngle = ParseInt(value);
        Invalidate();
    } else if (IsName(name, L"gradientlength")) {
        m_gradientLength = ClampCoordinate(ParseInt(value));
        Invalidate();
    } else if (IsName(name, L"shadowoffset")) {
        SetShadowOffset(value);
    } else if (IsName(name, L"textcolor1")) {
        m_textColor1 = ParseColor(value);
        Invalidate();
    } else if (IsName(name, L"textshadowcolora")) {
        m_shadowColorA = ParseColor(value);
        Invalidate();
    } else if (IsName(name, L"textshadowcolorb")) {
        m_shadowColorB = ParseColor(value);
        Invalidate();
    } else if (IsName(name, L"strokecolor")) {
        m_strokeColor = ParseColor(value);
        Invalidate();
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

SIZE CLabelUI::MeasureSize(SIZE available) {
    const SIZE fixed = {GetFixedWidth(), GetFixedHeight()};
    if (m_fixedWidth > 0 && m_fixedHeight > 0) {
        return fixed;
    }
    const bool singleLine = (m_textStyle & DT_SINGLELINE) != 0;
    if (!singleLine && (available.cx != m_availableSize.cx || available.cy != m_availableSize.cy)) {
        m_estimateStale = true;
    }
    // Fonts and lengths change with the window's DPI.
    const int dpi = m_manager != nullptr ? m_manager->GetDpi() : 0;
    if (dpi != m_estimateDpi) {
        m_estimateStale = true;
    }
    if (!m_estimateStale) {
        return m_estimate;
    }
    // Text can only be measured once the window exists and the font has its metrics.
    HDC dc = m_manager != nullptr ? m_manager->GetPaintDC() : nullptr;
    const FontEntry* font = dc != nullptr ? m_manager->GetFontInfo(m_font) : nullptr;
    if (font == nullptr || font->textMetrics.tmHeight == 0) {
        return fixed;
    }
    const UINT measureStyle = (m_textStyle & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT;
    const RECT padding = GetTextPadding();
    SIZE estimate = fixed;
    RECT measured;
    if (singleLine) {
        if (m_fixedHeight == 0) {
            estimate.cy = padding.top + font->textMetrics.tmHeight + padding.bottom + Scaled(kLineAllowance);
        }
        if (m_fixedWidth == 0) {
            measured = RECT{0, 0, kMeasureExtent, estimate.cy};
            DrawTextIn(dc, measured, 0, measureStyle);
            estimate.cx = padding.left + padding.right + measured.right - measured.left;
        }
    } else {
        if (m_fixedWidth == 0) {
            estimate.cx = available.cx;
        }
        measured = RECT{padding.left, 0, estimate.cx - padding.right, kMeasureExtent};
        estimate.cy = padding.top + padding.bottom;
        // Without room for one character there is no text to measure.
        if (measured.right > measured.left) {
            DrawTextIn(dc, measured, 0, measureStyle);
            estimate.cy += measured.bottom - measured.top;
        }
    }
    m_availableSize = available;
    m_estimateDpi = dpi;
    m_estimate = estimate;
    m_estimateStale = false;
    return m_estimate;
}

bool CLabelUI::ResolveDefaultColors() {
    if (m_manager == nullptr) {
        return false;
    }
    if (m_textColor == 0) {
        m_textColor = m_manager->GetDefaultFontColor();
    }
    if (m_disabledTextColor == 0) {
        m_disabledTextColor = m_manager->GetDefaultDisabledColor();
    }
    return true;
}

RECT CLabelUI::GetTextRect() const {
    const RECT padding = GetTextPadding();
    return RECT{m_itemRect.left + padding.left, m_itemRect.top + padding.top, m_itemRect.right - padding.right,
                m_itemRect.bottom - padding.bottom};
}

void CLabelUI::DrawTextIn(HDC dc, RECT& rect, DWORD color, UINT style) {
    if (m_showHtml) {
        int linkCount = 0;
        CRenderer::DrawRichText(dc, m_manager, rect, m_text, color, nullptr, nullptr, linkCount, m_font, style);
    } else {
        CRenderer::DrawText(dc, m_manager, rect, m_text, color, m_font, style);
    }
}

void CLabelUI::PaintText(HDC dc) {
    if (!ResolveDefaultColors() || m_text.IsEmpty()) {
        return;
    }
    RECT rect = GetTextRect();
    if (m_effectEnabled && PaintEffectText(dc, rect)) {
        return;
    }
    DrawTextIn(dc, rect, IsEnabled() ? m_textColor : m_disabledTextColor, m_textStyle);
}

bool CLabelUI::PaintEffectText(HDC dc, const RECT& rect) {
    if (m_gdiPlus == nullptr || !m_gdiPlus->IsStarted()) {
        return false;
    }
    TextEffects effects;
    effects.textColorFrom = m_textColor;
    effects.textColorTo = m_textColor1 == kSameColor ? m_textColor : m_textColor1;
    effects.shadowColorFrom = m_shadowColorA;
    effects.shadowColorTo = m_shadowColorB == kSameColor ? m_shadowColorA : m_shadowColorB;
    effects.strokeColor = m_strokeColor;
    effects.luminous = m_luminousEnabled;
    effects.stroke = m_strokeEnabled;
    effects.shadow = m_shadowEnabled;
    effects.luminousFuzz = m_luminousFuzz;
    effects.gradientLength = Scaled(m_gradientLength);
    effects.gradientAngle = m_gradientAngle;
    effects.shadowX = static_cast<float>(Scaled(static_cast<int>(m_shadowX)));
    effects.shadowY = static_cast<float>(Scaled(static_cast<int>(m_shadowY)));
    effects.textStyle = m_textStyle;
    // The text as it is now: nothing is kept of an earlier one.
    return DrawTextWithEffects(dc, m_manager->GetFont(m_font), rect, m_text, effects);
}

}  // namespace SkinUI
