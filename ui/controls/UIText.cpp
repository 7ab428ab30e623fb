#include "ui/controls/UIText.h"

#include <cwchar>

#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

CTextUI::CTextUI() {
    m_textStyle = DT_WORDBREAK;
    m_textPadding = RECT{2, 0, 2, 0};
}

CTextUI::~CTextUI() = default;

LPCWSTR CTextUI::GetClass() const {
    return L"Text";
}

UINT CTextUI::GetControlFlags() const {
    return IsEnabled() && m_linkCount > 0 ? static_cast<UINT>(UIFLAG_SETCURSOR) : 0u;
}

LPVOID CTextUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Text") == 0) {
        return static_cast<CTextUI*>(this);
    }
    return CLabelUI::GetInterface(name);
}

RECT CTextUI::GetLinkRect(int index) const {
    return index >= 0 && index < m_linkCount ? m_linkRects[index] : RECT{0, 0, 0, 0};
}

int CTextUI::LinkAt(POINT point) const {
    for (int index = 0; index < m_linkCount; ++index) {
        if (::PtInRect(&m_linkRects[index], point)) {
            return index;
        }
    }
    return -1;
}

void CTextUI::DoEvent(UIEvent& event) {
    if (RouteMouseWhenDisabled(event, [this](UIEvent& routed) { CLabelUI::DoEvent(routed); })) {
        return;
    }
    if (!HandleLinkEvent(event)) {
        CLabelUI::DoEvent(event);
    }
}

bool CTextUI::HandleLinkEvent(const UIEvent& event) {
    switch (event.type) {
    case UIEVENT_SETCURSOR:
        if (LinkAt(event.mouse) < 0) {
            return false;
        }
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return true;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (!IsEnabled() || LinkAt(event.mouse) < 0) {
            return false;
        }
        Invalidate();
        return true;
    case UIEVENT_BUTTONUP: {
        const int link = IsEnabled() ? LinkAt(event.mouse) : -1;
        if (link < 0) {
            return false;
        }
        if (m_manager != nullptr) {
            m_manager->SendNotify(this, L"link", static_cast<WPARAM>(link));
        }
        return true;
    }
    case UIEVENT_CONTEXTMENU:
        return true;
    case UIEVENT_MOUSEMOVE: {
        if (!IsEnabled() || m_linkCount == 0) {
            return false;
        }
        const int link = LinkAt(event.mouse);
        if (link == m_hoverLink) {
            return false;
        }
        m_hoverLink = link;
        Invalidate();
        return true;
    }
    case UIEVENT_MOUSELEAVE:
        if (!IsEnabled() || m_linkCount == 0 || m_hoverLink < 0) {
            return false;
        }
        // The manager's hover moved on while the mouse is still over the link.
        if (m_hoverLink < m_linkCount &&
            TrackHover(*this, event, m_linkRects[m_hoverLink]) == HoverChange::StillInside) {
            return true;
        }
        m_hoverLink = -1;
        Invalidate();
        if (m_manager != nullptr) {
            m_manager->RemoveLeaveWatch(this);  // also when the link it watched for is gone
        }
        return false;
    default:
        return false;
    }
}

void CTextUI::PaintText(HDC dc) {
    if (m_text.IsEmpty()) {
        m_linkCount = 0;
        return;
    }
    if (!ResolveDefaultColors()) {
        return;
    }
    RECT rect = GetTextRect();
    const DWORD color = IsEnabled() ? m_textColor : m_disabledTextColor;
    if (!m_showHtml) {
        // Plain text has no links; rectangles of an earlier HTML paint must not stay clickable.
        m_linkCount = 0;
        CRenderer::DrawText(dc, m_manager, rect, m_text, color, m_font, m_textStyle);
        return;
    }
    // The renderer finds the hovered link among the previous paint's pieces; older ones must not count.
    for (int index = m_linkCount; index < kMaxLinks; ++index) {
        m_linkRects[index] = RECT{0, 0, 0, 0};
    }
    m_linkCount = kMaxLinks;
    CRenderer::DrawRichText(dc, m_manager, rect, m_text, color, m_linkRects, m_linkNames, m_linkCount, m_font,
                            m_textStyle);
}

}  // namespace SkinUI
