// Mutated images through the framework's decoding and drawing: every format
// the decoder reads (PNG, BMP, GIF, TGA, JPEG... as stb_image does), the
// resize for a display scale, nine-grid, tiled and faded drawing, and GIF
// frames as the animated GIF control decodes them with GDI+.
#include <windows.h>

#include <string>

#include "tests/core/gif_encode.h"
#include "tests/core/png_encode.h"
#include "tests/fuzz/fuzz_campaign.h"
#include "tests/fuzz/fuzz_mutate.h"
#include "tests/fuzz/fuzz_seeds.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIImageResample.h"
#include "ui/core/gdi/UINineGridCache.h"
#include "ui/core/resources/UIImageDecode.h"
#include "ui/extra/UIGifFrames.h"

using namespace SkinUI;

namespace fuzz {

namespace {

constexpr int kCanvasWidth = 96;
constexpr int kCanvasHeight = 64;

Bytes Bmp(int width, int height, int bits) {
    const int stride = (width * bits / 8 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(stride * height);
    Bytes bmp(54);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put(bmp, 2, 54 + pixelBytes, 4, false);
    Put(bmp, 10, 54, 4, false);
    Put(bmp, 14, 40, 4, false);
    Put(bmp, 18, static_cast<uint64_t>(width), 4, false);
    Put(bmp, 22, static_cast<uint64_t>(height), 4, false);
    Put(bmp, 26, 1, 2, false);
    Put(bmp, 28, static_cast<uint64_t>(bits), 2, false);
    for (uint32_t i = 0; i < pixelBytes; ++i) {
        bmp.push_back(static_cast<unsigned char>(i * 37));
    }
    return bmp;
}

Bytes Tga(int width, int height, bool runLength) {
    Bytes tga(18);
    tga[2] = runLength ? 10 : 2;
    Put(tga, 12, static_cast<uint64_t>(width), 2, false);
    Put(tga, 14, static_cast<uint64_t>(height), 2, false);
    tga[16] = 32;
    tga[17] = 8;
    for (int i = 0; i < width * height; ++i) {
        if (runLength) {
            tga.push_back(0x80);
        }
        tga.insert(tga.end(), {static_cast<unsigned char>(i), 0x40, 0x80, static_cast<unsigned char>(255 - i)});
    }
    return tga;
}

std::vector<Bytes> MadeSeeds() {
    std::vector<unsigned char> pixels(12 * 9 * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<unsigned char>(i * 13);
    }
    const uint32_t palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    return {pngtest::EncodePng(pixels, 12, 9, 4, pngtest::RowFilter::Paeth),
            pngtest::EncodePng(std::vector<unsigned char>(pixels.begin(), pixels.begin() + 12 * 9 * 3), 12, 9, 3),
            giftest::EncodeGif(6, 5, palette, {{10, 0}, {20, 1}, {0, 2}}),
            Bmp(7, 5, 24),
            Bmp(6, 4, 32),
            Tga(5, 4, false),
            Tga(5, 4, true),
            Bytes{'P', '6', '\n', '2', ' ', '2', '\n', '2', '5', '5', '\n', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
}

uint32_t Hash(const Bytes& bytes) {
    uint32_t hash = 2166136261u;
    for (unsigned char byte : bytes) {
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

class ImageCampaign final : public Campaign {
public:
    ~ImageCampaign() override {
        if (m_canvas != nullptr) {
            ::SelectObject(m_dc, m_previous);
            ::DeleteObject(m_canvas);
        }
        if (m_dc != nullptr) {
            ::DeleteDC(m_dc);
        }
    }
    const char* Name() const override { return "image"; }
    const char* Extension() const override { return "img"; }

    bool Prepare() override {
        m_seeds = ResourceSeeds(L"PNG", 100, 130);
        for (const Bytes& seed : ResourceSeeds(L"FUZZIMAGE", 1, 16)) {
            m_seeds.push_back(seed);
        }
        for (const Bytes& seed : MadeSeeds()) {
            m_seeds.push_back(seed);
        }
        LPBYTE bits = nullptr;
        m_canvas = Render::CreateDib32(kCanvasWidth, kCanvasHeight, Render::DibRows::TopDown, &bits);
        m_dc = ::CreateCompatibleDC(nullptr);
        if (m_canvas == nullptr || m_dc == nullptr) {
            return false;
        }
        m_previous = ::SelectObject(m_dc, m_canvas);
        return !m_seeds.empty();
    }

    Bytes Make(Random& random) override { return MutateSeed(m_seeds, random, 4); }

    bool Run(const Bytes& input) override {
        const uint32_t hash = Hash(input);
        ImageEntry* entry = Render::DecodeImage(input.data(), input.size(), (hash & 1) != 0 ? 0xFFFFFFFF : 0);
        if (entry != nullptr) {
            Draw(*entry, hash);
            Render::FreeImageEntry(entry, true);
        }
        if (input.size() >= 3 && input[0] == 'G' && input[1] == 'I' && input[2] == 'F') {
            CGifFrames frames;
            if (frames.Load(input.data(), input.size())) {
                const RECT rect = {0, 0, kCanvasWidth, kCanvasHeight};
                for (UINT frame = 0; frame < frames.FrameCount() && frame < 4; ++frame) {
                    frames.Draw(m_dc, rect, frame);
                    frames.DelayOf(frame);
                }
            }
        }
        return true;
    }

private:
    // Stretched, nine-grid, tiled and faded over the canvas, as skins draw
    // images; corners inside the image, as the renderer keeps them.
    void Draw(ImageEntry& entry, uint32_t hash) {
        Render::KeepOriginalBits(&entry);
        const RECT whole = {0, 0, entry.width, entry.height};
        const LONG cornerX = entry.width / 2 > 0 ? static_cast<LONG>(hash % (entry.width / 2 + 1)) : 0;
        const LONG cornerY = entry.height / 2 > 0 ? static_cast<LONG>((hash >> 8) % (entry.height / 2 + 1)) : 0;
        const RECT corner = {cornerX, cornerY, cornerX, cornerY};
        const RECT canvas = {0, 0, kCanvasWidth, kCanvasHeight};
        const RECT small = {3, 4, 3 + static_cast<LONG>(hash % 40), 4 + static_cast<LONG>((hash >> 4) % 30)};
        Render::DrawImageComposed(m_dc, entry.bitmap, canvas, canvas, whole, RECT{}, entry.hasAlpha, 255, false, false,
                                  false);
        Render::DrawImageComposed(m_dc, entry.bitmap, small, canvas, whole, corner, entry.hasAlpha,
                                  static_cast<BYTE>(hash >> 16), (hash & 2) != 0, (hash & 4) != 0, (hash & 8) != 0);
        // The resize a window at 150 % asks for.
        HBITMAP scaled =
            Render::ResampleImage(entry.bits, entry.width, entry.height, entry.width * 3 / 2, entry.height * 3 / 2);
        if (scaled != nullptr) {
            ::DeleteObject(scaled);
        }
    }

    std::vector<Bytes> m_seeds;
    HBITMAP m_canvas = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

}  // namespace

std::unique_ptr<Campaign> MakeImageCampaign() {
    return std::make_unique<ImageCampaign>();
}

}  // namespace fuzz
