#include "ui/core/render/UIRender.h"

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/gdi/UIColorAdjust.h"
#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/gdi/UINineGridCache.h"
#include "ui/core/gdi/UIRenderFill.h"
#include "ui/core/render/UIPlainText.h"
#include "ui/core/render/UIRichText.h"
#include "ui/core/render/UIScaledImage.h"

// The renderer takes fonts and images from the window's manager.
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

bool IsZero(const RECT& rect) {
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

// Selects a pen of the given style, width and colour and the null brush
// around `draw`.
template <class Draw>
void DrawWithPen(HDC dc, int width, DWORD color, int penStyle, Draw draw) {
    LOGPEN logPen = {static_cast<UINT>(penStyle), {width, 0}, Render::ToColorRef(color)};
    HPEN pen = ::CreatePenIndirect(&logPen);
    if (pen == nullptr) {
        return;
    }
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    draw();
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
}

// The part of the image a skin names, inside the image; all of it when none is named.
RECT SourceInImage(const RECT& source, const ImageEntry& image) {
    if (IsZero(source)) {
        return RECT{0, 0, image.width, image.height};
    }
    const LONG left = ClampToLimits(source.left, 0, image.width);
    const LONG top = ClampToLimits(source.top, 0, image.height);
    return RECT{left, top, ClampToLimits(source.right, left, image.width),
                ClampToLimits(source.bottom, top, image.height)};
}

// Nine-grid corners no wider than the part they cut.
RECT CornerInSource(const RECT& corner, const RECT& source) {
    const int width = source.right - source.left;
    const int height = source.bottom - source.top;
    return RECT{ClampToLimits(corner.left, 0, width), ClampToLimits(corner.top, 0, height),
                ClampToLimits(corner.right, 0, width), ClampToLimits(corner.bottom, 0, height)};
}

}  // namespace

DWORD CRenderer::AdjustColor(DWORD color, short hue, short saturation, short lightness) {
    return Render::AdjustColor(color, hue, saturation, lightness);
}

void CRenderer::DrawColor(HDC dc, const RECT& rect, DWORD color) {
    Render::DrawColor(dc, rect, color);
}

void CRenderer::DrawGradient(HDC dc, const RECT& rect, DWORD colorFrom, DWORD colorTo, bool vertical, int steps) {
    Render::DrawGradient(dc, rect, colorFrom, colorTo, vertical, steps);
}

void CRenderer::DrawLine(HDC dc, const RECT& rect, int width, DWORD color, int penStyle) {
    DrawWithPen(dc, ClampLength(width), color, penStyle, [&] {
        ::MoveToEx(dc, rect.left, rect.top, nullptr);
        ::LineTo(dc, rect.right, rect.bottom);
    });
}

void CRenderer::DrawRect(HDC dc, const RECT& rect, int width, DWORD color, int penStyle) {
    DrawWithPen(dc, ClampBorderWidth(width, rect), color, penStyle | PS_INSIDEFRAME,
                [&] { ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom); });
}

void CRenderer::DrawRoundRect(HDC dc, const RECT& rect, int width, int ellipseWidth, int ellipseHeight, DWORD color,
                              int penStyle) {
    const SIZE corner = ClampCorner(SIZE{ellipseWidth, ellipseHeight}, rect);
    DrawWithPen(dc, ClampBorderWidth(width, rect), color, penStyle | PS_INSIDEFRAME,
                [&] { ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, corner.cx, corner.cy); });
}

void CRenderer::DrawText(HDC dc, CUIManager* manager, RECT& rect, LPCWSTR text, DWORD color, int fontId, UINT style) {
    if (manager != nullptr) {
        Render::DrawPlainText(dc, manager->GetTextHost(), rect, text, color, fontId, style);
    }
}

void CRenderer::DrawRichText(HDC dc, CUIManager* manager, RECT& rect, LPCWSTR text, DWORD color, RECT* linkRects,
                             CUIString* linkNames, int& linkCount, int fontId, UINT style) {
    if (manager == nullptr) {
        linkCount = 0;
        return;
    }
    Render::DrawRichText(dc, manager->GetTextHost(), rect, text, color, linkRects, linkNames, linkCount, fontId, style);
}

bool CRenderer::DrawImage(HDC dc, CUIManager* manager, const RECT& itemRect, const RECT& paintRect, ImageDrawInfo& info,
                          const ImageDrawOverride& override) {
    if (manager == nullptr) {
        return true;
    }
    if (info.image == nullptr) {
        // One attempt per attribute value: a missing image is not looked for at every paint.
        if (info.loadAttempted || info.text.empty()) {
            info.loadAttempted = true;
            return false;
        }
        info.loadAttempted = true;
        ImageSourceRequest request;
        ParseImageAttributes(info.text.c_str(), &info, &request);
        info.imageName = request.name.GetData();
        info.image = manager->GetOrLoadImage(request.name, request.LoadType(), request.mask, request.keepOriginal);
        if (info.image == nullptr) {
            return false;
        }
    }
    if (dc == nullptr) {
        return true;
    }
    const RECT source = SourceInImage(info.source, *info.image);
    info.corner = CornerInSource(info.corner, source);
    ScaledImagePart part;
    if (!ScaleImagePart(*manager, info, source, &part)) {
        return true;
    }
    // A skin's "dest" is in 96-DPI units; a caller's override is in pixels already.
    const RECT relative = override.dest != nullptr ? *override.dest : manager->Scale(info.dest);
    RECT dest = itemRect;
    if (!IsZero(relative)) {
        dest.left = itemRect.left + relative.left;
        dest.top = itemRect.top + relative.top;
        dest.right = itemRect.left + relative.right < itemRect.right ? itemRect.left + relative.right : itemRect.right;
        dest.bottom =
            itemRect.top + relative.bottom < itemRect.bottom ? itemRect.top + relative.bottom : itemRect.bottom;
    }
    const ImageEntry& image = *info.image;
    const BYTE fade = override.fade >= 0 ? static_cast<BYTE>(override.fade > 255 ? 255 : override.fade) : info.fade;
    RECT overlap;
    if (::IntersectRect(&overlap, &dest, &itemRect) && ::IntersectRect(&overlap, &dest, &paintRect)) {
        Render::DrawImageComposed(dc, part.bitmap, dest, paintRect, part.source, part.corner, image.hasAlpha, fade,
                                  info.hole, info.xTiled, info.yTiled);
    }
    return true;
}

}  // namespace SkinUI
