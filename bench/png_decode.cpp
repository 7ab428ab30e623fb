// PNG decode into a premultiplied DIB section, against stb_image's decode
// alone on the same bytes: the difference is what premultiplying and the
// bitmap cost.
#include <cstdio>
#include <vector>

#include "bench/bench.h"
#include "tests/core/png_encode.h"
#include "ui/core/resources/UIImageDecode.h"

namespace {

constexpr int kSide = 1024;
constexpr int kRuns = 7;

// Soft gradients with a little noise and varying alpha, filtered the way
// ordinary encoders do it: roughly what a skin's artwork decodes like.
pngtest::Bytes MakeArtwork() {
    std::vector<unsigned char> rgba(static_cast<size_t>(kSide) * kSide * 4);
    unsigned noise = 12345;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            noise = noise * 1103515245u + 12345u;
            unsigned char* pixel = &rgba[(static_cast<size_t>(y) * kSide + x) * 4];
            pixel[0] = static_cast<unsigned char>(x / 4 + (noise >> 29));
            pixel[1] = static_cast<unsigned char>(y / 4);
            pixel[2] = static_cast<unsigned char>((x + y) / 8);
            pixel[3] = static_cast<unsigned char>(x < kSide / 2 ? 255 : (y / 4) | 1);
        }
    }
    return pngtest::EncodePng(rgba, kSide, kSide, 4, pngtest::RowFilter::Paeth);
}

}  // namespace

int main() {
    using namespace SkinUI::Render;
    const pngtest::Bytes png = MakeArtwork();
    const double megabytes = static_cast<double>(kSide) * kSide * 4 / (1024.0 * 1024.0);

    bool ok = true;
    const double stbAlone = bench::BestOf(kRuns, [&] {
        CDecodedPixels pixels;
        ok = ok && pixels.Decode(png.data(), png.size());
    });
    const double full = bench::BestOf(kRuns, [&] {
        SkinUI::ImageEntry* image = DecodeImage(png.data(), png.size(), 0);
        ok = ok && image != nullptr;
        FreeImageEntry(image, true);
    });
    if (!ok) {
        std::printf("png-decode: the generated image did not decode\n");
        return 1;
    }
    char detail[96];
    std::snprintf(detail, sizeof(detail), "stb_image decode alone: %.1f MB/s, %d x %d RGBA, %.2f MB of PNG",
                  megabytes / stbAlone, kSide, kSide, static_cast<double>(png.size()) / (1024.0 * 1024.0));
    bench::Report("png-decode", megabytes / full, "MB/s", detail);
    return 0;
}
