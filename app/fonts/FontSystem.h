#pragma once
// The few platform calls the font registry makes, behind a narrow seam so that
// the registry's rules can be exercised without touching the session font table.
#include <windows.h>
#include <shellapi.h>

class IFontSystem {
public:
    virtual ~IFontSystem() = default;

    virtual UINT DroppedFileCount(HDROP drop) = 0;
    // Length of dropped path `index` without its terminator; 0 when it cannot be read.
    virtual UINT DroppedPathLength(HDROP drop, UINT index) = 0;
    // Copies dropped path `index` into `buffer` (terminated); false when it cannot.
    virtual bool ReadDroppedPath(HDROP drop, UINT index, wchar_t* buffer, UINT capacity) = 0;
    virtual void FinishDrop(HDROP drop) = 0;

    // AddFontResourceW: the number of fonts added, 0 on failure.
    virtual int Mount(const wchar_t* path) = 0;
    // RemoveFontResourceW: non-zero on success.
    virtual int Unmount(const wchar_t* path) = 0;
    // After a refused unmount: whether the session still has the font (a
    // program that uses it keeps it), rather than another process having
    // unmounted it already. True when that cannot be told.
    virtual bool IsMounted(const wchar_t* path) = 0;
};

// Mounts `path` once however often it was mounted before: one unmount first,
// so that a file dropped twice stays mounted once. True when it is mounted.
inline bool Remount(IFontSystem& fonts, const wchar_t* path) {
    fonts.Unmount(path);
    return fonts.Mount(path) != 0;
}
