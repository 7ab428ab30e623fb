#pragma once
#include <memory>

#include "app/fonts/FontNameReader.h"
#include "app/fonts/FontSystem.h"

// The real platform: shell drops and GDI session fonts.
class GdiFontSystem final : public IFontSystem {
public:
    UINT DroppedFileCount(HDROP drop) override;
    UINT DroppedPathLength(HDROP drop, UINT index) override;
    bool ReadDroppedPath(HDROP drop, UINT index, wchar_t* buffer, UINT capacity) override;
    void FinishDrop(HDROP drop) override;
    int Mount(const wchar_t* path) override;
    int Unmount(const wchar_t* path) override;
    // Asks GDI for the family the file names itself by. GUI thread only.
    bool IsMounted(const wchar_t* path) override;

private:
    // Made at the first refusal: a start pays nothing for it.
    std::unique_ptr<FreeTypeNameReader> m_names;
};
