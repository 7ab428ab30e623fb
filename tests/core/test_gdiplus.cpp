#include <gtest/gtest.h>

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <memory>

#include "ui/core/gdi/UIGdiPlus.h"

using SkinUI::CGdiPlusUser;

namespace {

bool GdiPlusDraws() {
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, &bitmap) !=
        Gdiplus::Ok) {
        return false;
    }
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return true;
}

TEST(GdiPlus, RunsWhileAnyUserIsAliveAndRestartsAfterTheLast) {
    ASSERT_EQ(0, SkinUI::GdiPlusUserCount());
    {
        auto first = std::make_unique<CGdiPlusUser>();
        ASSERT_TRUE(first->IsStarted());
        CGdiPlusUser second;
        ASSERT_TRUE(second.IsStarted());
        EXPECT_EQ(2, SkinUI::GdiPlusUserCount());

        first.reset();
        EXPECT_EQ(1, SkinUI::GdiPlusUserCount());
        EXPECT_TRUE(GdiPlusDraws()) << "the first user's end must not stop GDI+ for the second";
    }
    EXPECT_EQ(0, SkinUI::GdiPlusUserCount());

    CGdiPlusUser again;
    ASSERT_TRUE(again.IsStarted());
    EXPECT_EQ(1, SkinUI::GdiPlusUserCount());
    EXPECT_TRUE(GdiPlusDraws());
}

}  // namespace
