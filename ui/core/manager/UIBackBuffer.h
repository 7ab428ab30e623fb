#pragma once

#include <windows.h>

namespace SkinUI {

// A memory DC with a bitmap of its own kept selected: a window's back buffer
// or its layered background. It remembers its size and kind, so a caller
// asks for what it needs and gets a new bitmap only when that changes.
class CBackBuffer {
public:
    CBackBuffer() = default;
    CBackBuffer(const CBackBuffer&) = delete;
    CBackBuffer& operator=(const CBackBuffer&) = delete;
    ~CBackBuffer() { Release(); }

    // A buffer of `width` x `height`: a 32-bit bottom-up DIB section with
    // `argb`, else a bitmap compatible with `reference`. The current bitmap
    // is kept when it already is that; false, and no buffer, when the size
    // is not positive or the system refuses it.
    bool Ensure(HDC reference, int width, int height, bool argb);
    bool Matches(int width, int height, bool argb) const;
    void Release();

    HDC GetDC() const { return m_dc; }
    // Pixels as 0xAARRGGBB words, the bottom row first; null unless ARGB.
    DWORD* GetBits() const { return m_bits; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // Pixel work on an ARGB buffer. Rectangles are in top-down coordinates
    // and cut to the buffer; without pixels nothing happens.
    void Clear(const RECT& rect);
    void ClearAll();
    // Each pixel of `rect` takes the alpha of the same pixel of `background`
    // and has its colour scaled by it (premultiplied for layered windows).
    void PremultiplyBy(const CBackBuffer& background, const RECT& rect);

private:
    // False when nothing of `rect` lies inside the buffer.
    bool CutToBuffer(RECT& rect) const;
    DWORD* Row(int y) const { return m_bits + static_cast<size_t>(m_height - 1 - y) * m_width; }

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
    DWORD* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    bool m_argb = false;
};

}  // namespace SkinUI
