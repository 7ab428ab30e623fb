#include "ui/core/manager/UIPaintPipeline.h"

#include "ui/core/control/UIControl.h"
#include "ui/core/gdi/UIFontKeeper.h"
#include "ui/core/gdi/UIImageKeeper.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

namespace {

// Shared by every window and kept for the whole process.
HPEN DirtyPen() {
    static const HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
    return pen;
}

}  // namespace

CPaintPipeline::CPaintPipeline(CUIManager& manager, IPaintHost& host) : m_manager(manager), m_host(host) {
    DirtyPen();
}

CPaintPipeline::~CPaintPipeline() = default;

RECT CPaintPipeline::ClientRect() const {
    RECT client = {0, 0, 0, 0};
    if (m_host.GetPaintWindow() != nullptr) {
        ::GetClientRect(m_host.GetPaintWindow(), &client);
    }
    return client;
}

void CPaintPipeline::OnRootAttached() {
    m_firstLayout = true;
    m_nativeWindows.Empty();
    m_nativeWindowControls.Empty();
}

void CPaintPipeline::Invalidate() {
    if (m_layered) {
        const RECT client = ClientRect();
        ::UnionRect(&m_layeredUpdate, &m_layeredUpdate, &client);
    } else if (m_host.GetPaintWindow() != nullptr) {
        ++m_invalidations;
        ::InvalidateRect(m_host.GetPaintWindow(), nullptr, FALSE);
    }
}

void CPaintPipeline::Invalidate(const RECT& rect) {
    RECT clamped = rect;
    if (clamped.left < 0) {
        clamped.left = 0;
    }
    if (clamped.top < 0) {
        clamped.top = 0;
    }
    if (clamped.right < clamped.left) {
        clamped.right = clamped.left;
    }
    if (clamped.bottom < clamped.top) {
        clamped.bottom = clamped.top;
    }
    // Controls not laid out yet ask for empty areas; each would cost a trip to the window system.
    if (::IsRectEmpty(&clamped)) {
        return;
    }
    if (m_layered) {
        ::UnionRect(&m_layeredUpdate, &m_layeredUpdate, &clamped);
    } else if (m_batchDepth > 0) {
        ::UnionRect(&m_batched, &m_batched, &clamped);
    } else if (m_host.GetPaintWindow() != nullptr) {
        ++m_invalidations;
        ::InvalidateRect(m_host.GetPaintWindow(), &clamped, FALSE);
    }
}

void CPaintPipeline::EndInvalidateBatch() {
    if (m_batchDepth > 0 && --m_batchDepth == 0 && !::IsRectEmpty(&m_batched)) {
        const RECT batched = m_batched;
        ::SetRectEmpty(&m_batched);
        Invalidate(batched);
    }
}

bool CPaintPipeline::HasDirtyArea(RECT& update) const {
    if (m_layered) {
        return !::IsRectEmpty(&m_layeredUpdate);
    }
    return ::GetUpdateRect(m_host.GetPaintWindow(), &update, FALSE) != FALSE;
}

bool CPaintPipeline::TakePaintRect(const RECT& client, RECT& paintRect, const RECT* knownUpdate) {
    if (!m_layered) {
        if (knownUpdate != nullptr) {
            paintRect = *knownUpdate;
            return true;
        }
        return ::GetUpdateRect(m_host.GetPaintWindow(), &paintRect, FALSE) != FALSE;
    }
    paintRect = m_layeredUpdate;
    if (paintRect.right > client.right) {
        paintRect.right = client.right;
    }
    if (paintRect.bottom > client.bottom) {
        paintRect.bottom = client.bottom;
    }
    ::SetRectEmpty(&m_layeredUpdate);
    return !::IsRectEmpty(&paintRect);
}

void CPaintPipeline::LayOut(CControlUI* root, const RECT& client) {
    BeginInvalidateBatch();
    if (root->IsUpdateNeeded()) {
        root->SetPos(client, true);
    }
    m_host.LayOutRequests();
    EndInvalidateBatch();
}

void CPaintPipeline::OnPaint() {
    const HWND hwnd = m_host.GetPaintWindow();
    CControlUI* root = m_host.GetRoot();
    PAINTSTRUCT paint = {};
    if (root == nullptr) {
        ::BeginPaint(hwnd, &paint);
        CRenderer::DrawColor(paint.hdc, paint.rcPaint, 0xFF000000);
        ::EndPaint(hwnd, &paint);
        return;
    }
    RECT update = {0, 0, 0, 0};
    if (!HasDirtyArea(update)) {
        if (m_layered) {
            ::BeginPaint(hwnd, &paint);
            ::EndPaint(hwnd, &paint);
        }
        return;
    }
    const RECT client = ClientRect();
    const unsigned invalidationsBefore = m_invalidations;
    m_host.ChoosePendingFocus();
    m_painting = true;
    const bool layoutRequested = m_host.TakeUpdateRequest();
    if (layoutRequested) {
        if (!::IsRectEmpty(&client)) {
            LayOut(root, client);
            if (m_firstLayout) {
                m_firstLayout = false;
                m_host.NotifyWindowInit(root);
                if (m_layered && m_layeredChanged) {
                    // The listener changed the layered look; the next tick draws it.
                    Invalidate();
                    m_painting = false;
                    return;
                }
            }
        }
    } else if (m_layered && m_layeredChanged) {
        m_offscreen.ClearAll();
        root->SetPos(client, true);
    }
    // Taken after the layout, so that what the layout moved is painted too
    // rather than validated unpainted by BeginPaint. Asking the window system
    // costs a round trip: the answer above stands when nothing was laid out
    // or invalidated since.
    const bool unchanged = !layoutRequested && m_invalidations == invalidationsBefore;
    RECT paintRect = {0, 0, 0, 0};
    const bool dirty = TakePaintRect(client, paintRect, unchanged ? &update : nullptr);

    ::BeginPaint(hwnd, &paint);
    // The listener of "windowinit" may have attached another tree.
    root = m_host.GetRoot();
    if (root != nullptr && dirty) {
        PaintIntoBackBuffer(root, paintRect);
    }
    ::EndPaint(hwnd, &paint);
    m_painting = false;
    m_layeredChanged = false;
    if (m_host.IsUpdateNeeded()) {
        Invalidate();
    }
}

void CPaintPipeline::PaintIntoBackBuffer(CControlUI* root, const RECT& paintRect) {
    const RECT client = ClientRect();
    const HDC paintDC = m_host.GetPaintDC();
    if (!m_offscreen.Ensure(paintDC, client.right - client.left, client.bottom - client.top, m_layered)) {
        // No buffer (an empty client area, or no memory): a normal window is
        // painted directly, a layered one has nothing to show.
        if (!m_layered) {
            const int saved = ::SaveDC(paintDC);
            root->Paint(paintDC, paintRect, nullptr);
            ::RestoreDC(paintDC, saved);
        }
        return;
    }
    const HDC offscreen = m_offscreen.GetDC();
    const int saved = ::SaveDC(offscreen);
    if (m_layered && !HasLayeredImage()) {
        m_offscreen.Clear(paintRect);
    }
    {
        Render::CFontKeeper fonts(offscreen);
        Render::CImageKeeper images;
        root->Paint(offscreen, paintRect, nullptr);
    }
    if (m_layered) {
        CaptureNativeWindows(paintRect);
    }
    PaintPostPaintControls(offscreen, paintRect);
    ::RestoreDC(offscreen, saved);
    if (m_layered) {
        ApplyLayeredImage(client, paintRect);
        PushLayered(client);
        return;
    }
    ::BitBlt(paintDC, paintRect.left, paintRect.top, paintRect.right - paintRect.left, paintRect.bottom - paintRect.top,
             offscreen, paintRect.left, paintRect.top, SRCCOPY);
    if (m_showDirty) {
        OutlineDirty(paintDC, paintRect);
    }
}

void CPaintPipeline::PaintPostPaintControls(HDC dc, const RECT& paintRect) {
    // A control may leave the list while it paints; the count is read anew.
    for (int index = 0; index < m_host.GetPostPaintCount(); ++index) {
        m_host.GetPostPaint(index)->DoPostPaint(dc, paintRect);
    }
}

void CPaintPipeline::OutlineDirty(HDC dc, const RECT& paintRect) {
    const HGDIOBJ oldPen = ::SelectObject(dc, DirtyPen());
    const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(dc, paintRect.left, paintRect.top, paintRect.right, paintRect.bottom);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
}

void CPaintPipeline::OnPrintClient(HDC dc, LPARAM flags) {
    CControlUI* root = m_host.GetRoot();
    if (root == nullptr || dc == nullptr) {
        return;
    }
    const HWND hwnd = m_host.GetPaintWindow();
    const int saved = ::SaveDC(dc);
    root->Paint(dc, ClientRect(), nullptr);
    if ((flags & PRF_CHILDREN) != 0) {
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT rect;
            ::GetWindowRect(child, &rect);
            ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
            ::SetWindowOrgEx(dc, -rect.left, -rect.top, nullptr);
            ::SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT);
        }
    }
    ::RestoreDC(dc, saved);
}

void CPaintPipeline::OnSize() {
    if (m_host.GetRoot() != nullptr) {
        m_host.GetRoot()->NeedUpdate();
    }
    if (m_layered) {
        Invalidate();
    }
}

}  // namespace SkinUI
