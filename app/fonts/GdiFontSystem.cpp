#include "app/fonts/GdiFontSystem.h"

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
