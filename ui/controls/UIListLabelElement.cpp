#include "ui/controls/UIListLabelElement.h"

#include <cstring>
#include <cwchar>

#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

namespace {

// Room given to a single line while its width is measured.
constexpr int kMeasureExtent = 9999;
// Space above and below the font's height in a row without a height of its own.
constexpr int kRowLeading = 8;

}  // namespace

LPCWSTR CListLabelElementUI::GetClass() const {
    return L"ListLabelElement";
}

LPVOID CListLabelElementUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"ListLabelElement") == 0) {
        return this;
    }
    return CListElementUI::GetInterface(name);
}

void CListLabelElementUI::SetText(LPCWSTR text) {
    if (m_text == text) {
        return;
    }
    CListElementUI::SetText(text);
    // A measured row changes size with its text.
    NeedParentLayout();
}

void CListLabelElementUI::SetFixedWidth(int width) {
    MarkEstimateStale();
    CListElementUI::SetFixedWidth(width);
}

void CListLabelElementUI::SetFixedHeight(int height) {
    MarkEstimateStale();
    CListElementUI::SetFixedHeight(height);
}

void CListLabelElementUI::SetOwner(CControlUI* owner) {
    CListElementUI::SetOwner(owner);
    MarkEstimateStale();
}

void CListLabelElementUI::DoEvent(UIEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        PassOn(event);
        return;
    }
    switch (event.type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_RBUTTONDOWN:
        if (IsEnabled()) {
            m_row.Click();
            return;
        }
        break;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
        return;
    default:
        if (m_row.TrackHover(event)) {
            return;
        }
        break;
    }
    CListElementUI::DoEvent(event);
}

SIZE CListLabelElementUI::MeasureSize(SIZE available) {
    return EstimateRow(available, m_text, 0);
}

CListLabelElementUI::EstimateInputs CListLabelElementUI::CurrentInputs(const ListInfo& info, LPCWSTR text,
                                                                       int defaultWidth) const {
    EstimateInputs inputs;
    inputs.itemHeight = Scaled(info.itemHeight);
    inputs.textStyle = info.textStyle;
    inputs.textPadding = Scaled(info.textPadding);
    if (const FontEntry* font = m_manager->GetFontInfo(info.font)) {
        inputs.fontFace = font->faceName;
        inputs.fontMetrics = font->textMetrics;
    }
    inputs.defaultWidth = defaultWidth;
    inputs.text = text;
    return inputs;
}

bool CListLabelElementUI::SameInputs(const EstimateInputs& first, const EstimateInputs& second) {
    return first.itemHeight == second.itemHeight && first.textStyle == second.textStyle &&
           ::EqualRect(&first.textPadding, &second.textPadding) && first.fontFace == second.fontFace &&
           std::memcmp(&first.fontMetrics, &second.fontMetrics, sizeof(TEXTMETRICW)) == 0 &&
           first.defaultWidth == second.defaultWidth && first.text == second.text;
}

SIZE CListLabelElementUI::EstimateRow(SIZE available, LPCWSTR text, int defaultWidth) {
    const ListInfo* info = m_row.GetListInfo();
    if (info == nullptr || m_manager == nullptr) {
        return SIZE{0, 0};
    }
    const int width = m_fixedWidth > 0 ? GetFixedWidth() : defaultWidth;
    if (width > 0 && m_fixedHeight > 0) {
        return SIZE{width, GetFixedHeight()};
    }
    if (width > 0 && m_fixedHeight == 0 && info->itemHeight > 0) {
        return SIZE{width, Scaled(info->itemHeight)};
    }
    const EstimateInputs inputs = CurrentInputs(*info, text, defaultWidth);
    const bool wraps = (info->textStyle & DT_SINGLELINE) == 0;
    const bool availableChanged = available.cx != m_lastAvailable.cx || available.cy != m_lastAvailable.cy;
    if (m_needEstimate || (wraps && availableChanged) || !SameInputs(inputs, m_inputs)) {
        m_lastEstimate = ComputeEstimate(available, *info, inputs);
        m_lastAvailable = available;
        m_inputs = inputs;
        m_needEstimate = false;
    }
    return m_lastEstimate;
}

SIZE CListLabelElementUI::ComputeEstimate(SIZE available, const ListInfo& info, const EstimateInputs& inputs) const {
    const RECT& padding = inputs.textPadding;
    const UINT measureStyle = info.textStyle & ~(DT_CENTER | DT_RIGHT);
    SIZE size = {m_fixedWidth > 0 ? GetFixedWidth() : inputs.defaultWidth,
                 m_fixedHeight > 0 ? GetFixedHeight() : inputs.itemHeight};
    if ((info.textStyle & DT_SINGLELINE) != 0) {
        if (size.cy == 0) {
            size.cy = padding.top + padding.bottom + inputs.fontMetrics.tmHeight + Scaled(kRowLeading);
        }
        if (size.cx == 0) {
            const RECT text = MeasureRowText(m_manager, inputs.text, info.font, measureStyle,
                                             RECT{0, 0, kMeasureExtent, size.cy}, info.showHtml);
            size.cx = padding.left + padding.right + (text.right - text.left);
        }
        return size;
    }
    if (size.cx == 0) {
        size.cx = available.cx;
    }
    const RECT text = MeasureRowText(m_manager, inputs.text, info.font, measureStyle,
                                     RECT{padding.left, 0, size.cx - padding.right, kMeasureExtent}, info.showHtml);
    size.cy = padding.top + padding.bottom + (text.bottom - text.top);
    return size;
}

bool CListLabelElementUI::DoPaint(HDC dc, const RECT& /*paintRect*/, CControlUI* /*stopControl*/) {
    m_row.PaintBackground(dc, m_paintRect, m_bkImage);
    DrawRowText(dc, m_itemRect);
    return true;
}

void CListLabelElementUI::DrawRowText(HDC dc, const RECT& rect) {
    const ListInfo* info = m_row.GetListInfo();
    if (info == nullptr || m_text.IsEmpty()) {
        return;
    }
    RECT textRect = ShrinkByPadding(rect, Scaled(info->textPadding));
    const DWORD color = m_row.TextColor(*info);
    if (info->showHtml) {
        int links = 0;
        CRenderer::DrawRichText(dc, m_manager, textRect, m_text, color, nullptr, nullptr, links, info->font,
                                info->textStyle);
    } else {
        CRenderer::DrawText(dc, m_manager, textRect, m_text, color, info->font, info->textStyle);
    }
}

}  // namespace SkinUI
