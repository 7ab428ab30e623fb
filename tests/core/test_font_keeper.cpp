// Fonts left selected during a paint pass: nothing of them stays behind in the
// device context, neither after the pass nor when a kept font is deleted.

#include <gtest/gtest.h>

#include <windows.h>

#include "ui/core/gdi/UIFontKeeper.h"

using SkinUI::Render::CFontKeeper;

TEST(FontKeeper, KeptFontsLeaveWithTheKeeperOrBeforeTheyAreDeleted) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ own = ::GetCurrentObject(dc, OBJ_FONT);
    HFONT first = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HFONT second = ::CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    EXPECT_FALSE(CFontKeeper::Select(dc, first)) << "no keeper holds the context";
    {
        CFontKeeper keeper(dc);
        ASSERT_TRUE(CFontKeeper::Select(dc, first));
        EXPECT_EQ(first, ::GetCurrentObject(dc, OBJ_FONT));
        CFontKeeper::Forget(first);
        EXPECT_EQ(own, ::GetCurrentObject(dc, OBJ_FONT)) << "a font about to go is let go";
        ASSERT_TRUE(CFontKeeper::Select(dc, first));
        ASSERT_TRUE(CFontKeeper::Select(dc, second));
        EXPECT_EQ(second, ::GetCurrentObject(dc, OBJ_FONT));
    }
    EXPECT_EQ(own, ::GetCurrentObject(dc, OBJ_FONT));
    ::DeleteObject(first);
    ::DeleteObject(second);
    ::DeleteDC(dc);
}
