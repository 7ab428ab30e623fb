#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/core/resources/UIImageEntry.h"

namespace SkinUI {
namespace Render {

// Pseudo resource type: the source text is a colour ("#AARRGGBB"), and the
// image is one pixel of it.
extern const wchar_t kColorImageType[];

// Limits on what the decoder accepts. A corrupt or hostile header could
// otherwise ask for gigabytes of pixels.
constexpr int kMaxImageSide = 16384;
// 2048 x 2048 pixels in all (a 2560 x 1600 screen's worth, a 1280 x 800
// window's background at double size): a larger image takes seconds to
// decode and to resize for a display scale.
constexpr size_t kMaxImagePixels = size_t(1) << 22;
constexpr size_t kMaxEncodedImageBytes = size_t(64) << 20;

// Within both limits: each side and all the pixels together. A negative
// side, taken as a very large one, is refused.
inline bool IsImageSizeAllowed(size_t width, size_t height) {
    return width > 0 && height > 0 && width <= static_cast<size_t>(kMaxImageSide) &&
           height <= static_cast<size_t>(kMaxImageSide) && width * height <= kMaxImagePixels;
}

// RGBA pixels as stb_image decodes them: 4 bytes a pixel (R, G, B, A), rows
// top-down, no padding.
class CDecodedPixels {
public:
    CDecodedPixels() = default;
    ~CDecodedPixels();
    CDecodedPixels(const CDecodedPixels&) = delete;
    CDecodedPixels& operator=(const CDecodedPixels&) = delete;

    // Any format stb_image reads. False, and no pixels, for bytes it cannot
    // decode, more than kMaxEncodedImageBytes of input, a side above
    // kMaxImageSide or more than kMaxImagePixels pixels.
    bool Decode(const void* bytes, size_t size);

    const unsigned char* Pixels() const { return m_pixels; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    void Release();

    unsigned char* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// An image entry holding `rgba` (width x height pixels laid out as above) in
// a premultiplied 32-bit top-down DIB section. A pixel whose premultiplied
// value (0xAARRGGBB) equals `mask` becomes fully transparent. Null when the
// size is out of range or the DIB section cannot be made.
ImageEntry* CreateImageEntry(const unsigned char* rgba, int width, int height, DWORD mask);

// Encoded bytes (PNG or any other format stb_image reads) to an image entry.
ImageEntry* DecodeImage(const void* bytes, size_t size, DWORD mask);

// Finds and decodes an image. `type` null: `source` is a file name, looked up
// under the resource folder or in the resource archive, then as a plain path.
// `type` kColorImageType: `source` is a hexadecimal colour after an optional
// "#". Any other type: `source` names a resource of that type in the program
// (a text, or a number made by MAKEINTRESOURCE). The caller owns the entry
// and fills its resource type and mask.
ImageEntry* LoadImageEntry(LPCWSTR source, LPCWSTR type, DWORD mask);

// Copies the pixels into `originalBits`, the starting point that colour
// adjustment recomputes the bitmap from. False without pixels.
bool KeepOriginalBits(ImageEntry* entry);

// Deletes the bitmap and the pixel copy; with `deleteEntry` the entry too.
void FreeImageEntry(ImageEntry* entry, bool deleteEntry);

}  // namespace Render
}  // namespace SkinUI
