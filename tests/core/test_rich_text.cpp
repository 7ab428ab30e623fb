#include <gtest/gtest.h>

#include "tests/core/rich_text_fixture.h"
#include "ui/core/render/UIRichTextLayout.h"

using namespace SkinUI;

namespace {

const RECT kBox = {10, 5, 230, 115};

}  // namespace

TEST_F(RichTextTest, PlainTextIsDrawnAtTheTopLeftInItsColourAndMeasuredWithoutDrawing) {
    FontEntry* font = Font();
    EXPECT_EQ(0, Draw(L"Hello", kBox, 0, 0xFF0000FF));
    Expect(font, kBox.left, BottomAligned(font, kBox.top, Height(font)), L"Hello", 0xFF0000FF);
    EXPECT_TRUE(SameAsExpected());

    canvas.Fill(kBackground);
    const RECT measured = Measure(L"Hello", kBox);
    EXPECT_EQ(kBox.left + Width(font, L"Hello"), measured.right);
    EXPECT_EQ(kBox.top + Height(font), measured.bottom);
    EXPECT_EQ(kBox.left, measured.left);
    EXPECT_EQ(kBox.top, measured.top);
    EXPECT_EQ(0, Ink().right);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, GetClipRgn(canvas.Dc(), clip)) << "measuring leaves a DC without clip region without one";
    DeleteObject(clip);
}

TEST_F(RichTextTest, BoldAddsAVariantOnceUnderAFreshIdAndSwitchesBack) {
    FontEntry* font = Font();
    Draw(L"<b>Bold</b> plain", kBox);
    ASSERT_EQ(1u, host.addedIds.size());
    EXPECT_GE(host.addedIds[0], 30000);
    EXPECT_FALSE(host.addedShared[0]);
    FontEntry* bold = Added();
    EXPECT_TRUE(bold->bold);
    EXPECT_EQ(font->faceName, bold->faceName);
    EXPECT_EQ(font->size, bold->size);

    const int lineHeight = std::max(Height(font), Height(bold));
    int x = Expect(bold, kBox.left, BottomAligned(bold, kBox.top, lineHeight), L"Bold");
    Expect(font, x + Width(font, L" "), BottomAligned(font, kBox.top, lineHeight), L"plain");
    EXPECT_TRUE(SameAsExpected());

    // The variant is found the next time rather than added again.
    Draw(L"<b>again</b>", kBox);
    EXPECT_EQ(1u, host.addedIds.size());
}

TEST_F(RichTextTest, AStyleTheFontAlreadyHasStillPairsWithItsClosingTag) {
    Measure(L"<b>x</b>", kBox);
    FontEntry* bold = Added();
    const RECT measured = Measure(L"<b><b>x</b>y</b>z", kBox);
    EXPECT_EQ(kBox.left + Width(bold, L"xy") + Width(Font(), L"z"), measured.right);
    EXPECT_EQ(1u, host.addedIds.size());
}

TEST_F(RichTextTest, VariantsCombineUnderlineItalicAndFontsByIdOrName) {
    Measure(L"<u><i>x</i></u>", kBox);
    ASSERT_EQ(2u, host.addedIds.size());
    EXPECT_TRUE(Added()->underline);
    EXPECT_TRUE(Added()->italic);

    host.Define(7, FakeTextHost::kFace, 30);
    FontEntry* big = Font(7);
    const RECT byId = Measure(L"<f 7>Big</f>small", kBox);
    EXPECT_EQ(kBox.top + Height(big), byId.bottom);
    EXPECT_EQ(kBox.left + Width(big, L"Big") + Width(Font(), L"small"), byId.right);

    Measure(L"<f Arial 20 bold>x</f>", kBox);
    FontEntry* named = Added();
    EXPECT_EQ(L"Arial", std::wstring(named->faceName));
    EXPECT_EQ(20, named->size);
    EXPECT_TRUE(named->bold);
    EXPECT_FALSE(named->italic);
    const size_t added = host.addedIds.size();
    Measure(L"<f Arial 20 bold>x</f>", kBox);
    EXPECT_EQ(added, host.addedIds.size());
}

TEST_F(RichTextTest, VariantIdsSkipIdsTheWindowAlreadyUses) {
    const int next = RichText::NextVariantFontId();
    host.Define(next + 1, FakeTextHost::kFace, 9);
    Measure(L"<b>x</b>", kBox);
    ASSERT_EQ(1u, host.addedIds.size());
    EXPECT_EQ(next + 2, host.addedIds[0]);
    EXPECT_EQ(9, Font(next + 1)->size);
}

TEST_F(RichTextTest, AFontThatCannotBeMadeLeavesTheCurrentOne) {
    host.failAddFont = true;
    const RECT measured = Measure(L"<b>x</b>y<u>z</u>", kBox);
    EXPECT_EQ(kBox.left + Width(Font(), L"xyz"), measured.right);
}

TEST_F(RichTextTest, ClosingAnItalicRunLeavesHalfTheSpaceOverhang) {
    Measure(L"<i>x</i>", kBox);
    FontEntry* italic = Added();
    HGDIOBJ previous = SelectObject(expected.Dc(), italic->font);
    ABC space = {};
    ASSERT_TRUE(GetCharABCWidthsW(expected.Dc(), L' ', L' ', &space));
    SelectObject(expected.Dc(), previous);
    const RECT measured = Measure(L"<i>ab</i>c", kBox);
    EXPECT_EQ(kBox.left + Width(italic, L"ab") + space.abcC / 2 + Width(Font(), L"c"), measured.right);
}

TEST_F(RichTextTest, ColoursNestAndAnAlphaByteDoesNotTurnThemWhite) {
    FontEntry* font = Font();
    const int y = BottomAligned(font, kBox.top, Height(font));
    Draw(L"<c #FF0000>r<c 00FF00>g</c>r</c>k<c #FFFF0000>R</c>", kBox);
    int x = Expect(font, kBox.left, y, L"r", 0xFFFF0000);
    x = Expect(font, x, y, L"g", 0xFF00FF00);
    x = Expect(font, x, y, L"r", 0xFFFF0000);
    x = Expect(font, x, y, L"k");
    Expect(font, x, y, L"R", 0xFFFF0000);
    EXPECT_TRUE(SameAsExpected());
}

TEST_F(RichTextTest, SelectionPaintsTheSelectedColourBehindItsText) {
    FontEntry* font = Font();
    Draw(L"<s>ab</s>cd", kBox);
    const DWORD selected = host.selectedColor & 0xFFFFFF;
    const int split = kBox.left + Width(font, L"ab");
    EXPECT_EQ(selected, canvas.Rgb(kBox.left, kBox.top));
    EXPECT_EQ(selected, canvas.Rgb(split - 1, kBox.top + Height(font) - 1));
    EXPECT_EQ(kBackground, canvas.Rgb(split, kBox.top));
    EXPECT_EQ(kBackground, canvas.Rgb(split + Width(font, L"cd") - 1, kBox.top));
}

TEST_F(RichTextTest, EscapesRawTextUnknownTagsAndStrayClosingTags) {
    FontEntry* font = Font();
    const struct {
        LPCWSTR markup;
        LPCWSTR shown;
    } cases[] = {
        {L"<{>x<}>{<}b{>}", L"{x}<b>"},
        {L"<r><b>x</b>{n}</r>y", L"<b>x</b>{n}y"},
        {L"<q some args>ab<z>", L"ab"},
        {L"a < b {c", L"a < b {c"},
        {L"</b></c></a></f></i></u></p></v></x>x", L"x"},
    };
    for (const auto& c : cases) {
        const RECT measured = Measure(c.markup, kBox);
        EXPECT_EQ(kBox.left + Width(font, c.shown), measured.right) << c.markup;
        EXPECT_EQ(kBox.top + Height(font), measured.bottom) << c.markup;
        EXPECT_EQ(0, linkCount) << c.markup;
    }
    EXPECT_TRUE(host.addedIds.empty());

    Draw(L"</s></c>x", kBox);
    Expect(font, kBox.left, BottomAligned(font, kBox.top, Height(font)), L"x");
    EXPECT_TRUE(SameAsExpected());
}

TEST_F(RichTextTest, LanguageTokensAreExpandedFirst) {
    host.languageStrings[3] = L"World";
    EXPECT_EQ(kBox.left + Width(Font(), L"Hi World"), Measure(L"Hi %{3}", kBox).right);
}

TEST_F(RichTextTest, NoTextOrAnEmptyRectangleDrawsNothingAndReportsNoLinks) {
    RECT empty = {10, 10, 10, 50};
    EXPECT_EQ(0, Draw(nullptr, kBox));
    EXPECT_EQ(0, Draw(L"<a x>link</a>", empty));
    EXPECT_EQ(0, Ink().right);
}

TEST_F(RichTextTest, DrawingKeepsToItsRectangleAndPutsClipAndFontBack) {
    HGDIOBJ font = SelectObject(canvas.Dc(), GetStockObject(ANSI_VAR_FONT));
    const RECT narrow = {20, 20, 40, 60};
    Draw(L"a long line of text that does not fit<n>and a second", narrow, DT_SINGLELINE);
    const RECT ink = Ink();
    EXPECT_GT(ink.right, ink.left);
    EXPECT_GE(ink.left, narrow.left);
    EXPECT_LE(ink.right, narrow.right);
    EXPECT_LE(ink.bottom, narrow.bottom);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, GetClipRgn(canvas.Dc(), clip));
    EXPECT_EQ(GetStockObject(ANSI_VAR_FONT), GetCurrentObject(canvas.Dc(), OBJ_FONT));

    HRGN round = CreateRoundRectRgn(0, 0, 200, 100, 40, 40);
    SelectClipRgn(canvas.Dc(), round);
    Draw(L"x", narrow);
    Measure(L"x", narrow);
    ASSERT_EQ(1, GetClipRgn(canvas.Dc(), clip));
    EXPECT_TRUE(EqualRgn(clip, round));
    SelectClipRgn(canvas.Dc(), nullptr);
    DeleteObject(round);
    DeleteObject(clip);
    SelectObject(canvas.Dc(), font);
}
