// Display scaling: a skin written in 96-DPI units laid out, measured, drawn
// and hit at 144 DPI; images drawn from their double-size variants; a window
// that moves from 96 to 144 DPI.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_test_support.h"
#include "paint_canvas.h"
#include "png_encode.h"
#include "temp_folder.h"
#include "ui/core/render/UIScaledImage.h"

using namespace SkinUI;

namespace {

constexpr wchar_t kSkin[] =
    LR"(<Window>
  <Font id="0" name="Arial" size="12"/>
  <VerticalLayout inset="4,4,4,4" childpadding="2">
    <HorizontalLayout name="bar" height="20" childpadding="6">
      <Button name="one" width="40" padding="2,0,0,0"/>
      <Button name="two" width="60"/>
    </HorizontalLayout>
    <List name="list" height="200">
      <ListHeader height="24"><ListHeaderItem width="50"/><ListHeaderItem width="33"/><ListHeaderItem width="77"/></ListHeader>
      <ListContainerElement height="25"/><ListContainerElement height="25"/><ListContainerElement height="25"/>
    </List>
  </VerticalLayout>
</Window>)";

RECT PosOf(SkinnedTree& tree, LPCWSTR name) {
    return tree.manager().FindControlByName(name)->GetPos();
}

RECT TimesOneAndAHalf(const RECT& rect) {
    return RECT{rect.left * 3 / 2, rect.top * 3 / 2, rect.right * 3 / 2, rect.bottom * 3 / 2};
}

// Neighbouring parts meet exactly: each starts where the one before it ends.
void ExpectContiguous(const IContainerUI& parts, bool vertical) {
    for (int index = 1; index < parts.GetCount(); ++index) {
        const RECT& before = parts.GetItemAt(index - 1)->GetPos();
        const RECT& after = parts.GetItemAt(index)->GetPos();
        EXPECT_EQ(vertical ? before.bottom : before.right, vertical ? after.top : after.left) << index;
    }
}

// A square picture with a frame a sixth of its side wide around a blue middle.
std::wstring WriteFramedPng(const TempFolder& folder, const wchar_t* name, int side, unsigned char frameRed,
                            unsigned char frameGreen) {
    std::vector<unsigned char> pixels;
    const int border = side / 6;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool inFrame = x < border || y < border || x >= side - border || y >= side - border;
            pixels.insert(pixels.end(), {inFrame ? frameRed : static_cast<unsigned char>(0),
                                         inFrame ? frameGreen : static_cast<unsigned char>(0),
                                         inFrame ? static_cast<unsigned char>(0) : static_cast<unsigned char>(255)});
        }
    }
    const pngtest::Bytes png = pngtest::EncodePng(pixels, side, side, 3);
    return folder.Write(name, png.data(), png.size());
}

}  // namespace

TEST(DpiScaling, ASkinAt144DpiIsOneAndAHalfTimesAsLargeWithoutGaps) {
    SkinnedTree normal(kSkin);
    SkinnedTree scaled(kSkin, 144);
    for (LPCWSTR name : {L"one", L"two"}) {
        EXPECT_EQ(TimesOneAndAHalf(PosOf(normal, name)), PosOf(scaled, name)) << name;
    }
    auto* list = scaled.List(L"list");
    auto& header = *static_cast<IContainerUI*>(list->GetHeader());
    ExpectContiguous(header, false);
    EXPECT_EQ(75 + 50 + 116, header.GetItemAt(2)->GetPos().right - header.GetItemAt(0)->GetPos().left);
    ExpectContiguous(*list, true);
    EXPECT_EQ(38, list->GetItemAt(0)->GetPos().bottom - list->GetItemAt(0)->GetPos().top) << "25 x 1.5, rounded";

    const int normalHeight = normal.manager().GetFontInfo(0)->textMetrics.tmHeight;
    const int scaledHeight = scaled.manager().GetFontInfo(0)->textMetrics.tmHeight;
    EXPECT_NEAR(normalHeight * 1.5, scaledHeight, 1.0);

    // A press at a scaled point lands on the scaled control.
    scaled.Click(CentreOf(PosOf(scaled, L"two")));
    ASSERT_FALSE(scaled.log.seen.empty());
    EXPECT_EQ(L"click", scaled.log.seen.back().type);
    EXPECT_EQ(scaled.manager().FindControlByName(L"two"), scaled.log.seen.back().sender);
}

TEST(DpiScaling, AWindowMovedTo144DpiLaysItselfOutAgain) {
    SkinnedTree tree(kSkin);
    const RECT before = PosOf(tree, L"two");
    RECT window;
    ::GetWindowRect(tree.Window(), &window);
    tree.Send(0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&window));
    EXPECT_EQ(144, tree.manager().GetDpi());
    RECT dirty = tree.windowed.window.TakeInvalidated();
    EXPECT_FALSE(::IsRectEmpty(&dirty)) << "the window is repainted";
    tree.Settle();
    EXPECT_EQ(TimesOneAndAHalf(before), PosOf(tree, L"two"));
}

TEST(DpiScaling, ImagesScaleTheirCornersAndPreferADoubleSizeVariant) {
    TempFolder folder;
    const std::wstring red = WriteFramedPng(folder, L"frame.png", 12, 255, 0);
    const std::wstring skin = L"<Window><VerticalLayout><Control width=\"40\" height=\"40\" bkimage=\"file='" + red +
                              L"' corner='2,2,2,2'\"/></VerticalLayout></Window>";
    const auto frameWidth = [&](int dpi, DWORD frameColor) {
        SkinnedTree tree(skin.c_str(), dpi);
        PaintCanvas canvas(100, 100, 0xFFFFFF);
        tree.root->Paint(canvas.Dc(), canvas.Rect(), nullptr);
        int width = 0;
        while (width < 50 && PixelNear(canvas.Rgb(width, 30), frameColor, 64)) {
            ++width;
        }
        EXPECT_TRUE(PixelNear(canvas.Rgb(30, 30), 0x0000FF, 40)) << "the middle at " << dpi;
        return width;
    };
    EXPECT_EQ(2, frameWidth(96, 0xFF0000));
    EXPECT_EQ(3, frameWidth(144, 0xFF0000));
    // A green frame.png@2x of twice the size replaces the red one above 96 DPI.
    WriteFramedPng(folder, L"frame@2x.png", 24, 0, 255);
    EXPECT_EQ(2, frameWidth(96, 0xFF0000));
    EXPECT_EQ(3, frameWidth(144, 0x00FF00));
}

TEST(DpiScaling, DoubleSizeNamesPutTheMarkBeforeTheExtension) {
    const std::pair<LPCWSTR, LPCWSTR> cases[] = {
        {L"button.png", L"button@2x.png"},
        {L"110", L"110@2x"},
        {L"skin.v2\\frame", L"skin.v2\\frame@2x"},
        {L"a/b.c.png", L"a/b.c@2x.png"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_STREQ(expected, DoubleSizeName(name).GetData()) << name;
    }
}
