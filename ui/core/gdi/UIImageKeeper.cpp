#include "ui/core/gdi/UIImageKeeper.h"

namespace SkinUI {
namespace Render {

namespace {

// Drawing happens on one thread.
int g_keepers = 0;
HBITMAP g_selected = nullptr;
HGDIOBJ g_original = nullptr;

HDC ImageDC() {
    static const HDC dc = ::CreateCompatibleDC(nullptr);
    return dc;
}

void Unselect() {
    if (g_selected != nullptr) {
        ::SelectObject(ImageDC(), g_original);
        g_selected = nullptr;
    }
}

}  // namespace

CImageKeeper::CImageKeeper() {
    ++g_keepers;
}

CImageKeeper::~CImageKeeper() {
    if (--g_keepers == 0) {
        Unselect();
    }
}

HDC CImageKeeper::Hold(HBITMAP bitmap) {
    const HDC dc = ImageDC();
    if (dc == nullptr || bitmap == nullptr) {
        return nullptr;
    }
    if (bitmap != g_selected) {
        const HGDIOBJ previous = ::SelectObject(dc, bitmap);
        if (previous == nullptr) {
            return nullptr;
        }
        if (g_selected == nullptr) {
            g_original = previous;
        }
        g_selected = bitmap;
    }
    return dc;
}

void CImageKeeper::Release() {
    if (g_keepers == 0) {
        Unselect();
    }
}

void CImageKeeper::Forget(HBITMAP bitmap) {
    if (bitmap != nullptr && bitmap == g_selected) {
        Unselect();
    }
}

void CImageKeeper::Delete(HBITMAP bitmap) {
    Forget(bitmap);
    ::DeleteObject(bitmap);
}

}  // namespace Render
}  // namespace SkinUI
