#pragma once

// Inside the ZIP reader: record layouts and the open archive object.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/core/resources/UIArchive.h"

namespace SkinUI {

// ZIP record layouts, as far as the reader uses them.
namespace ZipFormat {
constexpr uint32_t kEndOfDirectorySignature = 0x06054b50;
constexpr uint32_t kDirectoryEntrySignature = 0x02014b50;
constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kDirectoryEntrySize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kMaxCommentLength = 0xFFFF;
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflated = 8;
constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagStrongEncryption = 0x0040;
constexpr uint16_t kFlagUtf8Name = 0x0800;
constexpr uint16_t kFlagMaskedDirectory = 0x2000;
constexpr uint16_t kZip64ExtraTag = 0x0001;
}  // namespace ZipFormat

// Callers check that offset + 2 (or + 4) lies inside the data first.
inline uint16_t ReadLittle16(const unsigned char* data, size_t offset) {
    return static_cast<uint16_t>(data[offset] | (data[offset + 1] << 8));
}

inline uint32_t ReadLittle32(const unsigned char* data, size_t offset) {
    return static_cast<uint32_t>(data[offset]) | (static_cast<uint32_t>(data[offset + 1]) << 8) |
           (static_cast<uint32_t>(data[offset + 2]) << 16) | (static_cast<uint32_t>(data[offset + 3]) << 24);
}

// One item that the reader can hand out; items it cannot are left out when
// the directory is read.
struct ArchiveItem {
    std::wstring name;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t size = 0;
    uint32_t localHeaderOffset = 0;
    uint16_t method = 0;
};

class CArchive {
public:
    CArchive() = default;
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    const unsigned char* bytes = nullptr;
    size_t size = 0;
    // Item data lies before the central directory, so this bounds every item.
    size_t directoryOffset = 0;
    std::vector<ArchiveItem> items;
    // Set when the archive is a file mapped into memory.
    HANDLE mapping = nullptr;
};

// Finds the end record and reads the central directory of `archive.bytes`.
// False when the archive is damaged or of a kind the reader does not handle.
bool ReadArchiveDirectory(CArchive& archive);

}  // namespace SkinUI
