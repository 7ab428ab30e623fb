#pragma once

#include <windows.h>

#include <vector>

#include "ui/controls/UIListLabelElement.h"

namespace SkinUI {

// A list row showing one text per column, from the row itself or from the
// list's text provider; with the list's "itemshowhtml" its links report "link".
class CListTextElementUI : public CListLabelElementUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    void DoEvent(UIEvent& event) override;
    SIZE MeasureSize(SIZE available) override;
    void SetOwner(CControlUI* owner) override;
    void DrawRowText(HDC dc, const RECT& rect) override;

    using CListLabelElementUI::GetText;
    using CListLabelElementUI::SetText;
    // The row's own text of a column; null when it has none.
    LPCWSTR GetText(int column) const;
    // Columns from 0 to the most a list tracks.
    void SetText(int column, LPCWSTR text);

private:
    static constexpr int kMaxLinks = 8;

    // What the row shows in `column`: the provider's text, else its own.
    LPCWSTR CellText(int column);
    // Without columns the row's own text stands in when it has no column texts.
    LPCWSTR SingleText();
    // Draws one cell, appending the links it holds to those found so far.
    void DrawCell(HDC dc, RECT rect, LPCWSTR text, DWORD color, const ListInfo& info);
    int LinkAt(POINT point) const;

    int m_linkCount = 0;
    RECT m_linkRects[kMaxLinks] = {};
    CUIString m_linkTexts[kMaxLinks];
    int m_hoverLink = -1;
    IListUI* m_list = nullptr;
    std::vector<CUIString> m_texts;
};

}  // namespace SkinUI
