// A nine-grid composed once per size must look exactly like one drawn piece
// by piece, and must never outlive the image it was composed from.

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/image_holder.h"
#include "tests/core/paint_canvas.h"
#include "ui/core/gdi/UINineGrid.h"
#include "ui/core/gdi/UINineGridCache.h"

using namespace SkinUI;
using namespace SkinUI::Render;

namespace {

// 8 x 8, half-transparent border of 2 pixels around an opaque middle.
ImageEntry* FramedImage(DWORD border, DWORD middle) {
    return MakeImage(8, 8, [=](int x, int y) { return x < 2 || y < 2 || x >= 6 || y >= 6 ? border : middle; });
}

const RECT kSource = {0, 0, 8, 8};
const RECT kCorner = {2, 2, 2, 2};

TEST(NineGridComposed, LooksLikeThePieceByPieceDrawingWithFadeAndPartialPaint) {
    ImageHolder image(FramedImage(0x80FF0000, 0xFF00FF00));
    struct Case {
        RECT dest;
        RECT paint;
        BYTE fade;
        bool hole;
    };
    const Case cases[] = {
        {{3, 4, 43, 24}, {0, 0, 60, 40}, 255, false},
        {{3, 4, 43, 24}, {10, 0, 30, 40}, 255, false},  // only a band is repainted
        {{0, 0, 50, 30}, {0, 0, 60, 40}, 128, false},
        {{5, 5, 45, 35}, {0, 0, 60, 40}, 255, true},
    };
    for (const Case& c : cases) {
        PaintCanvas direct(60, 40, 0xFF404040);
        DrawImageRaw(direct.Dc(), image->bitmap, c.dest, c.paint, kSource, kCorner, true, c.fade, c.hole, false, false);
        // The first paint composes, the second comes from the composed bitmap.
        PaintCanvas first(60, 40, 0xFF404040);
        PaintCanvas second(60, 40, 0xFF404040);
        for (PaintCanvas* canvas : {&first, &second}) {
            DrawImageComposed(canvas->Dc(), image->bitmap, c.dest, c.paint, kSource, kCorner, true, c.fade, c.hole,
                              false, false);
        }
        // Outside the paint rectangle the paint pass clips anyway.
        for (int y = c.paint.top; y < c.paint.bottom; ++y) {
            for (int x = c.paint.left; x < c.paint.right; ++x) {
                ASSERT_TRUE(PixelNear(first.At(x, y), direct.At(x, y), 1)) << x << "," << y;
                ASSERT_TRUE(PixelNear(second.At(x, y), direct.At(x, y), 1)) << x << "," << y;
            }
        }
    }
}

TEST(NineGridComposed, OneBitmapPerSizeIsKeptAndFreeingTheImageDropsThem) {
    ImageEntry* image = FramedImage(0x80FF0000, 0xFF00FF00);
    const HBITMAP bitmap = image->bitmap;
    PaintCanvas canvas(60, 40);
    for (int paint = 0; paint < 3; ++paint) {
        for (const RECT& dest : {RECT{0, 0, 30, 20}, RECT{10, 10, 40, 30}, RECT{0, 0, 50, 20}}) {
            DrawImageComposed(canvas.Dc(), bitmap, dest, dest, kSource, kCorner, true, 255, false, false, false);
        }
    }
    EXPECT_EQ(ComposedImageCount(bitmap), 2) << "30 x 20 twice, 50 x 20 once";
    // Opaque images and plain copies are drawn directly.
    DrawImageComposed(canvas.Dc(), bitmap, RECT{0, 0, 8, 8}, RECT{0, 0, 8, 8}, kSource, RECT{}, true, 255, false, false,
                      false);
    DrawImageComposed(canvas.Dc(), bitmap, RECT{0, 0, 20, 20}, RECT{0, 0, 20, 20}, kSource, kCorner, false, 255, false,
                      false, false);
    EXPECT_EQ(ComposedImageCount(bitmap), 2);
    // A later bitmap may get the same handle: nothing composed may outlive the image.
    FreeImageEntry(image, true);
    EXPECT_EQ(ComposedImageCount(bitmap), 0);
}

}  // namespace
