#include "ui/core/control/UIBoxLayout.h"

#include <cwchar>

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"

// A container owns its built-in scroll bars, which are controls of their own.
#include "ui/controls/UIScrollBar.h"
// Controls call back into the manager that owns their tree (invalidation,
// notifications, timers, fonts).
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr DWORD kSeparatorPreviewColor = 0xAA000000;

int Smaller(int first, int second) {
    return first < second ? first : second;
}

// Geometry along the layout's main axis (the stacking direction) and across
// it, so that one procedure serves both layouts.
struct Axis {
    bool vertical;

    LONG Main(const SIZE& size) const { return vertical ? size.cy : size.cx; }
    LONG Cross(const SIZE& size) const { return vertical ? size.cx : size.cy; }
    SIZE MakeSize(LONG main, LONG cross) const { return vertical ? SIZE{cross, main} : SIZE{main, cross}; }

    LONG& Start(RECT& rect) const { return vertical ? rect.top : rect.left; }
    LONG& End(RECT& rect) const { return vertical ? rect.bottom : rect.right; }
    LONG Start(const RECT& rect) const { return vertical ? rect.top : rect.left; }
    LONG End(const RECT& rect) const { return vertical ? rect.bottom : rect.right; }
    LONG CrossStart(const RECT& rect) const { return vertical ? rect.left : rect.top; }
    LONG CrossEnd(const RECT& rect) const { return vertical ? rect.right : rect.bottom; }
    LONG Length(const RECT& rect) const { return End(rect) - Start(rect); }
    RECT MakeRect(LONG start, LONG end, LONG crossStart, LONG crossEnd) const {
        return vertical ? RECT{crossStart, start, crossEnd, end} : RECT{start, crossStart, end, crossEnd};
    }
    LONG Along(const POINT& point) const { return vertical ? point.y : point.x; }

    int FixedMain(const CControlUI& control) const {
        return vertical ? control.GetFixedHeight() : control.GetFixedWidth();
    }
    int FixedCross(const CControlUI& control) const {
        return vertical ? control.GetFixedWidth() : control.GetFixedHeight();
    }
    int MinMain(const CControlUI& control) const { return vertical ? control.GetMinHeight() : control.GetMinWidth(); }
    int MaxMain(const CControlUI& control) const { return vertical ? control.GetMaxHeight() : control.GetMaxWidth(); }
    int MinCross(const CControlUI& control) const { return vertical ? control.GetMinWidth() : control.GetMinHeight(); }
    int MaxCross(const CControlUI& control) const { return vertical ? control.GetMaxWidth() : control.GetMaxHeight(); }
    // A fixed size, else the maximum, bounds what a child may ask for.
    int MainLimit(const CControlUI& control) const {
        return FixedMain(control) > 0 ? FixedMain(control) : MaxMain(control);
    }
    int CrossLimit(const CControlUI& control) const {
        return FixedCross(control) > 0 ? FixedCross(control) : MaxCross(control);
    }
};

// A child's padding seen along and across the main axis.
struct AxisPadding {
    int before;
    int after;
    int crossBefore;
    int crossAfter;

    AxisPadding(const Axis& axis, const RECT& padding)
        : before(axis.vertical ? padding.top : padding.left),
          after(axis.vertical ? padding.bottom : padding.right),
          crossBefore(axis.vertical ? padding.left : padding.top),
          crossAfter(axis.vertical ? padding.right : padding.bottom) {}
};

}  // namespace

UINT CBoxLayoutUI::GetControlFlags() const {
    return IsEnabled() && m_sepSize != 0 ? static_cast<UINT>(UIFLAG_SETCURSOR) : 0u;
}

void CBoxLayoutUI::SetPos(RECT rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    const RECT area = CContainerUI::GetClientPos();
    if (m_items.IsEmpty()) {
        UpdateScrollBars(area, 0, 0);
        return;
    }

    const Axis axis{m_vertical};
    const CScrollBarUI* mainBar = m_vertical ? m_verticalScrollBar : m_horizontalScrollBar;
    const CScrollBarUI* crossBar = m_vertical ? m_horizontalScrollBar : m_verticalScrollBar;
    SIZE available = {area.right - area.left, area.bottom - area.top};
    if (IsShown(m_horizontalScrollBar)) {
        available.cx += m_horizontalScrollBar->GetScrollRange();
    }
    if (IsShown(m_verticalScrollBar)) {
        available.cy += m_verticalScrollBar->GetScrollRange();
    }
    const int availableMain = axis.Main(available);
    const int availableCross = axis.Cross(available);

    // First pass: what the placed children ask for along the axis, and the
    // widest of them across it.
    int placedCount = 0;
    int adjustableCount = 0;
    int fixedTotal = 0;
    int neededCross = 0;
    for (int index = 0; index < m_items.GetSize(); ++index) {
        auto* child = static_cast<CControlUI*>(m_items[index]);
        if (!child->IsVisible() || child->IsFloat()) {
            continue;
        }
        ++placedCount;
        const AxisPadding pad(axis, child->GetPadding());
        const SIZE estimate = child->MeasureSize(
            axis.MakeSize(Smaller(availableMain, axis.MainLimit(*child)),
                          Smaller(availableCross - pad.crossBefore - pad.crossAfter, axis.CrossLimit(*child))));
        int mainSize = axis.Main(estimate);
        if (mainSize == 0) {
            ++adjustableCount;
        } else {
            mainSize = ClampToLimits(mainSize, axis.MinMain(*child), axis.MaxMain(*child));
        }
        fixedTotal += pad.before + mainSize + pad.after;
        const int crossEstimate = axis.Cross(estimate) > 0 ? axis.Cross(estimate) : 0;
        const int crossSize = ClampToLimits(crossEstimate, axis.MinCross(*child), axis.MaxCross(*child)) +
                              pad.crossBefore + pad.crossAfter;
        if (crossSize > neededCross) {
            neededCross = crossSize;
        }
    }
    const int childPadding = Scaled(m_childPadding);
    const int gaps = placedCount > 1 ? (placedCount - 1) * childPadding : 0;
    fixedTotal += gaps;
    int expand = 0;
    if (adjustableCount > 0) {
        expand = (availableMain - fixedTotal) / adjustableCount;
        if (expand < 0) {
            expand = 0;
        }
    }

    // Second pass: place the children one after the other.
    LONG cursor = axis.Start(area) - (IsShown(mainBar) ? mainBar->GetScrollPos() : 0);
    const bool crossBarShown = IsShown(crossBar);
    const int crossScrollPos = crossBarShown ? crossBar->GetScrollPos() : 0;
    const int crossScrollRange = crossBarShown ? crossBar->GetScrollRange() : 0;
    const UINT align = m_vertical ? m_childAlign : m_childVAlign;
    const bool alignCentre = align == (m_vertical ? DT_CENTER : DT_VCENTER);
    const bool alignEnd = align == (m_vertical ? DT_RIGHT : DT_BOTTOM);
    int remaining = availableMain;
    int remainingFixed = fixedTotal;
    int adjustablesPlaced = 0;
    int neededMain = 0;
    bool firstPlaced = true;
    PlaceChildren([&](CControlUI* child) {
        const AxisPadding pad(axis, child->GetPadding());
        remaining -= pad.before;
        const int crossRoom = Smaller(availableCross - pad.crossBefore - pad.crossAfter, axis.CrossLimit(*child));
        const int mainRoom = Smaller(remaining, axis.MainLimit(*child));
        remainingFixed -= pad.before + pad.after;
        if (!firstPlaced) {
            remainingFixed -= childPadding;
        }
        const SIZE estimate = child->MeasureSize(axis.MakeSize(mainRoom, crossRoom));

        int mainSize;
        if (axis.Main(estimate) == 0) {
            // The last adjustable child takes the remainder of the division.
            ++adjustablesPlaced;
            mainSize = expand;
            if (adjustablesPlaced == adjustableCount) {
                mainSize = remaining - pad.after - remainingFixed;
                if (mainSize < 0) {
                    mainSize = 0;
                }
            }
            mainSize = ClampToLimits(mainSize, axis.MinMain(*child), axis.MaxMain(*child));
        } else {
            mainSize = ClampToLimits(axis.Main(estimate), axis.MinMain(*child), axis.MaxMain(*child));
            remainingFixed -= mainSize;
        }

        int crossSize = axis.MaxCross(*child);
        if (crossSize == 0) {
            crossSize = availableCross - pad.crossBefore - pad.crossAfter;
        }
        if (crossSize < 0) {
            crossSize = 0;
        }
        if (crossSize > crossRoom) {
            crossSize = crossRoom;
        }
        if (crossSize < axis.MinCross(*child)) {
            crossSize = axis.MinCross(*child);
        }

        LONG crossStart;
        if (alignCentre) {
            LONG centre = (axis.CrossStart(area) + axis.CrossEnd(area)) / 2;
            if (crossBarShown) {
                centre += crossScrollRange / 2 - crossScrollPos;
            }
            crossStart = centre - crossSize / 2;
        } else if (alignEnd) {
            LONG edge = axis.CrossEnd(area);
            if (crossBarShown) {
                edge += crossScrollRange - crossScrollPos;
            }
            crossStart = edge - pad.crossAfter - crossSize;
        } else {
            crossStart = axis.CrossStart(area) - crossScrollPos + pad.crossBefore;
        }
        const LONG mainStart = cursor + pad.before;
        child->SetPos(axis.MakeRect(mainStart, mainStart + mainSize, crossStart, crossStart + crossSize), false);

        cursor += mainSize + pad.before + pad.after + childPadding;
        neededMain += mainSize + pad.before + pad.after;
        remaining -= mainSize + pad.after + childPadding;
        firstPlaced = false;
    });
    const SIZE needed = axis.MakeSize(neededMain + gaps, neededCross);
    UpdateScrollBars(area, needed.cx, needed.cy);
}

RECT CBoxLayoutUI::GetThumbRect(bool useNew) const {
    const Axis axis{m_vertical};
    RECT thumb = useNew && IsSeparatorDragging() ? m_newPos : m_itemRect;
    const int sepSize = Scaled(m_sepSize);
    if (sepSize < 0) {
        const LONG handleEnd = axis.Start(thumb) - sepSize;
        if (handleEnd < axis.End(thumb)) {
            axis.End(thumb) = handleEnd;
        }
    } else {
        const LONG handleStart = axis.End(thumb) - sepSize;
        if (handleStart > axis.Start(thumb)) {
            axis.Start(thumb) = handleStart;
        }
    }
    return thumb;
}

void CBoxLayoutUI::SetSepImmMode(bool immediate) {
    if (m_sepImmMode == immediate) {
        return;
    }
    if (IsSeparatorDragging() && !m_sepImmMode && m_manager != nullptr) {
        m_manager->RemovePostPaint(this);
    }
    m_sepImmMode = immediate;
}

void CBoxLayoutUI::DoEvent(UIEvent& event) {
    if (m_sepSize != 0) {
        switch (event.type) {
        case UIEVENT_BUTTONDOWN:
            if (IsEnabled()) {
                const RECT thumb = GetThumbRect(false);
                if (::PtInRect(&thumb, event.mouse)) {
                    m_sepState |= kDragging;
                    m_lastMouse = event.mouse;
                    m_newPos = m_itemRect;
                    if (!m_sepImmMode && m_manager != nullptr) {
                        m_manager->AddPostPaint(this);
                    }
                    return;
                }
            }
            break;
        case UIEVENT_BUTTONUP:
            if (IsSeparatorDragging()) {
                m_sepState &= ~kDragging;
                m_itemRect = m_newPos;
                if (!m_sepImmMode && m_manager != nullptr) {
                    m_manager->RemovePostPaint(this);
                }
                NeedParentLayout();
                return;
            }
            break;
        case UIEVENT_MOUSEMOVE:
            if (IsSeparatorDragging()) {
                DragSeparator(event.mouse);
                return;
            }
            break;
        case UIEVENT_SETCURSOR:
            if (IsEnabled()) {
                const RECT thumb = GetThumbRect(false);
                if (::PtInRect(&thumb, event.mouse)) {
                    ::SetCursor(::LoadCursorW(nullptr, m_vertical ? IDC_SIZENS : IDC_SIZEWE));
                    return;
                }
            }
            break;
        default:
            break;
        }
    }
    CContainerUI::DoEvent(event);
}

void CBoxLayoutUI::DragSeparator(POINT pointer) {
    const Axis axis{m_vertical};
    const LONG position = axis.Along(pointer);
    const LONG delta = position - axis.Along(m_lastMouse);
    m_lastMouse = pointer;
    RECT moved = m_newPos;
    const bool atStart = m_sepSize < 0;
    const int thickness = Scaled(atStart ? -m_sepSize : m_sepSize);

    // The edge follows only while the pointer is on the handle or beyond it
    // in the direction of the move, so that the part of the handle grabbed
    // stays under the pointer.
    if (atStart) {
        const LONG edge = axis.Start(m_newPos);
        if ((delta > 0 && position < edge) || (delta < 0 && position > edge + thickness)) {
            return;
        }
        axis.Start(moved) += delta;
    } else {
        const LONG edge = axis.End(m_newPos);
        if ((delta > 0 && position < edge - thickness) || (delta < 0 && position > edge)) {
            return;
        }
        axis.End(moved) += delta;
    }

    const auto setLength = [&](int length) {
        if (atStart) {
            axis.Start(moved) = axis.End(moved) - length;
        } else {
            axis.End(moved) = axis.Start(moved) + length;
        }
    };
    const int currentLength = axis.Length(m_newPos);
    const int minimum = axis.MinMain(*this);
    const int maximum = axis.MaxMain(*this);
    if (minimum >= axis.Length(moved)) {
        if (currentLength <= minimum) {
            return;
        }
        setLength(minimum);
    }
    if (axis.Length(moved) >= maximum) {
        if (currentLength >= maximum) {
            return;
        }
        setLength(maximum);
    }

    const RECT oldPreview = GetThumbRect(true);
    m_newPos = moved;
    (m_vertical ? m_fixedHeight : m_fixedWidth) = Unscaled(axis.Length(moved));
    if (m_sepImmMode) {
        m_itemRect = m_newPos;
        NeedParentLayout();
        return;
    }
    if (m_manager != nullptr) {
        RECT repaint;
        const RECT newPreview = GetThumbRect(true);
        const RECT separator = GetThumbRect(false);
        ::UnionRect(&repaint, &oldPreview, &newPreview);
        ::UnionRect(&repaint, &repaint, &separator);
        m_manager->Invalidate(repaint);
    }
}

void CBoxLayoutUI::DoPostPaint(HDC dc, const RECT& paintRect) {
    CContainerUI::DoPostPaint(dc, paintRect);
    if (IsSeparatorDragging() && !m_sepImmMode) {
        CRenderer::DrawColor(dc, GetThumbRect(true), kSeparatorPreviewColor);
    }
}

void CBoxLayoutUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name != nullptr && std::wcscmp(name, m_vertical ? L"sepheight" : L"sepwidth") == 0) {
        SetSepSize(ClampCoordinate(ParseInt(value)));
    } else if (name != nullptr && std::wcscmp(name, L"sepimm") == 0) {
        SetSepImmMode(ParseBool(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
