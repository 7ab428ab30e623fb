#include "ui/core/resources/UIArchiveFormat.h"

namespace SkinUI {

namespace {

using namespace ZipFormat;

struct EndOfDirectory {
    size_t position = 0;
    size_t directoryOffset = 0;
    size_t directorySize = 0;
    size_t entryCount = 0;
};

// Reads the end record at `position` when it is one this reader can use.
bool ReadEndRecord(const unsigned char* bytes, size_t size, size_t position, bool reachesEnd, EndOfDirectory* record) {
    if (ReadLittle32(bytes, position) != kEndOfDirectorySignature)
        return false;
    uint16_t diskNumber = ReadLittle16(bytes, position + 4);
    uint16_t directoryDisk = ReadLittle16(bytes, position + 6);
    uint16_t entriesOnDisk = ReadLittle16(bytes, position + 8);
    uint16_t entryCount = ReadLittle16(bytes, position + 10);
    uint32_t directorySize = ReadLittle32(bytes, position + 12);
    uint32_t directoryOffset = ReadLittle32(bytes, position + 16);
    uint16_t commentLength = ReadLittle16(bytes, position + 20);

    size_t recordEnd = position + kEndOfDirectorySize + commentLength;
    if (recordEnd > size || (reachesEnd && recordEnd != size))
        return false;
    // Split archives are not supported.
    if (diskNumber != 0 || directoryDisk != 0 || entriesOnDisk != entryCount)
        return false;
    // Saturated fields mean the real values live in ZIP64 records.
    if (entryCount == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF)
        return false;
    if (static_cast<size_t>(directoryOffset) + directorySize > position)
        return false;
    record->position = position;
    record->directoryOffset = directoryOffset;
    record->directorySize = directorySize;
    record->entryCount = entryCount;
    return true;
}

bool HasZip64Extra(const unsigned char* extra, size_t length, bool* malformed) {
    size_t offset = 0;
    while (offset + 4 <= length) {
        uint16_t tag = ReadLittle16(extra, offset);
        uint16_t blockLength = ReadLittle16(extra, offset + 2);
        if (tag == kZip64ExtraTag)
            return true;
        offset += 4;
        if (blockLength > length - offset) {
            *malformed = true;
            return false;
        }
        offset += blockLength;
    }
    return false;
}

// Names carry the UTF-8 flag when they are UTF-8; older tools write the OEM code page.
bool DecodeName(const unsigned char* name, size_t length, bool utf8, std::wstring* decoded) {
    if (length == 0)
        return false;
    UINT codePage = utf8 ? CP_UTF8 : CP_OEMCP;
    DWORD flags = utf8 ? MB_ERR_INVALID_CHARS : 0;
    const char* text = reinterpret_cast<const char*>(name);
    int wideLength = MultiByteToWideChar(codePage, flags, text, static_cast<int>(length), nullptr, 0);
    if (wideLength <= 0)
        return false;
    decoded->resize(static_cast<size_t>(wideLength));
    return MultiByteToWideChar(codePage, flags, text, static_cast<int>(length), &(*decoded)[0], wideLength) ==
           wideLength;
}

// Reads the directory entry at `offset`; false when it does not fit inside
// the directory. `usable` tells whether the item can be handed out.
bool ReadDirectoryEntry(const CArchive& archive, size_t directoryEnd, size_t* offset, ArchiveItem* item, bool* usable) {
    const unsigned char* bytes = archive.bytes;
    size_t entry = *offset;
    if (directoryEnd - entry < kDirectoryEntrySize)
        return false;
    if (ReadLittle32(bytes, entry) != kDirectoryEntrySignature)
        return false;
    uint16_t flags = ReadLittle16(bytes, entry + 8);
    uint16_t method = ReadLittle16(bytes, entry + 10);
    uint32_t crc = ReadLittle32(bytes, entry + 16);
    uint32_t compressedSize = ReadLittle32(bytes, entry + 20);
    uint32_t size = ReadLittle32(bytes, entry + 24);
    size_t nameLength = ReadLittle16(bytes, entry + 28);
    size_t extraLength = ReadLittle16(bytes, entry + 30);
    size_t commentLength = ReadLittle16(bytes, entry + 32);
    uint16_t startDisk = ReadLittle16(bytes, entry + 34);
    uint32_t localHeaderOffset = ReadLittle32(bytes, entry + 42);

    size_t variableLength = nameLength + extraLength + commentLength;
    if (directoryEnd - entry - kDirectoryEntrySize < variableLength)
        return false;
    *offset = entry + kDirectoryEntrySize + variableLength;

    const unsigned char* name = bytes + entry + kDirectoryEntrySize;
    bool malformedExtra = false;
    bool zip64 = compressedSize == 0xFFFFFFFF || size == 0xFFFFFFFF || localHeaderOffset == 0xFFFFFFFF ||
                 startDisk == 0xFFFF || HasZip64Extra(name + nameLength, extraLength, &malformedExtra);
    bool encrypted = (flags & (kFlagEncrypted | kFlagStrongEncryption | kFlagMaskedDirectory)) != 0;
    bool knownMethod = method == kMethodStored || method == kMethodDeflated;

    *usable = !zip64 && !malformedExtra && !encrypted && knownMethod && startDisk == 0 && size <= kMaxArchiveItemSize &&
              (method != kMethodStored || compressedSize == size) &&
              static_cast<size_t>(localHeaderOffset) + kLocalHeaderSize <= archive.directoryOffset &&
              DecodeName(name, nameLength, (flags & kFlagUtf8Name) != 0, &item->name);
    item->crc = crc;
    item->compressedSize = compressedSize;
    item->size = size;
    item->localHeaderOffset = localHeaderOffset;
    item->method = method;
    return true;
}

bool ReadDirectory(CArchive& archive, const EndOfDirectory& end) {
    archive.directoryOffset = end.directoryOffset;
    archive.items.clear();
    size_t offset = end.directoryOffset;
    size_t directoryEnd = end.directoryOffset + end.directorySize;
    for (size_t index = 0; index < end.entryCount; ++index) {
        ArchiveItem item;
        bool usable = false;
        if (!ReadDirectoryEntry(archive, directoryEnd, &offset, &item, &usable))
            return false;
        if (usable)
            archive.items.push_back(std::move(item));
    }
    return true;
}

}  // namespace

bool ReadArchiveDirectory(CArchive& archive) {
    const size_t size = archive.size;
    if (archive.bytes == nullptr || size < kEndOfDirectorySize)
        return false;
    // The end record sits in the last 22 bytes plus at most a full-length
    // comment. A record whose comment runs to the end of the archive is
    // preferred, which passes over look-alikes inside the comment; one
    // followed by stray bytes is accepted after that.
    size_t lowest = size - kEndOfDirectorySize > kMaxCommentLength ? size - kEndOfDirectorySize - kMaxCommentLength : 0;
    for (bool reachesEnd : {true, false}) {
        for (size_t position = size - kEndOfDirectorySize + 1; position-- > lowest;) {
            EndOfDirectory end;
            if (ReadEndRecord(archive.bytes, size, position, reachesEnd, &end) && ReadDirectory(archive, end))
                return true;
        }
    }
    archive.items.clear();
    return false;
}

}  // namespace SkinUI
