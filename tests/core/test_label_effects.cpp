// The GDI+ text of labels drawn into a DIB: where the glow and the shadow
// land, and that nothing of GDI+ stays behind a paint.

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/heap_blocks.h"
#include "tests/core/paint_canvas.h"
#include "tests/core/ui_test_window.h"
#include "ui/controls/UILabel.h"
#include "ui/core/manager/UIManager.h"

using namespace SkinUI;

namespace {

constexpr DWORD kWhite = 0xFFFFFF;
// Far from the canvas origin, so that anything drawn at window coordinates
// inside a bitmap of the text's own size would be lost.
constexpr RECT kItem = {300, 300, 460, 340};

class LabelEffects : public ::testing::Test {
protected:
    void SetUp() override {
        manager.AddFont(1, L"Tahoma", 28, true, false, false);
        label.SetManager(&manager, nullptr, false);
        label.SetPos(kItem, false);
        label.SetAttributeList(
            L"text=\"Wg\" font=\"1\" align=\"center\" textcolor=\"#FF0000FF\" enabledeffect=\"true\"");
    }
    std::vector<DWORD> Paint() {
        canvas.Fill(kWhite);
        label.Paint(canvas.Dc(), canvas.Rect(), nullptr);
        return canvas.Snapshot();
    }
    // The bounding box of the pixels that `select` picks, empty when there is none.
    template <typename Select>
    RECT BoundsOf(const std::vector<DWORD>& pixels, Select select) const {
        RECT bounds = {0, 0, 0, 0};
        const RECT all = canvas.Rect();
        for (int y = 0; y < all.bottom; ++y) {
            for (int x = 0; x < all.right; ++x) {
                if (select(pixels[y * all.right + x], x, y)) {
                    const RECT pixel = {x, y, x + 1, y + 1};
                    ::UnionRect(&bounds, &bounds, &pixel);
                }
            }
        }
        return bounds;
    }
    bool Inside(const RECT& inner, const RECT& outer) const {
        RECT both;
        return ::IntersectRect(&both, &inner, &outer) && ::EqualRect(&both, &inner);
    }

    CUIManager manager;
    CLabelUI label;
    PaintCanvas canvas{480, 360};
};

TEST_F(LabelEffects, TheGlowSurroundsTheTextInsideItsRectangle) {
    const std::vector<DWORD> plain = Paint();
    const RECT text = BoundsOf(plain, [](DWORD pixel, int, int) { return (pixel & kWhite) != kWhite; });
    ASSERT_FALSE(::IsRectEmpty(&text));
    label.SetAttribute(L"enabledluminous", L"true");
    const std::vector<DWORD> glowing = Paint();
    const RECT changed = BoundsOf(glowing, [&](DWORD pixel, int x, int y) {
        return (pixel & kWhite) != (plain[y * canvas.Rect().right + x] & kWhite);
    });
    EXPECT_FALSE(::IsRectEmpty(&changed)) << "the glow drew nothing";
    EXPECT_TRUE(Inside(changed, kItem));
}

TEST_F(LabelEffects, TheShadowOffsetIsTheSameBeforeAndAfterLayout) {
    // Offset 2 at 45 degrees: up and to the left by two pixels.
    label.SetAttributeList(L"enabledshadow=\"true\" textshadowcolora=\"#FFFF0000\" shadowoffset=\"2,45\"");
    const auto isRed = [](DWORD pixel, int, int) { return Channel(pixel, 16) > 200 && Channel(pixel, 0) < 60; };
    const auto isBlue = [](DWORD pixel, int, int) { return Channel(pixel, 0) > 200 && Channel(pixel, 16) < 60; };
    const std::vector<DWORD> pixels = Paint();
    const RECT shadow = BoundsOf(pixels, isRed);
    const RECT text = BoundsOf(pixels, isBlue);
    ASSERT_FALSE(::IsRectEmpty(&shadow));
    EXPECT_TRUE(Inside(shadow, kItem));
    EXPECT_NEAR(shadow.left, text.left - 2, 1);
    EXPECT_NEAR(shadow.top, text.top - 2, 1);

    label.SetAttribute(L"shadowoffset", L"2,200");  // out of range: nothing changes
    EXPECT_EQ(BoundsOf(Paint(), isRed), shadow);
}

TEST_F(LabelEffects, AThousandPaintsWithEveryEffectLeaveNothingBehind) {
    label.SetAttributeList(
        L"enabledluminous=\"true\" luminousfuzzy=\"0.5\" enabledstroke=\"true\" strokecolor=\"#FF00FF00\" "
        L"enabledshadow=\"true\" shadowoffset=\"1,-45\" textcolor1=\"#FFFF00FF\" gradientangle=\"30\"");
    Paint();
    const size_t blocks = BusyHeapBlocks();
    const DWORD gdiObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 1000; ++i) {
        label.Paint(canvas.Dc(), canvas.Rect(), nullptr);
    }
    EXPECT_LT(BusyHeapBlocks(), blocks + 100);
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdiObjects);

    label.SetAttribute(L"textpadding", L"100,30,100,30");  // no room left for the text
    Paint();
}

}  // namespace
