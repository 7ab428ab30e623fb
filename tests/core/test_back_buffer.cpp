#include <gtest/gtest.h>

#include <windows.h>

#include "ui/core/manager/UIBackBuffer.h"

using SkinUI::CBackBuffer;

namespace {

// Top-down coordinates onto the bottom-up pixel memory.
DWORD& PixelAt(const CBackBuffer& buffer, int x, int y) {
    return buffer.GetBits()[(buffer.GetHeight() - 1 - y) * buffer.GetWidth() + x];
}

void FillWith(const CBackBuffer& buffer, DWORD value) {
    for (int i = 0; i < buffer.GetWidth() * buffer.GetHeight(); ++i) {
        buffer.GetBits()[i] = value;
    }
}

TEST(BackBuffer, IsRecreatedOnlyWhenSizeOrKindChanges) {
    HDC screen = ::GetDC(nullptr);
    CBackBuffer buffer;
    ASSERT_TRUE(buffer.Ensure(screen, 30, 20, false));
    EXPECT_EQ(nullptr, buffer.GetBits()) << "a compatible bitmap has no pixel memory";
    const HDC dc = buffer.GetDC();
    ASSERT_TRUE(buffer.Ensure(screen, 30, 20, false));
    EXPECT_EQ(dc, buffer.GetDC());

    ASSERT_TRUE(buffer.Ensure(screen, 30, 20, true));
    EXPECT_NE(nullptr, buffer.GetBits());
    ASSERT_TRUE(buffer.Ensure(screen, 31, 20, true));
    EXPECT_EQ(31, buffer.GetWidth());

    EXPECT_FALSE(buffer.Ensure(screen, 0, 20, true));
    EXPECT_EQ(nullptr, buffer.GetDC());
    EXPECT_EQ(nullptr, buffer.GetBits());
    ::ReleaseDC(nullptr, screen);
}

TEST(BackBuffer, PixelWorkStaysInsideTheBuffer) {
    CBackBuffer buffer;
    ASSERT_TRUE(buffer.Ensure(nullptr, 8, 4, true));
    FillWith(buffer, 0xFFFFFFFF);

    buffer.Clear(RECT{-5, -5, 1, 1});
    buffer.Clear(RECT{6, 3, 100, 100});
    EXPECT_EQ(0u, PixelAt(buffer, 0, 0)) << "the top row is the last in memory";
    EXPECT_EQ(0u, PixelAt(buffer, 7, 3));
    EXPECT_EQ(0u, PixelAt(buffer, 6, 3));
    EXPECT_EQ(0xFFFFFFFFu, PixelAt(buffer, 1, 0));
    EXPECT_EQ(0xFFFFFFFFu, PixelAt(buffer, 5, 3));

    CBackBuffer compatible;
    HDC screen = ::GetDC(nullptr);
    ASSERT_TRUE(compatible.Ensure(screen, 8, 4, false));
    compatible.Clear(RECT{0, 0, 8, 4});  // no pixel memory: nothing to do, no fault
    compatible.PremultiplyBy(buffer, RECT{0, 0, 8, 4});
    ::ReleaseDC(nullptr, screen);
}

TEST(BackBuffer, PremultipliesByTheBackgroundAlpha) {
    CBackBuffer picture;
    CBackBuffer background;
    ASSERT_TRUE(picture.Ensure(nullptr, 4, 2, true));
    ASSERT_TRUE(background.Ensure(nullptr, 3, 2, true));  // narrower: the rest is left alone
    FillWith(picture, 0x00FF8040);
    FillWith(background, 0x80000000);
    PixelAt(background, 0, 0) = 0x00123456;
    PixelAt(background, 1, 0) = 0xFF000000;

    picture.PremultiplyBy(background, RECT{0, 0, 4, 2});

    EXPECT_EQ(0u, PixelAt(picture, 0, 0));
    EXPECT_EQ(0xFFFF8040u, PixelAt(picture, 1, 0));
    EXPECT_EQ(0x80804020u, PixelAt(picture, 2, 1));  // 255*128/255, 128*128/255, 64*128/255
    EXPECT_EQ(0x00FF8040u, PixelAt(picture, 3, 1));
}

}  // namespace
