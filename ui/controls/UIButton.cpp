#include "ui/controls/UIButton.h"

#include <cwchar>

#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr int kStatusCount = 5;
constexpr int kLineAllowance = 8;  // added to the font height when no height is fixed

}  // namespace

CButtonUI::CButtonUI() {
    m_textStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

CButtonUI::~CButtonUI() = default;

LPCWSTR CButtonUI::GetClass() const {
    return L"Button";
}

LPVOID CButtonUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Button") == 0) {
        return static_cast<CButtonUI*>(this);
    }
    return CLabelUI::GetInterface(name);
}

UINT CButtonUI::GetControlFlags() const {
    UINT flags = 0;
    if (IsEnabled()) {
        flags |= UIFLAG_SETCURSOR;
    }
    if (IsKeyboardEnabled()) {
        flags |= UIFLAG_TABSTOP;
    }
    return flags;
}

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (m_manager != nullptr) {
        m_manager->SendNotify(this, L"click");
    }
    return true;
}

void CButtonUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_buttonState = 0;
        // A fade cut short would leave the hot image showing through.
        EndFade();
    }
}

bool CButtonUI::SizeFollowsContent() const {
    return false;
}

void CButtonUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CLabelUI::DoEvent(routed); })) {
        return;
    }
    switch (event.type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
        Invalidate();
        break;
    case UIEVENT_KEYDOWN:
        if (IsKeyboardEnabled() && IsEnabled() && (event.key == VK_SPACE || event.key == VK_RETURN)) {
            Activate();
            return;
        }
        break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (IsInside(event.mouse) && IsEnabled()) {
            m_buttonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
            Invalidate();
        }
        return;
    case UIEVENT_MOUSEMOVE:
        if ((m_buttonState & UISTATE_CAPTURED) != 0) {
            m_buttonState =
                IsInside(event.mouse) ? (m_buttonState | UISTATE_PUSHED) : (m_buttonState & ~UISTATE_PUSHED);
            Invalidate();
        }
        return;
    case UIEVENT_BUTTONUP:
        if ((m_buttonState & UISTATE_CAPTURED) != 0) {
            const bool activate = IsInside(event.mouse) && IsEnabled();
            m_buttonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
            Invalidate();
            if (activate) {
                Activate();
            }
        }
        return;
    case UIEVENT_CANCELPRESS:
        // The press ended elsewhere (another window took the mouse): no click.
        if ((m_buttonState & (UISTATE_PUSHED | UISTATE_CAPTURED)) != 0) {
            m_buttonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
            Invalidate();
        }
        return;
    case UIEVENT_CONTEXTMENU:
        // lParam carries a control pointer: it travels at full width.
        if (IsContextMenuUsed() && IsEnabled() && m_manager != nullptr) {
            m_manager->SendNotify(this, L"menu", event.wParam, event.lParam);
        }
        return;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE: {
        const UINT wasHot = m_buttonState & UISTATE_HOT;
        const HoverChange change = UpdateHotState(*this, event, m_itemRect, m_buttonState, UISTATE_HOT);
        if (change == HoverChange::StillInside) {
            return;
        }
        // A fade runs from a change of hover, and from every real leave.
        const bool fade = change == HoverChange::Left || (m_buttonState & UISTATE_HOT) != wasHot;
        if (fade && m_fadeDelta != 0 && m_manager != nullptr) {
            m_manager->SetTimer(this, kFadeTimerId, kFadeElapse);
        }
        break;
    }
    case UIEVENT_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return;
    case UIEVENT_TIMER:
        if (event.wParam == kFadeTimerId) {
            StepFade();
            return;
        }
        break;
    default:
        break;
    }
    CLabelUI::DoEvent(event);
}

void CButtonUI::StepFade() {
    const bool hot = (m_buttonState & UISTATE_HOT) != 0;
    const int room = hot ? m_fadeAlpha : 255 - m_fadeAlpha;
    if (m_fadeDelta == 0 || room <= m_fadeDelta) {
        EndFade();
    } else {
        m_fadeAlpha = static_cast<BYTE>(hot ? m_fadeAlpha - m_fadeDelta : m_fadeAlpha + m_fadeDelta);
    }
    Invalidate();
}

void CButtonUI::EndFade() {
    m_fadeAlpha = (m_buttonState & UISTATE_HOT) != 0 ? 0 : 255;
    if (m_manager != nullptr) {
        m_manager->KillTimer(this, kFadeTimerId);
    }
}

void CButtonUI::SetFadeDelta(BYTE delta) {
    const bool stopping = delta == 0 && m_fadeDelta != 0;
    m_fadeDelta = delta;
    if (stopping) {
        EndFade();
        Invalidate();
    }
}

void CButtonUI::SetFiveStatusImage(LPCWSTR description) {
    ImageDrawInfo* records[kStatusCount] = {&m_normalImage, &m_pushedImage, &m_hotImage, &m_focusedImage,
                                            &m_disabledImage};
    for (ImageDrawInfo* record : records) {
        record->Clear();
        record->text = description != nullptr ? description : L"";
        DrawImage(nullptr, *record);
    }
    const ImageEntry* image = m_normalImage.image;
    const int cell = image != nullptr ? image->width / kStatusCount : 0;
    if (cell <= 0) {
        // Without a loaded image wide enough for five cells there is nothing to cut: no state draws it.
        for (ImageDrawInfo* record : records) {
            record->image = nullptr;
            record->loadAttempted = true;
        }
        Invalidate();
        return;
    }
    for (int index = 0; index < kStatusCount; ++index) {
        records[index]->source = RECT{cell * index, 0, cell * (index + 1), image->height};
    }
    if (m_isFloat && m_fixedWidth == 0 && m_fixedHeight == 0) {
        m_fixedWidth = cell;
        m_fixedHeight = image->height;
    }
    Invalidate();
}

void CButtonUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"normalimage")) {
        SetNormalImage(value);
    } else if (IsName(name, L"hotimage")) {
        SetHotImage(value);
    } else if (IsName(name, L"pushedimage")) {
        SetPushedImage(value);
    } else if (IsName(name, L"focusedimage")) {
        SetFocusedImage(value);
    } else if (IsName(name, L"disabledimage")) {
        SetDisabledImage(value);
    } else if (IsName(name, L"foreimage")) {
        SetForeImage(value);
    } else if (IsName(name, L"hotforeimage")) {
        SetImage(m_hotForeImage, value);
    } else if (IsName(name, L"fivestatusimage")) {
        SetFiveStatusImage(value);
    } else if (IsName(name, L"fadedelta")) {
        SetFadeDelta(static_cast<BYTE>(ParseInt(value)));
    } else if (IsName(name, L"hotbkcolor")) {
        m_hotBkColor = ParseColor(value);
    } else if (IsName(name, L"hottextcolor")) {
        m_hotTextColor = ParseColor(value);
    } else if (IsName(name, L"pushedtextcolor")) {
        m_pushedTextColor = ParseColor(value);
    } else if (IsName(name, L"focusedtextcolor")) {
        m_focusedTextColor = ParseColor(value);
    } else {
        CLabelUI::SetAttribute(name, value);
    }
}

SIZE CButtonUI::MeasureSize(SIZE available) {
    if (m_fixedHeight > 0) {
        return CControlUI::MeasureSize(available);
    }
    const FontEntry* font = m_manager != nullptr ? m_manager->GetFontInfo(m_font) : nullptr;
    if (font == nullptr || font->textMetrics.tmHeight == 0) {
        return SIZE{GetFixedWidth(), 0};
    }
    return SIZE{GetFixedWidth(), font->textMetrics.tmHeight + Scaled(kLineAllowance)};
}

void CButtonUI::RefreshStateBits() {
    m_buttonState = IsFocused() ? (m_buttonState | UISTATE_FOCUSED) : (m_buttonState & ~UISTATE_FOCUSED);
    m_buttonState = IsEnabled() ? (m_buttonState & ~UISTATE_DISABLED) : (m_buttonState | UISTATE_DISABLED);
}

bool CButtonUI::DrawFadedImage(HDC dc, ImageDrawInfo& info, BYTE alpha) {
    // Loading parses the record, so that its own fade is known before it is scaled.
    if (!DrawImage(nullptr, info)) {
        return false;
    }
    ImageDrawOverride override;
    override.fade = info.fade * alpha / 255;
    return DrawImage(dc, info, override);
}

void CButtonUI::PaintNormalImage(HDC dc) {
    if (m_fadeDelta != 0 && m_fadeAlpha != 255) {
        DrawFadedImage(dc, m_hotImage, static_cast<BYTE>(255 - m_fadeAlpha));
        DrawFadedImage(dc, m_normalImage, m_fadeAlpha);
        return;
    }
    DrawImage(dc, m_normalImage);
}

bool CButtonUI::PaintHotImage(HDC dc) {
    if (m_fadeDelta != 0) {
        if (m_fadeAlpha != 0) {
            DrawFadedImage(dc, m_normalImage, m_fadeAlpha);
            DrawFadedImage(dc, m_hotImage, static_cast<BYTE>(255 - m_fadeAlpha));
        } else {
            DrawImage(dc, m_hotImage);
        }
    } else if (!DrawImage(dc, m_hotImage)) {
        DrawImage(dc, m_normalImage);
    }
    if (DrawImage(dc, m_hotForeImage)) {
        return true;
    }
    if (m_hotBkColor != 0) {
        CRenderer::DrawColor(dc, m_paintRect, AdjustColor(m_hotBkColor));
        return true;
    }
    return false;
}

void CButtonUI::PaintStateImage(HDC dc) {
    RefreshStateBits();
    if ((m_buttonState & UISTATE_DISABLED) != 0) {
        if (!DrawImage(dc, m_disabledImage)) {
            PaintNormalImage(dc);
        }
    } else if ((m_buttonState & UISTATE_PUSHED) != 0) {
        if (!DrawImage(dc, m_pushedImage)) {
            DrawImage(dc, m_normalImage);
        }
    } else if ((m_buttonState & UISTATE_HOT) != 0) {
        if (PaintHotImage(dc)) {
            return;
        }
    } else if ((m_buttonState & UISTATE_FOCUSED) == 0 || !DrawImage(dc, m_focusedImage)) {
        PaintNormalImage(dc);
    }
    DrawImage(dc, m_foreImage);
}

void CButtonUI::PaintText(HDC dc) {
    RefreshStateBits();
    if (!ResolveDefaultColors() || m_text.IsEmpty()) {
        return;
    }
    DWORD color = IsEnabled() ? m_textColor : m_disabledTextColor;
    if ((m_buttonState & UISTATE_PUSHED) != 0 && m_pushedTextColor != 0) {
        color = m_pushedTextColor;
    } else if ((m_buttonState & UISTATE_HOT) != 0 && m_hotTextColor != 0) {
        color = m_hotTextColor;
    } else if ((m_buttonState & UISTATE_FOCUSED) != 0 && m_focusedTextColor != 0) {
        color = m_focusedTextColor;
    }
    RECT rect = GetTextRect();
    DrawTextIn(dc, rect, color, m_textStyle);
}

}  // namespace SkinUI
