#include <zlib.h>

#include <algorithm>

#include "ui/core/resources/UIArchiveFormat.h"

namespace SkinUI {

namespace {

using namespace ZipFormat;

// Where the item's data starts, after checking that its local header agrees
// with the directory and that the data lies before the directory.
bool LocateItemData(const CArchive& archive, const ArchiveItem& item, size_t* dataOffset) {
    size_t header = item.localHeaderOffset;
    size_t limit = archive.directoryOffset;
    if (header + kLocalHeaderSize > limit)
        return false;
    const unsigned char* bytes = archive.bytes;
    if (ReadLittle32(bytes, header) != kLocalHeaderSignature)
        return false;
    uint16_t flags = ReadLittle16(bytes, header + 6);
    uint16_t method = ReadLittle16(bytes, header + 8);
    if ((flags & (kFlagEncrypted | kFlagStrongEncryption)) != 0 || method != item.method)
        return false;
    size_t variableLength = static_cast<size_t>(ReadLittle16(bytes, header + 26)) + ReadLittle16(bytes, header + 28);
    size_t data = header + kLocalHeaderSize + variableLength;
    if (data > limit || limit - data < item.compressedSize)
        return false;
    *dataOffset = data;
    return true;
}

ArchiveResult FinishResult(const ArchiveItem& item, uLong crc, size_t bufferSize) {
    if (crc != item.crc)
        return ArchiveCorrupt;
    return bufferSize < item.size ? ArchiveBufferFull : ArchiveOk;
}

ArchiveResult ExtractStored(const ArchiveItem& item, const unsigned char* data, unsigned char* buffer,
                            size_t bufferSize) {
    std::copy(data, data + std::min<size_t>(bufferSize, item.size), buffer);
    uLong crc = crc32(crc32(0, Z_NULL, 0), data, item.size);
    return FinishResult(item, crc, bufferSize);
}

// Inflates the whole item even when the buffer is smaller, so that damage
// past the end of the buffer is still reported. Output beyond the buffer goes
// to a scratch block; output beyond the declared size is damage.
ArchiveResult ExtractDeflated(const ArchiveItem& item, const unsigned char* data, unsigned char* buffer,
                              size_t bufferSize) {
    z_stream stream = {};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return ArchiveOutOfMemory;
    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = item.compressedSize;

    unsigned char scratch[16 * 1024];
    const size_t bufferedSize = std::min<size_t>(bufferSize, item.size);
    size_t total = 0;
    uLong crc = crc32(0, Z_NULL, 0);
    ArchiveResult result = ArchiveCorrupt;
    for (;;) {
        unsigned char* destination;
        size_t room;
        if (total < bufferedSize) {
            destination = buffer + total;
            room = bufferedSize - total;
        } else {
            destination = scratch;
            // Past the declared size one more byte is asked for, to catch an overlong stream.
            room = total < item.size ? std::min(sizeof(scratch), item.size - total) : 1;
        }
        stream.next_out = destination;
        stream.avail_out = static_cast<uInt>(room);
        int status = inflate(&stream, Z_NO_FLUSH);
        size_t produced = room - stream.avail_out;
        crc = crc32(crc, destination, static_cast<uInt>(produced));
        total += produced;
        if (total > item.size)
            break;
        if (status == Z_STREAM_END) {
            if (total == item.size)
                result = FinishResult(item, crc, bufferSize);
            break;
        }
        if (status != Z_OK) {
            if (status == Z_MEM_ERROR)
                result = ArchiveOutOfMemory;
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

}  // namespace

ArchiveResult ExtractArchiveItem(ArchiveHandle archive, int index, void* buffer, size_t size) {
    if (archive == nullptr || index < 0 || static_cast<size_t>(index) >= archive->items.size() ||
        (buffer == nullptr && size != 0)) {
        return ArchiveBadArgument;
    }
    const ArchiveItem& item = archive->items[static_cast<size_t>(index)];
    size_t dataOffset = 0;
    if (!LocateItemData(*archive, item, &dataOffset))
        return ArchiveCorrupt;
    const unsigned char* data = archive->bytes + dataOffset;
    unsigned char* destination = static_cast<unsigned char*>(buffer);
    if (item.method == kMethodStored)
        return ExtractStored(item, data, destination, size);
    return ExtractDeflated(item, data, destination, size);
}

}  // namespace SkinUI
