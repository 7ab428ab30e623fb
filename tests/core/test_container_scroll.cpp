#include <gtest/gtest.h>

#include <vector>

#include "ui/controls/UIScrollBar.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/control/UIVerticalLayout.h"
#include "ui_test_window.h"

using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::CScrollBarUI;
using SkinUI::CVerticalLayoutUI;
using SkinUI::UIEvent;

namespace {

CControlUI* FixedChild(int width, int height) {
    auto* child = new CControlUI;
    child->SetFixedWidth(width);
    child->SetFixedHeight(height);
    return child;
}

UIEvent KeyDown(WCHAR key) {
    UIEvent event;
    event.type = SkinUI::UIEVENT_KEYDOWN;
    event.key = key;
    return event;
}

UIEvent Wheel(bool down, POINT at = POINT{10, 10}) {
    UIEvent event;
    event.type = SkinUI::UIEVENT_SCROLLWHEEL;
    event.wParam = down ? 1 : 0;
    event.mouse = at;
    return event;
}

// A vertical list 200 x 100 with two rows of 80.
class VerticalScrolling : public ::testing::Test {
protected:
    void SetUp() override {
        layout.EnableScrollBar(true, false);
        first = FixedChild(0, 80);
        second = FixedChild(0, 80);
        layout.Add(first);
        layout.Add(second);
        layout.SetPos(RECT{0, 0, 200, 100}, false);
    }
    CScrollBarUI* Bar() { return layout.GetVerticalScrollBar(); }

    CVerticalLayoutUI layout;
    CControlUI* first = nullptr;
    CControlUI* second = nullptr;
};

TEST_F(VerticalScrolling, ContentTallerThanTheAreaShowsTheBarBesideIt) {
    ASSERT_TRUE(Bar()->IsVisible());
    EXPECT_EQ(Bar()->GetScrollRange(), 60);
    EXPECT_EQ(Bar()->GetScrollPos(), 0);
    EXPECT_EQ(Bar()->GetPos(), (RECT{184, 0, 200, 100}));
    EXPECT_EQ(layout.GetClientPos(), (RECT{0, 0, 184, 100}));
    EXPECT_EQ(first->GetPos(), (RECT{0, 0, 184, 80}));
    EXPECT_EQ(second->GetPos(), (RECT{0, 80, 184, 160}));
    EXPECT_EQ(layout.GetScrollRange().cy, 60);
    EXPECT_EQ(layout.GetScrollRange().cx, 0);
}

TEST_F(VerticalScrolling, ScrollingMovesTheChildrenButNotFloatOnes) {
    auto* floating = new CControlUI;
    floating->SetAttribute(L"float", L"true");
    floating->SetAttribute(L"pos", L"0,0,10,10");
    layout.Add(floating);
    layout.SetPos(RECT{0, 0, 200, 100}, false);

    layout.SetScrollPos(SIZE{0, 30});
    EXPECT_EQ(layout.GetScrollPos().cy, 30);
    EXPECT_EQ(first->GetPos(), (RECT{0, -30, 184, 50}));
    EXPECT_EQ(floating->GetPos(), (RECT{0, 0, 10, 10}));

    // A new layout keeps the offset.
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    EXPECT_EQ(second->GetPos(), (RECT{0, 50, 184, 130}));

    layout.SetScrollPos(SIZE{0, 500});  // limited to the range
    EXPECT_EQ(layout.GetScrollPos().cy, 60);
    EXPECT_EQ(first->GetPos(), (RECT{0, -60, 184, 20}));
}

TEST_F(VerticalScrolling, ContentThatFitsAgainHidesTheBarAndResetsIt) {
    layout.SetScrollPos(SIZE{0, 40});
    second->SetFixedHeight(10);
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    EXPECT_FALSE(Bar()->IsVisible());
    EXPECT_EQ(Bar()->GetScrollPos(), 0);
    EXPECT_EQ(Bar()->GetScrollRange(), 0);
    EXPECT_EQ(first->GetPos(), (RECT{0, 0, 200, 80}));

    layout.RemoveAll();
    second = FixedChild(0, 300);
    layout.Add(second);
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    EXPECT_TRUE(Bar()->IsVisible());
    layout.RemoveAll();  // no children at all: nothing needed
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    EXPECT_FALSE(Bar()->IsVisible());
}

TEST_F(VerticalScrolling, ShrinkingContentLowersTheRangeAndThePosition) {
    layout.SetScrollPos(SIZE{0, 60});
    second->SetFixedHeight(50);
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    EXPECT_TRUE(Bar()->IsVisible());
    EXPECT_EQ(Bar()->GetScrollRange(), 30);
    EXPECT_EQ(Bar()->GetScrollPos(), 30);
    EXPECT_EQ(first->GetPos(), (RECT{0, -30, 184, 50}));
}

struct KeyCase {
    WCHAR key;
    int startPos;
    int expectedPos;
};

class VerticalScrollKeys : public VerticalScrolling, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(VerticalScrollKeys, KeysScrollByLinePageAndToTheEnds) {
    const KeyCase& c = GetParam();
    layout.SetScrollPos(SIZE{0, c.startPos});
    UIEvent event = KeyDown(c.key);
    layout.Event(event);
    EXPECT_EQ(layout.GetScrollPos().cy, c.expectedPos);
}

INSTANTIATE_TEST_SUITE_P(ContainerScroll, VerticalScrollKeys,
                         ::testing::Values(KeyCase{VK_DOWN, 0, 8}, KeyCase{VK_UP, 20, 12}, KeyCase{VK_UP, 5, 0},
                                           KeyCase{VK_NEXT, 0, 60}, KeyCase{VK_PRIOR, 60, 0}, KeyCase{VK_END, 10, 60},
                                           KeyCase{VK_HOME, 50, 0}, KeyCase{VK_LEFT, 20, 20}));

TEST_F(VerticalScrolling, PagesAreTheVisibleHeightAndLinesTheBarsLineSize) {
    layout.GetVerticalScrollBar()->SetLineSize(25);
    layout.LineDown();
    EXPECT_EQ(layout.GetScrollPos().cy, 25);
    layout.SetInset(RECT{0, 45, 0, 40});  // page of 100 - 85 = 15
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    layout.HomeUp();
    layout.PageDown();
    EXPECT_EQ(layout.GetScrollPos().cy, 15);
    layout.GetVerticalScrollBar()->SetLineSize(1);  // too small: 8 plus the font height (no manager)
    layout.LineDown();
    EXPECT_EQ(layout.GetScrollPos().cy, 23);
}

TEST_F(VerticalScrolling, TheWheelScrollsByLines) {
    UIEvent down = Wheel(true);
    layout.Event(down);
    layout.Event(down);
    EXPECT_EQ(layout.GetScrollPos().cy, 16);
    UIEvent up = Wheel(false);
    layout.Event(up);
    EXPECT_EQ(layout.GetScrollPos().cy, 8);
}

TEST_F(VerticalScrolling, KeysNeedAKeyboardEnabledContainerAndAnEnabledBar) {
    layout.SetKeyboardEnabled(false);
    UIEvent event = KeyDown(VK_DOWN);
    layout.Event(event);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    layout.SetKeyboardEnabled(true);
    layout.GetVerticalScrollBar()->SetEnabled(false);
    layout.Event(event);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
}

TEST_F(VerticalScrolling, ScrollingToTheCurrentPositionRepaintsNothing) {
    WindowedManager windowed;
    auto* root = new CVerticalLayoutUI;
    root->EnableScrollBar(true, false);
    root->Add(FixedChild(0, 500));
    windowed.manager.AttachRoot(root);
    root->SetPos(RECT{0, 0, 200, 100}, false);
    root->SetScrollPos(SIZE{0, 50});
    windowed.window.TakeInvalidated();
    root->SetScrollPos(SIZE{0, 50});
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 0, 0, 0}));
    root->SetScrollPos(SIZE{0, 60});
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 0, 200, 100}));
}

// Records the events its children hand up.
class RecordingParent : public CContainerUI {
public:
    void DoEvent(UIEvent& event) override { received.push_back(event.type); }
    std::vector<int> received;
};

TEST(ContainerScroll, AWheelOverAContainerWithoutBarsGoesToTheParent) {
    RecordingParent parent;
    auto* inner = new CContainerUI;
    parent.Add(inner);
    UIEvent event = Wheel(true);
    inner->Event(event);
    EXPECT_EQ(parent.received, (std::vector<int>{SkinUI::UIEVENT_SCROLLWHEEL}));

    inner->SetMouseEnabled(false);  // mouse events pass straight up
    UIEvent move;
    move.type = SkinUI::UIEVENT_MOUSEMOVE;
    inner->Event(move);
    EXPECT_EQ(parent.received.size(), 2u);
}

// A vertical list 200 x 100 with both bars and rows 300 wide.
class BothBars : public ::testing::Test {
protected:
    void SetUp() override {
        layout.EnableScrollBar(true, true);
        layout.Add(FixedChild(300, 80));
        layout.Add(FixedChild(300, 80));
        layout.SetPos(RECT{0, 0, 200, 100}, false);
    }
    CVerticalLayoutUI layout;
};

TEST_F(BothBars, EachBarTakesItsRoomFromTheOther) {
    CScrollBarUI* vertical = layout.GetVerticalScrollBar();
    CScrollBarUI* horizontal = layout.GetHorizontalScrollBar();
    ASSERT_TRUE(vertical->IsVisible());
    ASSERT_TRUE(horizontal->IsVisible());
    EXPECT_EQ(horizontal->GetScrollRange(), 116);
    EXPECT_EQ(vertical->GetScrollRange(), 76);
    EXPECT_EQ(horizontal->GetPos(), (RECT{0, 84, 184, 100}));
    EXPECT_EQ(vertical->GetPos(), (RECT{184, 0, 200, 84}));
    EXPECT_EQ(layout.GetItemAt(1)->GetPos(), (RECT{0, 80, 300, 160}));
}

TEST_F(BothBars, TheWheelOverTheHorizontalBarScrollsSideways) {
    UIEvent overBar = Wheel(true, POINT{50, 90});
    layout.Event(overBar);
    EXPECT_EQ(layout.GetScrollPos().cx, 8);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    UIEvent elsewhere = Wheel(true, POINT{50, 50});
    layout.Event(elsewhere);
    EXPECT_EQ(layout.GetScrollPos().cy, 8);
    EXPECT_EQ(layout.GetItemAt(0)->GetPos(), (RECT{-8, -8, 292, 72}));

    UIEvent page = KeyDown(VK_NEXT);  // the vertical bar has the keys
    layout.Event(page);
    EXPECT_EQ(layout.GetScrollPos().cy, 76);
    layout.PageRight();  // 200 less the vertical bar
    EXPECT_EQ(layout.GetScrollPos().cx, 116);
}

TEST_F(BothBars, NarrowContentHidesTheHorizontalBarAndRelaysOut) {
    layout.SetScrollPos(SIZE{50, 0});
    layout.GetItemAt(0)->SetFixedWidth(100);
    layout.GetItemAt(1)->SetFixedWidth(100);
    layout.SetPos(RECT{0, 0, 200, 100}, false);
    EXPECT_FALSE(layout.GetHorizontalScrollBar()->IsVisible());
    EXPECT_TRUE(layout.GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(layout.GetVerticalScrollBar()->GetScrollRange(), 60);
    EXPECT_EQ(layout.GetItemAt(0)->GetPos(), (RECT{0, 0, 100, 80}));
}

TEST(ScrollBar, ThumbAndButtonsFollowRangeAndPosition) {
    CScrollBarUI bar;
    bar.SetPos(RECT{0, 0, 16, 100}, false);
    EXPECT_EQ(bar.GetButton1Rect(), (RECT{0, 0, 16, 16}));
    EXPECT_EQ(bar.GetButton2Rect(), (RECT{0, 84, 16, 100}));
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 16, 16, 50}));  // 100 * 68 / 200 = 34
    bar.SetScrollPos(100, false);
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 50, 16, 84}));
    bar.SetScrollRange(0);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 16, 16, 84}));

    bar.SetPos(RECT{0, 0, 16, 40}, false);  // no room for a thumb
    EXPECT_EQ(bar.GetButton1Rect(), (RECT{0, 0, 16, 16}));
    EXPECT_EQ(bar.GetButton2Rect(), (RECT{0, 24, 16, 40}));
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 0, 0, 0}));
}

TEST(ScrollBar, ScrollUnitRoundsThePositionWithinTheRange) {
    CScrollBarUI bar;
    bar.SetScrollRange(95);
    bar.SetScrollUnit(10);
    bar.SetScrollPos(14, false);
    EXPECT_EQ(bar.GetScrollPos(), 10);
    bar.SetScrollPos(15, false);
    EXPECT_EQ(bar.GetScrollPos(), 20);
    bar.SetScrollPos(97, false);
    EXPECT_EQ(bar.GetScrollPos(), 95);
    bar.SetScrollPos(-5, false);
    EXPECT_EQ(bar.GetScrollPos(), 0);
}

TEST(ScrollBar, BecomingHorizontalSwapsTheThickness) {
    CScrollBarUI bar;
    EXPECT_EQ(bar.GetFixedWidth(), 16);
    bar.SetAttribute(L"hor", L"true");
    EXPECT_EQ(bar.GetFixedWidth(), 0);
    EXPECT_EQ(bar.GetFixedHeight(), 16);
    bar.SetPos(RECT{0, 0, 100, 16}, false);
    EXPECT_EQ(bar.GetButton2Rect(), (RECT{84, 0, 100, 16}));
    EXPECT_EQ(bar.GetThumbRect(), (RECT{16, 0, 50, 16}));
}

}  // namespace
