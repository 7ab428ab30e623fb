#include "ui/core/gdi/UINineGrid.h"

#include <algorithm>

#include "ui/core/base/UIGeometry.h"
#include "ui/core/gdi/UIAlphaBlend.h"
#include "ui/core/gdi/UIImageKeeper.h"

namespace SkinUI {
namespace Render {

namespace {

bool Intersects(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

// Puts the pieces of one nine-grid on the device context, each checked
// against the paint rectangle and the bitmap's bounds.
class CPieceBlitter {
public:
    CPieceBlitter(HDC dc, HDC image, SIZE imageSize, const RECT& paint, bool blend, BYTE fade)
        : m_dc(dc), m_image(image), m_imageSize(imageSize), m_paint(paint), m_blend(blend) {
        m_function = BLENDFUNCTION{AC_SRC_OVER, 0, fade, AC_SRC_ALPHA};
    }

    // `source` stretched over `dest`.
    void Stretch(const RECT& dest, const RECT& source) const {
        if (!IsDrawable(dest, source))
            return;
        if (m_blend) {
            Blend(m_dc, dest.left, dest.top, Width(dest), Height(dest), m_image, source.left, source.top, Width(source),
                  Height(source), m_function);
        } else {
            StretchBlt(m_dc, dest.left, dest.top, Width(dest), Height(dest), m_image, source.left, source.top,
                       Width(source), Height(source), SRCCOPY);
        }
    }

    // The part of the image at `sourceOrigin` with the size of `dest`, unscaled.
    void Copy(const RECT& dest, POINT sourceOrigin) const {
        const RECT source = {sourceOrigin.x, sourceOrigin.y, sourceOrigin.x + Width(dest),
                             sourceOrigin.y + Height(dest)};
        if (m_blend) {
            Stretch(dest, source);
        } else if (IsDrawable(dest, source)) {
            BitBlt(m_dc, dest.left, dest.top, Width(dest), Height(dest), m_image, source.left, source.top, SRCCOPY);
        }
    }

    const RECT& Paint() const { return m_paint; }

private:
    bool IsDrawable(const RECT& dest, const RECT& source) const {
        return Width(dest) > 0 && Height(dest) > 0 && Width(source) > 0 && Height(source) > 0 && source.left >= 0 &&
               source.top >= 0 && source.right <= m_imageSize.cx && source.bottom <= m_imageSize.cy &&
               Intersects(dest, m_paint);
    }

    HDC m_dc;
    HDC m_image;
    SIZE m_imageSize;
    RECT m_paint;
    bool m_blend;
    BLENDFUNCTION m_function;
};

// Positions of the tiles of length `step` that cover [start, end) and reach
// into [clipStart, clipEnd): the first index and the end of the range.
struct TileRange {
    LONG first;
    LONG end;
};

TileRange TilesWithin(LONG start, LONG end, LONG step, LONG clipStart, LONG clipEnd) {
    const LONG from = std::max(start, clipStart);
    const LONG to = std::min(end, clipEnd);
    if (to <= from)
        return TileRange{0, 0};
    const long long first = (static_cast<long long>(from) - start) / step;
    const long long last = (static_cast<long long>(to) - start + step - 1) / step;
    return TileRange{static_cast<LONG>(first), static_cast<LONG>(last)};
}

void DrawMiddle(const CPieceBlitter& blitter, const RECT& mid, const RECT& sourceMid, bool xTiled, bool yTiled) {
    const LONG tileWidth = Width(sourceMid);
    const LONG tileHeight = Height(sourceMid);
    if (Width(mid) <= 0 || Height(mid) <= 0 || tileWidth <= 0 || tileHeight <= 0)
        return;
    if (!xTiled && !yTiled) {
        blitter.Stretch(mid, sourceMid);
        return;
    }
    const RECT& paint = blitter.Paint();
    const TileRange columns =
        xTiled ? TilesWithin(mid.left, mid.right, tileWidth, paint.left, paint.right) : TileRange{0, 1};
    const TileRange rows =
        yTiled ? TilesWithin(mid.top, mid.bottom, tileHeight, paint.top, paint.bottom) : TileRange{0, 1};
    for (LONG row = rows.first; row < rows.end; ++row) {
        RECT cell;
        cell.top = yTiled ? mid.top + row * tileHeight : mid.top;
        cell.bottom = yTiled ? std::min(cell.top + tileHeight, mid.bottom) : mid.bottom;
        for (LONG column = columns.first; column < columns.end; ++column) {
            cell.left = xTiled ? mid.left + column * tileWidth : mid.left;
            cell.right = xTiled ? std::min(cell.left + tileWidth, mid.right) : mid.right;
            if (xTiled && yTiled) {
                blitter.Copy(cell, POINT{sourceMid.left, sourceMid.top});
            } else {
                // A cut tile takes as much less of the source as it is shorter.
                RECT source = sourceMid;
                if (xTiled)
                    source.right = source.left + Width(cell);
                else
                    source.bottom = source.top + Height(cell);
                blitter.Stretch(cell, source);
            }
        }
    }
}

void DrawBorders(const CPieceBlitter& blitter, const RECT& rc, const RECT& src, const RECT& c) {
    const LONG innerTop = rc.top + c.top;
    const LONG innerBottom = rc.bottom - c.bottom;
    const LONG innerLeft = rc.left + c.left;
    const LONG innerRight = rc.right - c.right;
    if (c.left > 0 && c.top > 0)
        blitter.Copy(RECT{rc.left, rc.top, innerLeft, innerTop}, POINT{src.left, src.top});
    if (c.top > 0)
        blitter.Stretch(RECT{innerLeft, rc.top, innerRight, innerTop},
                        RECT{src.left + c.left, src.top, src.right - c.right, src.top + c.top});
    if (c.right > 0 && c.top > 0)
        blitter.Copy(RECT{innerRight, rc.top, rc.right, innerTop}, POINT{src.right - c.right, src.top});
    if (c.left > 0)
        blitter.Stretch(RECT{rc.left, innerTop, innerLeft, innerBottom},
                        RECT{src.left, src.top + c.top, src.left + c.left, src.bottom - c.bottom});
    if (c.right > 0)
        blitter.Stretch(RECT{innerRight, innerTop, rc.right, innerBottom},
                        RECT{src.right - c.right, src.top + c.top, src.right, src.bottom - c.bottom});
    if (c.left > 0 && c.bottom > 0)
        blitter.Copy(RECT{rc.left, innerBottom, innerLeft, rc.bottom}, POINT{src.left, src.bottom - c.bottom});
    if (c.bottom > 0)
        blitter.Stretch(RECT{innerLeft, innerBottom, innerRight, rc.bottom},
                        RECT{src.left + c.left, src.bottom - c.bottom, src.right - c.right, src.bottom});
    if (c.right > 0 && c.bottom > 0)
        blitter.Copy(RECT{innerRight, innerBottom, rc.right, rc.bottom},
                     POINT{src.right - c.right, src.bottom - c.bottom});
}

// An opaque image at its natural size with no borders: one copy of what lies
// inside the paint rectangle.
bool IsPlainCopy(const RECT& rc, const RECT& src, const RECT& c) {
    return Width(rc) == Width(src) && Height(rc) == Height(src) && c.left == 0 && c.top == 0 && c.right == 0 &&
           c.bottom == 0;
}

void CopyVisiblePart(HDC dc, HDC image, const RECT& rc, const RECT& paint, const RECT& src) {
    RECT visible;
    if (Width(src) <= 0 || Height(src) <= 0 || !IntersectRect(&visible, &rc, &paint))
        return;
    BitBlt(dc, visible.left, visible.top, Width(visible), Height(visible), image, src.left + visible.left - rc.left,
           src.top + visible.top - rc.top, SRCCOPY);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (GetObjectW(bitmap, sizeof(info), &info) != sizeof(info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

RECT ClampToImage(const RECT& source, SIZE imageSize) {
    RECT clamped;
    clamped.left = std::clamp<LONG>(source.left, 0, imageSize.cx);
    clamped.top = std::clamp<LONG>(source.top, 0, imageSize.cy);
    clamped.right = std::min<LONG>(source.right, imageSize.cx);
    clamped.bottom = std::min<LONG>(source.bottom, imageSize.cy);
    return clamped;
}

}  // namespace

void DrawImageRaw(HDC dc, HBITMAP bitmap, const RECT& dest, const RECT& paint, const RECT& source, const RECT& corner,
                  bool hasAlpha, BYTE fade, bool hole, bool xTiled, bool yTiled) {
    if (dc == nullptr || bitmap == nullptr)
        return;
    const SIZE imageSize = BitmapSize(bitmap);
    if (imageSize.cx <= 0 || imageSize.cy <= 0)
        return;
    // One memory context serves every image: making and deleting one per
    // drawn image costs more than drawing it.
    const HDC image = CImageKeeper::Hold(bitmap);
    if (image == nullptr)
        return;
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);

    const RECT src = ClampToImage(source, imageSize);
    const RECT& rc = dest;
    const RECT& c = corner;
    const bool blend = hasAlpha || fade != 255;
    if (!blend && IsPlainCopy(rc, src, c)) {
        CopyVisiblePart(dc, image, rc, paint, src);
    } else {
        const CPieceBlitter blitter(dc, image, imageSize, paint, blend, fade);
        if (!hole) {
            DrawMiddle(blitter, RECT{rc.left + c.left, rc.top + c.top, rc.right - c.right, rc.bottom - c.bottom},
                       RECT{src.left + c.left, src.top + c.top, src.right - c.right, src.bottom - c.bottom}, xTiled,
                       yTiled);
        }
        DrawBorders(blitter, rc, src, c);
    }

    if (previousMode != 0)
        SetStretchBltMode(dc, previousMode);
    CImageKeeper::Release();
}

}  // namespace Render
}  // namespace SkinUI
