#include "ui/controls/UIListTextElement.h"

#include <cwchar>

#include "ui/core/control/UIHover.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

LPCWSTR CListTextElementUI::GetClass() const {
    return L"ListTextElement";
}

LPVOID CListTextElementUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"ListTextElement") == 0) {
        return this;
    }
    return CListLabelElementUI::GetInterface(name);
}

UINT CListTextElementUI::GetControlFlags() const {
    if (IsEnabled() && m_linkCount > 0) {
        return UIFLAG_WANTRETURN | UIFLAG_SETCURSOR;
    }
    return UIFLAG_WANTRETURN;
}

void CListTextElementUI::SetOwner(CControlUI* owner) {
    CListLabelElementUI::SetOwner(owner);
    m_list = AsList(owner);
}

LPCWSTR CListTextElementUI::GetText(int column) const {
    if (column < 0 || column >= static_cast<int>(m_texts.size())) {
        return nullptr;
    }
    return m_texts[static_cast<size_t>(column)];
}

void CListTextElementUI::SetText(int column, LPCWSTR text) {
    if (column < 0 || column >= kMaxListColumns) {
        return;
    }
    if (column >= static_cast<int>(m_texts.size())) {
        m_texts.resize(static_cast<size_t>(column) + 1);
    }
    m_texts[static_cast<size_t>(column)] = text;
    if (column == 0) {
        NeedParentLayout();
    }
    Invalidate();
}

LPCWSTR CListTextElementUI::CellText(int column) {
    if (m_list != nullptr) {
        if (ListTextProvider* provider = m_list->GetTextCallback()) {
            return provider->GetItemText(this, m_row.GetIndex(), column);
        }
    }
    return GetText(column);
}

LPCWSTR CListTextElementUI::SingleText() {
    if (m_list != nullptr && m_list->GetTextCallback() != nullptr) {
        return CellText(0);
    }
    return m_texts.empty() ? m_text.GetData() : m_texts.front().GetData();
}

SIZE CListTextElementUI::MeasureSize(SIZE available) {
    const ListInfo* info = m_row.GetListInfo();
    LONG left = 0;
    LONG right = 0;
    const int span = info != nullptr && info->GetColumnSpan(left, right) ? right - left : 0;
    return EstimateRow(available, SingleText(), span);
}

void CListTextElementUI::DrawCell(HDC dc, RECT rect, LPCWSTR text, DWORD color, const ListInfo& info) {
    if (text == nullptr || *text == L'\0') {
        return;
    }
    if (!info.showHtml) {
        CRenderer::DrawText(dc, m_manager, rect, text, color, info.font, info.textStyle);
        return;
    }
    int found = kMaxLinks - m_linkCount;
    CRenderer::DrawRichText(dc, m_manager, rect, text, color, m_linkRects + m_linkCount, m_linkTexts + m_linkCount,
                            found, info.font, info.textStyle);
    m_linkCount += found;
}

void CListTextElementUI::DrawRowText(HDC dc, const RECT& rect) {
    const ListInfo* info = m_row.GetListInfo();
    if (info == nullptr) {
        return;
    }
    const DWORD color = m_row.TextColor(*info);
    m_linkCount = 0;
    if (info->columnCount <= 0) {
        DrawCell(dc, ShrinkByPadding(rect, Scaled(info->textPadding)), SingleText(), color, *info);
    }
    const int columns = info->columnCount < kMaxListColumns ? info->columnCount : kMaxListColumns;
    for (int column = 0; column < columns; ++column) {
        const RECT& place = info->columns[column];
        if (!HasColumnWidth(place)) {
            continue;
        }
        RECT cell = {place.left, rect.top, place.right, rect.bottom};
        if (info->vLineSize > 0 && column != columns - 1) {
            const int lineSize = Scaled(info->vLineSize);
            const LONG x = place.right - lineSize / 2;
            CRenderer::DrawLine(dc, RECT{x, rect.top, x, rect.bottom}, lineSize, AdjustColor(info->vLineColor));
            cell.right -= lineSize;
        }
        DrawCell(dc, ShrinkByPadding(cell, Scaled(info->textPadding)), CellText(column), color, *info);
    }
    for (int slot = m_linkCount; slot < kMaxLinks; ++slot) {
        ::SetRectEmpty(&m_linkRects[slot]);
        m_linkTexts[slot].Empty();
    }
}

int CListTextElementUI::LinkAt(POINT point) const {
    for (int link = 0; link < m_linkCount; ++link) {
        if (::PtInRect(&m_linkRects[link], point)) {
            return link;
        }
    }
    return -1;
}

void CListTextElementUI::DoEvent(UIEvent& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (m_list != nullptr) {
            m_list->DoEvent(event);
        } else {
            CListLabelElementUI::DoEvent(event);
        }
        return;
    }
    switch (event.type) {
    case UIEVENT_SETCURSOR:
        if (LinkAt(event.mouse) >= 0) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return;
        }
        break;
    case UIEVENT_BUTTONUP:
        if (IsEnabled()) {
            const int link = LinkAt(event.mouse);
            if (link >= 0) {
                if (m_manager != nullptr) {
                    m_manager->SendNotify(this, L"link", static_cast<WPARAM>(link));
                }
                return;
            }
        }
        break;
    case UIEVENT_MOUSEMOVE:
        if (m_linkCount > 0) {
            const int hover = LinkAt(event.mouse);
            if (hover != m_hoverLink) {
                m_hoverLink = hover;
                Invalidate();
            }
        }
        break;
    case UIEVENT_MOUSELEAVE:
        if (m_hoverLink >= 0 && m_hoverLink < m_linkCount) {
            if (TrackHover(*this, event, m_linkRects[m_hoverLink]) == HoverChange::StillInside) {
                return;
            }
            m_hoverLink = -1;
            Invalidate();
        }
        break;
    default:
        break;
    }
    CListLabelElementUI::DoEvent(event);
}

}  // namespace SkinUI
