#include "ui/core/resources/UIImageDecode.h"

#include <cstring>
#include <cwchar>

#include "ui/core/base/UIValueParse.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIImageKeeper.h"
#include "ui/core/gdi/UINineGridCache.h"
#include "ui/core/resources/UIResourceLoader.h"
#include "ui/core/resources/UIResourceLocation.h"

// Skins hold their images in memory, never as FILE streams.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
// stb_image is third-party code: its warnings are not ours to fix.
#if defined(_MSC_VER)
#pragma warning(push, 1)
#else
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#if defined(_MSC_VER)
#pragma warning(pop)
#else
#pragma GCC diagnostic pop
#endif

static_assert(STBI_MAX_DIMENSIONS == SkinUI::Render::kMaxImageSide, "the decoder and its callers agree on the limit");

namespace SkinUI {
namespace Render {

const wchar_t kColorImageType[] = L"*COLOR*";

namespace {

constexpr int kBytesPerPixel = 4;

// Stores RGBA as premultiplied BGRA words; reports whether any pixel ended up
// less than opaque.
bool PremultiplyInto(const unsigned char* rgba, size_t pixelCount, DWORD mask, DWORD* out) {
    bool hasAlpha = false;
    for (size_t i = 0; i < pixelCount; ++i, rgba += kBytesPerPixel) {
        DWORD red = rgba[0];
        DWORD green = rgba[1];
        DWORD blue = rgba[2];
        const DWORD alpha = rgba[3];
        if (alpha != 255) {
            red = red * alpha / 255;
            green = green * alpha / 255;
            blue = blue * alpha / 255;
            hasAlpha = true;
        }
        DWORD value = (alpha << 24) | (red << 16) | (green << 8) | blue;
        if (value == mask) {
            value = 0;
            hasAlpha = true;
        }
        out[i] = value;
    }
    return hasAlpha;
}

ResourceBytes ReadImageBytes(LPCWSTR source, LPCWSTR type) {
    if (type != nullptr)
        return ReadResource(CResourceLocation::GetResourceInstance(), source, type);
    if (IS_INTRESOURCE(source))
        return ResourceBytes();
    return ReadNamedFileOrPath(source);
}

bool IsColorType(LPCWSTR type) {
    return type != nullptr && !IS_INTRESOURCE(type) && std::wcscmp(type, kColorImageType) == 0;
}

}  // namespace

CDecodedPixels::~CDecodedPixels() {
    Release();
}

void CDecodedPixels::Release() {
    if (m_pixels != nullptr)
        stbi_image_free(m_pixels);
    m_pixels = nullptr;
    m_width = 0;
    m_height = 0;
}

bool CDecodedPixels::Decode(const void* bytes, size_t size) {
    Release();
    if (bytes == nullptr || size == 0 || size > kMaxEncodedImageBytes)
        return false;
    const stbi_uc* encoded = static_cast<const stbi_uc*>(bytes);
    const int length = static_cast<int>(size);
    int width = 0;
    int height = 0;
    int channels = 0;
    // The header alone tells the size: a huge image is refused before any
    // pixel memory is asked for.
    if (!stbi_info_from_memory(encoded, length, &width, &height, &channels) ||
        !IsImageSizeAllowed(static_cast<size_t>(width), static_cast<size_t>(height)))
        return false;
    stbi_uc* pixels = stbi_load_from_memory(encoded, length, &width, &height, &channels, kBytesPerPixel);
    if (pixels == nullptr)
        return false;
    m_pixels = pixels;
    if (!IsImageSizeAllowed(static_cast<size_t>(width), static_cast<size_t>(height))) {
        Release();
        return false;
    }
    m_width = width;
    m_height = height;
    return true;
}

ImageEntry* CreateImageEntry(const unsigned char* rgba, int width, int height, DWORD mask) {
    if (rgba == nullptr || !IsImageSizeAllowed(static_cast<size_t>(width), static_cast<size_t>(height)))
        return nullptr;
    LPBYTE bits = nullptr;
    HBITMAP bitmap = CreateDib32(width, height, DibRows::TopDown, &bits);
    if (bitmap == nullptr)
        return nullptr;
    const size_t pixelCount = static_cast<size_t>(width) * static_cast<size_t>(height);
    ImageEntry* entry = new ImageEntry;
    entry->bitmap = bitmap;
    entry->bits = bits;
    entry->width = width;
    entry->height = height;
    entry->hasAlpha = PremultiplyInto(rgba, pixelCount, mask, reinterpret_cast<DWORD*>(bits));
    return entry;
}

ImageEntry* DecodeImage(const void* bytes, size_t size, DWORD mask) {
    CDecodedPixels pixels;
    if (!pixels.Decode(bytes, size))
        return nullptr;
    return CreateImageEntry(pixels.Pixels(), pixels.Width(), pixels.Height(), mask);
}

ImageEntry* LoadImageEntry(LPCWSTR source, LPCWSTR type, DWORD mask) {
    if (source == nullptr)
        return nullptr;
    if (IsColorType(type)) {
        if (IS_INTRESOURCE(source))
            return nullptr;
        const DWORD color = ParseColor(source);
        const unsigned char rgba[kBytesPerPixel] = {
            static_cast<unsigned char>(color >> 16), static_cast<unsigned char>(color >> 8),
            static_cast<unsigned char>(color), static_cast<unsigned char>(color >> 24)};
        return CreateImageEntry(rgba, 1, 1, mask);
    }
    const ResourceBytes bytes = ReadImageBytes(source, type);
    if (bytes.empty())
        return nullptr;
    return DecodeImage(bytes.data(), bytes.size(), mask);
}

bool KeepOriginalBits(ImageEntry* entry) {
    if (entry == nullptr || entry->bits == nullptr ||
        !IsImageSizeAllowed(static_cast<size_t>(entry->width), static_cast<size_t>(entry->height)))
        return false;
    const size_t size = static_cast<size_t>(entry->width) * static_cast<size_t>(entry->height) * kBytesPerPixel;
    delete[] entry->originalBits;
    entry->originalBits = new BYTE[size];
    std::memcpy(entry->originalBits, entry->bits, size);
    return true;
}

void FreeImageEntry(ImageEntry* entry, bool deleteEntry) {
    if (entry == nullptr)
        return;
    for (HBITMAP bitmap : {entry->bitmap, entry->scaledBitmap}) {
        if (bitmap != nullptr) {
            ForgetComposedImages(bitmap);
            CImageKeeper::Delete(bitmap);
        }
    }
    entry->scaledBitmap = nullptr;
    entry->scaledDpi = 0;
    delete[] entry->originalBits;
    entry->bitmap = nullptr;
    entry->bits = nullptr;
    entry->originalBits = nullptr;
    if (deleteEntry)
        delete entry;
}

}  // namespace Render
}  // namespace SkinUI
