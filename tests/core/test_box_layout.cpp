#include <gtest/gtest.h>

#include <vector>

#include "ui/controls/UIScrollBar.h"
#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/control/UIVerticalLayout.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/manager/UIManager.h"
#include "ui_test_window.h"

using SkinUI::CBoxLayoutUI;
using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::CHorizontalLayoutUI;
using SkinUI::CVerticalLayoutUI;
using SkinUI::UIEvent;

namespace {

// A child configured by attributes and where it must end up.
struct ChildCase {
    const wchar_t* attributes;
    RECT expected;
};

struct LayoutCase {
    const char* name;
    const wchar_t* layoutAttributes;
    RECT layoutRect;
    std::vector<ChildCase> children;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

void CheckLayout(CContainerUI& layout, const LayoutCase& c) {
    layout.SetAttributeList(c.layoutAttributes);
    for (const ChildCase& childCase : c.children) {
        auto* child = new CControlUI;
        child->SetAttributeList(childCase.attributes);
        layout.Add(child);
    }
    layout.SetPos(c.layoutRect, false);
    for (size_t i = 0; i < c.children.size(); ++i) {
        EXPECT_EQ(layout.GetItemAt(static_cast<int>(i))->GetPos(), c.children[i].expected) << "child " << i;
    }
}

class VerticalLayoutPlacement : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(VerticalLayoutPlacement, ChildrenGetTheirShareFromTopToBottom) {
    CVerticalLayoutUI layout;
    CheckLayout(layout, GetParam());
}

const RECT kBox = {0, 0, 200, 100};

INSTANTIATE_TEST_SUITE_P(
    BoxLayout, VerticalLayoutPlacement,
    ::testing::Values(
        LayoutCase{"FixedThenTwoAdjustable",
                   L"",
                   kBox,
                   {{L"height=\"20\"", {0, 0, 200, 20}}, {L"", {0, 20, 200, 60}}, {L"", {0, 60, 200, 100}}}},
        LayoutCase{"ChildPaddingIsSpentBetweenChildren",
                   L"childpadding=\"5\"",
                   kBox,
                   {{L"height=\"20\"", {0, 0, 200, 20}}, {L"", {0, 25, 200, 60}}, {L"", {0, 65, 200, 100}}}},
        LayoutCase{"TheLastAdjustableChildTakesTheRemainder",
                   L"",
                   kBox,
                   {{L"", {0, 0, 200, 33}}, {L"", {0, 33, 200, 66}}, {L"", {0, 66, 200, 100}}}},
        LayoutCase{"InsetShrinksTheArea",
                   L"inset=\"10,10,10,10\"",
                   kBox,
                   {{L"", {10, 10, 190, 36}}, {L"", {10, 36, 190, 62}}, {L"", {10, 62, 190, 90}}}},
        LayoutCase{"MaximumLimitsAnAdjustableChildAndTheRestGoesToTheLast",
                   L"",
                   kBox,
                   {{L"maxheight=\"30\"", {0, 0, 200, 30}}, {L"", {0, 30, 200, 100}}}},
        LayoutCase{"MinimumRaisesAnAdjustableChildAndTheLastGetsNothingLeft",
                   L"",
                   kBox,
                   {{L"minheight=\"80\"", {0, 0, 200, 80}}, {L"", {0, 80, 200, 113}}, {L"", {0, 113, 200, 113}}}},
        LayoutCase{"FixedSizesAreNotShrunkToFit",
                   L"",
                   kBox,
                   {{L"height=\"80\"", {0, 0, 200, 80}}, {L"height=\"80\"", {0, 80, 200, 160}}}},
        LayoutCase{"FixedSizeIsLimitedByTheChildsMaximum",
                   L"",
                   kBox,
                   {{L"height=\"80\" maxheight=\"50\"", {0, 0, 200, 50}}, {L"", {0, 50, 200, 100}}}},
        LayoutCase{"PaddingSurroundsTheChild",
                   L"",
                   kBox,
                   {{L"height=\"30\" padding=\"5,10,15,20\"", {5, 10, 185, 40}}, {L"", {0, 60, 200, 100}}}},
        LayoutCase{"WidthIsLimitedToTheRoomAndRaisedToTheMinimum",
                   L"",
                   kBox,
                   {{L"height=\"10\" width=\"300\"", {0, 0, 200, 10}},
                    {L"height=\"10\" minwidth=\"250\"", {0, 10, 250, 20}},
                    {L"height=\"10\" maxwidth=\"40\"", {0, 20, 40, 30}}}},
        LayoutCase{"RightAlignment", L"childalign=\"right\"", kBox, {{L"width=\"50\"", {150, 0, 200, 100}}}},
        LayoutCase{"RightAlignmentKeepsTheRightPadding",
                   L"childalign=\"right\"",
                   kBox,
                   {{L"width=\"50\" padding=\"7,0,10,0\"", {140, 0, 190, 100}}}},
        LayoutCase{"CentreAlignmentIgnoresPadding",
                   L"childalign=\"center\"",
                   kBox,
                   {{L"width=\"51\" padding=\"30,0,0,0\"", {75, 0, 126, 100}}}},
        LayoutCase{"FloatAndHiddenChildrenTakeNoShare",
                   L"",
                   kBox,
                   {{L"", {0, 0, 200, 50}},
                    {L"float=\"true\" pos=\"10,10,30,30\"", {10, 10, 30, 30}},
                    {L"visible=\"false\"", {0, 0, 0, 0}},
                    {L"", {0, 50, 200, 100}}}},
        LayoutCase{"FloatChildrenAreRelativeToTheLayout",
                   L"",
                   RECT{100, 100, 300, 200},
                   {{L"float=\"0.5,0,0.5,0\" pos=\"-10,5,10,15\"", {190, 105, 210, 115}}}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

class HorizontalLayoutPlacement : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(HorizontalLayoutPlacement, ChildrenGetTheirShareFromLeftToRight) {
    CHorizontalLayoutUI layout;
    CheckLayout(layout, GetParam());
}

const RECT kRow = {0, 0, 100, 60};

INSTANTIATE_TEST_SUITE_P(
    BoxLayout, HorizontalLayoutPlacement,
    ::testing::Values(
        LayoutCase{"FixedThenTwoAdjustable",
                   L"",
                   kRow,
                   {{L"width=\"20\"", {0, 0, 20, 60}}, {L"", {20, 0, 60, 60}}, {L"", {60, 0, 100, 60}}}},
        LayoutCase{"ThreeAdjustableWithPadding",
                   L"childpadding=\"2\"",
                   kRow,
                   {{L"", {0, 0, 32, 60}}, {L"", {34, 0, 66, 60}}, {L"", {68, 0, 100, 60}}}},
        LayoutCase{
            "MinimumAndMaximumWidths",
            L"",
            kRow,
            {{L"maxwidth=\"10\"", {0, 0, 10, 60}}, {L"minwidth=\"60\"", {10, 0, 70, 60}}, {L"", {70, 0, 100, 60}}}},
        LayoutCase{"BottomAlignment",
                   L"childvalign=\"bottom\"",
                   kRow,
                   {{L"width=\"10\" height=\"20\" padding=\"0,0,0,5\"", {0, 35, 10, 55}}}},
        LayoutCase{
            "CentreAlignment", L"childvalign=\"vcenter\"", kRow, {{L"width=\"10\" height=\"21\"", {0, 20, 10, 41}}}},
        LayoutCase{"TopPaddingAndHeightLimit",
                   L"",
                   kRow,
                   {{L"width=\"10\" padding=\"3,4,5,6\" maxheight=\"30\"", {3, 4, 13, 34}}, {L"", {18, 0, 100, 60}}}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(BoxLayout, NeededSizeCountsPaddingAndGapsOnce) {
    CVerticalLayoutUI layout;
    layout.EnableScrollBar(true, false);
    layout.SetChildPadding(10);
    for (int i = 0; i < 3; ++i) {
        auto* child = new CControlUI;
        child->SetAttributeList(L"height=\"30\" padding=\"0,5,0,5\"");
        layout.Add(child);
    }
    layout.SetPos(RECT{0, 0, 100, 100}, false);
    // 3 x (5 + 30 + 5) + 2 x 10 = 140 in a height of 100.
    EXPECT_TRUE(layout.GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(layout.GetScrollRange().cy, 40);
}

UIEvent MouseEvent(int type, int x, int y) {
    UIEvent event;
    event.type = type;
    event.mouse = POINT{x, y};
    return event;
}

// A column 200 x 300: a header 50 high, the resizable pane and a filler.
class SeparatorDrag : public ::testing::Test {
protected:
    void Build(const wchar_t* paneAttributes) {
        root = new CVerticalLayoutUI;
        root->Add(Fixed(50));
        pane = new CVerticalLayoutUI;
        pane->SetAttributeList(paneAttributes);
        root->Add(pane);
        filler = new CControlUI;
        root->Add(filler);
        windowed.manager.AttachRoot(root);
        root->SetPos(RECT{0, 0, 200, 300}, false);
    }
    static CControlUI* Fixed(int height) {
        auto* control = new CControlUI;
        control->SetFixedHeight(height);
        return control;
    }
    void Send(int type, int x, int y) {
        UIEvent event = MouseEvent(type, x, y);
        pane->Event(event);
    }
    void Relayout() { root->SetPos(RECT{0, 0, 200, 300}, false); }

    WindowedManager windowed;
    CVerticalLayoutUI* root = nullptr;
    CVerticalLayoutUI* pane = nullptr;
    CControlUI* filler = nullptr;
};

TEST_F(SeparatorDrag, TopHandleImmediateModeResizesWhileDragging) {
    Build(L"height=\"100\" sepheight=\"-4\" sepimm=\"true\"");
    EXPECT_EQ(pane->GetThumbRect(false), (RECT{0, 50, 200, 54}));
    EXPECT_EQ(pane->GetControlFlags(), static_cast<UINT>(SkinUI::UIFLAG_SETCURSOR));
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    ASSERT_TRUE(pane->IsSeparatorDragging());
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 62);
    EXPECT_EQ(pane->GetFixedHeight(), 90);
    EXPECT_EQ(pane->GetPos(), (RECT{0, 60, 200, 150}));
    EXPECT_TRUE(root->IsUpdateNeeded());
    Send(SkinUI::UIEVENT_BUTTONUP, 100, 62);
    EXPECT_FALSE(pane->IsSeparatorDragging());
    Relayout();
    EXPECT_EQ(pane->GetPos(), (RECT{0, 50, 200, 140}));
    EXPECT_EQ(filler->GetPos(), (RECT{0, 140, 200, 300}));
}

TEST_F(SeparatorDrag, SmallMovesKeepTheGrabbedPointUnderThePointer) {
    Build(L"height=\"100\" sepheight=\"-4\" sepimm=\"true\"");
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 51);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 50);
    EXPECT_EQ(pane->GetPos().top, 48);
    EXPECT_EQ(pane->GetFixedHeight(), 102);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 53);
    EXPECT_EQ(pane->GetPos().top, 51);
    Send(SkinUI::UIEVENT_BUTTONUP, 100, 53);
}

TEST_F(SeparatorDrag, BottomHandleFollowsThePointerBothWays) {
    Build(L"height=\"100\" sepheight=\"4\" sepimm=\"true\"");
    EXPECT_EQ(pane->GetThumbRect(false), (RECT{0, 146, 200, 150}));
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 148);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 149);
    EXPECT_EQ(pane->GetFixedHeight(), 101);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 139);
    EXPECT_EQ(pane->GetFixedHeight(), 91);
    Send(SkinUI::UIEVENT_BUTTONUP, 100, 139);
}

TEST_F(SeparatorDrag, LimitsStopTheEdge) {
    Build(L"height=\"100\" sepheight=\"-4\" sepimm=\"true\" minheight=\"95\" maxheight=\"104\"");
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 62);
    EXPECT_EQ(pane->GetFixedHeight(), 95);
    EXPECT_EQ(pane->GetPos().top, 55);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 63);  // already at the minimum
    EXPECT_EQ(pane->GetFixedHeight(), 95);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 40);
    EXPECT_EQ(pane->GetFixedHeight(), 104);
    EXPECT_EQ(pane->GetPos().top, 46);
    Send(SkinUI::UIEVENT_BUTTONUP, 100, 40);
}

TEST_F(SeparatorDrag, DeferredModePreviewsTheEdgeAndAppliesItOnRelease) {
    Build(L"height=\"100\" sepheight=\"-4\"");
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    EXPECT_EQ(windowed.manager.GetPostPaintCount(), 1);
    EXPECT_EQ(windowed.manager.GetPostPaint(0), pane);
    windowed.window.TakeInvalidated();
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 62);
    EXPECT_EQ(pane->GetPos(), (RECT{0, 50, 200, 150}));  // unchanged while dragging
    EXPECT_EQ(pane->GetFixedHeight(), 90);
    EXPECT_EQ(pane->GetThumbRect(true), (RECT{0, 60, 200, 64}));
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 50, 200, 64}));

    SkinUI::Render::CDibSurface surface(200, 300);
    ASSERT_TRUE(surface.IsValid());
    for (int i = 0; i < 200 * 300; ++i) {
        surface.GetPixels()[i] = 0xFFFFFFFF;
    }
    pane->DoPostPaint(surface.GetDC(), RECT{0, 0, 200, 300});
    ::GdiFlush();
    const DWORD band = surface.GetPixels()[61 * 200 + 100] & 0xFFFFFF;
    const DWORD outside = surface.GetPixels()[70 * 200 + 100] & 0xFFFFFF;
    EXPECT_NEAR(static_cast<int>(band & 0xFF), 0x55, 2);  // black at alpha 0xAA over white
    EXPECT_EQ(outside, 0xFFFFFFu);

    Send(SkinUI::UIEVENT_BUTTONUP, 100, 62);
    EXPECT_EQ(windowed.manager.GetPostPaintCount(), 0);
    EXPECT_EQ(pane->GetPos(), (RECT{0, 60, 200, 150}));
    Relayout();
    EXPECT_EQ(pane->GetPos(), (RECT{0, 50, 200, 140}));
}

TEST_F(SeparatorDrag, SwitchingToImmediateModeMidDragDropsThePreview) {
    Build(L"height=\"100\" sepheight=\"-4\"");
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    pane->SetSepImmMode(true);
    EXPECT_EQ(windowed.manager.GetPostPaintCount(), 0);
    Send(SkinUI::UIEVENT_MOUSEMOVE, 100, 57);
    EXPECT_EQ(pane->GetPos(), (RECT{0, 55, 200, 150}));
    Send(SkinUI::UIEVENT_BUTTONUP, 100, 57);
}

TEST_F(SeparatorDrag, PressesOutsideTheHandleOrOnADisabledLayoutDoNotDrag) {
    Build(L"height=\"100\" sepheight=\"-4\"");
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 60);
    EXPECT_FALSE(pane->IsSeparatorDragging());
    pane->SetEnabled(false);
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    EXPECT_FALSE(pane->IsSeparatorDragging());
    EXPECT_EQ(pane->GetControlFlags(), 0u);
}

TEST_F(SeparatorDrag, ALayoutDestroyedMidDragLeavesNoPreviewBehind) {
    Build(L"height=\"100\" sepheight=\"-4\"");
    Send(SkinUI::UIEVENT_BUTTONDOWN, 100, 52);
    root->SetDelayedDestroy(false);
    root->Remove(pane);
    EXPECT_EQ(windowed.manager.GetPostPaintCount(), 0);
}

TEST(HorizontalSeparator, RightHandleResizesTheWidth) {
    WindowedManager windowed;
    auto* row = new CHorizontalLayoutUI;
    auto* pane = new CHorizontalLayoutUI;
    pane->SetAttributeList(L"width=\"80\" sepwidth=\"5\" sepimm=\"true\"");
    row->Add(pane);
    row->Add(new CControlUI);
    windowed.manager.AttachRoot(row);
    row->SetPos(RECT{0, 0, 300, 50}, false);
    EXPECT_EQ(pane->GetThumbRect(false), (RECT{75, 0, 80, 50}));
    UIEvent down = MouseEvent(SkinUI::UIEVENT_BUTTONDOWN, 77, 10);
    pane->Event(down);
    UIEvent move = MouseEvent(SkinUI::UIEVENT_MOUSEMOVE, 97, 10);
    pane->Event(move);
    EXPECT_EQ(pane->GetFixedWidth(), 100);
    UIEvent up = MouseEvent(SkinUI::UIEVENT_BUTTONUP, 97, 10);
    pane->Event(up);
    row->SetPos(RECT{0, 0, 300, 50}, false);
    EXPECT_EQ(row->GetItemAt(1)->GetPos(), (RECT{100, 0, 300, 50}));
}

TEST(HorizontalSeparator, LeftHandleWiderThanTheLayoutStaysInsideIt) {
    CHorizontalLayoutUI pane;
    pane.SetSepWidth(-50);
    pane.SetPos(RECT{10, 0, 40, 20}, false);
    EXPECT_EQ(pane.GetThumbRect(false), (RECT{10, 0, 40, 20}));
}

}  // namespace
