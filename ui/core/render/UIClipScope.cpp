#include "ui/core/gdi/UIClipRegion.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

CClipScope::~CClipScope() {
    if (m_dc != nullptr) {
        Render::RestoreClipRegion(m_dc, m_oldRegion);
    }
    if (m_newRegion != nullptr) {
        ::DeleteObject(m_newRegion);
    }
    if (m_oldRegion != nullptr) {
        ::DeleteObject(m_oldRegion);
    }
}

void CClipScope::Begin(HDC dc, const RECT& rect) {
    // The region itself, not its bounding box: a rounded or otherwise shaped
    // clip of an enclosing scope comes back intact, and a DC that had no clip
    // gets none back.
    m_dc = dc;
    m_oldRegion = Render::SaveClipRegion(dc);
    m_newRegion = ::CreateRectRgnIndirect(&rect);
    if (m_oldRegion != nullptr && m_newRegion != nullptr) {
        ::CombineRgn(m_newRegion, m_newRegion, m_oldRegion, RGN_AND);
    }
}

void CClipScope::ClipToRect(HDC dc, const RECT& rect) {
    Begin(dc, rect);
    ::SelectClipRgn(dc, m_newRegion);
}

void CClipScope::ClipToRoundRect(HDC dc, const RECT& rect, const RECT& roundRect, int ellipseWidth, int ellipseHeight) {
    Begin(dc, rect);
    HRGN round = ::CreateRoundRectRgn(roundRect.left, roundRect.top, roundRect.right + 1, roundRect.bottom + 1,
                                      ellipseWidth, ellipseHeight);
    if (round != nullptr && m_newRegion != nullptr) {
        ::CombineRgn(m_newRegion, m_newRegion, round, RGN_AND);
    }
    if (round != nullptr) {
        ::DeleteObject(round);
    }
    ::SelectClipRgn(dc, m_newRegion);
}

void CClipScope::SuspendClip() {
    if (m_dc != nullptr) {
        Render::RestoreClipRegion(m_dc, m_oldRegion);
    }
}

void CClipScope::ResumeClip() {
    if (m_dc != nullptr) {
        ::SelectClipRgn(m_dc, m_newRegion);
    }
}

}  // namespace SkinUI
