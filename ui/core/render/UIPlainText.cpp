#include "ui/core/render/UIPlainText.h"

#include <cwchar>

#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/gdi/UIFontKeeper.h"

namespace SkinUI {
namespace Render {

void DrawPlainText(HDC dc, IRichTextHost& host, RECT& rect, LPCWSTR text, DWORD color, int fontId, UINT style) {
    if (text == nullptr)
        return;
    // Language tokens start with '%': most texts have none and are drawn as they are.
    CUIString expanded;
    LPCWSTR drawn = text;
    if (std::wcschr(text, L'%') != nullptr) {
        expanded = text;
        host.ProcessLanguageTokens(expanded);
        drawn = expanded;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(color));
    const FontEntry* font = host.GetFontInfo(fontId);
    const HFONT handle = font != nullptr ? font->font : nullptr;
    const bool kept = handle != nullptr && CFontKeeper::Select(dc, handle);
    HGDIOBJ previousFont = handle != nullptr && !kept ? SelectObject(dc, handle) : nullptr;
    DrawTextW(dc, drawn, -1, &rect, style | DT_NOPREFIX);
    if (previousFont != nullptr)
        SelectObject(dc, previousFont);
}

}  // namespace Render
}  // namespace SkinUI
