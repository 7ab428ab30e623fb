#include "tests/core/zip_writer.h"

#include <zlib.h>

namespace ziptest {

namespace {

void Append16(Bytes& bytes, uint16_t value) {
    bytes.push_back(static_cast<unsigned char>(value));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void Append32(Bytes& bytes, uint32_t value) {
    Append16(bytes, static_cast<uint16_t>(value));
    Append16(bytes, static_cast<uint16_t>(value >> 16));
}

void AppendText(Bytes& bytes, const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

uint32_t Crc(const std::string& data) {
    return static_cast<uint32_t>(
        crc32(crc32(0, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

}  // namespace

std::string RawDeflate(const std::string& data) {
    z_stream stream = {};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string packed(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&packed[0]);
    stream.avail_out = static_cast<uInt>(packed.size());
    deflate(&stream, Z_FINISH);
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    return packed;
}

Bytes BuildZip(const std::vector<ZipItem>& items, const std::string& comment, ZipLayout* layout) {
    ZipLayout built;
    Bytes zip;
    std::vector<std::string> stored;
    for (const ZipItem& item : items) {
        stored.push_back(item.deflate ? RawDeflate(item.data) : item.data);
        built.localHeaders.push_back(zip.size());
        Append32(zip, 0x04034b50);
        Append16(zip, 20);
        Append16(zip, item.flags);
        Append16(zip, item.deflate ? 8 : 0);
        Append32(zip, 0);
        Append32(zip, Crc(item.data));
        Append32(zip, static_cast<uint32_t>(stored.back().size()));
        Append32(zip, static_cast<uint32_t>(item.data.size()));
        Append16(zip, static_cast<uint16_t>(item.name.size()));
        Append16(zip, 0);
        AppendText(zip, item.name);
        AppendText(zip, stored.back());
    }
    built.directoryOffset = zip.size();
    for (size_t index = 0; index < items.size(); ++index) {
        const ZipItem& item = items[index];
        built.directoryEntries.push_back(zip.size());
        Append32(zip, 0x02014b50);
        Append16(zip, 20);
        Append16(zip, 20);
        Append16(zip, item.flags);
        Append16(zip, item.deflate ? 8 : 0);
        Append32(zip, 0);
        Append32(zip, Crc(item.data));
        Append32(zip, static_cast<uint32_t>(stored[index].size()));
        Append32(zip, static_cast<uint32_t>(item.data.size()));
        Append16(zip, static_cast<uint16_t>(item.name.size()));
        Append16(zip, static_cast<uint16_t>(item.centralExtra.size()));
        Append16(zip, 0);
        Append16(zip, 0);
        Append16(zip, 0);
        Append32(zip, 0);
        Append32(zip, static_cast<uint32_t>(built.localHeaders[index]));
        AppendText(zip, item.name);
        AppendText(zip, item.centralExtra);
    }
    built.endRecord = zip.size();
    Append32(zip, 0x06054b50);
    Append16(zip, 0);
    Append16(zip, 0);
    Append16(zip, static_cast<uint16_t>(items.size()));
    Append16(zip, static_cast<uint16_t>(items.size()));
    Append32(zip, static_cast<uint32_t>(built.endRecord - built.directoryOffset));
    Append32(zip, static_cast<uint32_t>(built.directoryOffset));
    Append16(zip, static_cast<uint16_t>(comment.size()));
    AppendText(zip, comment);
    if (layout != nullptr)
        *layout = built;
    return zip;
}

void Put16(Bytes& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<unsigned char>(value);
    bytes[offset + 1] = static_cast<unsigned char>(value >> 8);
}

void Put32(Bytes& bytes, size_t offset, uint32_t value) {
    Put16(bytes, offset, static_cast<uint16_t>(value));
    Put16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

uint16_t Get16(const Bytes& bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t Get32(const Bytes& bytes, size_t offset) {
    return static_cast<uint32_t>(Get16(bytes, offset)) | (static_cast<uint32_t>(Get16(bytes, offset + 2)) << 16);
}

}  // namespace ziptest
