#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/core/resources/UIResourceTables.h"

using namespace SkinUI;

namespace {

LOGFONTW LogFontOf(HGDIOBJ font) {
    LOGFONTW logFont = {};
    ::GetObjectW(font, sizeof(logFont), &logFont);
    return logFont;
}

bool IsLiveFont(HFONT font) {
    return ::GetObjectType(font) == OBJ_FONT;
}

// Each test has a shared block of its own, so the process-wide one stays as
// the other tests expect it.
class ResourceFonts : public ::testing::Test {
protected:
    ResourceBlock shared;
    CResourceTables window{shared};
};

}  // namespace

TEST_F(ResourceFonts, FirstWindowSetsUpTheSharedDefaultFont) {
    const LOGFONTW stock = LogFontOf(::GetStockObject(DEFAULT_GUI_FONT));
    const FontEntry& entry = shared.defaultFont;
    EXPECT_STREQ(stock.lfFaceName, entry.faceName);
    EXPECT_EQ(-stock.lfHeight, entry.size);
    EXPECT_EQ(stock.lfWeight >= FW_BOLD, entry.bold);
    EXPECT_EQ(DEFAULT_CHARSET, LogFontOf(entry.font).lfCharSet);

    HFONT first = entry.font;
    CResourceTables second(shared);
    EXPECT_EQ(first, shared.defaultFont.font);
    EXPECT_EQ(&shared.defaultFont, second.GetDefaultFontInfo());
}

TEST_F(ResourceFonts, AddFontBuildsOnTheStockFont) {
    const LOGFONTW stock = LogFontOf(::GetStockObject(DEFAULT_GUI_FONT));
    const LOGFONTW plain = LogFontOf(window.AddFont(1, L"Arial", 14, false, false, false));
    EXPECT_STREQ(L"Arial", plain.lfFaceName);
    EXPECT_EQ(-14, plain.lfHeight);
    EXPECT_EQ(stock.lfWeight, plain.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, plain.lfCharSet);
    EXPECT_EQ(0, plain.lfUnderline | plain.lfItalic);

    const LOGFONTW styled = LogFontOf(window.AddFont(2, L"Arial", 14, true, true, true));
    EXPECT_EQ(stock.lfWeight + 700, styled.lfWeight);  // added, not assigned
    EXPECT_EQ(1, styled.lfUnderline);
    EXPECT_EQ(1, styled.lfItalic);
}

TEST_F(ResourceFonts, FaceNamesAreCutToWhatLogFontHolds) {
    const std::wstring exact(31, L'a');
    EXPECT_EQ(exact, LogFontOf(window.AddFont(1, exact.c_str(), 12, false, false, false)).lfFaceName);

    const std::wstring longName = std::wstring(31, L'b') + L"cdefghijk";
    HFONT font = window.AddFont(2, longName.c_str(), 12, false, false, false);
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(std::wstring(31, L'b'), LogFontOf(font).lfFaceName);
    // The table keeps the name as the skin wrote it, so the same request finds it.
    EXPECT_EQ(font, window.FindFont(longName.c_str(), 12, false, false, false));
}

TEST_F(ResourceFonts, AFaceNameIsNeverCutInsideASurrogatePair) {
    const std::wstring pair = L"\xD840\xDC0B";  // U+2000B, one character in two units
    const struct {
        std::wstring name;
        std::wstring kept;
    } cases[] = {
        {std::wstring(30, L'a') + pair, std::wstring(30, L'a')},  // the pair would end at unit 32
        {std::wstring(29, L'a') + pair + L"z", std::wstring(29, L'a') + pair},
        {std::wstring(30, L'a') + pair.substr(0, 1), std::wstring(30, L'a') + pair.substr(0, 1)},  // 31 units: whole
    };
    int id = 10;
    for (const auto& c : cases) {
        EXPECT_EQ(c.kept, LogFontOf(window.AddFont(id++, c.name.c_str(), 12, false, false, false)).lfFaceName);
    }
}

TEST_F(ResourceFonts, AddingAnIdAgainReplacesAndDestroysTheOldFont) {
    HFONT first = window.AddFont(3, L"Arial", 12, false, false, false);
    HFONT second = window.AddFont(3, L"Tahoma", 16, false, false, false);
    EXPECT_EQ(second, window.GetFont(3));
    EXPECT_STREQ(L"Tahoma", window.GetFontInfo(3)->faceName);
    EXPECT_FALSE(IsLiveFont(first));
}

TEST_F(ResourceFonts, LookupsTryTheWindowThenTheSharedThenTheDefault) {
    HFONT standard = window.GetDefaultFontInfo()->font;
    HFONT sharedFont = window.AddFont(4, L"Arial", 12, false, false, false, true);
    CResourceTables other(shared);
    EXPECT_EQ(sharedFont, other.GetFont(4));

    HFONT own = window.AddFont(4, L"Tahoma", 12, false, false, false);
    EXPECT_EQ(own, window.GetFont(4));
    EXPECT_EQ(own, window.GetFontInfo(own)->font);
    EXPECT_EQ(sharedFont, other.GetFont(4));
    EXPECT_EQ(sharedFont, window.GetFontInfo(sharedFont)->font);

    EXPECT_EQ(standard, window.GetFont(-1));
    EXPECT_EQ(standard, window.GetFont(5));
    EXPECT_EQ(window.GetDefaultFontInfo(), window.GetFontInfo(5));
    HFONT stranger = ::CreateFontW(-10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    EXPECT_EQ(window.GetDefaultFontInfo(), window.GetFontInfo(stranger));
    ::DeleteObject(stranger);

    window.RemoveAllFonts(false);
    EXPECT_FALSE(IsLiveFont(own));
    EXPECT_EQ(sharedFont, window.GetFont(4));
}

TEST_F(ResourceFonts, SharedModeSendsEveryAddToTheSharedBlock) {
    window.SetSharedResources(true);
    window.AddFont(2, L"Arial", 13, false, false, false);
    EXPECT_EQ(1, shared.fonts.GetSize());
    window.SetSharedResources(false);
    window.AddFont(3, L"Arial", 14, false, false, false);
    EXPECT_EQ(1, shared.fonts.GetSize());
}

TEST_F(ResourceFonts, FindFontNeedsAnExactMatch) {
    HFONT sharedFont = window.AddFont(1, L"Arial", 12, true, false, false, true);
    EXPECT_EQ(sharedFont, window.FindFont(L"Arial", 12, true, false, false));
    EXPECT_EQ(nullptr, window.FindFont(L"arial", 12, true, false, false));
    EXPECT_EQ(nullptr, window.FindFont(L"Arial", 13, true, false, false));
    EXPECT_EQ(nullptr, window.FindFont(L"Arial", 12, false, false, false));
    EXPECT_EQ(nullptr, window.FindFont(L"Arial", 12, true, true, false));
    EXPECT_EQ(nullptr, window.FindFont(L"Arial", 12, true, false, true));

    HFONT own = window.AddFont(2, L"Arial", 12, true, false, false);
    EXPECT_EQ(own, window.FindFont(L"Arial", 12, true, false, false));
}

TEST_F(ResourceFonts, MetricsAreMeasuredOnceAPaintDCIsKnown) {
    window.AddFont(1, L"Arial", 20, false, false, false);
    EXPECT_EQ(0, window.GetFontInfo(1)->textMetrics.tmHeight);

    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ before = ::GetCurrentObject(dc, OBJ_FONT);
    window.SetPaintDC(dc);
    EXPECT_GE(window.GetFontInfo(1)->textMetrics.tmHeight, 20);
    EXPECT_GT(window.GetDefaultFontInfo()->textMetrics.tmHeight, 0);
    EXPECT_EQ(before, ::GetCurrentObject(dc, OBJ_FONT));

    // A font added while a paint DC is known is measured before any look-up.
    window.AddFont(2, L"Arial", 30, false, false, false, true);
    const auto* added = static_cast<FontEntry*>(shared.fonts.Find(L"2"));
    ASSERT_NE(nullptr, added);
    EXPECT_GE(added->textMetrics.tmHeight, 30);
    ::DeleteDC(dc);
}

TEST_F(ResourceFonts, DefaultFontOfTheWindowOrOfAll) {
    FontEntry* sharedDefault = window.GetDefaultFontInfo();
    HFONT oldShared = sharedDefault->font;

    window.SetDefaultFont(L"Tahoma", 18, true, false, false);
    FontEntry* own = window.GetDefaultFontInfo();
    EXPECT_NE(sharedDefault, own);
    EXPECT_STREQ(L"Tahoma", own->faceName);
    EXPECT_EQ(18, own->size);
    EXPECT_EQ(own->font, window.GetFont(-1));

    CResourceTables other(shared);
    other.SetDefaultFont(L"Arial", 11, false, false, true, true);
    EXPECT_EQ(sharedDefault, other.GetDefaultFontInfo());
    EXPECT_STREQ(L"Arial", sharedDefault->faceName);
    EXPECT_TRUE(sharedDefault->italic);
    EXPECT_FALSE(IsLiveFont(oldShared));
    EXPECT_EQ(own, window.GetDefaultFontInfo());

    // An empty face name would mark the block as never set up.
    HFONT current = sharedDefault->font;
    other.SetDefaultFont(L"", 30, false, false, false, true);
    EXPECT_STREQ(L"Arial", sharedDefault->faceName);
    EXPECT_TRUE(IsLiveFont(current));
}
