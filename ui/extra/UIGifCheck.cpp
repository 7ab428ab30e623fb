#include "ui/extra/UIGifCheck.h"

#include <cstring>

namespace SkinUI {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kScreenDescriptorSize = 7;
constexpr size_t kImageDescriptorSize = 10;  // the separator included
constexpr unsigned char kTableFlag = 0x80;
constexpr unsigned char kExtension = 0x21;
constexpr unsigned char kImage = 0x2C;

// Bytes of a colour table whose flags byte is `flags`.
size_t TableSize(unsigned char flags) {
    return (flags & kTableFlag) != 0 ? 3u << ((flags & 7) + 1) : 0;
}

// Past a chain of sub-blocks (a length byte, that many bytes, until a zero length).
size_t SkipSubBlocks(const unsigned char* bytes, size_t size, size_t at) {
    while (at < size && bytes[at] != 0) {
        at += 1 + static_cast<size_t>(bytes[at]);
    }
    return at + 1;
}

}  // namespace

bool GifImagesHaveColourTables(const unsigned char* bytes, size_t size) {
    if (bytes == nullptr || size < kHeaderSize + kScreenDescriptorSize || std::memcmp(bytes, "GIF", 3) != 0) {
        return true;
    }
    const unsigned char screenFlags = bytes[kHeaderSize + 4];
    const bool global = (screenFlags & kTableFlag) != 0;
    size_t at = kHeaderSize + kScreenDescriptorSize + TableSize(screenFlags);
    while (at < size) {
        if (bytes[at] == kExtension) {
            at = SkipSubBlocks(bytes, size, at + 2);
        } else if (bytes[at] == kImage && at + kImageDescriptorSize <= size) {
            const unsigned char imageFlags = bytes[at + kImageDescriptorSize - 1];
            if (!global && (imageFlags & kTableFlag) == 0) {
                return false;
            }
            // The table, then the minimum code size, then the image data.
            at = SkipSubBlocks(bytes, size, at + kImageDescriptorSize + TableSize(imageFlags) + 1);
        } else {
            return true;  // the trailer, or what the decoder rejects by itself
        }
    }
    return true;
}

}  // namespace SkinUI
