#include <gtest/gtest.h>

#include "ui/controls/UIScrollBar.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui_test_window.h"

using SkinUI::CContainerUI;
using SkinUI::CControlUI;

namespace {

struct IntListCase {
    const wchar_t* text;
    int expected[4];
    int present;
};

class IntListParsing : public ::testing::TestWithParam<IntListCase> {};

TEST_P(IntListParsing, ReadsEachNumberAndNeverPassesTheEnd) {
    const IntListCase& c = GetParam();
    int values[4] = {-7, -7, -7, -7};
    EXPECT_EQ(SkinUI::ParseIntList(c.text, values, 4), c.present);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(values[i], c.expected[i]) << "number " << i << " of \"" << c.text << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ValueParse, IntListParsing,
    ::testing::Values(IntListCase{L"554,0,0,4", {554, 0, 0, 4}, 4},
                      IntListCase{L"2", {2, 0, 0, 0}, 1},  // missing numbers become 0
                      IntListCase{L"10,20", {10, 20, 0, 0}, 2},
                      IntListCase{L"10,20,", {10, 20, 0, 0}, 2},  // a trailing separator ends the list
                      IntListCase{L"", {0, 0, 0, 0}, 0},
                      IntListCase{L"-3;-4 5x6", {-3, -4, 5, 6}, 4},  // any one character separates
                      IntListCase{L"1,2,3,4,5", {1, 2, 3, 4}, 4},
                      IntListCase{L"a,5", {0, 0, 5, 0}, 3}));  // a non-number reads as 0 and is skipped over

TEST(ValueParse, DecimalListReadsFractionsAndZeroesTheRest) {
    double values[4] = {9, 9, 9, 9};
    SkinUI::ParseDoubleList(L"0.5,0.25", values, 4);
    EXPECT_DOUBLE_EQ(values[0], 0.5);
    EXPECT_DOUBLE_EQ(values[1], 0.25);
    EXPECT_DOUBLE_EQ(values[2], 0.0);
    EXPECT_DOUBLE_EQ(values[3], 0.0);
}

TEST(ValueParse, ColoursWithAndWithoutLeadingBlanks) {
    EXPECT_EQ(SkinUI::ParseColor(L"#FF3CC9EF"), 0xFF3CC9EFu);
    EXPECT_EQ(SkinUI::ParseColor(L"0xFFC3C3C3"), 0xFFC3C3C3u);
    EXPECT_EQ(SkinUI::ParseColor(L"FF112233"), 0xFF112233u);
    // Only a leading "#" right at the start is skipped unless blanks are skipped first.
    EXPECT_EQ(SkinUI::ParseColor(L" #FF000000"), 0u);
    EXPECT_EQ(SkinUI::ParseColor(L" #FF000000", true), 0xFF000000u);
    EXPECT_EQ(SkinUI::ParseColor(L"\t\r\n #80102030", true), 0x80102030u);
    EXPECT_EQ(SkinUI::ParseColor(L""), 0u);
    EXPECT_EQ(SkinUI::ParseColor(nullptr, true), 0u);
}

TEST(ValueParse, BooleansAreTrueOnlyForExactTrue) {
    EXPECT_TRUE(SkinUI::ParseBool(L"true"));
    EXPECT_FALSE(SkinUI::ParseBool(L"True"));
    EXPECT_FALSE(SkinUI::ParseBool(L"TRUE"));
    EXPECT_FALSE(SkinUI::ParseBool(L"1"));
    EXPECT_FALSE(SkinUI::ParseBool(L"true "));
    EXPECT_FALSE(SkinUI::ParseBool(nullptr));
}

TEST(ControlAttributes, PosSetsOffsetAndOnlyNonNegativeSizes) {
    CControlUI control;
    control.SetAttribute(L"width", L"7");
    control.SetAttribute(L"height", L"9");
    control.SetAttribute(L"pos", L"32,68,0,0");
    EXPECT_EQ(control.GetFixedXY().cx, 32);
    EXPECT_EQ(control.GetFixedXY().cy, 68);
    EXPECT_EQ(control.GetFixedWidth(), 7);
    EXPECT_EQ(control.GetFixedHeight(), 9);

    control.SetAttribute(L"pos", L"10,20,60,25");
    EXPECT_EQ(control.GetFixedWidth(), 50);
    EXPECT_EQ(control.GetFixedHeight(), 5);

    // Missing numbers read as 0, so both differences are negative here.
    control.SetAttribute(L"pos", L"10,20");
    EXPECT_EQ(control.GetFixedXY().cx, 10);
    EXPECT_EQ(control.GetFixedXY().cy, 20);
    EXPECT_EQ(control.GetFixedWidth(), 50);
    EXPECT_EQ(control.GetFixedHeight(), 5);
}

TEST(ControlAttributes, NamesMatchExactlyAndUnknownOnesAreKeptFirstValueFirst) {
    CControlUI control;
    control.SetAttribute(L"Name", L"upper");
    EXPECT_TRUE(control.GetName().IsEmpty());
    EXPECT_STREQ(control.GetCustomAttribute(L"Name"), L"upper");

    control.SetAttribute(L"name", L"lower");
    EXPECT_STREQ(control.GetName(), L"lower");

    control.SetAttribute(L"flavour", L"first");
    control.SetAttribute(L"flavour", L"second");
    EXPECT_STREQ(control.GetCustomAttribute(L"flavour"), L"first");
    control.SetAttribute(L"empty", L"");
    EXPECT_EQ(control.GetCustomAttribute(L"empty"), nullptr);

    control.RemoveAllCustomAttribute();
    EXPECT_EQ(control.GetCustomAttribute(L"flavour"), nullptr);
}

TEST(ControlAttributes, BooleansAreTrueOnlyForTheExactValue) {
    CControlUI control;
    control.SetAttribute(L"enabled", L"True");
    EXPECT_FALSE(control.IsEnabled());
    control.SetAttribute(L"enabled", L"true");
    EXPECT_TRUE(control.IsEnabled());
    control.SetAttribute(L"mouse", L"yes");
    EXPECT_FALSE(control.IsMouseEnabled());
    control.SetAttribute(L"keyboard", L"false");
    EXPECT_FALSE(control.IsKeyboardEnabled());
    control.SetAttribute(L"visible", L"0");
    EXPECT_FALSE(control.IsVisible());
    control.SetAttribute(L"menu", L"true");
    EXPECT_TRUE(control.IsContextMenuUsed());
    control.SetAttribute(L"colorhsl", L"true");
    EXPECT_TRUE(control.IsColorHSL());
}

TEST(ControlAttributes, BackgroundColoursSkipLeadingBlanksButBorderColoursDoNot) {
    CControlUI control;
    control.SetAttribute(L"bkcolor", L" #FF000000");
    EXPECT_EQ(control.GetBkColor(), 0xFF000000u);
    control.SetAttribute(L"bkcolor1", L"#FF010203");
    EXPECT_EQ(control.GetBkColor(), 0xFF010203u);
    control.SetAttribute(L"bkcolor2", L"\t0xFF445566");
    EXPECT_EQ(control.GetBkColor2(), 0xFF445566u);
    control.SetAttribute(L"bkcolor3", L"  #80FFFFFF");
    EXPECT_EQ(control.GetBkColor3(), 0x80FFFFFFu);

    control.SetAttribute(L"bordercolor", L" #FF000000");
    EXPECT_EQ(control.GetBorderColor(), 0u);
    control.SetAttribute(L"bordercolor", L"#FFC3C3C3");
    EXPECT_EQ(control.GetBorderColor(), 0xFFC3C3C3u);
    control.SetAttribute(L"focusbordercolor", L" #FF0000FF");
    EXPECT_EQ(control.GetFocusBorderColor(), 0u);
    control.SetAttribute(L"focusbordercolor", L"0xFF0000FF");
    EXPECT_EQ(control.GetFocusBorderColor(), 0xFF0000FFu);
}

TEST(ControlAttributes, BorderSizeIsOneOrFourWidthsAndRoundIsAPair) {
    CControlUI control;
    control.SetAttribute(L"bordersize", L"3");
    EXPECT_TRUE(control.GetBorderSize() == (RECT{3, 3, 3, 3}));
    control.SetAttribute(L"bordersize", L"0,0,0,1");
    EXPECT_TRUE(control.GetBorderSize() == (RECT{0, 0, 0, 1}));
    control.SetAttribute(L"bordersize", L"1,2");
    EXPECT_TRUE(control.GetBorderSize() == (RECT{1, 2, 0, 0}));
    control.SetAttribute(L"borderround", L"6,4");
    EXPECT_EQ(control.GetBorderRound().cx, 6);
    EXPECT_EQ(control.GetBorderRound().cy, 4);
    control.SetAttribute(L"borderround", L"5");
    EXPECT_EQ(control.GetBorderRound().cx, 5);
    EXPECT_EQ(control.GetBorderRound().cy, 0);
    control.SetAttribute(L"borderstyle", L"2");
    EXPECT_EQ(control.GetBorderStyle(), 2);
}

TEST(ControlAttributes, FloatTakesABooleanOrFourFractions) {
    CControlUI control;
    control.SetAttribute(L"float", L"0.5,0,0.5,0");
    EXPECT_TRUE(control.IsFloat());
    const SkinUI::FloatPercent percent = control.GetFloatPercent();
    EXPECT_DOUBLE_EQ(percent.left, 0.5);
    EXPECT_DOUBLE_EQ(percent.top, 0.0);
    EXPECT_DOUBLE_EQ(percent.right, 0.5);
    EXPECT_DOUBLE_EQ(percent.bottom, 0.0);

    control.SetAttribute(L"float", L"false");
    EXPECT_FALSE(control.IsFloat());
    control.SetAttribute(L"float", L"0.25,");  // the rest of the list reads as 0
    EXPECT_TRUE(control.IsFloat());
    EXPECT_DOUBLE_EQ(control.GetFloatPercent().left, 0.25);
    EXPECT_DOUBLE_EQ(control.GetFloatPercent().right, 0.0);
}

TEST(ControlAttributes, TextualAndNumericValues) {
    CControlUI control;
    control.SetAttribute(L"tooltip", L"a<n>b<n>");
    EXPECT_STREQ(control.GetToolTip(), L"a\r\nb\r\n");
    control.SetAttribute(L"shortcut", L"Quit");
    EXPECT_EQ(control.GetShortcut(), L'Q');
    control.SetAttribute(L"shortcut", L"");
    EXPECT_EQ(control.GetShortcut(), L'\0');
    control.SetAttribute(L"tag", L"42abc");
    EXPECT_EQ(control.GetTag(), 42u);
    control.SetAttribute(L"userdata", L"C:\\fonts\\a.ttf");
    EXPECT_STREQ(control.GetUserData(), L"C:\\fonts\\a.ttf");
    control.SetAttribute(L"text", L"hello");
    EXPECT_STREQ(control.GetText(), L"hello");
    control.SetAttribute(L"minwidth", L"30");
    control.SetAttribute(L"maxwidth", L"20");
    EXPECT_EQ(control.GetMaxWidth(), 30);  // never below the minimum
    control.SetAttribute(L"minheight", L"-5");
    EXPECT_EQ(control.GetMinHeight(), 0);
    control.SetAttribute(L"maxheight", L"70");
    EXPECT_EQ(control.GetMaxHeight(), 70);
    control.SetAttribute(L"padding", L"1,2,3");
    EXPECT_TRUE(control.GetPadding() == (RECT{1, 2, 3, 0}));
}

struct AttributeListCase {
    const wchar_t* list;
    const wchar_t* expectedName;
    const wchar_t* expectedText;
    const wchar_t* strayName;  // a custom attribute the list leaves behind, or null
    const wchar_t* strayValue;
};

class AttributeLists : public ::testing::TestWithParam<AttributeListCase> {};

TEST_P(AttributeLists, AppliesPairsUntilTheFormBreaks) {
    const AttributeListCase& c = GetParam();
    CControlUI control;
    control.SetAttributeList(c.list);
    EXPECT_STREQ(control.GetName(), c.expectedName);
    EXPECT_STREQ(control.GetText(), c.expectedText);
    if (c.strayName != nullptr) {
        EXPECT_STREQ(control.GetCustomAttribute(c.strayName), c.strayValue);
    }
}

INSTANTIATE_TEST_SUITE_P(ControlAttributes, AttributeLists,
                         ::testing::Values(AttributeListCase{L"name=\"a\" text=\"b\"", L"a", L"b", nullptr, nullptr},
                                           AttributeListCase{L"name=\"a\" text=\"b\" ", L"a", L"b", nullptr, nullptr},
                                           // Two spaces: the second starts the next name.
                                           AttributeListCase{L"name=\"a\"  text=\"b\"", L"a", L"", L" text", L"b"},
                                           // No space after the closing quote ends the list.
                                           AttributeListCase{L"name=\"a\"text=\"b\"", L"a", L"", nullptr, nullptr},
                                           // A value without its closing quote is not applied.
                                           AttributeListCase{L"name=\"a\" text=\"b", L"a", L"", nullptr, nullptr},
                                           // "=" must be followed by a double quote.
                                           AttributeListCase{L"name='a' text=\"b\"", L"", L"", nullptr, nullptr},
                                           AttributeListCase{L"name", L"", L"", nullptr, nullptr},
                                           AttributeListCase{L"", L"", L"", nullptr, nullptr},
                                           // A later value of the same name wins.
                                           AttributeListCase{L"text=\"x\" text=\"y\" name=\"n\"", L"n", L"y", nullptr,
                                                             nullptr}));

TEST(ControlAttributes, ContainerAttributesComeFirstAndFallBackToTheBase) {
    CContainerUI container;
    container.SetAttribute(L"inset", L"1,2,3,4");
    EXPECT_TRUE(container.GetInset() == (RECT{1, 2, 3, 4}));
    container.SetAttribute(L"childpadding", L"-4");
    EXPECT_EQ(container.GetChildPadding(), 0);
    container.SetAttribute(L"childpadding", L"6");
    EXPECT_EQ(container.GetChildPadding(), 6);
    container.SetAttribute(L"childalign", L"right");
    EXPECT_EQ(container.GetChildAlign(), static_cast<UINT>(DT_RIGHT));
    container.SetAttribute(L"childalign", L"middle");
    EXPECT_EQ(container.GetChildAlign(), static_cast<UINT>(DT_RIGHT));
    container.SetAttribute(L"childalign", L"center");
    EXPECT_EQ(container.GetChildAlign(), static_cast<UINT>(DT_CENTER));
    container.SetAttribute(L"childvalign", L"bottom");
    EXPECT_EQ(container.GetChildVAlign(), static_cast<UINT>(DT_BOTTOM));
    container.SetAttribute(L"childvalign", L"center");
    EXPECT_EQ(container.GetChildVAlign(), static_cast<UINT>(DT_BOTTOM));
    container.SetAttribute(L"mousechild", L"false");
    EXPECT_FALSE(container.IsMouseChildEnabled());
    container.SetAttribute(L"width", L"120");
    EXPECT_EQ(container.GetFixedWidth(), 120);
}

TEST(ControlAttributes, ScrollBarAttributesCreateAndStyleTheBars) {
    CContainerUI container;
    container.SetAttribute(L"vscrollbar", L"true");
    ASSERT_NE(container.GetVerticalScrollBar(), nullptr);
    EXPECT_EQ(container.GetHorizontalScrollBar(), nullptr);
    container.SetAttribute(L"hscrollbarstyle", L"linesize=\"20\" height=\"12\"");
    ASSERT_NE(container.GetHorizontalScrollBar(), nullptr);
    EXPECT_NE(container.GetVerticalScrollBar(), nullptr);
    EXPECT_EQ(container.GetHorizontalScrollBar()->GetLineSize(), 20);
    EXPECT_EQ(container.GetHorizontalScrollBar()->GetFixedHeight(), 12);
    container.SetAttribute(L"vscrollbar", L"false");
    EXPECT_EQ(container.GetVerticalScrollBar(), nullptr);
    EXPECT_NE(container.GetHorizontalScrollBar(), nullptr);
}

TEST(ControlAttributes, ScrollBarsTakeTheManagersClassDefaults) {
    WindowedManager windowed;
    windowed.manager.AddClassDefaults(L"VScrollBar", L"width=\"9\" linesize=\"30\"");
    auto* container = new CContainerUI;
    windowed.manager.AttachRoot(container);
    container->EnableScrollBar(true, true);
    EXPECT_EQ(container->GetVerticalScrollBar()->GetFixedWidth(), 9);
    EXPECT_EQ(container->GetVerticalScrollBar()->GetLineSize(), 30);
    EXPECT_EQ(container->GetHorizontalScrollBar()->GetFixedHeight(), 16);
    EXPECT_TRUE(container->GetHorizontalScrollBar()->IsHorizontal());
}

}  // namespace
