#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/core/base/UIString.h"
#include "ui/core/resources/UIArchive.h"

namespace SkinUI {

// The archive name that stands for an archive held in memory.
extern const wchar_t kMemoryResourceZip[];

// Where skins and images are read from, for the whole process: the program
// module, a resource folder, and optionally a ZIP archive (a file under that
// folder, or a block of memory). The UI manager's static location functions
// forward here.
class CResourceLocation {
public:
    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();
    // The module whose resources are read: the program itself.
    static HINSTANCE GetResourceInstance();
    // Folder of the module file, ending in a backslash; empty without an instance.
    static CUIString GetInstancePath();

    // A non-empty path is stored with a trailing separator.
    static void SetResourcePath(LPCWSTR path);
    static const CUIString& GetResourcePath();

    // An archive file under the resource folder; with `cached` it is opened
    // now and kept open, otherwise each read opens it for itself.
    static void SetResourceZip(LPCWSTR name, bool cached = true);
    // An archive in memory ("membuffer"); the block must outlive every read.
    static void SetResourceZip(const void* bytes, size_t length);
    static const CUIString& GetResourceZip();
    static bool IsCachedResourceZip();
    static ArchiveHandle GetResourceZipHandle();

    // Opens the configured archive afresh (the non-cached case); the caller closes it.
    static ArchiveHandle OpenUncachedResourceZip();
};

// The archive that one read goes through: the cached archive, or one opened
// for this read alone and closed when the object goes away. Get() is null
// when no archive could be had.
class CResourceZipAccess {
public:
    CResourceZipAccess();
    ~CResourceZipAccess();
    CResourceZipAccess(const CResourceZipAccess&) = delete;
    CResourceZipAccess& operator=(const CResourceZipAccess&) = delete;

    ArchiveHandle Get() const { return m_archive; }

private:
    ArchiveHandle m_archive;
    bool m_ownsArchive;
};

}  // namespace SkinUI
