#include "ui/extra/UIGifFrames.h"

#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "ui/core/resources/UIImageDecode.h"
#include "ui/extra/UIGifCheck.h"

namespace SkinUI {

namespace {

namespace Gdip = Gdiplus::DllExports;

// What a frame without a delay of its own is shown for.
constexpr UINT kDefaultDelayMs = 100;
constexpr UINT kMsPerDelayUnit = 10;
// A GIF has one dimension (time); more than this is not an image worth trusting.
constexpr UINT kMaxFrameDimensions = 16;

bool Succeeded(Gdiplus::GpStatus status) {
    return status == Gdiplus::Ok;
}

// A stream over a movable copy of the bytes; the stream frees the copy when released.
IStream* CreateStreamOver(const void* bytes, size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return nullptr;
    }
    void* target = ::GlobalLock(memory);
    if (target == nullptr) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream)) || stream == nullptr) {
        ::GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

}  // namespace

CGifFrames::~CGifFrames() {
    Release();
}

void CGifFrames::Release() {
    // The image reads from the stream until it is gone.
    if (m_image != nullptr) {
        Gdip::GdipDisposeImage(m_image);
        m_image = nullptr;
    }
    if (m_stream != nullptr) {
        m_stream->Release();
        m_stream = nullptr;
    }
    m_frameCount = 1;
    m_activeFrame = 0;
    m_delays.clear();
    m_width = 0;
    m_height = 0;
}

bool CGifFrames::Load(const void* bytes, size_t size) {
    Release();
    if (!m_gdiPlus.IsStarted() || bytes == nullptr || size == 0 || size > Render::kMaxEncodedImageBytes ||
        !GifImagesHaveColourTables(static_cast<const unsigned char*>(bytes), size)) {
        return false;
    }
    m_stream = CreateStreamOver(bytes, size);
    if (m_stream == nullptr) {
        return false;
    }
    UINT width = 0;
    UINT height = 0;
    if (!Succeeded(Gdip::GdipLoadImageFromStream(m_stream, &m_image)) ||
        !Succeeded(Gdip::GdipGetImageWidth(m_image, &width)) ||
        !Succeeded(Gdip::GdipGetImageHeight(m_image, &height)) || !Render::IsImageSizeAllowed(width, height)) {
        Release();
        return false;
    }
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    ReadFrameCount();
    ReadDelays();
    return true;
}

void CGifFrames::ReadFrameCount() {
    UINT dimensions = 0;
    if (!Succeeded(Gdip::GdipImageGetFrameDimensionsCount(m_image, &dimensions)) || dimensions == 0 ||
        dimensions > kMaxFrameDimensions) {
        return;
    }
    GUID list[kMaxFrameDimensions] = {};
    UINT count = 0;
    if (Succeeded(Gdip::GdipImageGetFrameDimensionsList(m_image, list, dimensions)) &&
        Succeeded(Gdip::GdipImageGetFrameCount(m_image, &list[0], &count)) && count > 0) {
        m_dimension = list[0];
        m_frameCount = count;
    }
}

void CGifFrames::ReadDelays() {
    UINT size = 0;
    if (!Succeeded(Gdip::GdipGetPropertyItemSize(m_image, PropertyTagFrameDelay, &size)) ||
        size < sizeof(Gdiplus::PropertyItem)) {
        return;
    }
    // Whole PropertyItems, so that the header that GDI+ writes first is aligned.
    const size_t items = (size + sizeof(Gdiplus::PropertyItem) - 1) / sizeof(Gdiplus::PropertyItem);
    std::vector<Gdiplus::PropertyItem> buffer(items);
    Gdiplus::PropertyItem* item = buffer.data();
    if (!Succeeded(Gdip::GdipGetPropertyItem(m_image, PropertyTagFrameDelay, size, item)) ||
        item->type != PropertyTagTypeLong || item->value == nullptr) {
        return;
    }
    // The value should follow the header inside the buffer; read no further than the buffer goes.
    const uintptr_t begin = reinterpret_cast<uintptr_t>(item);
    const uintptr_t end = begin + size;
    const uintptr_t value = reinterpret_cast<uintptr_t>(item->value);
    if (value < begin + sizeof(Gdiplus::PropertyItem) || value > end) {
        return;
    }
    const size_t length = std::min<size_t>(item->length, end - value);
    m_delays.resize(length / sizeof(UINT));
    std::memcpy(m_delays.data(), item->value, m_delays.size() * sizeof(UINT));
}

UINT CGifFrames::DelayOf(UINT index) const {
    const UINT hundredths = index < m_delays.size() ? m_delays[index] : 0;
    if (hundredths == 0) {
        return kDefaultDelayMs;
    }
    const uint64_t ms = static_cast<uint64_t>(hundredths) * kMsPerDelayUnit;
    return static_cast<UINT>(std::min<uint64_t>(ms, USER_TIMER_MAXIMUM));
}

void CGifFrames::Draw(HDC dc, const RECT& rect, UINT index) {
    if (m_image == nullptr || dc == nullptr) {
        return;
    }
    const UINT frame = index < m_frameCount ? index : 0;
    if (frame != m_activeFrame && Succeeded(Gdip::GdipImageSelectActiveFrame(m_image, &m_dimension, frame))) {
        m_activeFrame = frame;
    }
    Gdiplus::GpGraphics* graphics = nullptr;
    if (!Succeeded(Gdip::GdipCreateFromHDC(dc, &graphics))) {
        return;
    }
    Gdip::GdipDrawImageRectI(graphics, m_image, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    Gdip::GdipDeleteGraphics(graphics);
}

}  // namespace SkinUI
