#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "tests/core/blend_path.h"
#include "tests/core/paint_canvas.h"
#include "ui/core/gdi/UIColorAdjust.h"
#include "ui/core/gdi/UIRenderFill.h"

using namespace SkinUI;
using namespace SkinUI::Render;

namespace {

const DWORD kWhite = 0x00FFFFFF;

}  // namespace

class ColorFill : public BlendPathTest {};
INSTANTIATE_BLEND_PATHS(ColorFill);

TEST_P(ColorFill, OpaqueFillsExactlyTheRectangleTransparentNothing) {
    PaintCanvas canvas(10, 10, kWhite);
    DrawColor(canvas.Dc(), RECT{2, 3, 7, 8}, 0xFF123456);
    EXPECT_EQ(0x123456u, canvas.Rgb(2, 3));
    EXPECT_EQ(0x123456u, canvas.Rgb(6, 7));
    for (POINT outside : {POINT{1, 3}, POINT{7, 7}, POINT{6, 8}, POINT{2, 2}})
        EXPECT_EQ(kWhite, canvas.Rgb(outside.x, outside.y));

    DrawColor(canvas.Dc(), canvas.Rect(), 0x00FF0000);
    EXPECT_EQ(kWhite, canvas.Rgb(0, 0));
}

TEST_P(ColorFill, TranslucentColourBlendsAsPremultiplied) {
    PaintCanvas overWhite(6, 6, kWhite);
    DrawColor(overWhite.Dc(), RECT{1, 1, 5, 5}, 0x80FF0000);
    EXPECT_TRUE(PixelNear(overWhite.Rgb(1, 1), 0xFF7F7F, 2));
    EXPECT_TRUE(PixelNear(overWhite.Rgb(4, 4), 0xFF7F7F, 2));
    EXPECT_EQ(kWhite, overWhite.Rgb(0, 0));
    EXPECT_EQ(kWhite, overWhite.Rgb(5, 5));

    // Over black the colour must come out at half strength, not full.
    PaintCanvas overBlack(2, 2, 0);
    DrawColor(overBlack.Dc(), overBlack.Rect(), 0x80FF0000);
    EXPECT_TRUE(PixelNear(overBlack.Rgb(0, 0), 0x800000, 2));
}

class Gradient : public BlendPathTest {};
INSTANTIATE_BLEND_PATHS(Gradient);

TEST_P(Gradient, HorizontalRunsFromLeftToRightMonotonically) {
    PaintCanvas canvas(128, 4, kWhite);
    DrawGradient(canvas.Dc(), canvas.Rect(), 0xFF0000FF, 0xFFFF0000, false, 64);
    // 64 bands of 2 pixels: the outermost band is 1/64 of the way off.
    EXPECT_TRUE(PixelNear(canvas.Rgb(0, 0), 0x0000FF, 4));
    EXPECT_TRUE(PixelNear(canvas.Rgb(127, 3), 0xFF0000, 4));
    for (int x = 1; x < 128; ++x) {
        EXPECT_GE(Channel(canvas.At(x, 1), 16), Channel(canvas.At(x - 1, 1), 16)) << "x " << x;
        EXPECT_LE(Channel(canvas.At(x, 1), 0), Channel(canvas.At(x - 1, 1), 0)) << "x " << x;
    }
    EXPECT_EQ(canvas.Rgb(40, 0), canvas.Rgb(40, 3));
}

TEST_P(Gradient, VerticalRunsFromTopToBottom) {
    PaintCanvas canvas(3, 64, kWhite);
    DrawGradient(canvas.Dc(), canvas.Rect(), 0xFF000000, 0xFF00FF00, true, 64);
    EXPECT_TRUE(PixelNear(canvas.Rgb(1, 0), 0x000000, 4));
    EXPECT_TRUE(PixelNear(canvas.Rgb(1, 63), 0x00FF00, 4));
    for (int y = 1; y < 64; ++y)
        EXPECT_GE(Channel(canvas.At(1, y), 8), Channel(canvas.At(1, y - 1), 8)) << "y " << y;
    EXPECT_EQ(canvas.Rgb(0, 20), canvas.Rgb(2, 20));
}

TEST_P(Gradient, TranslucentGradientUsesTheMeanOpacity) {
    PaintCanvas canvas(32, 2, kWhite);
    // Alphas 0x40 and 0xC0 average to 0x80: a half-strength black over white.
    DrawGradient(canvas.Dc(), canvas.Rect(), 0x40000000, 0xC0000000, false, 2);
    EXPECT_TRUE(PixelNear(canvas.Rgb(0, 0), 0x7F7F7F, 2));
    EXPECT_TRUE(PixelNear(canvas.Rgb(31, 1), 0x7F7F7F, 2));

    PaintCanvas none(4, 4, kWhite);
    DrawGradient(none.Dc(), none.Rect(), 0x00000000, 0x01000000, true, 8);
    EXPECT_EQ(kWhite, none.At(2, 2));
}

TEST(GradientBands, CountFollowsTheStepsAndEndsAtTheSecondColour) {
    ScopedBlendPath framework(BlendPath::Framework);
    const struct {
        int steps;
        size_t bands;
    } cases[] = {{0, 2}, {3, 2}, {4, 4}, {15, 8}, {16, 16}, {63, 32}, {64, 64}, {1000, 64}};
    for (const auto& test : cases) {
        PaintCanvas canvas(128, 1, kWhite);
        DrawGradient(canvas.Dc(), canvas.Rect(), 0xFF000000, 0xFF0000FF, false, test.steps);
        std::set<DWORD> colors;
        for (int x = 0; x < 128; ++x)
            colors.insert(canvas.Rgb(x, 0));
        EXPECT_EQ(test.bands, colors.size()) << "steps " << test.steps;
        EXPECT_EQ(0x0000FFu, canvas.Rgb(127, 0));
    }
    // Two bands: the second colour on the right half, the mean on the left.
    PaintCanvas two(10, 1, kWhite);
    DrawGradient(two.Dc(), two.Rect(), 0xFF000000, 0xFF0000FF, false, 1);
    EXPECT_EQ(0x00007Fu, two.Rgb(0, 0));
    EXPECT_EQ(0x00007Fu, two.Rgb(4, 0));
    EXPECT_EQ(0x0000FFu, two.Rgb(5, 0));
}

TEST(GradientBands, BandsNarrowerThanAPixelAreSkipped) {
    ScopedBlendPath framework(BlendPath::Framework);
    PaintCanvas canvas(3, 6, kWhite);
    // 64 bands over 3 rows: all but three are empty and draw nothing.
    DrawGradient(canvas.Dc(), RECT{0, 0, 3, 3}, 0xFFFF0000, 0xFF0000FF, true, 64);
    EXPECT_GT(Channel(canvas.At(1, 0), 16), Channel(canvas.At(1, 1), 16));
    EXPECT_GT(Channel(canvas.At(1, 1), 16), Channel(canvas.At(1, 2), 16));
    EXPECT_LT(Channel(canvas.At(1, 0), 0), Channel(canvas.At(1, 2), 0));
    EXPECT_EQ(kWhite, canvas.Rgb(1, 3));
}

TEST(ColorAdjust, NeutralSettingsChangeNothingAndHueTurnsTheWheel) {
    for (DWORD color : {0xFF000000u, 0xFFFFFFFFu, 0x80123456u, 0xFFC0FFEEu, 0x00808080u})
        EXPECT_EQ(color, AdjustColor(color, 180, 100, 100));
    EXPECT_EQ(0xFF00FF00u, AdjustColor(0xFFFF0000, 300, 100, 100));  // +120 degrees
    EXPECT_EQ(0xFF0000FFu, AdjustColor(0xFFFF0000, 60, 100, 100));   // -120 degrees
    EXPECT_EQ(0x8000FFFFu, AdjustColor(0x80FF0000, 0, 100, 100));    // half a turn, alpha kept
    EXPECT_EQ(0xFFFF0000u, AdjustColor(0xFFFF0000, 540, 100, 100));  // a whole turn
    EXPECT_EQ(0xFF808080u, AdjustColor(0xFF808080, 250, 100, 100));  // greys have no hue
}

TEST(ColorAdjust, SaturationAndLightnessScaleUpToFull) {
    EXPECT_EQ(0xFF808080u, AdjustColor(0xFFFF0000, 180, 0, 100));
    EXPECT_EQ(0xFFBF4040u, AdjustColor(0xFFFF0000, 180, 50, 100));
    EXPECT_EQ(0xFFFF0000u, AdjustColor(0xFFFF0000, 180, 200, 100));
    EXPECT_EQ(0xFF000000u, AdjustColor(0xFFFF0000, 180, 100, 0));
    EXPECT_EQ(0xFF800000u, AdjustColor(0xFFFF0000, 180, 100, 50));
    EXPECT_EQ(0xFFFFFFFFu, AdjustColor(0xFFFF0000, 180, 100, 200));
}
