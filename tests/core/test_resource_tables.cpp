#include <gtest/gtest.h>

#include <windows.h>

#include "ui/core/resources/UIImageDecode.h"
#include "ui/core/resources/UIResourceTables.h"

using namespace SkinUI;

namespace {

class ResourceTables : public ::testing::Test {
protected:
    ResourceBlock shared;
    CResourceTables window{shared};
};

}  // namespace

TEST_F(ResourceTables, FirstWindowSetsTheSharedColoursAndCopiesThem) {
    EXPECT_EQ(0xFFA7A6AAu, shared.disabledFontColor);
    EXPECT_EQ(0xFF000000u, shared.defaultFontColor);
    EXPECT_EQ(0xFF0000FFu, shared.linkFontColor);
    EXPECT_EQ(0xFFD3215Fu, shared.linkHoverFontColor);
    EXPECT_EQ(0xFFBAE4FFu, shared.selectedColor);
    EXPECT_EQ(0xFFA7A6AAu, window.GetDefaultDisabledColor());
    EXPECT_EQ(0xFF000000u, window.GetDefaultFontColor());
    EXPECT_EQ(0xFF0000FFu, window.GetDefaultLinkFontColor());
    EXPECT_EQ(0xFFD3215Fu, window.GetDefaultLinkHoverFontColor());
    EXPECT_EQ(0xFFBAE4FFu, window.GetDefaultSelectedColor());

    // Later windows start from the shared colours as they are now.
    window.SetDefaultFontColor(0xFF112233, true);
    CResourceTables later(shared);
    EXPECT_EQ(0xFF112233u, later.GetDefaultFontColor());
    EXPECT_EQ(0xFF112233u, shared.defaultFontColor);
}

TEST_F(ResourceTables, SharedColourReachesOnlyWindowsThatStillHadTheOldOne) {
    CResourceTables customised(shared);
    customised.SetDefaultLinkFontColor(0xFF00AA00);

    window.SetDefaultLinkFontColor(0xFF123456, true);
    EXPECT_EQ(0xFF123456u, window.GetDefaultLinkFontColor());
    EXPECT_EQ(0xFF123456u, shared.linkFontColor);

    customised.SetDefaultLinkFontColor(0xFF654321, true);
    EXPECT_EQ(0xFF00AA00u, customised.GetDefaultLinkFontColor());
    EXPECT_EQ(0xFF654321u, shared.linkFontColor);
    EXPECT_EQ(0xFF123456u, window.GetDefaultLinkFontColor());

    // A window-only change leaves the shared colour alone.
    window.SetDefaultDisabledColor(0xFF0000AA);
    window.SetDefaultLinkHoverFontColor(0xFF0000CC);
    window.SetDefaultSelectedColor(0xFF0000DD);
    EXPECT_EQ(0xFF0000AAu, window.GetDefaultDisabledColor());
    EXPECT_EQ(0xFF0000CCu, window.GetDefaultLinkHoverFontColor());
    EXPECT_EQ(0xFF0000DDu, window.GetDefaultSelectedColor());
    EXPECT_EQ(0xFFA7A6AAu, shared.disabledFontColor);
    EXPECT_EQ(0xFFD3215Fu, shared.linkHoverFontColor);
    EXPECT_EQ(0xFFBAE4FFu, shared.selectedColor);
}

TEST_F(ResourceTables, ClassDefaultsTryTheWindowThenTheShared) {
    EXPECT_EQ(nullptr, window.GetClassDefaults(L"Button"));
    window.AddClassDefaults(L"Button", L"height=\"20\"", true);
    CResourceTables other(shared);
    EXPECT_STREQ(L"height=\"20\"", window.GetClassDefaults(L"Button"));
    EXPECT_STREQ(L"height=\"20\"", other.GetClassDefaults(L"Button"));

    window.AddClassDefaults(L"Button", L"height=\"30\"");
    EXPECT_STREQ(L"height=\"30\"", window.GetClassDefaults(L"Button"));
    EXPECT_STREQ(L"height=\"20\"", other.GetClassDefaults(L"Button"));

    EXPECT_EQ(nullptr, window.GetClassDefaults(L"button"));

    window.AddClassDefaults(L"Label", nullptr);
    EXPECT_STREQ(L"", window.GetClassDefaults(L"Label"));
    window.AddClassDefaults(L"", L"x=\"1\"");
    window.AddClassDefaults(nullptr, L"x=\"1\"");
    EXPECT_EQ(nullptr, window.GetClassDefaults(L""));
    EXPECT_EQ(nullptr, window.GetClassDefaults(nullptr));

    window.SetSharedResources(true);
    window.AddClassDefaults(L"List", L"header=\"hidden\"");
    EXPECT_NE(nullptr, shared.defaultAttributeLists.Find(L"List"));

    window.RemoveAllDefaultAttributeList(false);
    EXPECT_EQ(nullptr, window.GetClassDefaults(L"Label"));
    EXPECT_STREQ(L"height=\"20\"", window.GetClassDefaults(L"Button"));
}

TEST_F(ResourceTables, ABorrowingWindowLooksInTheLenderBeforeTheShared) {
    window.SetDefaultSelectedColor(0xFF102030);
    window.AddFont(3, L"Arial", 30, false, false, false);
    window.AddClassDefaults(L"VScrollBar", L"width=\"9\"");
    CResourceTables popup(shared);
    popup.AddClassDefaults(L"Label", L"height=\"5\"", true);
    popup.BorrowFrom(&window);

    EXPECT_EQ(0xFF102030u, popup.GetDefaultSelectedColor());
    EXPECT_EQ(30, popup.GetFontInfo(3)->size);
    EXPECT_EQ(popup.GetFont(3), window.GetFont(3));
    EXPECT_STREQ(L"width=\"9\"", popup.GetClassDefaults(L"VScrollBar"));
    EXPECT_STREQ(L"height=\"5\"", popup.GetClassDefaults(L"Label")) << "then the shared block";
    popup.AddClassDefaults(L"VScrollBar", L"width=\"4\"");
    EXPECT_STREQ(L"width=\"4\"", popup.GetClassDefaults(L"VScrollBar")) << "its own first";

    // An image it loads outlives it in the lender's table.
    ImageEntry* image = popup.GetOrLoadImage(L"80FF0000", Render::kColorImageType);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(image, window.GetImage(L"80FF0000"));

    // A loop of lenders is refused.
    window.BorrowFrom(&popup);
    EXPECT_EQ(nullptr, window.GetClassDefaults(L"Missing"));

    popup.BorrowFrom(nullptr);
    EXPECT_EQ(popup.GetDefaultFontInfo(), popup.GetFontInfo(3));
    EXPECT_EQ(nullptr, popup.GetImage(L"80FF0000"));
}

TEST(ResourceTablesProcessWide, WindowsShareTheProcessBlock) {
    CResourceTables first;
    CResourceTables second;
    ASSERT_FALSE(first.GetDefaultFontInfo()->faceName.IsEmpty());
    EXPECT_EQ(first.GetDefaultFontInfo(), second.GetDefaultFontInfo());
    EXPECT_EQ(&SharedResourceBlock().defaultFont, first.GetDefaultFontInfo());
}
