#pragma once

// Test images: entries freed when the test ends, and images built from a
// colour function.
#include <windows.h>

#include <vector>

#include "ui/core/resources/UIImageDecode.h"

class ImageHolder {
public:
    explicit ImageHolder(SkinUI::ImageEntry* entry) : m_entry(entry) {}
    ~ImageHolder() { SkinUI::Render::FreeImageEntry(m_entry, true); }
    ImageHolder(const ImageHolder&) = delete;
    ImageHolder& operator=(const ImageHolder&) = delete;

    SkinUI::ImageEntry* operator->() const { return m_entry; }
    SkinUI::ImageEntry* Get() const { return m_entry; }

    // Stored (premultiplied) pixel value.
    DWORD Pixel(int x, int y) const { return reinterpret_cast<const DWORD*>(m_entry->bits)[y * m_entry->width + x]; }

private:
    SkinUI::ImageEntry* m_entry;
};

// An image whose pixel (x, y) has the straight (not premultiplied) colour
// argb(x, y), 0xAARRGGBB.
template <typename ColorAt>
SkinUI::ImageEntry* MakeImage(int width, int height, ColorAt argb, DWORD mask = 0) {
    std::vector<unsigned char> rgba;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const DWORD color = argb(x, y);
            rgba.push_back(static_cast<unsigned char>(color >> 16));
            rgba.push_back(static_cast<unsigned char>(color >> 8));
            rgba.push_back(static_cast<unsigned char>(color));
            rgba.push_back(static_cast<unsigned char>(color >> 24));
        }
    }
    return SkinUI::Render::CreateImageEntry(rgba.data(), width, height, mask);
}
