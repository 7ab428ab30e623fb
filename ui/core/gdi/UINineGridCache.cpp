#include "ui/core/gdi/UINineGridCache.h"

#include <vector>

#include "ui/core/gdi/UIAlphaBlend.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UINineGrid.h"

namespace SkinUI {
namespace Render {

namespace {

// Bounds on what the cache holds: composed bitmaps are kept for small
// destinations only, and the least recently used one goes first.
constexpr size_t kMaxEntries = 64;
constexpr int kMaxComposedPixels = 256 * 256;

struct Composed {
    HBITMAP image;
    RECT source;
    RECT corner;
    SIZE size;
    bool hole;
    bool xTiled;
    bool yTiled;
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ previous;
    unsigned lastUse;

    bool Matches(HBITMAP otherImage, const RECT& otherSource, const RECT& otherCorner, SIZE otherSize, bool otherHole,
                 bool otherXTiled, bool otherYTiled) const {
        return image == otherImage && ::EqualRect(&source, &otherSource) && ::EqualRect(&corner, &otherCorner) &&
               size.cx == otherSize.cx && size.cy == otherSize.cy && hole == otherHole && xTiled == otherXTiled &&
               yTiled == otherYTiled;
    }
    void Release() const {
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
    }
};

class ComposedCache {
public:
    ~ComposedCache() {
        for (const Composed& entry : m_entries) {
            entry.Release();
        }
    }

    const Composed* Find(HBITMAP image, const RECT& source, const RECT& corner, SIZE size, bool hole, bool xTiled,
                         bool yTiled) {
        for (Composed& entry : m_entries) {
            if (entry.Matches(image, source, corner, size, hole, xTiled, yTiled)) {
                entry.lastUse = ++m_clock;
                return &entry;
            }
        }
        return nullptr;
    }

    const Composed* Add(const Composed& entry) {
        if (m_entries.size() >= kMaxEntries) {
            auto oldest = m_entries.begin();
            for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
                if (it->lastUse < oldest->lastUse) {
                    oldest = it;
                }
            }
            oldest->Release();
            m_entries.erase(oldest);
        }
        m_entries.push_back(entry);
        m_entries.back().lastUse = ++m_clock;
        return &m_entries.back();
    }

    void Forget(HBITMAP image) {
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            if (it->image == image) {
                it->Release();
                it = m_entries.erase(it);
            } else {
                ++it;
            }
        }
    }

    int Count(HBITMAP image) const {
        int count = 0;
        for (const Composed& entry : m_entries) {
            count += entry.image == image ? 1 : 0;
        }
        return count;
    }

private:
    std::vector<Composed> m_entries;
    unsigned m_clock = 0;
};

ComposedCache& Cache() {
    static ComposedCache cache;
    return cache;
}

// The nine-grid drawn once over transparent pixels: blending onto nothing
// leaves exactly the premultiplied picture.
const Composed* Compose(HBITMAP image, const RECT& source, const RECT& corner, SIZE size, bool hole, bool xTiled,
                        bool yTiled) {
    LPBYTE bits = nullptr;
    HBITMAP bitmap = CreateDib32(size.cx, size.cy, DibRows::TopDown, &bits);
    if (bitmap == nullptr) {
        return nullptr;
    }
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        ::DeleteObject(bitmap);
        return nullptr;
    }
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const RECT whole = {0, 0, size.cx, size.cy};
    DrawImageRaw(dc, image, whole, whole, source, corner, true, 255, hole, xTiled, yTiled);
    ::GdiFlush();
    return Cache().Add(Composed{image, source, corner, size, hole, xTiled, yTiled, bitmap, dc, previous, 0});
}

}  // namespace

void DrawImageComposed(HDC dc, HBITMAP bitmap, const RECT& dest, const RECT& paint, const RECT& source,
                       const RECT& corner, bool hasAlpha, BYTE fade, bool hole, bool xTiled, bool yTiled) {
    const SIZE size = {dest.right - dest.left, dest.bottom - dest.top};
    const bool noCorners = corner.left == 0 && corner.top == 0 && corner.right == 0 && corner.bottom == 0;
    const bool onePiece = noCorners && size.cx == source.right - source.left && size.cy == source.bottom - source.top;
    if (!hasAlpha || bitmap == nullptr || onePiece || size.cx <= 0 || size.cy <= 0 ||
        size.cx * size.cy > kMaxComposedPixels) {
        DrawImageRaw(dc, bitmap, dest, paint, source, corner, hasAlpha, fade, hole, xTiled, yTiled);
        return;
    }
    RECT visible;
    if (!::IntersectRect(&visible, &dest, &paint)) {
        return;
    }
    const Composed* composed = Cache().Find(bitmap, source, corner, size, hole, xTiled, yTiled);
    if (composed == nullptr) {
        composed = Compose(bitmap, source, corner, size, hole, xTiled, yTiled);
    }
    if (composed == nullptr) {
        DrawImageRaw(dc, bitmap, dest, paint, source, corner, hasAlpha, fade, hole, xTiled, yTiled);
        return;
    }
    const int width = visible.right - visible.left;
    const int height = visible.bottom - visible.top;
    Blend(dc, visible.left, visible.top, width, height, composed->dc, visible.left - dest.left, visible.top - dest.top,
          width, height, BLENDFUNCTION{AC_SRC_OVER, 0, fade, AC_SRC_ALPHA});
}

void ForgetComposedImages(HBITMAP bitmap) {
    Cache().Forget(bitmap);
}

int ComposedImageCount(HBITMAP bitmap) {
    return Cache().Count(bitmap);
}

}  // namespace Render
}  // namespace SkinUI
