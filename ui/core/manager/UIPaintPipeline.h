#pragma once

// How the manager drives its paint pipeline: it owns one CPaintPipeline,
// built with itself as both the manager and the IPaintHost, and forwards
//   WM_PAINT                 -> OnPaint()            (handled, result 0)
//   WM_PRINTCLIENT           -> OnPrintClient(dc, lParam)  (not handled)
//   WM_SIZE                  -> OnSize()   (after the focus control's event)
//   WM_TIMER kLayeredRepaintTimer -> OnLayeredTimer(); when that answers
//                               false the identifier is a control timer
//   AttachRoot               -> OnRootAttached()
//   ForgetControl            -> ForgetControl(control)
// and its Invalidate, SetLayered, SetOpacity, SetLayeredOpacity,
// SetLayeredImage, SetShowDirty, AddNativeWindow and RemoveNativeWindow
// to the functions of the same name here.

#include <windows.h>

#include "ui/core/base/UIPtrArray.h"
#include "ui/core/manager/UIBackBuffer.h"
#include "ui/core/resources/UIImageDrawInfo.h"

namespace SkinUI {

class CControlUI;
class CUIManager;

// The timer that repaints a layered window, which gets no WM_PAINT of its own.
constexpr UINT_PTR kLayeredRepaintTimer = 0x2000;
constexpr UINT kLayeredRepaintPeriod = 10;

// Everything a paint pass asks of the manager, so that the pipeline does not
// depend on the whole manager.
class IPaintHost {
public:
    virtual HWND GetPaintWindow() const = 0;
    virtual HDC GetPaintDC() const = 0;
    virtual CControlUI* GetRoot() const = 0;
    // Whether the attached tree asked for a layout.
    virtual bool IsUpdateNeeded() const = 0;
    // Whether a layout pass is due; the request is cleared.
    virtual bool TakeUpdateRequest() = 0;
    // Lays out again the controls that asked for it since the last pass
    // (each below no other that asked), visiting only them and their ancestors.
    virtual void LayOutRequests() = 0;
    // Chooses the initial keyboard focus when that is still due.
    virtual void ChoosePendingFocus() = 0;
    // Controls that paint over the tree after it (separator drag lines).
    virtual int GetPostPaintCount() const = 0;
    virtual CControlUI* GetPostPaint(int index) const = 0;
    // Tells the listeners that a new tree had its first layout.
    virtual void NotifyWindowInit(CControlUI* root) = 0;

protected:
    ~IPaintHost() = default;
};

// Lays out and paints one window's control tree: through a back buffer and
// the dirty rectangle for a normal window, or the whole client area with
// per-pixel alpha for a layered one.
class CPaintPipeline {
public:
    CPaintPipeline(CUIManager& manager, IPaintHost& host);
    CPaintPipeline(const CPaintPipeline&) = delete;
    CPaintPipeline& operator=(const CPaintPipeline&) = delete;
    ~CPaintPipeline();

    void OnPaint();
    void OnPrintClient(HDC dc, LPARAM flags);
    void OnSize();
    // True when the tick repainted the layered window.
    bool OnLayeredTimer();
    // A new tree: it gets "windowinit" after its first layout.
    void OnRootAttached();
    void ForgetControl(CControlUI* control);

    // Client coordinates; a rectangle is clamped to start at 0 and not to
    // end before it starts.
    void Invalidate();
    void Invalidate(const RECT& rect);
    // Between the two, what is invalidated is gathered and handed to the
    // window system once: a layout moves many controls, each of which would
    // cost a call.
    void BeginInvalidateBatch() { ++m_batchDepth; }
    void EndInvalidateBatch();
    bool IsPainting() const { return m_painting; }

    void SetShowDirty(bool show) { m_showDirty = show; }
    bool IsShowDirty() const { return m_showDirty; }
    // Per-pixel alpha through UpdateLayeredWindow, repainted by the timer.
    void SetLayered(bool layered);
    bool IsLayered() const { return m_layered; }
    // A constant alpha for the whole window instead of per-pixel alpha.
    void SetOpacity(BYTE opacity);
    // The constant alpha a layered window is pushed with.
    void SetLayeredOpacity(BYTE opacity);
    BYTE GetLayeredOpacity() const { return m_layeredOpacity; }
    // The image under a layered window's tree; its alpha shapes the window.
    void SetLayeredImage(LPCWSTR description);
    LPCWSTR GetLayeredImage() const { return m_layeredImage.text.c_str(); }

    // Native child windows drawn into a layered window's picture.
    bool AddNativeWindow(CControlUI* control, HWND window);
    bool RemoveNativeWindow(HWND window);

    // A bottom-up 32-bit DIB of `rect` (client coordinates) showing the tree
    // painted up to `stopControl`, over `backgroundColor` unless its alpha is
    // 0; null without a tree or for an empty rectangle. Owned by the caller.
    HBITMAP RenderToBitmap(const RECT& rect, CControlUI* stopControl, DWORD backgroundColor);
    // Lays out the root when it asks for it, then what else asked.
    void LayOut(CControlUI* root, const RECT& client);

private:
    RECT ClientRect() const;
    // Whether anything waits to be painted; `update` gets the window's update
    // rectangle (a layered window keeps its own).
    bool HasDirtyArea(RECT& update) const;
    // The rectangle to repaint, `knownUpdate` when the window's update
    // rectangle is known to be it; false when there is nothing to paint.
    bool TakePaintRect(const RECT& client, RECT& paintRect, const RECT* knownUpdate);
    void PaintIntoBackBuffer(CControlUI* root, const RECT& paintRect);
    void PaintPostPaintControls(HDC dc, const RECT& paintRect);
    void OutlineDirty(HDC dc, const RECT& paintRect);
    bool HasLayeredImage() const { return m_layeredImage.image != nullptr; }
    void CaptureNativeWindows(const RECT& paintRect);
    void ApplyLayeredImage(const RECT& client, const RECT& paintRect);
    void PushLayered(const RECT& client);

    // Only handed on to the renderer, which loads images through it.
    CUIManager& m_manager;
    IPaintHost& m_host;
    CBackBuffer m_offscreen;
    CBackBuffer m_background;
    bool m_firstLayout = true;
    bool m_painting = false;
    bool m_showDirty = false;
    bool m_layered = false;
    int m_batchDepth = 0;
    unsigned m_invalidations = 0;  // trips to the window system to invalidate
    RECT m_batched = {0, 0, 0, 0};
    bool m_layeredChanged = false;
    BYTE m_layeredOpacity = 255;
    RECT m_layeredUpdate = {0, 0, 0, 0};
    ImageDrawInfo m_layeredImage;
    CPtrArray m_nativeWindows;
    CPtrArray m_nativeWindowControls;
};

}  // namespace SkinUI
