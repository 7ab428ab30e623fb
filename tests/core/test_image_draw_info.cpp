#include <gtest/gtest.h>

#include <windows.h>

#include "ui/core/resources/UIImageDecode.h"
#include "ui/core/resources/UIImageDrawInfo.h"

using namespace SkinUI;

namespace {

struct Parsed {
    ImageDrawInfo info;
    ImageSourceRequest request;
};

Parsed Parse(LPCWSTR text) {
    Parsed parsed;
    ParseImageAttributes(text, &parsed.info, &parsed.request);
    return parsed;
}

::testing::AssertionResult RectIs(const RECT& rect, LONG left, LONG top, LONG right, LONG bottom) {
    if (rect.left == left && rect.top == top && rect.right == right && rect.bottom == bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
}

}  // namespace

TEST(ImageAttributes, BareNameIsAFileNamedByTheWholeText) {
    Parsed parsed = Parse(L"skin\\my button.png");
    EXPECT_EQ(parsed.request.name, L"skin\\my button.png");
    EXPECT_EQ(nullptr, parsed.request.LoadType());
    EXPECT_EQ(255, parsed.info.fade);
}

TEST(ImageAttributes, EveryKeyOfAFullString) {
    Parsed parsed = Parse(
        L"file='bk.png' dest='1,2,30,40' source='0,0,16,8' corner='3,4,5,6' mask='#FFFF00FF' "
        L"fade='128' hole='true' xtiled='true' ytiled='true' hsl='true'");
    EXPECT_EQ(parsed.request.name, L"bk.png");
    EXPECT_EQ(nullptr, parsed.request.LoadType());
    EXPECT_TRUE(RectIs(parsed.info.dest, 1, 2, 30, 40));
    EXPECT_TRUE(RectIs(parsed.info.source, 0, 0, 16, 8));
    EXPECT_TRUE(RectIs(parsed.info.corner, 3, 4, 5, 6));
    EXPECT_EQ(0xFFFF00FFu, parsed.request.mask);
    EXPECT_EQ(128, parsed.info.fade);
    EXPECT_TRUE(parsed.info.hole && parsed.info.xTiled && parsed.info.yTiled && parsed.request.keepOriginal);

    Parsed scale9 = Parse(L"scale9='7,8,9,10' dest='10,20' fade='300' mask='FF00FF00'");
    EXPECT_TRUE(RectIs(scale9.info.corner, 7, 8, 9, 10));
    EXPECT_TRUE(RectIs(scale9.info.dest, 10, 20, 0, 0));
    EXPECT_EQ(44, scale9.info.fade);  // low 8 bits of 300
    EXPECT_EQ(0xFF00FF00u, scale9.request.mask);
}

TEST(ImageAttributes, ResourceAndColourSourcesPassTheirType) {
    Parsed upper = Parse(L"res='118' restype='PNG' corner='5,5,5,5'");
    EXPECT_EQ(upper.request.name, L"118");
    EXPECT_STREQ(L"PNG", upper.request.LoadType());
    EXPECT_TRUE(RectIs(upper.info.corner, 5, 5, 5, 5));
    // The case of the type is kept; resource lookup ignores it.
    EXPECT_STREQ(L"png", Parse(L"res='logo' restype='png'").request.LoadType());
    // A type without "res" is not passed on: the name is still a file.
    EXPECT_EQ(nullptr, Parse(L"file='a.png' restype='PNG'").request.LoadType());

    Parsed color = Parse(L"color='#80FF0000'");
    EXPECT_EQ(color.request.name, L"#80FF0000");
    EXPECT_STREQ(Render::kColorImageType, color.request.LoadType());
}

TEST(ImageAttributes, KeysAndBooleansMatchExactly) {
    EXPECT_FALSE(Parse(L"hole='TRUE'").info.hole);
    EXPECT_FALSE(Parse(L"xtiled='1'").info.xTiled);
    EXPECT_EQ(Parse(L"File='x.png'").request.name, L"File='x.png'");
    EXPECT_EQ(255, Parse(L"Fade='5' opacity='9'").info.fade);
}

TEST(ImageAttributes, LaterItemsOverrideEmptyValuesAreIgnoredSpacesAreAllowed) {
    Parsed parsed = Parse(L"  file = 'a.png'    file='' fade ='10' fade='20'");
    EXPECT_EQ(parsed.request.name, L"a.png");
    EXPECT_EQ(20, parsed.info.fade);
}

TEST(ImageAttributes, StopsAtTheFirstMalformedItemKeepingWhatCameBefore) {
    // Unquoted value: nothing was read, so the name is the whole text.
    Parsed unquoted = Parse(L"dest=1,2,3,4");
    EXPECT_EQ(unquoted.request.name, L"dest=1,2,3,4");
    EXPECT_TRUE(RectIs(unquoted.info.dest, 0, 0, 0, 0));

    Parsed later = Parse(L"file='a.png' fade='9' dest=1,2,3,4 hole='true'");
    EXPECT_EQ(later.request.name, L"a.png");
    EXPECT_EQ(9, later.info.fade);
    EXPECT_FALSE(later.info.hole);

    // After a closing quote only a plain space leads on.
    Parsed tab = Parse(L"file='a.png'\tfade='9'");
    EXPECT_EQ(tab.request.name, L"a.png");
    EXPECT_EQ(255, tab.info.fade);
    EXPECT_EQ(255, Parse(L"file='a.png'fade='9'").info.fade);

    Parsed unterminated = Parse(L"fade='9' file='a.png");
    EXPECT_EQ(9, unterminated.info.fade);
    EXPECT_EQ(unterminated.request.name, L"fade='9' file='a.png");
    EXPECT_EQ(255, Parse(L"fade '9'").info.fade);
}

TEST(ImageAttributes, OnlyTheRequestStartsAfresh) {
    Parsed parsed;
    parsed.info.fade = 17;
    parsed.request.mask = 5;
    ParseImageAttributes(L"file='a.png'", &parsed.info, &parsed.request);
    EXPECT_EQ(17, parsed.info.fade);
    EXPECT_EQ(0u, parsed.request.mask);
    ParseImageAttributes(nullptr, &parsed.info, &parsed.request);
    EXPECT_TRUE(parsed.request.name.IsEmpty());
}
