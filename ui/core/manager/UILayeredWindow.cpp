#include "ui/core/control/UIControl.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/manager/UILayeredApi.h"
#include "ui/core/manager/UIPaintPipeline.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

namespace {

void ChangeExStyle(HWND hwnd, LONG add, LONG remove) {
    const LONG style = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    ::SetWindowLongW(hwnd, GWL_EXSTYLE, (style | add) & ~remove);
}

}  // namespace

void CPaintPipeline::SetLayered(bool layered) {
    const HWND hwnd = m_host.GetPaintWindow();
    if (hwnd == nullptr || layered == m_layered || (::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        return;
    }
    if (CurrentUpdateLayeredWindow() == nullptr) {
        return;
    }
    if (layered) {
        ::SetTimer(hwnd, kLayeredRepaintTimer, kLayeredRepaintPeriod, nullptr);
        ChangeExStyle(hwnd, WS_EX_LAYERED, 0);
    } else {
        ::KillTimer(hwnd, kLayeredRepaintTimer);
        ChangeExStyle(hwnd, 0, WS_EX_LAYERED);
    }
    m_layered = layered;
    // The skin may ask for layering before its tree is attached; the tree is
    // laid out on its first paint anyway.
    if (m_host.GetRoot() != nullptr) {
        m_host.GetRoot()->NeedUpdate();
    }
    Invalidate();
}

void CPaintPipeline::SetOpacity(BYTE opacity) {
    m_layeredOpacity = opacity;
    const HWND hwnd = m_host.GetPaintWindow();
    const SetLayeredWindowAttributesFunction setAttributes = CurrentSetLayeredWindowAttributes();
    if (hwnd == nullptr || setAttributes == nullptr) {
        return;
    }
    ChangeExStyle(hwnd, WS_EX_LAYERED, 0);
    setAttributes(hwnd, 0, opacity, LWA_ALPHA);
    if (m_layered) {
        ::KillTimer(hwnd, kLayeredRepaintTimer);
    }
    m_layered = false;
    Invalidate();
}

void CPaintPipeline::SetLayeredOpacity(BYTE opacity) {
    m_layeredOpacity = opacity;
    m_layeredChanged = true;
    Invalidate();
}

void CPaintPipeline::SetLayeredImage(LPCWSTR description) {
    m_layeredImage.Clear();
    m_layeredImage.text = description != nullptr ? description : L"";
    // Parsed and loaded now, so that the first paint knows whether there is one.
    CRenderer::DrawImage(nullptr, &m_manager, RECT{0, 0, 0, 0}, RECT{0, 0, 0, 0}, m_layeredImage);
    m_layeredChanged = true;
    Invalidate();
}

bool CPaintPipeline::OnLayeredTimer() {
    const HWND hwnd = m_host.GetPaintWindow();
    if (!m_layered || ::IsRectEmpty(&m_layeredUpdate) || hwnd == nullptr || ::IsIconic(hwnd)) {
        return false;
    }
    OnPaint();
    return true;
}

bool CPaintPipeline::AddNativeWindow(CControlUI* control, HWND window) {
    if (control == nullptr || window == nullptr || m_nativeWindows.Find(window) >= 0) {
        return false;
    }
    if (!m_nativeWindows.Add(window)) {
        return false;
    }
    if (!m_nativeWindowControls.Add(control)) {
        m_nativeWindows.Remove(m_nativeWindows.GetSize() - 1);
        return false;
    }
    RECT rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, m_host.GetPaintWindow(), reinterpret_cast<POINT*>(&rect), 2);
    Invalidate(rect);
    return true;
}

bool CPaintPipeline::RemoveNativeWindow(HWND window) {
    const int index = m_nativeWindows.Find(window);
    if (index < 0) {
        return false;
    }
    m_nativeWindows.Remove(index);
    m_nativeWindowControls.Remove(index);
    return true;
}

void CPaintPipeline::ForgetControl(CControlUI* control) {
    for (int index = m_nativeWindowControls.GetSize() - 1; index >= 0; --index) {
        if (m_nativeWindowControls[index] == control) {
            m_nativeWindows.Remove(index);
            m_nativeWindowControls.Remove(index);
        }
    }
}

void CPaintPipeline::CaptureNativeWindows(const RECT& paintRect) {
    const HWND hwnd = m_host.GetPaintWindow();
    int index = 0;
    while (index < m_nativeWindows.GetSize()) {
        const HWND child = static_cast<HWND>(m_nativeWindows[index]);
        if (!::IsWindow(child)) {
            m_nativeWindows.Remove(index);
            m_nativeWindowControls.Remove(index);
            continue;
        }
        ++index;
        RECT rect;
        RECT overlap;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
        if (!::IsWindowVisible(child) || !::IntersectRect(&overlap, &rect, &paintRect)) {
            continue;
        }
        Render::CDibSurface capture(rect.right - rect.left, rect.bottom - rect.top);
        if (!capture.IsValid()) {
            continue;
        }
        ::SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(capture.GetDC()),
                       PRF_CHECKVISIBLE | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED);
        ::GdiFlush();
        // GDI leaves alpha at 0. A native window paints all of its area, so
        // all of it is opaque: black text and a black caret are pixels of 0.
        DWORD* pixels = capture.GetPixels();
        const int count = capture.GetWidth() * capture.GetHeight();
        for (int pixel = 0; pixel < count; ++pixel) {
            pixels[pixel] |= 0xFF000000;
        }
        ::BitBlt(m_offscreen.GetDC(), rect.left, rect.top, capture.GetWidth(), capture.GetHeight(), capture.GetDC(), 0,
                 0, SRCCOPY);
    }
}

void CPaintPipeline::ApplyLayeredImage(const RECT& client, const RECT& paintRect) {
    if (!HasLayeredImage()) {
        return;
    }
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const bool redraw = m_layeredChanged || !m_background.Matches(width, height, true);
    if (!m_background.Ensure(m_host.GetPaintDC(), width, height, true)) {
        return;
    }
    if (redraw) {
        m_background.ClearAll();
        CClipScope clip;
        clip.ClipToRect(m_background.GetDC(), client);
        CRenderer::DrawImage(m_background.GetDC(), &m_manager, client, client, m_layeredImage);
    }
    if (m_layeredImage.image->hasAlpha) {
        m_offscreen.PremultiplyBy(m_background, paintRect);
    }
}

void CPaintPipeline::PushLayered(const RECT& client) {
    const UpdateLayeredWindowFunction update = CurrentUpdateLayeredWindow();
    if (update == nullptr) {
        return;
    }
    const HWND hwnd = m_host.GetPaintWindow();
    RECT window;
    ::GetWindowRect(hwnd, &window);
    POINT destination = {window.left, window.top};
    SIZE size = {client.right - client.left, client.bottom - client.top};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, m_layeredOpacity, AC_SRC_ALPHA};
    ::GdiFlush();
    update(hwnd, m_host.GetPaintDC(), &destination, &size, m_offscreen.GetDC(), &source, 0, &blend, ULW_ALPHA);
}

}  // namespace SkinUI
