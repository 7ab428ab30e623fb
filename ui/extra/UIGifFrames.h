#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "ui/core/gdi/UIGdiPlus.h"

struct IStream;

namespace Gdiplus {
class GpImage;
}

namespace SkinUI {

// The frames of an image as GDI+ decodes them (an animated GIF, or any still
// image GDI+ reads) and how long each stays on screen. GDI+ keeps reading
// from the stream it decoded from, so both live as long as this object.
class CGifFrames {
public:
    CGifFrames() = default;
    ~CGifFrames();
    CGifFrames(const CGifFrames&) = delete;
    CGifFrames& operator=(const CGifFrames&) = delete;

    // False, and nothing held, when GDI+ cannot decode the bytes, they are
    // more than the framework takes for one image, or a side is out of range.
    bool Load(const void* bytes, size_t size);

    // 1 for a still image.
    UINT FrameCount() const { return m_frameCount; }
    // Whether the image can be stepped through: two frames or more, with delays.
    bool IsAnimated() const { return m_frameCount > 1 && !m_delays.empty(); }
    // Milliseconds that frame `index` is shown; a delay of 0, or an index past
    // the delays the image has, stands for 100.
    UINT DelayOf(UINT index) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Frame `index` (frame 0 for an index out of range) stretched over `rect`.
    void Draw(HDC dc, const RECT& rect, UINT index);

private:
    void ReadFrameCount();
    void ReadDelays();
    void Release();

    // First member: GDI+ must outlive the image.
    CGdiPlusUser m_gdiPlus;
    IStream* m_stream = nullptr;
    Gdiplus::GpImage* m_image = nullptr;
    GUID m_dimension = {};
    UINT m_frameCount = 1;
    UINT m_activeFrame = 0;
    std::vector<UINT> m_delays;  // hundredths of a second, one per frame
    int m_width = 0;
    int m_height = 0;
};

}  // namespace SkinUI
