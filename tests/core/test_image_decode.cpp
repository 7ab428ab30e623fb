#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <random>
#include <vector>

#include "tests/core/guarded_memory.h"
#include "tests/core/image_holder.h"
#include "tests/core/location_reset.h"
#include "tests/core/paint_canvas.h"
#include "tests/core/png_encode.h"
#include "tests/core/temp_folder.h"
#include "ui/core/resources/UIImageDecode.h"

using namespace SkinUI;
using namespace SkinUI::Render;
using pngtest::Bytes;
using pngtest::EncodePng;

namespace {

// Opaque red, half-transparent green, transparent blue, opaque white (the
// same image test_image_resources.rc holds as PNG resource 9401).
const std::vector<unsigned char> kFourPixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 255, 255, 255, 255};

void ExpectFourPixelImage(const ImageHolder& image) {
    ASSERT_NE(nullptr, image.Get());
    EXPECT_EQ(2, image->width);
    EXPECT_EQ(2, image->height);
    EXPECT_TRUE(image->hasAlpha);
    EXPECT_EQ(0xFFFF0000u, image.Pixel(0, 0));
    EXPECT_EQ(0x80008000u, image.Pixel(1, 0));  // 255 * 128 / 255 = 128
    EXPECT_EQ(0x00000000u, image.Pixel(0, 1));
    EXPECT_EQ(0xFFFFFFFFu, image.Pixel(1, 1));
}

ImageEntry* DecodeBytes(const Bytes& bytes, DWORD mask = 0) {
    return DecodeImage(bytes.data(), bytes.size(), mask);
}

}  // namespace

TEST(ImageDecode, PixelsArePremultipliedIntoATopDownDib) {
    ImageHolder image(DecodeBytes(EncodePng(kFourPixels, 2, 2, 4)));
    ExpectFourPixelImage(image);

    DIBSECTION section = {};
    ASSERT_EQ(static_cast<int>(sizeof(section)), GetObjectW(image->bitmap, sizeof(section), &section));
    EXPECT_EQ(32, section.dsBm.bmBitsPixel);
    EXPECT_EQ(image->bits, section.dsBm.bmBits);

    // GDI sees the first row of memory at the top.
    PaintCanvas canvas(2, 2, 0x00123456);
    HDC source = CreateCompatibleDC(canvas.Dc());
    const HGDIOBJ previous = SelectObject(source, image->bitmap);
    BitBlt(canvas.Dc(), 0, 0, 2, 2, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    EXPECT_EQ(0xFF0000u, canvas.Rgb(0, 0));
    EXPECT_EQ(0xFFFFFFu, canvas.Rgb(1, 1));

    const std::vector<unsigned char> pixel = {200, 100, 50, 77};
    ImageHolder rounded(DecodeBytes(EncodePng(pixel, 1, 1, 4)));
    ASSERT_NE(nullptr, rounded.Get());
    EXPECT_EQ((77u << 24) | ((200u * 77 / 255) << 16) | ((100u * 77 / 255) << 8) | (50u * 77 / 255),
              rounded.Pixel(0, 0));
}

TEST(ImageDecode, OpaqueImagesHaveNoAlpha) {
    const std::vector<unsigned char> rgb = {10, 20, 30, 40, 50, 60};
    ImageHolder image(DecodeBytes(EncodePng(rgb, 2, 1, 3)));
    ASSERT_NE(nullptr, image.Get());
    EXPECT_FALSE(image->hasAlpha);
    EXPECT_EQ(0xFF0A141Eu, image.Pixel(0, 0));
    EXPECT_EQ(0xFF28323Cu, image.Pixel(1, 0));
}

TEST(ImageDecode, MaskColourBecomesTransparent) {
    const std::vector<unsigned char> rgb = {255, 0, 255, 1, 2, 3, 255, 0, 255};
    ImageHolder image(DecodeBytes(EncodePng(rgb, 3, 1, 3), 0xFFFF00FF));
    ASSERT_NE(nullptr, image.Get());
    EXPECT_TRUE(image->hasAlpha);
    EXPECT_EQ(0u, image.Pixel(0, 0));
    EXPECT_EQ(0xFF010203u, image.Pixel(1, 0));
    EXPECT_EQ(0u, image.Pixel(2, 0));

    // The mask is compared with the premultiplied value.
    const std::vector<unsigned char> translucent = {255, 0, 0, 128};
    ImageHolder premultiplied(DecodeBytes(EncodePng(translucent, 1, 1, 4), 0x80800000));
    ASSERT_NE(nullptr, premultiplied.Get());
    EXPECT_EQ(0u, premultiplied.Pixel(0, 0));
}

TEST(ImageDecode, ColourPseudoTypeMakesOnePixel) {
    ImageHolder translucent(LoadImageEntry(L"#80FF0000", kColorImageType, 0));
    ASSERT_NE(nullptr, translucent.Get());
    EXPECT_EQ(1, translucent->width);
    EXPECT_EQ(1, translucent->height);
    EXPECT_TRUE(translucent->hasAlpha);
    EXPECT_EQ(0x80800000u, translucent.Pixel(0, 0));

    ImageHolder opaque(LoadImageEntry(L"FF00FF00", kColorImageType, 0));
    ASSERT_NE(nullptr, opaque.Get());
    EXPECT_FALSE(opaque->hasAlpha);
    EXPECT_EQ(0xFF00FF00u, opaque.Pixel(0, 0));
}

TEST(ImageDecode, FilesUnderTheResourceFolderAndPlainPaths) {
    TempFolder folder;
    LocationReset location;
    const Bytes png = EncodePng(kFourPixels, 2, 2, 4);
    const std::wstring path = folder.Write(L"four.png", png.data(), png.size());

    ImageHolder byPath(LoadImageEntry(path.c_str(), nullptr, 0));
    ExpectFourPixelImage(byPath);

    CResourceLocation::SetResourcePath(folder.Path().c_str());
    ImageHolder byName(LoadImageEntry(L"four.png", nullptr, 0));
    ExpectFourPixelImage(byName);

    EXPECT_EQ(nullptr, LoadImageEntry(L"missing.png", nullptr, 0));
    folder.Write(L"empty.png", "", 0);
    EXPECT_EQ(nullptr, LoadImageEntry(L"empty.png", nullptr, 0));
    folder.Write(L"text.png", "not an image");
    EXPECT_EQ(nullptr, LoadImageEntry(L"text.png", nullptr, 0));
}

TEST(ImageDecode, ProgramResourcesWhateverTheCaseOfTheirType) {
    LocationReset location;
    CResourceLocation::SetInstance(GetModuleHandleW(nullptr));
    ImageHolder upper(LoadImageEntry(MAKEINTRESOURCEW(9401), L"PNG", 0));
    ExpectFourPixelImage(upper);
    ImageHolder lower(LoadImageEntry(MAKEINTRESOURCEW(9401), L"png", 0));
    ExpectFourPixelImage(lower);

    EXPECT_EQ(nullptr, LoadImageEntry(MAKEINTRESOURCEW(9499), L"PNG", 0));
    // A resource number means nothing as a file name.
    EXPECT_EQ(nullptr, LoadImageEntry(MAKEINTRESOURCEW(9401), nullptr, 0));
    EXPECT_EQ(nullptr, LoadImageEntry(nullptr, L"PNG", 0));
}

TEST(ImageDecode, RefusesImagesTooLargeOnASide) {
    const std::vector<unsigned char> wideRow(static_cast<size_t>(kMaxImageSide + 1) * 3, 7);
    EXPECT_EQ(nullptr, DecodeBytes(EncodePng(wideRow, kMaxImageSide + 1, 1, 3)));
    EXPECT_EQ(nullptr, DecodeBytes(EncodePng(wideRow, 1, kMaxImageSide + 1, 3)));

    ImageHolder widest(DecodeBytes(EncodePng(wideRow, kMaxImageSide, 1, 3)));
    ASSERT_NE(nullptr, widest.Get());
    EXPECT_EQ(kMaxImageSide, widest->width);
}

TEST(ImageDecode, RefusesImagesOfMorePixelsThanTheLimit) {
    constexpr int kWidth = 2048;
    constexpr int kHeight = static_cast<int>(kMaxImagePixels / kWidth);
    const std::vector<unsigned char> black(static_cast<size_t>(kWidth) * (kHeight + 1) * 3, 0);
    ImageHolder largest(DecodeBytes(EncodePng(black, kWidth, kHeight, 3)));
    ASSERT_NE(nullptr, largest.Get());
    EXPECT_EQ(kMaxImagePixels, static_cast<size_t>(largest->width) * static_cast<size_t>(largest->height));
    EXPECT_EQ(nullptr, DecodeBytes(EncodePng(black, kWidth, kHeight + 1, 3)));
}

// Mutated TGA headers from the fuzz campaign: 1024 x 8192 and 4641 x 12480
// grey pixels over a few bytes of data, which took seconds to decode and to
// resize; the header alone refuses them now.
const unsigned char kTallTga[] = {
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x04, 0x00, 0x20, 0x08,
    0x00, 0x40, 0x80, 0xFF, 0x01, 0x40, 0x80, 0xFE, 0x02, 0x40, 0x80, 0xFD, 0x03, 0x40, 0x80, 0xFC, 0x04,
    0x40, 0x80, 0xFB, 0x05, 0x40, 0x80, 0xFA, 0x06, 0x40, 0x80, 0xF9, 0x07, 0x40, 0x80, 0xF8, 0x08, 0x40,
    0x80, 0xF7, 0x09, 0x40, 0x80, 0xF6, 0x0A, 0x40, 0x80, 0xF5, 0x0B, 0x40, 0x80, 0xF4, 0x0C, 0x40, 0x80,
    0xF3, 0x0D, 0x40, 0x80, 0xF2, 0x0E, 0x40, 0x80, 0xF1, 0x0F, 0x40, 0x80, 0xF0, 0x10, 0x40, 0x80, 0xEF,
    0x11, 0x40, 0x80, 0xEE, 0x12, 0x40, 0x80, 0xED, 0x13, 0x40, 0x80, 0xEC,
};
const unsigned char kHugeTga[] = {
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD7, 0x21, 0x12, 0xC0, 0x30, 0x08, 0x04,
    0x40, 0xFE, 0xC4, 0xC7, 0x11, 0xF9, 0x4B, 0x4D, 0x9F, 0xD0, 0xCA, 0x60, 0x29, 0x89, 0x89, 0xC0, 0x46, 0x94,
    0x33, 0xC7, 0xCC, 0xE9, 0x05, 0xC7, 0x89, 0xE4, 0x8C, 0xFB, 0xD1, 0x8C, 0x65, 0x3C, 0x13, 0x3F, 0xC6, 0xB7,
    0xA3, 0x52, 0x60, 0xBF, 0xDE, 0x19, 0x5D, 0xD9, 0x4B, 0xE8, 0xC2, 0xAD, 0x13, 0x2E, 0x0B, 0x98, 0x74, 0x5F,
    0x5D, 0xAF, 0x5F, 0x78, 0x80, 0xF0, 0x20, 0x4E, 0x9C, 0x38, 0x71, 0xE2, 0xC4, 0x89, 0x13, 0x27, 0x4E, 0xFC,
    0x18, 0x87, 0xBE, 0xCE, 0xD0, 0xD2, 0x80, 0xAB, 0x4B, 0xC8, 0xA2, 0xF8, 0x01, 0x6B, 0xF3, 0x4E, 0xF2, 0x93,
    0x57, 0x27, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
};

TEST(ImageDecode, HeadersOfHugeImagesAreRefused) {
    for (const Bytes& bytes :
         {Bytes(std::begin(kTallTga), std::end(kTallTga)), Bytes(std::begin(kHugeTga), std::end(kHugeTga))}) {
        EXPECT_EQ(nullptr, DecodeBytes(bytes));
    }
}

TEST(ImageDecode, RefusesEncodedDataAboveTheSizeLimit) {
    Bytes bytes = EncodePng(kFourPixels, 2, 2, 4);
    const size_t imageSize = bytes.size();
    bytes.resize(kMaxEncodedImageBytes + 1);
    EXPECT_EQ(nullptr, DecodeBytes(bytes));
    bytes.resize(kMaxEncodedImageBytes);
    ImageHolder atLimit(DecodeBytes(bytes));
    EXPECT_NE(nullptr, atLimit.Get());
    EXPECT_EQ(nullptr, DecodeImage(bytes.data(), 0, 0));
    EXPECT_EQ(nullptr, DecodeImage(nullptr, imageSize, 0));
}

TEST(ImageDecode, SurvivesCorruptAndTruncatedPngs) {
    std::vector<unsigned char> pixels(24 * 16 * 4);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(i * 37 + (i >> 4));
    const Bytes original = EncodePng(pixels, 24, 16, 4, pngtest::RowFilter::Paeth);
    GuardedMemory memory(original.size());
    std::mt19937 random(20240611);
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = original;
        if (round % 3 == 0) {
            bytes.resize(random() % bytes.size());
        } else {
            const int flips = 1 + static_cast<int>(random() % 8);
            for (int i = 0; i < flips; ++i)
                bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        }
        // Flush against a guard page, so that reading past the end faults.
        const unsigned char* placed = memory.Place(bytes.data(), bytes.size());
        ImageEntry* image = DecodeImage(placed, bytes.size(), 0);
        if (image != nullptr) {
            ++decoded;
            EXPECT_GT(image->width, 0);
            EXPECT_LE(image->width, kMaxImageSide);
            EXPECT_GT(image->height, 0);
            EXPECT_LE(image->height, kMaxImageSide);
            EXPECT_NE(nullptr, image->bits);
        }
        FreeImageEntry(image, true);
    }
    // Some damage (in ancillary bits or pixel data) still decodes.
    EXPECT_GT(decoded, 0);
}
