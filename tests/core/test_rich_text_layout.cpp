#include <gtest/gtest.h>

#include "tests/core/image_holder.h"
#include "tests/core/rich_text_fixture.h"
#include "ui/core/gdi/UIRenderFill.h"

using namespace SkinUI;

namespace {

const RECT kBox = {10, 5, 230, 115};

}  // namespace

TEST_F(RichTextTest, LinkPieceCoversItsTextOverTheWholeLineInTheLinkColour) {
    FontEntry* font = Font();
    ASSERT_EQ(1, Draw(L"go <a home>home</a> now", kBox));
    FontEntry* underlined = Added();
    EXPECT_TRUE(underlined->underline);
    EXPECT_EQ(L"home", std::wstring(names[0]));
    const int start = kBox.left + Width(font, L"go ");
    const RECT expectedPiece = {start, kBox.top, start + Width(underlined, L"home"), kBox.top + Height(font)};
    EXPECT_TRUE(EqualRect(&expectedPiece, &links[0]));
    EXPECT_GT(CountRgb(host.linkColor & 0xFFFFFF), 0);
}

TEST_F(RichTextTest, LinkBrokenOverTwoLinesGivesTwoPiecesWithTheSameName) {
    Measure(L"<u>x</u>", kBox);
    FontEntry* underlined = Added();
    const RECT box = {10, 5, 10 + Width(underlined, L"alpha b"), 115};
    ASSERT_EQ(2, Draw(L"<a far>alpha beta</a>", box, DT_WORDBREAK));
    const int line = Height(underlined);
    const RECT first = {10, 5, 10 + Width(underlined, L"alpha "), 5 + line};
    const RECT second = {10, 5 + line, 10 + Width(underlined, L"beta"), 5 + 2 * line};
    EXPECT_TRUE(EqualRect(&first, &links[0]));
    EXPECT_TRUE(EqualRect(&second, &links[1]));
    EXPECT_EQ(L"far", std::wstring(names[0]));
    EXPECT_EQ(L"far", std::wstring(names[1]));
}

TEST_F(RichTextTest, TheLinkUnderTheMouseAtTheLastPaintTakesTheHoverColour) {
    const DWORD normal = host.linkColor & 0xFFFFFF;
    const DWORD hover = host.linkHoverColor & 0xFFFFFF;
    ASSERT_EQ(2, Draw(L"<a one>one</a> <a two>two</a>", kBox));
    host.mouse = POINT{links[1].left + 1, links[1].top + 1};
    canvas.Fill(kBackground);
    Draw(L"<a one>one</a> <a two>two</a>", kBox);
    EXPECT_GT(CountRgb(hover), 0);
    EXPECT_GT(CountRgb(normal), 0);
    EXPECT_LT(links[0].right, links[1].left);
    for (int y = links[0].top; y < links[0].bottom; ++y) {
        for (int x = links[0].left; x < links[0].right; ++x)
            ASSERT_NE(hover, canvas.Rgb(x, y));
    }

    host.mouse = POINT{-5, -5};
    canvas.Fill(kBackground);
    Draw(L"<a one>one</a> <a two>two</a>", kBox);
    EXPECT_EQ(0, CountRgb(hover));
}

TEST_F(RichTextTest, LinksBeyondTheCapacityAreCountedOut) {
    RECT rects[2] = {};
    CUIString linkNames[2] = {L"", L"untouched"};
    int count = 1;
    RECT box = kBox;
    Render::DrawRichText(canvas.Dc(), host, box, L"<a a>a</a><a b>b</a><a c>c</a>", kBlack, rects, linkNames, count, -1,
                         0);
    EXPECT_EQ(1, count);
    EXPECT_EQ(L"a", std::wstring(linkNames[0]));
    EXPECT_EQ(L"untouched", std::wstring(linkNames[1]));
    EXPECT_EQ(0, rects[1].right);
}

TEST_F(RichTextTest, LineBreaksParagraphSpacingAndSingleLine) {
    FontEntry* font = Font();
    const int line = Height(font);
    EXPECT_EQ(kBox.top + 2 * line, Measure(L"a<n>b", kBox).bottom);
    EXPECT_EQ(kBox.top + 2 * line, Measure(L"a\nb\n", kBox).bottom);
    EXPECT_EQ(kBox.top + line + 6 + line, Measure(L"<p>a</p><p 6>b</p>", kBox).bottom);
    EXPECT_EQ(kBox.top + 2 * line, Measure(L"a<p>b", kBox).bottom);
    const RECT single = Measure(L"a<n>b", kBox, DT_SINGLELINE);
    EXPECT_EQ(kBox.top + line, single.bottom);
    EXPECT_EQ(kBox.left + Width(font, L"ab"), single.right);

    // Drawing stops at the bottom: a hidden line reports no links.
    const RECT oneLine = {kBox.left, kBox.top, kBox.right, kBox.top + line};
    EXPECT_EQ(0, Draw(L"a<n><a x>b</a>", oneLine));
    EXPECT_EQ(1, Draw(L"a<n><a x>b</a>", kBox));
}

TEST_F(RichTextTest, PenAndLineHeightTags) {
    FontEntry* font = Font();
    const RECT moved = Measure(L"<x 20>a", kBox);
    EXPECT_EQ(kBox.left + 20 + Width(font, L"a"), moved.right);
    EXPECT_EQ(kBox.top + 30 + Height(font), Measure(L"<y 30>a<n>b", kBox).bottom);

    Draw(L"a<x 15>b", kBox);
    const int y = BottomAligned(font, kBox.top, Height(font));
    Expect(font, Expect(font, kBox.left, y, L"a") + 15, y, L"b");
    EXPECT_TRUE(SameAsExpected());
}

TEST_F(RichTextTest, ImageCellIsDrawnBottomAlignedAndRaisesTheLine) {
    ImageHolder image(MakeImage(8, 30, [](int x, int) { return x < 4 ? 0xFFFF0000 : 0xFF00FF00; }));
    host.images[L"pic"] = image.Get();
    FontEntry* font = Font();
    ASSERT_LT(Height(font), 30);

    const RECT measured = Measure(L"a<i pic 2 1>b", kBox);
    EXPECT_EQ(kBox.left + Width(font, L"ab") + 4, measured.right);
    EXPECT_EQ(kBox.top + 30, measured.bottom);
    EXPECT_EQ(L"pic|(file)", host.imageRequests.back());

    Draw(L"a<i pic 2 1>b", kBox);
    const int cell = Expect(font, kBox.left, BottomAligned(font, kBox.top, 30), L"a");
    const RECT green = {cell, kBox.top, cell + 4, kBox.top + 30};
    Render::DrawColor(expected.Dc(), green, 0xFF00FF00);
    Expect(font, cell + 4, BottomAligned(font, kBox.top, 30), L"b");
    EXPECT_TRUE(SameAsExpected());

    // Top alignment lifts the text, not the image.
    canvas.Fill(kBackground);
    expected.Fill(kBackground);
    Draw(L"<v top>a</v><i pic 2 1>", kBox);
    Expect(font, kBox.left, kBox.top, L"a");
    Render::DrawColor(expected.Dc(), green, 0xFF00FF00);
    EXPECT_TRUE(SameAsExpected());
}

TEST_F(RichTextTest, AnImageThatDoesNotFitGoesToTheNextLineAndAMissingOneIsSkipped) {
    ImageHolder image(MakeImage(20, 10, [](int, int) { return 0xFF00FF00; }));
    host.images[L"wide"] = image.Get();
    FontEntry* font = Font();
    const RECT box = {10, 5, 10 + Width(font, L"aa") + 10, 115};
    const RECT measured = Measure(L"aa<i wide>", box);
    EXPECT_EQ(5 + Height(font) + std::max(10, Height(font)), measured.bottom);

    EXPECT_EQ(kBox.left + Width(font, L"ab"), Measure(L"a<i missing 3 1>b", kBox).right);
}

TEST_F(RichTextTest, SingleLineTextIsPlacedByCentreRightVerticalCentreAndBottom) {
    FontEntry* font = Font();
    const RECT box = {20, 10, 220, 110};
    const int width = Width(font, L"Middle");
    const int height = Height(font);
    const struct {
        UINT style;
        int x;
        int y;
    } cases[] = {
        {DT_SINGLELINE | DT_CENTER, 20 + 100 - width / 2, 10},
        {DT_SINGLELINE | DT_RIGHT, 220 - width, 10},
        {DT_SINGLELINE | DT_VCENTER, 20, 10 + 50 - height / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 220 - width, 110 - height},
        {DT_VCENTER | DT_BOTTOM, 20, 10 + 50 - height / 2},
    };
    for (const auto& c : cases) {
        canvas.Fill(kBackground);
        expected.Fill(kBackground);
        RECT rect = box;
        linkCount = 0;
        Render::DrawRichText(canvas.Dc(), host, rect, L"Middle", kBlack, nullptr, nullptr, linkCount, -1, c.style);
        Expect(font, c.x, BottomAligned(font, c.y, height), L"Middle");
        EXPECT_TRUE(SameAsExpected()) << std::hex << c.style;
        EXPECT_TRUE(EqualRect(&rect, &box)) << "the caller's rectangle is left as it was";
    }
}

TEST_F(RichTextTest, CentredLinesAreCentredOneByOneAndTheirLinksWithThem) {
    FontEntry* font = Font();
    ASSERT_EQ(1, Draw(L"ab<n><a go>abcdef</a>", kBox, DT_CENTER));
    FontEntry* underlined = Added();
    const int width = kBox.right - kBox.left;
    const int line = Height(font);
    Expect(font, kBox.left + (width - Width(font, L"ab")) / 2, BottomAligned(font, kBox.top, line), L"ab");
    const int linkLeft = kBox.left + (width - Width(underlined, L"abcdef")) / 2;
    Expect(underlined, linkLeft, BottomAligned(underlined, kBox.top + line, line), L"abcdef", host.linkColor);
    EXPECT_TRUE(SameAsExpected());
    EXPECT_EQ(linkLeft, links[0].left);
    EXPECT_EQ(linkLeft + Width(underlined, L"abcdef"), links[0].right);
}

TEST_F(RichTextTest, WordBreakWrapsAfterSpacesAndMovesWholeWords) {
    FontEntry* font = Font();
    const int line = Height(font);
    const RECT box = {10, 5, 10 + Width(font, L"aaa bbb c"), 115};
    Draw(L"aaa bbb ccc", box, DT_WORDBREAK);
    Expect(font, 10, BottomAligned(font, 5, line), L"aaa bbb ");
    Expect(font, 10, BottomAligned(font, 5 + line, line), L"ccc");
    EXPECT_TRUE(SameAsExpected());

    // A word that cannot be split at a break of its own goes whole to the
    // next line after a space, and is split where there is no space.
    const auto redRows = [this](int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < 240; ++x)
                count += canvas.Rgb(x, y) == 0xFF0000 ? 1 : 0;
        }
        return count;
    };
    canvas.Fill(kBackground);
    Draw(L"aaa bbb <c #FF0000>cc</c>", box, DT_WORDBREAK);
    EXPECT_EQ(0, redRows(5, 5 + line));
    EXPECT_GT(redRows(5 + line, 5 + 2 * line), 0);
    canvas.Fill(kBackground);
    Draw(L"aaa bbb<c #FF0000>cc</c>", box, DT_WORDBREAK);
    EXPECT_GT(redRows(5, 5 + line), 0);
    EXPECT_GT(redRows(5 + line, 5 + 2 * line), 0);

    // Without word break the line is cut where the text stops fitting.
    const RECT cut = Measure(L"aaa bbb ccc", box);
    EXPECT_EQ(5 + 2 * line, cut.bottom);
    EXPECT_EQ(10 + Width(font, L"aaa bbb c"), cut.right);
}

TEST_F(RichTextTest, EndEllipsisShortensTheLineAndAddsThreeDots) {
    FontEntry* font = Font();
    LPCWSTR text = L"abcdefghijklmnop";
    const RECT box = {10, 5, 10 + Width(font, L"abcdefg") + 2, 40};
    Draw(text, box, DT_SINGLELINE | DT_END_ELLIPSIS);
    const int y = BottomAligned(font, 5, Height(font));
    IntersectClipRect(expected.Dc(), box.left, box.top, box.right, box.bottom);
    Expect(font, Expect(font, 10, y, L"abcde"), y, L"...");
    SelectClipRgn(expected.Dc(), nullptr);
    EXPECT_TRUE(SameAsExpected());
    EXPECT_EQ(box.right, Measure(text, box, DT_SINGLELINE | DT_END_ELLIPSIS).right);
}
