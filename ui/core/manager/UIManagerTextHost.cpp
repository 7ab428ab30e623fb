#include "ui/core/manager/UIManagerTextHost.h"

#include "ui/core/manager/UIManager.h"

namespace SkinUI {

FontEntry* CManagerTextHost::GetFontInfo(int id) {
    return m_manager.GetFontInfo(id);
}

FontEntry* CManagerTextHost::GetFontInfo(HFONT font) {
    return m_manager.GetFontInfo(font);
}

HFONT CManagerTextHost::FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) {
    return m_manager.FindFont(faceName, size, bold, underline, italic);
}

HFONT CManagerTextHost::AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic,
                                bool shared) {
    return m_manager.AddFont(id, faceName, size, bold, underline, italic, shared);
}

DWORD CManagerTextHost::GetDefaultLinkFontColor() {
    return m_manager.GetDefaultLinkFontColor();
}

DWORD CManagerTextHost::GetDefaultLinkHoverFontColor() {
    return m_manager.GetDefaultLinkHoverFontColor();
}

DWORD CManagerTextHost::GetDefaultSelectedColor() {
    return m_manager.GetDefaultSelectedColor();
}

POINT CManagerTextHost::GetMousePos() {
    return m_manager.GetMousePos();
}

ImageEntry* CManagerTextHost::GetOrLoadImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl) {
    return m_manager.GetOrLoadImage(name, type, mask, useHsl);
}

int CManagerTextHost::ScaleLength(int length) {
    return m_manager.Scale(length);
}

void CManagerTextHost::ProcessLanguageTokens(CUIString& text) {
    CUIManager::ProcessLanguageTokens(text);
}

}  // namespace SkinUI
