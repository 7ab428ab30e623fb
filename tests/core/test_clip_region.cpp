#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/paint_canvas.h"
#include "ui/core/gdi/UIClipRegion.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/gdi/UIRenderFill.h"

using namespace SkinUI::Render;

namespace {

bool HasNoClip(HDC dc) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int result = GetClipRgn(dc, region);
    DeleteObject(region);
    return result == 0;
}

bool ClipEquals(HDC dc, HRGN expected) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool equal = GetClipRgn(dc, region) == 1 && EqualRgn(region, expected);
    DeleteObject(region);
    return equal;
}

// A scope as the paint code nests them: save, narrow to a rectangle, restore.
void PaintInside(HDC dc, const RECT& rect, DWORD color) {
    HRGN saved = SaveClipRegion(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    DrawColor(dc, RECT{0, 0, 100, 100}, color);
    RestoreClipRegion(dc, saved);
    if (saved != nullptr)
        DeleteObject(saved);
}

}  // namespace

TEST(ClipRegion, NoClipIsSavedAsNullAndRestoredAsNoClip) {
    PaintCanvas canvas(100, 100);
    EXPECT_EQ(nullptr, SaveClipRegion(canvas.Dc()));
    PaintInside(canvas.Dc(), RECT{10, 10, 20, 20}, 0xFF0000FF);
    EXPECT_TRUE(HasNoClip(canvas.Dc()));
    EXPECT_EQ(0x0000FFu, canvas.Rgb(15, 15));
    EXPECT_EQ(0u, canvas.Rgb(25, 15));
}

TEST(ClipRegion, RectangularClipIsRestoredExactlyAndIsACopy) {
    PaintCanvas canvas(100, 100);
    HRGN outer = CreateRectRgn(5, 5, 60, 60);
    SelectClipRgn(canvas.Dc(), outer);
    HRGN saved = SaveClipRegion(canvas.Dc());
    ASSERT_NE(nullptr, saved);
    ASSERT_NE(outer, saved);
    EXPECT_TRUE(EqualRgn(saved, outer));

    IntersectClipRect(canvas.Dc(), 0, 0, 10, 10);
    RestoreClipRegion(canvas.Dc(), saved);
    DeleteObject(saved);
    EXPECT_TRUE(ClipEquals(canvas.Dc(), outer));
    DeleteObject(outer);
}

TEST(ClipRegion, NestedScopesInsideARoundedClipKeepItsCorners) {
    PaintCanvas canvas(100, 100);
    HRGN round = CreateRoundRectRgn(0, 0, 101, 101, 60, 60);
    SelectClipRgn(canvas.Dc(), round);

    HRGN saved = SaveClipRegion(canvas.Dc());
    IntersectClipRect(canvas.Dc(), 0, 0, 80, 80);
    HRGN narrowed = CreateRectRgn(0, 0, 80, 80);
    CombineRgn(narrowed, narrowed, round, RGN_AND);
    PaintInside(canvas.Dc(), RECT{0, 0, 50, 50}, 0xFF00FF00);
    // The inner scope must hand back the outer scope's clip, not its bounding box.
    EXPECT_TRUE(ClipEquals(canvas.Dc(), narrowed));
    DeleteObject(narrowed);
    DrawColor(canvas.Dc(), RECT{0, 0, 100, 100}, 0xFFFF0000);
    RestoreClipRegion(canvas.Dc(), saved);
    DeleteObject(saved);
    EXPECT_TRUE(ClipEquals(canvas.Dc(), round));

    EXPECT_EQ(0u, canvas.Rgb(1, 1)) << "outside the rounded corner";
    EXPECT_EQ(0u, canvas.Rgb(4, 4));
    EXPECT_EQ(0u, canvas.Rgb(85, 40)) << "outside the narrowed rectangle";
    EXPECT_EQ(0xFF0000u, canvas.Rgb(40, 40));
    DeleteObject(round);
}

TEST(ArgbBitmap, IsABottomUp32BitSectionAndRefusesEmptySizes) {
    LPBYTE bits = nullptr;
    HBITMAP bitmap = CreateDib32(4, 3, DibRows::BottomUp, &bits);
    ASSERT_NE(nullptr, bitmap);
    ASSERT_NE(nullptr, bits);
    DIBSECTION section = {};
    ASSERT_EQ(static_cast<int>(sizeof(section)), GetObjectW(bitmap, sizeof(section), &section));
    EXPECT_EQ(4, section.dsBmih.biWidth);
    EXPECT_EQ(3, section.dsBmih.biHeight);
    EXPECT_EQ(32, section.dsBmih.biBitCount);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    SetPixelV(dc, 0, 0, RGB(255, 0, 0));
    GdiFlush();
    // The top row is the last one in memory.
    EXPECT_EQ(0x00FF0000u, reinterpret_cast<DWORD*>(bits)[2 * 4] & 0xFFFFFF);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);

    for (SIZE size : {SIZE{0, 3}, SIZE{3, 0}, SIZE{-1, 4}}) {
        bits = reinterpret_cast<LPBYTE>(1);
        EXPECT_EQ(nullptr, CreateDib32(size.cx, size.cy, DibRows::BottomUp, &bits));
        EXPECT_EQ(nullptr, bits);
    }
}
