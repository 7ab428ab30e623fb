#include "ui/extra/UIRichEdit.h"

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

LPCWSTR CRichEditUI::GetClass() const {
    return L"RichEdit";
}

LPVOID CRichEditUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && IsName(name, L"RichEdit")) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

void CRichEditUI::SetFont(int fontId) {
    m_font = fontId;
    Invalidate();
}

void CRichEditUI::SetTextColor(DWORD color) {
    m_textColor = color;
    Invalidate();
}

void CRichEditUI::SetTextPadding(RECT padding) {
    m_textPadding = ClampRect(padding);
    Invalidate();
}

void CRichEditUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"font")) {
        SetFont(ParseInt(value));
    } else if (IsName(name, L"textcolor")) {
        SetTextColor(ParseColor(value));
    } else if (IsName(name, L"textpadding")) {
        SetTextPadding(ParseRect(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

void CRichEditUI::PaintText(HDC dc) {
    if (m_manager == nullptr || m_text.IsEmpty()) {
        return;
    }
    const RECT padding = Scaled(m_textPadding);
    RECT rect = {m_itemRect.left + padding.left, m_itemRect.top + padding.top, m_itemRect.right - padding.right,
                 m_itemRect.bottom - padding.bottom};
    RECT clipRect;
    if (!::IntersectRect(&clipRect, &rect, &m_paintRect)) {
        return;
    }
    // Lines that do not fit stop at the control's edge.
    CClipScope clip;
    clip.ClipToRect(dc, clipRect);
    const DWORD color = m_textColor != 0 ? m_textColor : m_manager->GetDefaultFontColor();
    CRenderer::DrawText(dc, m_manager, rect, m_text, color, m_font, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
}

}  // namespace SkinUI
