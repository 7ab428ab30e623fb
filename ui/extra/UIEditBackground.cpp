#include "ui/extra/UIEditBackground.h"

#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

CEditBackground::~CEditBackground() {
    Release();
}

void CEditBackground::Release() {
    if (m_brush != nullptr) {
        ::DeleteObject(m_brush);
        m_brush = nullptr;
    }
    if (m_bitmap != nullptr) {
        ::DeleteObject(m_bitmap);
        m_bitmap = nullptr;
    }
}

HBRUSH CEditBackground::Get(CUIManager& manager, HWND edit, DWORD color) {
    const bool opaque = (color >> 24) == 0xFF;
    RECT rect = {0, 0, 0, 0};
    if (!opaque) {
        ::GetWindowRect(edit, &rect);
        ::MapWindowPoints(nullptr, manager.GetPaintWindow(), reinterpret_cast<POINT*>(&rect), 2);
    }
    if (m_brush != nullptr && color == m_color && ::EqualRect(&rect, &m_rect)) {
        return m_brush;
    }
    Release();
    m_color = color;
    m_rect = rect;
    if (opaque) {
        m_brush = ::CreateSolidBrush(Render::ToColorRef(color));
        return m_brush;
    }
    m_bitmap = Capture(manager, rect, color);
    m_brush = m_bitmap != nullptr ? ::CreatePatternBrush(m_bitmap) : nullptr;
    return m_brush;
}

HBITMAP CEditBackground::Capture(CUIManager& manager, const RECT& rect, DWORD color) {
    HBITMAP bitmap = manager.RenderToBitmap(rect);
    HDC dc = bitmap != nullptr ? ::CreateCompatibleDC(nullptr) : nullptr;
    if (dc == nullptr) {
        return bitmap;
    }
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    CRenderer::DrawColor(dc, RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top}, color);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return bitmap;
}

}  // namespace SkinUI
