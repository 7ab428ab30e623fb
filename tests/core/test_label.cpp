// Labels: the size they ask for, the layout a new text brings, and the
// alignment words of skins.

#include <gtest/gtest.h>

#include "tests/core/ui_test_window.h"
#include "ui/controls/UIButton.h"
#include "ui/controls/UILabel.h"
#include "ui/core/control/UIHorizontalLayout.h"

using namespace SkinUI;

namespace {

// The manager's default font measured on a screen DC, as the label's window measures it.
struct DefaultFont {
    explicit DefaultFont(CUIManager& manager) : entry(*manager.GetFontInfo(-1)) {}
    SIZE Extent(LPCWSTR text) const {
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ previous = ::SelectObject(dc, entry.font);
        SIZE size = {0, 0};
        ::GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
        ::SelectObject(dc, previous);
        ::ReleaseDC(nullptr, dc);
        return size;
    }
    int Height() const { return entry.textMetrics.tmHeight; }
    const FontEntry& entry;
};

class LabelSize : public ::testing::Test {
protected:
    void SetUp() override { label.SetManager(&windowed.manager, nullptr, false); }

    WindowedManager windowed;
    const DefaultFont font{windowed.manager};
    CLabelUI label;
};

TEST_F(LabelSize, OneLineIsItsTextWidthAndTheFontHeightPlusPaddingAndEight) {
    label.SetAttributeList(L"text=\"已复制路径到剪贴板\" textpadding=\"3,4,5,6\"");
    const SIZE size = label.MeasureSize(SIZE{500, 500});
    EXPECT_EQ(size.cx, 3 + 5 + font.Extent(L"已复制路径到剪贴板").cx);
    EXPECT_EQ(size.cy, 4 + font.Height() + 6 + 8);
}

TEST_F(LabelSize, SeveralLinesFollowTheAvailableWidth) {
    label.SetAttributeList(L"multiline=\"true\" textpadding=\"2,1,2,3\" text=\"one two three four five six seven\"");
    const SIZE narrow = label.MeasureSize(SIZE{60, 500});
    const SIZE wide = label.MeasureSize(SIZE{1000, 500});
    EXPECT_EQ(narrow.cx, 60);
    EXPECT_EQ(wide.cx, 1000);
    EXPECT_EQ(wide.cy, 1 + 3 + font.Height());
    EXPECT_GT(narrow.cy, 1 + 3 + 2 * font.Height());
    EXPECT_EQ((narrow.cy - 1 - 3) % font.Height(), 0);
    EXPECT_EQ(label.MeasureSize(SIZE{2, 500}).cy, 1 + 3) << "no room between the paddings measures no text";
}

TEST(LabelSizeEarly, WithoutAWindowTheFixedSizeIsAskedForAndTheTextMeasuredLater) {
    CLabelUI label;
    label.SetText(L"Quillet");
    EXPECT_EQ(label.MeasureSize(SIZE{100, 100}).cy, 0) << "no manager";
    CUIManager windowless;
    label.SetManager(&windowless, nullptr, false);
    label.SetAttribute(L"width", L"30");
    const SIZE early = label.MeasureSize(SIZE{100, 100});
    EXPECT_EQ(early.cx, 30);
    EXPECT_EQ(early.cy, 0) << "a font without metrics must not be taken as 0 pixels high";

    WindowedManager windowed;
    label.SetManager(&windowed.manager, nullptr, false);
    EXPECT_EQ(label.MeasureSize(SIZE{100, 100}).cy, DefaultFont(windowed.manager).Height() + 8);
    label.SetAttribute(L"height", L"12");
    CUIManager* none = nullptr;
    label.SetManager(none, nullptr, false);
    EXPECT_EQ(label.MeasureSize(SIZE{100, 100}).cy, 12) << "fixed sizes never measure";
}

TEST(LabelLayout, ANewTextMovesWhatFollowsTheLabelWhileAButtonStaysPut) {
    WindowedManager windowed;
    auto* row = new CHorizontalLayoutUI;
    auto* label = new CLabelUI;
    auto* button = new CButtonUI;
    label->SetText(L"墨匣");
    button->SetText(L"OK");
    row->Add(label);
    row->Add(button);
    button->SetAttribute(L"height", L"20");
    windowed.manager.AttachRoot(row);
    const auto settle = [&] {
        ::RedrawWindow(windowed.window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    settle();
    const LONG narrow = label->GetPos().right;
    ASSERT_GT(narrow, 0);

    button->SetText(L"Cancel");
    EXPECT_FALSE(windowed.manager.IsUpdateNeeded()) << "a button's size does not follow its text";
    label->SetText(L"已复制路径到剪贴板");
    EXPECT_TRUE(windowed.manager.IsUpdateNeeded());
    settle();
    EXPECT_GT(label->GetPos().right, narrow + 40);
    EXPECT_EQ(button->GetPos().left, label->GetPos().right);

    label->SetAttribute(L"textpadding", L"30,0,0,0");
    settle();
    EXPECT_EQ(button->GetPos().left, label->GetPos().right);
    EXPECT_EQ(label->GetPos().right - label->GetPos().left,
              30 + DefaultFont(windowed.manager).Extent(L"已复制路径到剪贴板").cx);
}

TEST(LabelAttributes, AlignmentWordsLaterInTheirListWin) {
    const struct {
        LPCWSTR name;
        LPCWSTR value;
        UINT mask;
        UINT expected;
    } cases[] = {
        {L"align", L"left center", DT_CENTER | DT_RIGHT, DT_CENTER},
        {L"align", L"right left", DT_CENTER | DT_RIGHT, DT_RIGHT},
        {L"align", L"left", DT_CENTER | DT_RIGHT, 0},
        {L"valign", L"vcenter top", DT_VCENTER | DT_BOTTOM, DT_VCENTER},
        {L"valign", L"top", DT_VCENTER | DT_BOTTOM, 0},
        {L"valign", L"bottom", DT_VCENTER | DT_BOTTOM, DT_BOTTOM},
        {L"endellipsis", L"true", DT_END_ELLIPSIS, DT_END_ELLIPSIS},
        {L"multiline", L"true", DT_SINGLELINE | DT_WORDBREAK, DT_WORDBREAK},
        {L"multiline", L"yes", DT_SINGLELINE | DT_WORDBREAK, DT_SINGLELINE},
    };
    for (const auto& test : cases) {
        CLabelUI label;
        label.SetAttribute(test.name, test.value);
        EXPECT_EQ(label.GetTextStyle() & test.mask, test.expected) << test.name << "=" << test.value;
    }
    CLabelUI label;
    label.SetAttribute(L"multiline", L"true");
    label.SetAttribute(L"multiline", L"false");
    EXPECT_EQ(label.GetTextStyle() & (DT_SINGLELINE | DT_WORDBREAK), UINT(DT_SINGLELINE | DT_WORDBREAK))
        << "turning lines off keeps the word break";
}

}  // namespace
