#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/paint_canvas.h"
#include "ui/core/render/UIRender.h"

using SkinUI::CClipScope;

namespace {

// The DC's clip region equals `expected`; null expects no clip at all.
::testing::AssertionResult ClipIs(HDC dc, HRGN expected) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const int result = ::GetClipRgn(dc, region);
    const bool same = expected == nullptr ? result == 0 : result == 1 && ::EqualRgn(region, expected);
    ::DeleteObject(region);
    if (same) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << (result == 0 ? "no clip" : "a different clip");
}

TEST(ClipScope, RestoresExactlyTheRegionThatWasInForce) {
    PaintCanvas canvas(60, 60);
    HDC dc = canvas.Dc();
    {
        CClipScope outer;
        outer.ClipToRoundRect(dc, RECT{0, 0, 60, 60}, RECT{0, 0, 40, 40}, 20, 20);
        HRGN rounded = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_EQ(1, ::GetClipRgn(dc, rounded));
        {
            CClipScope inner;
            inner.ClipToRect(dc, RECT{10, 10, 30, 30});
            HRGN narrowed = ::CreateRectRgn(10, 10, 30, 30);
            EXPECT_TRUE(ClipIs(dc, narrowed));
            ::DeleteObject(narrowed);

            inner.SuspendClip();
            EXPECT_TRUE(ClipIs(dc, rounded)) << "suspended: the rounded region, not its bounding box";
            inner.ResumeClip();
        }
        EXPECT_TRUE(ClipIs(dc, rounded));
        ::DeleteObject(rounded);
    }
    EXPECT_TRUE(ClipIs(dc, nullptr)) << "a DC without a clip gets none back";
}

TEST(ClipScope, ClipsDrawingToTheRectangle) {
    PaintCanvas canvas(20, 20, 0);
    {
        CClipScope clip;
        clip.ClipToRect(canvas.Dc(), RECT{5, 5, 10, 10});
        const RECT all = canvas.Rect();
        ::FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    EXPECT_EQ(0xFFFFFFu, canvas.Rgb(5, 5));
    EXPECT_EQ(0xFFFFFFu, canvas.Rgb(9, 9));
    EXPECT_EQ(0u, canvas.Rgb(10, 10));
    EXPECT_EQ(0u, canvas.Rgb(4, 5));
}

}  // namespace
