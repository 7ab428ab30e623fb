#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>

#include "tests/core/blend_path.h"
#include "tests/core/image_holder.h"
#include "tests/core/paint_canvas.h"
#include "ui/core/gdi/UIMsimg32.h"
#include "ui/core/gdi/UINineGrid.h"

using namespace SkinUI;
using namespace SkinUI::Render;

namespace {

const DWORD kBackground = 0x00C0C0C0;

// A 6 x 6 image in nine regions of 2 x 2 pixels: kRegions[row][column]; the
// patterned variant has a middle of four pixels A B / C D instead.
const DWORD kRegions[3][3] = {
    {0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFF00, 0x00FFFF, 0xFF00FF}, {0x800000, 0x008000, 0x000080}};
const DWORD kMiddle[2][2] = {{0x101010, 0x202020}, {0x303030, 0x404040}};

ImageEntry* NineRegionImage(bool patternedMiddle = false) {
    return MakeImage(6, 6, [patternedMiddle](int x, int y) {
        const bool middle = patternedMiddle && x >= 2 && x < 4 && y >= 2 && y < 4;
        return 0xFF000000 | (middle ? kMiddle[y - 2][x - 2] : kRegions[y / 2][x / 2]);
    });
}

struct Draw {
    RECT dest;
    RECT paint;
    RECT source;
    RECT corner;
    bool hasAlpha;
    BYTE fade;
    bool hole;
    bool xTiled;
    bool yTiled;
};

}  // namespace

TEST(NineGridBlend, Msimg32FunctionsAreFound) {
    EXPECT_NE(nullptr, SystemAlphaBlend());
    EXPECT_NE(nullptr, SystemGradientFill());
}

// Every case runs through both AlphaBlend implementations, and copied as
// well as blended: an opaque image must look the same either way.
class NineGrid : public ::testing::TestWithParam<std::tuple<BlendPath, bool>> {
protected:
    NineGrid() : m_path(std::get<0>(GetParam())) {}

    Draw Grid(const RECT& dest, int corner) const {
        return Draw{
            dest,  dest, RECT{0, 0, 6, 6}, RECT{corner, corner, corner, corner}, std::get<1>(GetParam()), 255, false,
            false, false};
    }
    static void DrawOn(const PaintCanvas& canvas, HBITMAP bitmap, const Draw& d) {
        DrawImageRaw(canvas.Dc(), bitmap, d.dest, d.paint, d.source, d.corner, d.hasAlpha, d.fade, d.hole, d.xTiled,
                     d.yTiled);
    }

private:
    ScopedBlendPath m_path;
};

INSTANTIATE_TEST_SUITE_P(BothPaths, NineGrid,
                         ::testing::Combine(::testing::Values(BlendPath::System, BlendPath::Framework),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<BlendPath, bool>>& info) {
                             return std::string(std::get<0>(info.param) == BlendPath::System ? "Msimg32"
                                                                                             : "Framework") +
                                    (std::get<1>(info.param) ? "Blended" : "Copied");
                         });

TEST_P(NineGrid, CornersUnscaledEdgesAndMiddleStretchedOrLeftOut) {
    ImageHolder image(NineRegionImage());
    PaintCanvas canvas(40, 34, kBackground);
    DrawOn(canvas, image->bitmap, Grid(RECT{10, 10, 30, 24}, 2));
    // Region boundaries in the destination: 10|12 ... 28|30 and 10|12 ... 22|24.
    for (int y : {10, 11, 12, 21, 22, 23}) {
        for (int x : {10, 11, 12, 27, 28, 29})
            EXPECT_EQ(kRegions[(y > 11) + (y > 21)][(x > 11) + (x > 27)], canvas.Rgb(x, y)) << x << "," << y;
    }
    EXPECT_EQ(kBackground, canvas.At(9, 10));
    EXPECT_EQ(kBackground, canvas.At(30, 23));
    EXPECT_EQ(kBackground, canvas.At(20, 24));

    canvas.Fill(kBackground);
    Draw hole = Grid(RECT{10, 10, 30, 24}, 2);
    hole.hole = true;
    DrawOn(canvas, image->bitmap, hole);
    EXPECT_EQ(kBackground, canvas.At(12, 12));
    EXPECT_EQ(kBackground, canvas.At(27, 21));
    EXPECT_EQ(kRegions[0][1], canvas.Rgb(20, 10));
    EXPECT_EQ(kRegions[2][2], canvas.Rgb(29, 23));
}

TEST_P(NineGrid, CornersWiderThanHalfTheDestinationStillDraw) {
    ImageHolder image(NineRegionImage());
    PaintCanvas canvas(5, 5, kBackground);
    DrawOn(canvas, image->bitmap, Grid(RECT{0, 0, 3, 3}, 2));
    // Each corner lands at its own corner; later ones cover earlier ones.
    EXPECT_EQ(kRegions[0][0], canvas.Rgb(0, 0));
    EXPECT_EQ(kRegions[0][2], canvas.Rgb(2, 0));
    EXPECT_EQ(kRegions[2][0], canvas.Rgb(0, 2));
    EXPECT_EQ(kRegions[2][2], canvas.Rgb(1, 1));
    EXPECT_EQ(kBackground, canvas.At(3, 3));
}

TEST_P(NineGrid, TilingOneWayCutsTheLastTileAndStretchesTheOther) {
    ImageHolder image(NineRegionImage(true));
    // Middles of 7 x 5 and 5 x 7 from a 2 x 2 tile.
    PaintCanvas across(11, 9, kBackground);
    Draw draw = Grid(RECT{0, 0, 11, 9}, 2);
    draw.xTiled = true;
    DrawOn(across, image->bitmap, draw);
    PaintCanvas down(9, 11, kBackground);
    draw = Grid(RECT{0, 0, 9, 11}, 2);
    draw.yTiled = true;
    DrawOn(down, image->bitmap, draw);
    for (int i = 2; i < 9; ++i) {
        EXPECT_EQ(kMiddle[0][(i - 2) % 2], across.Rgb(i, 2)) << "x " << i;
        EXPECT_EQ(kMiddle[1][(i - 2) % 2], across.Rgb(i, 6)) << "x " << i;
        EXPECT_EQ(kMiddle[(i - 2) % 2][0], down.Rgb(2, i)) << "y " << i;
        EXPECT_EQ(kMiddle[(i - 2) % 2][1], down.Rgb(6, i)) << "y " << i;
    }
    EXPECT_EQ(kRegions[1][2], across.Rgb(9, 4));
    EXPECT_EQ(kRegions[2][1], down.Rgb(4, 9));
}

TEST_P(NineGrid, TilingBothWaysCopiesCellsUnscaled) {
    ImageHolder image(NineRegionImage(true));
    PaintCanvas canvas(11, 9, kBackground);
    Draw draw = Grid(RECT{0, 0, 11, 9}, 2);
    draw.xTiled = draw.yTiled = true;
    DrawOn(canvas, image->bitmap, draw);
    for (int y = 2; y < 7; ++y) {
        for (int x = 2; x < 9; ++x)
            EXPECT_EQ(kMiddle[(y - 2) % 2][(x - 2) % 2], canvas.Rgb(x, y)) << x << "," << y;
    }
}

TEST_P(NineGrid, OnlyWhatMeetsThePaintRectangleIsDrawn) {
    ImageHolder image(NineRegionImage());
    PaintCanvas canvas(20, 14, kBackground);
    Draw draw = Grid(RECT{0, 0, 20, 14}, 2);
    draw.paint = RECT{0, 0, 2, 2};  // the top-left corner only
    DrawOn(canvas, image->bitmap, draw);
    EXPECT_EQ(kRegions[0][0], canvas.Rgb(1, 1));
    EXPECT_EQ(kBackground, canvas.At(10, 0));
    EXPECT_EQ(kBackground, canvas.At(10, 7));
    EXPECT_EQ(kBackground, canvas.At(19, 13));

    // At its natural size without borders the image is cut to the paint
    // rectangle pixel by pixel.
    canvas.Fill(kBackground);
    draw = Grid(RECT{2, 2, 8, 8}, 0);
    draw.paint = RECT{5, 5, 10, 10};
    DrawOn(canvas, image->bitmap, draw);
    EXPECT_EQ(kRegions[1][1], canvas.Rgb(5, 5));  // image pixel (3, 3)
    EXPECT_EQ(kRegions[2][2], canvas.Rgb(7, 7));
    if (!draw.hasAlpha) {
        EXPECT_EQ(kBackground, canvas.At(2, 2));
        EXPECT_EQ(kBackground, canvas.At(4, 7));
    }
    EXPECT_EQ(kBackground, canvas.At(8, 8));
}

TEST_P(NineGrid, SourceRectangleIsCutToTheImage) {
    ImageHolder image(NineRegionImage());
    PaintCanvas canvas(12, 12, kBackground);
    Draw draw = Grid(RECT{0, 0, 12, 12}, 0);

    draw.source = RECT{4, 0, 6, 2};  // the top-right region, stretched
    DrawOn(canvas, image->bitmap, draw);
    EXPECT_EQ(kRegions[0][2], canvas.Rgb(0, 0));
    EXPECT_EQ(kRegions[0][2], canvas.Rgb(11, 11));

    draw.source = RECT{0, 0, 100, 100};  // the whole image, stretched twice
    DrawOn(canvas, image->bitmap, draw);
    EXPECT_EQ(kRegions[0][0], canvas.Rgb(3, 3));
    EXPECT_EQ(kRegions[1][1], canvas.Rgb(6, 6));
    EXPECT_EQ(kRegions[2][2], canvas.Rgb(11, 11));

    draw.source = RECT{-5, -5, 2, 2};  // the top-left region
    DrawOn(canvas, image->bitmap, draw);
    EXPECT_EQ(kRegions[0][0], canvas.Rgb(0, 0));
    EXPECT_EQ(kRegions[0][0], canvas.Rgb(11, 11));
}

TEST_P(NineGrid, EmptyPiecesAreSkippedNotLoopedOver) {
    ImageHolder image(NineRegionImage(true));
    PaintCanvas canvas(16, 16, kBackground);
    const std::vector<DWORD> untouched = canvas.Snapshot();

    // Corners that leave a middle of no width: borders only, no tiling.
    Draw flush = Grid(RECT{0, 0, 16, 16}, 3);
    flush.xTiled = flush.yTiled = true;
    DrawOn(canvas, image->bitmap, flush);
    EXPECT_EQ(kBackground, canvas.At(8, 8));
    EXPECT_EQ(kRegions[0][0], canvas.Rgb(0, 0));

    // Corners larger than the image (every piece would read outside it), a
    // source cut to nothing, an inverted destination, negative corners.
    Draw huge = Grid(RECT{0, 0, 16, 16}, 7);
    huge.xTiled = huge.yTiled = true;
    Draw nothing = Grid(RECT{0, 0, 16, 16}, 0);
    nothing.source = RECT{6, 6, 10, 10};
    nothing.xTiled = true;
    const Draw cases[] = {huge, nothing, Grid(RECT{16, 16, 0, 0}, 0), Grid(RECT{0, 0, 16, 16}, -3)};
    for (const Draw& draw : cases) {
        canvas.Fill(kBackground);
        DrawOn(canvas, image->bitmap, draw);
        EXPECT_EQ(untouched, canvas.Snapshot()) << "case " << (&draw - cases);
    }
}

TEST_P(NineGrid, PremultipliedPixelsAndFadeBlendOverTheBackground) {
    // Half-transparent red, a masked-out magenta and opaque blue.
    ImageHolder image(MakeImage(
        3, 1, [](int x, int) { return x == 0   ? 0x80FF0000u
                                      : x == 1 ? 0xFFFF00FFu
                                               : 0xFF0000FFu; }, 0xFFFF00FF));
    ASSERT_TRUE(image->hasAlpha);
    PaintCanvas canvas(3, 1, 0x00FFFFFF);
    Draw draw = Grid(RECT{0, 0, 3, 1}, 0);
    draw.source = draw.dest;
    draw.hasAlpha = true;
    DrawOn(canvas, image->bitmap, draw);
    EXPECT_TRUE(PixelNear(canvas.Rgb(0, 0), 0xFF7F7F, 2));
    EXPECT_EQ(0xFFFFFFu, canvas.Rgb(1, 0));
    EXPECT_EQ(0x0000FFu, canvas.Rgb(2, 0));

    // An opaque image under a fade is blended too; at 0 nothing shows.
    ImageHolder opaque(MakeImage(2, 2, [](int, int) { return 0xFF0000FFu; }));
    canvas.Fill(0x00FF0000);
    draw = Grid(RECT{0, 0, 3, 1}, 0);
    draw.source = RECT{0, 0, 2, 2};
    draw.fade = 0;
    DrawOn(canvas, opaque->bitmap, draw);
    EXPECT_EQ(0xFF0000u, canvas.Rgb(1, 0));
    draw.fade = 128;
    DrawOn(canvas, opaque->bitmap, draw);
    EXPECT_TRUE(PixelNear(canvas.Rgb(1, 0), 0x7F0080, 2));
}
