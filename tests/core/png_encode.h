#pragma once

// A small PNG writer for making test images in-process: 8-bit RGB or RGBA,
// one IDAT chunk, every row with the same filter.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace pngtest {

typedef std::vector<unsigned char> Bytes;

enum class RowFilter : unsigned char { None = 0, Paeth = 4 };

inline void PutBigEndian(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

inline void PutChunk(Bytes& out, const char type[4], const Bytes& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    PutBigEndian(out, static_cast<uint32_t>(crc));
}

inline unsigned char PaethPredictor(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return static_cast<unsigned char>(left);
    return static_cast<unsigned char>(toUp <= toUpLeft ? up : upLeft);
}

// `pixels` holds `height` rows of `width` pixels of `channels` (3 or 4) bytes.
inline Bytes EncodePng(const std::vector<unsigned char>& image, int width, int height, int channels,
                       RowFilter filter = RowFilter::None) {
    const unsigned char* pixels = image.data();
    const size_t stride = static_cast<size_t>(width) * channels;
    Bytes raw;
    raw.reserve((stride + 1) * height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = pixels + stride * y;
        const unsigned char* above = y > 0 ? row - stride : nullptr;
        raw.push_back(static_cast<unsigned char>(filter));
        for (size_t i = 0; i < stride; ++i) {
            if (filter == RowFilter::None) {
                raw.push_back(row[i]);
                continue;
            }
            const int left = i >= static_cast<size_t>(channels) ? row[i - channels] : 0;
            const int up = above != nullptr ? above[i] : 0;
            const int upLeft = above != nullptr && i >= static_cast<size_t>(channels) ? above[i - channels] : 0;
            raw.push_back(static_cast<unsigned char>(row[i] - PaethPredictor(left, up, upLeft)));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packedSize);

    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header.push_back(8);                                                  // bits per channel
    header.push_back(static_cast<unsigned char>(channels == 4 ? 6 : 2));  // RGBA or RGB
    header.push_back(0);                                                  // deflate
    header.push_back(0);                                                  // adaptive filtering
    header.push_back(0);                                                  // not interlaced

    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", Bytes());
    return png;
}

}  // namespace pngtest
