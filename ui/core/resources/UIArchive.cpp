#include "ui/core/resources/UIArchive.h"

#include <new>

#include "ui/core/resources/UIArchiveFormat.h"

namespace SkinUI {

CArchive::~CArchive() {
    if (mapping != nullptr) {
        UnmapViewOfFile(bytes);
        CloseHandle(mapping);
    }
}

namespace {

ArchiveHandle ReadOpenedArchive(CArchive* archive) {
    if (!ReadArchiveDirectory(*archive)) {
        delete archive;
        return nullptr;
    }
    return archive;
}

}  // namespace

ArchiveHandle OpenArchive(const wchar_t* path) {
    if (path == nullptr || path[0] == L'\0')
        return nullptr;
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    // Mapped rather than read: archives are read in place, and the share mode
    // keeps anyone from changing the file while it is mapped.
    LARGE_INTEGER fileSize;
    HANDLE mapping = nullptr;
    if (GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0 &&
        static_cast<unsigned long long>(fileSize.QuadPart) <= SIZE_MAX) {
        mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    }
    CloseHandle(file);
    if (mapping == nullptr)
        return nullptr;
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (view == nullptr) {
        CloseHandle(mapping);
        return nullptr;
    }
    CArchive* archive = new (std::nothrow) CArchive;
    if (archive == nullptr) {
        UnmapViewOfFile(view);
        CloseHandle(mapping);
        return nullptr;
    }
    archive->mapping = mapping;
    archive->bytes = static_cast<const unsigned char*>(view);
    archive->size = static_cast<size_t>(fileSize.QuadPart);
    return ReadOpenedArchive(archive);
}

ArchiveHandle OpenArchive(const void* bytes, size_t length) {
    if (bytes == nullptr || length == 0)
        return nullptr;
    CArchive* archive = new (std::nothrow) CArchive;
    if (archive == nullptr)
        return nullptr;
    archive->bytes = static_cast<const unsigned char*>(bytes);
    archive->size = length;
    return ReadOpenedArchive(archive);
}

void CloseArchive(ArchiveHandle archive) {
    delete archive;
}

ArchiveResult FindArchiveItem(ArchiveHandle archive, const wchar_t* name, ArchiveEntry* entry) {
    if (archive == nullptr || name == nullptr || entry == nullptr)
        return ArchiveBadArgument;
    int nameLength = lstrlenW(name);
    for (size_t index = 0; index < archive->items.size(); ++index) {
        const ArchiveItem& item = archive->items[index];
        if (CompareStringOrdinal(item.name.c_str(), static_cast<int>(item.name.size()), name, nameLength, TRUE) ==
            CSTR_EQUAL) {
            entry->index = static_cast<int>(index);
            entry->name = item.name.c_str();
            entry->size = item.size;
            return ArchiveOk;
        }
    }
    return ArchiveNotFound;
}

}  // namespace SkinUI
