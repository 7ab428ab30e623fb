#include "ui/core/control/UIControl.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/manager/UIPaintPipeline.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

namespace {

// Paints the tree into a fresh bitmap the size of (rect.right, rect.bottom),
// over the colour when it has one, and copies `rect` of it to `target`.
bool PaintFresh(CControlUI* root, HDC reference, const RECT& rect, CControlUI* stopControl, DWORD backgroundColor,
                HDC target) {
    HDC memory = ::CreateCompatibleDC(reference);
    HBITMAP bitmap = memory != nullptr ? ::CreateCompatibleBitmap(reference, rect.right, rect.bottom) : nullptr;
    const bool painted = bitmap != nullptr;
    if (painted) {
        const HGDIOBJ previous = ::SelectObject(memory, bitmap);
        if ((backgroundColor >> 24) != 0) {
            CRenderer::DrawColor(memory, rect, backgroundColor);
        }
        const int saved = ::SaveDC(memory);
        root->Paint(memory, rect, stopControl);
        ::RestoreDC(memory, saved);
        ::BitBlt(target, 0, 0, rect.right - rect.left, rect.bottom - rect.top, memory, rect.left, rect.top, SRCCOPY);
        ::SelectObject(memory, previous);
        ::DeleteObject(bitmap);
    }
    if (memory != nullptr) {
        ::DeleteDC(memory);
    }
    return painted;
}

}  // namespace

HBITMAP CPaintPipeline::RenderToBitmap(const RECT& rect, CControlUI* stopControl, DWORD backgroundColor) {
    CControlUI* root = m_host.GetRoot();
    const HDC reference = m_host.GetPaintDC();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (root == nullptr || reference == nullptr || rect.left < 0 || rect.top < 0 || width <= 0 || height <= 0) {
        return nullptr;
    }
    LPBYTE bits = nullptr;
    HBITMAP result = Render::CreateDib32(width, height, Render::DibRows::BottomUp, &bits);
    HDC target = result != nullptr ? ::CreateCompatibleDC(reference) : nullptr;
    if (target == nullptr) {
        if (result != nullptr) {
            ::DeleteObject(result);
        }
        return nullptr;
    }
    const HGDIOBJ previous = ::SelectObject(target, result);
    // What the window last showed serves when nothing has to be left out or
    // put underneath and the back buffer holds all of the rectangle.
    const bool reuse = stopControl == nullptr && (backgroundColor >> 24) == 0 && !m_layered &&
                       m_offscreen.GetDC() != nullptr && rect.right <= m_offscreen.GetWidth() &&
                       rect.bottom <= m_offscreen.GetHeight();
    bool painted = true;
    if (reuse) {
        ::BitBlt(target, 0, 0, width, height, m_offscreen.GetDC(), rect.left, rect.top, SRCCOPY);
    } else {
        painted = PaintFresh(root, reference, rect, stopControl, backgroundColor, target);
    }
    ::SelectObject(target, previous);
    ::DeleteDC(target);
    if (!painted) {
        ::DeleteObject(result);
        return nullptr;
    }
    ::GdiFlush();
    return result;
}

}  // namespace SkinUI
