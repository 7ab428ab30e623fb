#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/core/resources/UILanguageStrings.h"
#include "ui/core/resources/UIResourceTables.h"

using namespace SkinUI;

namespace {

class LanguageStrings : public ::testing::Test {
protected:
    std::wstring Expand(LPCWSTR text) {
        CUIString expanded(text);
        strings.ProcessLanguageTokens(expanded);
        return expanded.GetData();
    }

    CLanguageStrings strings;
};

}  // namespace

TEST_F(LanguageStrings, StoredByIdAndReplaced) {
    EXPECT_EQ(nullptr, strings.GetLanguageString(12));
    strings.AddLanguageString(12, L"Open the folder");
    EXPECT_STREQ(L"Open the folder", strings.GetLanguageString(12));
    strings.AddLanguageString(12, L"Copy the name");
    EXPECT_STREQ(L"Copy the name", strings.GetLanguageString(12));
    strings.AddLanguageString(0, nullptr);
    EXPECT_STREQ(L"", strings.GetLanguageString(0));
}

TEST_F(LanguageStrings, TokensOfKnownIdsAreReplacedEverywhere) {
    strings.AddLanguageString(12, L"twelve");
    strings.AddLanguageString(3, L"three");
    EXPECT_EQ(L"twelve", Expand(L"%{12}"));
    EXPECT_EQ(L"a twelve, b twelve.", Expand(L"a %{12}, b %{12}."));
    EXPECT_EQ(L"three-twelve", Expand(L"%{3}-%{12}"));
    EXPECT_EQ(L"twelve", Expand(L"%{012}"));
}

TEST_F(LanguageStrings, WhatIsNoKnownTokenStays) {
    strings.AddLanguageString(12, L"twelve");
    EXPECT_EQ(L"100% sure", Expand(L"100% sure"));
    EXPECT_EQ(L"50%", Expand(L"50%"));
    EXPECT_EQ(L"%12}", Expand(L"%12}"));
    EXPECT_EQ(L"%{99}", Expand(L"%{99}"));
    EXPECT_EQ(L"%{12", Expand(L"%{12"));
    EXPECT_EQ(L"%{1x}", Expand(L"%{1x}"));
    EXPECT_EQ(L"%{ 12}", Expand(L"%{ 12}"));
    EXPECT_EQ(L"%{99999999999}", Expand(L"%{99999999999}"));
    EXPECT_EQ(L"%%twelve", Expand(L"%%%{12}"));
    EXPECT_EQ(L"", Expand(L""));
}

TEST_F(LanguageStrings, EmptyBracesNameIdZero) {
    EXPECT_EQ(L"%{}", Expand(L"%{}"));
    strings.AddLanguageString(0, L"zero");
    EXPECT_EQ(L"[zero]", Expand(L"[%{}]"));
}

TEST_F(LanguageStrings, ReplacementTextsAreExpandedToo) {
    strings.AddLanguageString(1, L"see %{2}");
    strings.AddLanguageString(2, L"two");
    EXPECT_EQ(L"see two", Expand(L"%{1}"));
}

TEST_F(LanguageStrings, AStringHoldingItsOwnTokenStops) {
    strings.AddLanguageString(1, L"a%{1}");
    const std::wstring expected = std::wstring(CLanguageStrings::kMaxTokenReplacements, L'a') + L"%{1}";
    EXPECT_EQ(expected, Expand(L"%{1}"));

    // A string that doubles the text on every round stops at the length limit.
    strings.AddLanguageString(2, L"%{2}%{2}");
    const std::wstring doubled = Expand(L"%{2}");
    EXPECT_LE(doubled.size(), static_cast<size_t>(CLanguageStrings::kMaxExpandedLength));
    EXPECT_GT(doubled.size(), static_cast<size_t>(CLanguageStrings::kMaxExpandedLength / 2));
}

TEST(LanguageStringsProcessWide, ResourceTablesForwardToTheProcessTable) {
    CResourceTables::AddLanguageString(9650, L"tooltip text");
    EXPECT_STREQ(L"tooltip text", CResourceTables::GetLanguageString(9650));
    EXPECT_STREQ(L"tooltip text", ProcessLanguageStrings().GetLanguageString(9650));
    CUIString text(L"<%{9650}>");
    CResourceTables::ProcessLanguageTokens(text);
    EXPECT_STREQ(L"<tooltip text>", text);
}
