#include "app/fonts/GdiFontSystem.h"

namespace {

int CALLBACK StopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

UINT GdiFontSystem::DroppedFileCount(HDROP drop) {
    return DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
}

UINT GdiFontSystem::DroppedPathLength(HDROP drop, UINT index) {
    return DragQueryFileW(drop, index, nullptr, 0);
}

bool GdiFontSystem::ReadDroppedPath(HDROP drop, UINT index, wchar_t* buffer, UINT capacity) {
    return DragQueryFileW(drop, index, buffer, capacity) != 0;
}

void GdiFontSystem::FinishDrop(HDROP drop) {
    DragFinish(drop);
}

int GdiFontSystem::Mount(const wchar_t* path) {
    return AddFontResourceW(path);
}

int GdiFontSystem::Unmount(const wchar_t* path) {
    return RemoveFontResourceW(path);
}

bool GdiFontSystem::IsMounted(const wchar_t* path) {
    if (m_names == nullptr) {
        m_names = std::make_unique<FreeTypeNameReader>();
    }
    const std::wstring family = m_names->ReadGdiFamily(path);
    if (family.empty() || family.size() >= LF_FACESIZE) {
        return true;
    }
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    family.copy(query.lfFaceName, family.size());
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, &StopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}
