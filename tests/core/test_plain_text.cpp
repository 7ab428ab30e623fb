#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/paint_canvas.h"
#include "tests/core/text_host.h"
#include "ui/core/render/UIPlainText.h"

using namespace SkinUI;

namespace {

const DWORD kBackground = 0x00FFFFFF;

SIZE Extent(HDC dc, HFONT font, LPCWSTR text) {
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    SelectObject(dc, previous);
    return size;
}

}  // namespace

TEST(PlainText, DrawsInTheColourAndFontOfTheHostOverATransparentBackground) {
    FakeTextHost host;
    host.Define(4, FakeTextHost::kFace, 20, true);
    PaintCanvas canvas(200, 40, kBackground);
    PaintCanvas expected(200, 40, kBackground);
    SetBkMode(canvas.Dc(), OPAQUE);
    HGDIOBJ before = SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT));

    RECT rect = {5, 5, 195, 35};
    Render::DrawPlainText(canvas.Dc(), host, rect, L"Quillet", 0x80FF0000, 4, DT_SINGLELINE);
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), GetCurrentObject(canvas.Dc(), OBJ_FONT));
    EXPECT_EQ(TRANSPARENT, GetBkMode(canvas.Dc()));

    SelectObject(expected.Dc(), host.GetFontInfo(4)->font);
    SetBkMode(expected.Dc(), TRANSPARENT);
    SetTextColor(expected.Dc(), RGB(255, 0, 0));
    RECT same = {5, 5, 195, 35};
    DrawTextW(expected.Dc(), L"Quillet", -1, &same, DT_SINGLELINE);
    EXPECT_EQ(expected.Snapshot(), canvas.Snapshot());
    SelectObject(canvas.Dc(), before);
}

TEST(PlainText, ExpandsLanguageTokensIgnoresPrefixesAndMeasuresWithCalcRect) {
    FakeTextHost host;
    host.languageStrings[12] = L"Fonts";
    PaintCanvas canvas(200, 40, kBackground);
    RECT rect = {0, 0, 200, 40};
    Render::DrawPlainText(canvas.Dc(), host, rect, L"&%{12}", 0xFF000000, -1, DT_CALCRECT | DT_SINGLELINE);
    const SIZE size = Extent(canvas.Dc(), host.Default()->font, L"&Fonts");
    EXPECT_EQ(size.cx, rect.right);
    EXPECT_EQ(size.cy, rect.bottom);
    EXPECT_EQ(canvas.Snapshot(), PaintCanvas(200, 40, kBackground).Snapshot());

    RECT untouched = {1, 2, 3, 4};
    Render::DrawPlainText(canvas.Dc(), host, untouched, nullptr, 0xFF000000, -1, DT_CALCRECT);
    EXPECT_EQ(3, untouched.right);
    EXPECT_EQ(4, untouched.bottom);
}
