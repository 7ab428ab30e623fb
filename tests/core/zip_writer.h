#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Builds ZIP archives in memory for the archive tests, and names the field
// offsets that tests patch to make damaged archives.
namespace ziptest {

typedef std::vector<unsigned char> Bytes;

struct ZipItem {
    std::string name;  // bytes as stored in the archive
    std::string data;
    bool deflate = false;
    uint16_t flags = 0;
    std::string centralExtra;  // raw extra-field bytes of the directory entry
};

// Where the records of a built archive start.
struct ZipLayout {
    std::vector<size_t> localHeaders;
    std::vector<size_t> directoryEntries;
    size_t directoryOffset = 0;
    size_t endRecord = 0;
};

Bytes BuildZip(const std::vector<ZipItem>& items, const std::string& comment = std::string(),
               ZipLayout* layout = nullptr);
std::string RawDeflate(const std::string& data);

void Put16(Bytes& bytes, size_t offset, uint16_t value);
void Put32(Bytes& bytes, size_t offset, uint32_t value);
uint16_t Get16(const Bytes& bytes, size_t offset);
uint32_t Get32(const Bytes& bytes, size_t offset);

namespace Local {
constexpr size_t kFlags = 6, kMethod = 8, kCrc = 14, kCompressedSize = 18, kSize = 22, kNameLength = 26,
                 kExtraLength = 28, kHeaderSize = 30;
}
namespace Central {
constexpr size_t kFlags = 8, kMethod = 10, kCrc = 16, kCompressedSize = 20, kSize = 24, kNameLength = 28,
                 kExtraLength = 30, kCommentLength = 32, kDisk = 34, kLocalOffset = 42, kEntrySize = 46;
}
namespace End {
constexpr size_t kDisk = 4, kDirectoryDisk = 6, kEntriesOnDisk = 8, kEntries = 10, kDirectorySize = 12,
                 kDirectoryOffset = 16, kCommentLength = 20, kRecordSize = 22;
}

}  // namespace ziptest
