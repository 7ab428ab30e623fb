#pragma once

#include <cstddef>

namespace SkinUI {

// The framework's ZIP reader. Archives come from skin resources or files the
// program does not control, so every offset and length read from them is
// checked against the archive's size before it is used.
class CArchive;
typedef CArchive* ArchiveHandle;

enum ArchiveResult : unsigned {
    ArchiveOk = 0,
    ArchiveBufferFull = 0x600,  // the buffer is full and the item has more data
    ArchiveBadArgument = 0x10001,
    ArchiveNotFound,
    ArchiveCorrupt,
    ArchiveOutOfMemory,
};

// Largest uncompressed item the reader hands out; a bigger declared size is
// treated as damage rather than an invitation to allocate it.
constexpr size_t kMaxArchiveItemSize = 64u * 1024u * 1024u;

struct ArchiveEntry {
    int index = -1;
    const wchar_t* name = nullptr;  // valid while the archive stays open
    size_t size = 0;                // uncompressed size in bytes
};

// Null when the file or block is not a readable archive. A memory block is
// not copied and must outlive the handle.
ArchiveHandle OpenArchive(const wchar_t* path);
ArchiveHandle OpenArchive(const void* bytes, size_t length);
void CloseArchive(ArchiveHandle archive);

// Looks an item up by its whole name, ignoring case. Encrypted items, ZIP64
// items, items stored with methods other than stored or deflate, and items
// declaring more than kMaxArchiveItemSize bytes are never found.
ArchiveResult FindArchiveItem(ArchiveHandle archive, const wchar_t* name, ArchiveEntry* entry);

// Unpacks item `index` into `buffer`. ArchiveOk when the whole item fitted
// and its checksum matched; ArchiveBufferFull when `size` was smaller than the
// item, the buffer holds its first `size` bytes and the rest was verified.
ArchiveResult ExtractArchiveItem(ArchiveHandle archive, int index, void* buffer, size_t size);

}  // namespace SkinUI
