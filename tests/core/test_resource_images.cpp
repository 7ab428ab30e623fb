#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/core/location_reset.h"
#include "tests/core/png_encode.h"
#include "tests/core/temp_folder.h"
#include "ui/core/resources/UIImageDecode.h"
#include "ui/core/resources/UIResourceTables.h"

using namespace SkinUI;

namespace {

// Resources 9601 and TABLESTRIP of test_resource_tables.rc: opaque blue,
// opaque green, half-transparent red.
constexpr DWORD kStripBlue = 0xFF0000FF;

DWORD PixelOf(const ImageEntry* entry, int index) {
    return reinterpret_cast<const DWORD*>(entry->bits)[index];
}

bool IsLiveBitmap(HBITMAP bitmap) {
    return ::GetObjectType(bitmap) == OBJ_BITMAP;
}

// An opaque grey PNG file of the given size.
std::wstring WriteGreyPng(const TempFolder& folder, const wchar_t* name, int width, int height) {
    const std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3, 0x80);
    const pngtest::Bytes png = pngtest::EncodePng(pixels, width, height, 3);
    return folder.Write(name, png.data(), png.size());
}

class ResourceImages : public ::testing::Test {
protected:
    LocationReset location;
    ResourceBlock shared;
    CResourceTables window{shared};
};

}  // namespace

TEST_F(ResourceImages, ResourceImagesByNumberAndByName) {
    ImageEntry* numbered = window.AddImage(L"9601", L"PNG");
    ASSERT_NE(nullptr, numbered);
    EXPECT_EQ(3, numbered->width);
    EXPECT_EQ(1, numbered->height);
    EXPECT_EQ(kStripBlue, PixelOf(numbered, 0));
    EXPECT_STREQ(L"PNG", numbered->resourceType);
    EXPECT_EQ(nullptr, numbered->originalBits);
    EXPECT_EQ(numbered, window.GetImage(L"9601"));

    ImageEntry* named = window.AddImage(L"TABLESTRIP", L"PNG");
    ASSERT_NE(nullptr, named);
    EXPECT_EQ(3, named->width);
    EXPECT_EQ(named, window.GetImage(L"TABLESTRIP"));
}

TEST_F(ResourceImages, ImagesThatCannotBeHadStoreNothing) {
    EXPECT_EQ(nullptr, window.AddImage(L"SKINLOGO", L"PNG"));  // a resource that is no image
    EXPECT_EQ(nullptr, window.AddImage(L"9699", L"PNG"));
    EXPECT_EQ(nullptr, window.AddImage(L"70000", L"PNG"));  // beyond resource numbers
    EXPECT_EQ(nullptr, window.AddImage(L"no such file.png"));
    EXPECT_EQ(nullptr, window.AddImage(L""));
    EXPECT_EQ(nullptr, window.AddImage(nullptr, L"PNG"));
    EXPECT_EQ(nullptr, window.GetImage(L"SKINLOGO"));
    EXPECT_EQ(nullptr, window.GetImage(L"no such file.png"));
}

TEST_F(ResourceImages, WithoutATypeTheNameIsAFile) {
    TempFolder folder;
    const std::wstring path = WriteGreyPng(folder, L"grey.png", 2, 3);
    ImageEntry* entry = window.AddImage(path.c_str());
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(2, entry->width);
    EXPECT_EQ(3, entry->height);
    EXPECT_TRUE(entry->resourceType.IsEmpty());

    ImageEntry* emptyType = window.AddImage(path.c_str(), L"", 0, false, true);
    ASSERT_NE(nullptr, emptyType);
    EXPECT_EQ(2, emptyType->width);
}

TEST_F(ResourceImages, AddingANameAgainRefreshesTheEntryInPlace) {
    TempFolder folder;
    const std::wstring path = WriteGreyPng(folder, L"changing.png", 2, 2);
    ImageEntry* entry = window.AddImage(path.c_str());
    ASSERT_NE(nullptr, entry);
    HBITMAP oldBitmap = entry->bitmap;

    WriteGreyPng(folder, L"changing.png", 1, 4);
    EXPECT_EQ(entry, window.AddImage(path.c_str(), nullptr, 0, true));
    EXPECT_EQ(entry, window.GetImage(path.c_str()));
    EXPECT_EQ(1, entry->width);
    EXPECT_EQ(4, entry->height);
    EXPECT_TRUE(entry->useHsl);
    EXPECT_FALSE(IsLiveBitmap(oldBitmap));

    // A different mask on the same resource: the same entry, masked now.
    ImageEntry* strip = window.AddImage(L"9601", L"PNG");
    ASSERT_NE(nullptr, strip);
    EXPECT_EQ(strip, window.AddImage(L"9601", L"PNG", kStripBlue));
    EXPECT_EQ(0u, PixelOf(strip, 0));
    EXPECT_EQ(kStripBlue, strip->mask);
}

TEST_F(ResourceImages, ColourAdjustedImagesKeepTheirPixels) {
    ImageEntry* entry = window.AddImage(L"TABLESTRIP", L"PNG", 0, true);
    ASSERT_NE(nullptr, entry);
    ASSERT_NE(nullptr, entry->originalBits);
    EXPECT_EQ(0, std::memcmp(entry->bits, entry->originalBits, 3 * 4));
}

TEST_F(ResourceImages, ColourImagesAreNeverResourceNumbers) {
    ImageEntry* entry = window.AddImage(L"80FF0000", Render::kColorImageType);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(0x80800000u, PixelOf(entry, 0));
}

TEST_F(ResourceImages, LookupsTryTheWindowThenTheShared) {
    ImageEntry* sharedEntry = window.AddImage(L"TABLESTRIP", L"PNG", 0, false, true);
    ASSERT_NE(nullptr, sharedEntry);
    CResourceTables other(shared);
    EXPECT_EQ(sharedEntry, window.GetImage(L"TABLESTRIP"));

    ImageEntry* own = window.AddImage(L"TABLESTRIP", L"PNG", kStripBlue);
    ASSERT_NE(nullptr, own);
    EXPECT_NE(sharedEntry, own);
    EXPECT_EQ(own, window.GetImage(L"TABLESTRIP"));
    EXPECT_EQ(sharedEntry, other.GetImage(L"TABLESTRIP"));
    EXPECT_EQ(kStripBlue, PixelOf(sharedEntry, 0));

    HBITMAP ownBitmap = own->bitmap;
    window.RemoveAllImages(false);
    EXPECT_FALSE(IsLiveBitmap(ownBitmap));
    EXPECT_EQ(sharedEntry, window.GetImage(L"TABLESTRIP"));

    window.SetSharedResources(true);
    ImageEntry* inShared = window.AddImage(L"9601", L"PNG");
    ASSERT_NE(nullptr, inShared);
    EXPECT_EQ(inShared, shared.images.Find(L"9601"));
}

TEST_F(ResourceImages, GetOrLoadImageLoadsOnlyOnAMiss) {
    ImageEntry* loaded = window.GetOrLoadImage(L"9601", L"PNG");
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(loaded, window.GetImage(L"9601"));
    EXPECT_EQ(0, shared.images.GetSize());

    // A hit is returned as it is, even when asked with another mask.
    EXPECT_EQ(loaded, window.GetOrLoadImage(L"9601", L"PNG", kStripBlue));
    EXPECT_EQ(kStripBlue, PixelOf(loaded, 0));
    EXPECT_EQ(nullptr, window.GetOrLoadImage(L"9699", L"PNG"));
}
