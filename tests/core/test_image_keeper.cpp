// Images left selected in the shared image context during a paint pass: each
// is still drawn right, and none stays selected where its owner's delete
// would fail, neither after the pass nor when it is deleted during it.

#include <gtest/gtest.h>

#include <windows.h>

#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIImageKeeper.h"
#include "ui/core/gdi/UINineGrid.h"

using namespace SkinUI::Render;

namespace {

HBITMAP OnePixel(DWORD color) {
    LPBYTE bits = nullptr;
    HBITMAP bitmap = CreateDib32(1, 1, DibRows::TopDown, &bits);
    *reinterpret_cast<DWORD*>(bits) = color;
    return bitmap;
}

void DrawAt(const CDibSurface& target, HBITMAP image, int x) {
    const RECT cell = {x, 0, x + 1, 1};
    DrawImageRaw(target.GetDC(), image, cell, cell, RECT{0, 0, 1, 1}, RECT{0, 0, 0, 0}, false, 255, false, false,
                 false);
}

// DeleteObject fails for a bitmap still selected into a context.
bool Deletes(HBITMAP bitmap) {
    return ::DeleteObject(bitmap) != FALSE;
}

}  // namespace

TEST(ImageKeeper, ImagesAreDrawnRightAndNoneIsLeftSelected) {
    CDibSurface target(4, 1);
    ASSERT_NE(nullptr, target.GetDC());
    const HBITMAP red = OnePixel(0x00FF0000);
    const HBITMAP green = OnePixel(0x0000FF00);
    const HBITMAP blue = OnePixel(0x000000FF);
    HBITMAP outside = OnePixel(0x00FFFFFF);

    DrawAt(target, outside, 3);
    EXPECT_TRUE(Deletes(outside)) << "outside a pass nothing is kept";
    {
        CImageKeeper pass;
        DrawAt(target, red, 0);
        DrawAt(target, red, 1);  // kept: no new selection
        DrawAt(target, green, 2);
        EXPECT_TRUE(Deletes(red)) << "an image no longer kept is free";
        CImageKeeper::Delete(green);
        EXPECT_EQ(0u, ::GetObjectType(green)) << "the kept image was let go, then deleted";
        DrawAt(target, blue, 3);
    }
    EXPECT_TRUE(Deletes(blue)) << "the pass let go of its last image";

    const DWORD* pixels = target.GetPixels();
    const DWORD expected[] = {0x00FF0000, 0x00FF0000, 0x0000FF00, 0x000000FF};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(expected[x], pixels[x] & 0x00FFFFFF) << "pixel " << x;
    }
}
