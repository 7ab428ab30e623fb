#include "ui/core/render/UIRichText.h"

#include <algorithm>

#include "ui/core/gdi/UIClipRegion.h"
#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/render/UIRichTextLayout.h"

namespace SkinUI {
namespace Render {

namespace {

// Moves `rect` to where the measured text belongs: horizontally for a
// single line, vertically for any number of lines.
void PreAlign(HDC dc, IRichTextHost& host, const CUIString& text, FontEntry* baseFont, DWORD color, UINT style,
              RECT& rect) {
    const bool singleLine = (style & DT_SINGLELINE) != 0;
    const bool horizontal = singleLine && (style & (DT_CENTER | DT_RIGHT)) != 0;
    const bool vertical = (style & (DT_VCENTER | DT_BOTTOM)) != 0;
    if (!horizontal && !vertical)
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const RECT measureRect = singleLine ? RECT{0, 0, 9999, 100} : RECT{0, 0, width, height};
    RichText::CRichTextLayout measure(dc, host, text, baseFont, color, style | DT_CALCRECT);
    RichText::LinkOutput noLinks;
    const RECT measured = measure.Run(measureRect, noLinks);
    // Wider text starts at the left edge, where an end ellipsis can still cut it.
    const int textWidth = std::min(static_cast<int>(measured.right - measured.left), width);
    const int textHeight = measured.bottom - measured.top;
    if (horizontal) {
        if ((style & DT_CENTER) != 0) {
            rect.left += width / 2 - textWidth / 2;
            rect.right = rect.left + textWidth;
        } else {
            rect.left = rect.right - textWidth;
        }
    }
    if ((style & DT_VCENTER) != 0) {
        rect.top += height / 2 - textHeight / 2;
        rect.bottom = rect.top + textHeight;
    } else if ((style & DT_BOTTOM) != 0) {
        rect.top = rect.bottom - textHeight;
    }
}

// The name of the link piece under the mouse, from the previous paint.
bool FindHoveredLink(IRichTextHost& host, const RECT* linkRects, const CUIString* linkNames, int count,
                     CUIString& name) {
    const POINT mouse = host.GetMousePos();
    for (int i = 0; i < count; ++i) {
        if (PtInRect(&linkRects[i], mouse)) {
            name = linkNames[i];
            return true;
        }
    }
    return false;
}

}  // namespace

void DrawRichText(HDC dc, IRichTextHost& host, RECT& rect, LPCWSTR text, DWORD color, RECT* linkRects,
                  CUIString* linkNames, int& linkCount, int fontId, UINT style) {
    const int capacity = linkRects != nullptr && linkNames != nullptr ? std::max(linkCount, 0) : 0;
    // Reset first, so that no early return leaves stale rectangles counted.
    linkCount = 0;
    if (text == nullptr || IsRectEmpty(&rect))
        return;
    CUIString expanded(text);
    host.ProcessLanguageTokens(expanded);
    FontEntry* baseFont = host.GetFontInfo(fontId);
    if (baseFont == nullptr || baseFont->font == nullptr)
        return;

    const bool measureOnly = (style & DT_CALCRECT) != 0;
    HGDIOBJ previousFont = GetCurrentObject(dc, OBJ_FONT);
    RichText::CRichTextLayout layout(dc, host, expanded, baseFont, color, style);
    layout.SetPaintRect(rect);
    RECT layoutRect = rect;
    HRGN savedClip = nullptr;
    if (!measureOnly) {
        CUIString hovered;
        if (FindHoveredLink(host, linkRects, linkNames, capacity, hovered))
            layout.SetHoveredLink(hovered);
        savedClip = SaveClipRegion(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(color));
        SetBkColor(dc, ToColorRef(host.GetDefaultSelectedColor()));
        PreAlign(dc, host, expanded, baseFont, color, style, layoutRect);
    }

    RichText::LinkOutput links;
    links.rects = linkRects;
    links.names = linkNames;
    links.capacity = capacity;
    const RECT bounds = layout.Run(layoutRect, links);
    linkCount = links.count;
    if (measureOnly) {
        rect.right = std::min(rect.right, bounds.right);
        rect.bottom = bounds.bottom;
    }

    SelectObject(dc, previousFont);
    if (!measureOnly) {
        RestoreClipRegion(dc, savedClip);
        if (savedClip != nullptr)
            DeleteObject(savedClip);
    }
}

}  // namespace Render
}  // namespace SkinUI
