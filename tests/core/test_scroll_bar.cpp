#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "paint_canvas.h"
#include "ui/controls/UIScrollBar.h"
#include "ui_test_window.h"

using namespace SkinUI;

namespace {

// A bar is horizontal when it is wider than high.
struct PartsCase {
    const char* what;
    RECT pos;
    int hiddenButton;  // 1 or 2; 0 shows both
    int range;
    int scrollPos;
    RECT button1;
    RECT button2;
    RECT thumb;
};

TEST(ScrollBarParts, FollowSizeButtonsRangeAndPosition) {
    const PartsCase cases[] = {
        {"no button 1", {0, 0, 16, 100}, 1, 100, 0, {0, 0, 0, 0}, {0, 84, 16, 100}, {0, 0, 16, 42}},
        {"horizontal, no button 2", {0, 0, 100, 16}, 2, 100, 50, {0, 0, 16, 16}, {100, 0, 100, 0}, {37, 0, 79, 16}},
        {"largest range", {0, 0, 16, 100}, 0, INT_MAX, INT_MAX, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 68, 16, 84}},
    };
    for (const PartsCase& test : cases) {
        SCOPED_TRACE(test.what);
        CScrollBarUI bar;
        bar.SetHorizontal(test.pos.right > test.pos.bottom);
        bar.SetShowButton1(test.hiddenButton != 1);
        bar.SetShowButton2(test.hiddenButton != 2);
        bar.SetScrollRange(test.range);
        bar.SetScrollPos(test.scrollPos, false);
        bar.SetPos(test.pos, false);
        EXPECT_EQ(test.button1, bar.GetButton1Rect());
        EXPECT_EQ(test.button2, bar.GetButton2Rect());
        EXPECT_EQ(test.thumb, bar.GetThumbRect());
    }
}

TEST(ScrollBarParts, LayingThemOutNeverMovesAFloatBarAndMovingTheBarMovesThem) {
    CContainerUI parent;
    parent.SetPos(RECT{100, 50, 300, 250}, false);
    auto* bar = new CScrollBarUI;
    parent.Add(bar);
    bar->SetFloat(true);
    bar->SetPos(RECT{10, 20, 26, 120}, false);
    bar->SetScrollRange(50);
    bar->SetScrollPos(50, false);
    bar->SetShowButton1(false);
    EXPECT_EQ((RECT{110, 70, 126, 170}), bar->GetPos());
    EXPECT_EQ((RECT{110, 154, 126, 170}), bar->GetButton2Rect());
    EXPECT_EQ(154, bar->GetThumbRect().bottom);
    parent.Move(SIZE{0, 10}, false);
    EXPECT_EQ(164, bar->GetThumbRect().bottom);
}

// A standalone vertical bar 16 x 100 of range 100 on a window; ticks of
// timer 10 are delivered by hand so that none comes by itself.
class ScrollBarInput : public ::testing::Test, public INotifyUI {
protected:
    void SetUp() override {
        bar = new CScrollBarUI;
        root = AttachUnderRoot(windowed, bar);
        root->SetPos(RECT{0, 0, 16, 100}, false);
        windowed.manager.AddNotifier(this);
    }
    void TearDown() override { windowed.manager.RemoveNotifier(this); }
    void Notify(NotifyMsg& msg) override {
        if (msg.type == L"scroll") {
            scrolls.push_back({static_cast<int>(msg.wParam), static_cast<int>(msg.lParam)});
        }
    }

    void Send(UINT message, WPARAM wParam, int x, int y) {
        ::SendMessageW(windowed.window.Handle(), message, wParam, MAKELPARAM(x, y));
    }
    void Press(int y, int x = 8) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void MoveTo(int y, int x = 8) { Send(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
    void Release(int y, int x = 8) { Send(WM_LBUTTONUP, 0, x, y); }
    void Tick(int count = 1) {
        UIEvent tick;
        tick.type = UIEVENT_TIMER;
        tick.wParam = CScrollBarUI::kRepeatTimerId;
        while (count-- > 0) {
            bar->Event(tick);
        }
    }
    // Whether timer 10 of the bar runs, leaving it as it was.
    bool RepeatTimerRuns() {
        if (!windowed.manager.SetTimer(bar, CScrollBarUI::kRepeatTimerId, 600000)) {
            return true;
        }
        windowed.manager.KillTimer(bar, CScrollBarUI::kRepeatTimerId);
        return false;
    }
    void DeliverQueued() { ::SendMessageW(windowed.window.Handle(), WM_UI_ASYNC, 0, 0); }

    WindowedManager windowed;
    CContainerUI* root = nullptr;
    CScrollBarUI* bar = nullptr;
    std::vector<std::pair<int, int>> scrolls;  // (new, old)
};

TEST_F(ScrollBarInput, HeldButtonsAndTrackPressesRepeatFromTheSixthTick) {
    bar->SetScrollRange(1000);
    Press(95);  // button 2: one line at once
    Tick(5);
    EXPECT_EQ(8, bar->GetScrollPos());
    Tick(2);
    EXPECT_EQ(24, bar->GetScrollPos());
    Release(95);
    EXPECT_FALSE(RepeatTimerRuns());

    Press(60);  // the track below the thumb: a page is the bar's length
    EXPECT_EQ(124, bar->GetScrollPos());
    Tick(30);
    EXPECT_EQ(624, bar->GetScrollPos()) << "paging stops once the thumb lies under the pointer";
    Release(60);

    root->SetPos(RECT{0, 0, 16, 40}, false);  // no thumb: nothing between the buttons pages
    Press(20);
    EXPECT_EQ(624, bar->GetScrollPos());
    EXPECT_FALSE(RepeatTimerRuns());
}

TEST_F(ScrollBarInput, TheDraggedThumbMovesThePositionAtTheTickAndAtTheRelease) {
    Press(20);  // the thumb spans 16 .. 50; 34 pixels of movement cover the range
    MoveTo(37);
    EXPECT_EQ(0, bar->GetScrollPos());
    Tick();
    EXPECT_EQ(50, bar->GetScrollPos());
    MoveTo(-500);
    Tick();
    EXPECT_EQ(0, bar->GetScrollPos());
    MoveTo(54);
    Release(54);
    EXPECT_EQ(100, bar->GetScrollPos());

    bar->SetScrollRange(INT_MAX);  // a thumb of 16 at 16 .. 32, 52 pixels to move
    Press(20);
    MoveTo(72);
    Release(72);
    EXPECT_EQ(INT_MAX, bar->GetScrollPos()) << "no overflow on the way";
}

TEST_F(ScrollBarInput, PositionChangesBeforeDeliveryMakeOneScrollWithTheLatestValues) {
    bar->SetScrollPos(10, true);
    bar->SetScrollPos(30, true);
    bar->SetScrollPos(30, true);
    DeliverQueued();
    const std::vector<std::pair<int, int>> expected = {{30, 10}};
    EXPECT_EQ(expected, scrolls);
}

TEST_F(ScrollBarInput, EveryWayAPressCanEndStopsTheTimer) {
    HWND other = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* what;
        std::function<void()> end;
    } enders[] = {
        {"button-up after the bar stopped taking the mouse",
         [&] {
             bar->SetMouseEnabled(false);
             Release(95);
         }},
        {"disabling", [&] { bar->SetEnabled(false); }},
        {"hiding, which also gives up the focus",
         [&] {
             bar->SetVisible(false);
             EXPECT_EQ(nullptr, windowed.manager.GetFocus());
         }},
        {"another window taking the capture", [&] { ::SetCapture(other); }},
        {"the system cancelling the mode", [&] { Send(WM_CANCELMODE, 0, 0, 0); }},
    };
    for (const auto& ender : enders) {
        SCOPED_TRACE(ender.what);
        Press(95);
        ASSERT_TRUE(RepeatTimerRuns());
        ender.end();
        EXPECT_FALSE(RepeatTimerRuns());
        EXPECT_EQ(0u, bar->GetButton2State() & CScrollBarUI::kStatePushed);
        ::ReleaseCapture();
        Release(95);
        bar->SetMouseEnabled(true);
        bar->SetEnabled(true);
        bar->SetVisible(true);
    }
    ::DestroyWindow(other);

    windowed.manager.SetTimer(bar, CScrollBarUI::kRepeatTimerId, 600000);
    Tick();
    EXPECT_FALSE(RepeatTimerRuns()) << "a tick with nothing pressed stops the timer";
}

TEST_F(ScrollBarInput, EachPartDrawsTheImageOfItsStateAtItsOwnRectangle) {
    bar->SetAttribute(L"bknormalimage", L"color='#FF808080'");
    bar->SetAttribute(L"button1normalimage", L"color='#FFFF0000'");
    bar->SetAttribute(L"button2normalimage", L"color='#FF00FF00'");
    bar->SetAttribute(L"button2pushedimage", L"color='#FF0000FF'");
    bar->SetAttribute(L"thumbcolor", L"#FF00FFFF");
    bar->SetAttribute(L"railnormalimage", L"color='#FFFF00FF' dest='0,0,1,1'");
    PaintCanvas canvas(16, 100);
    const auto paint = [&] { bar->Paint(canvas.Dc(), canvas.Rect(), nullptr); };
    paint();
    EXPECT_EQ(0xFF0000u, canvas.Rgb(8, 8));
    EXPECT_EQ(0x00FF00u, canvas.Rgb(8, 92));
    EXPECT_EQ(0x00FFFFu, canvas.Rgb(8, 18)) << "the thumb spans 16 .. 50";
    EXPECT_EQ(0xFF00FFu, canvas.Rgb(8, 33)) << "the rail is centred on it, 25 .. 41";
    EXPECT_EQ(0x808080u, canvas.Rgb(8, 70));

    Press(95);
    paint();
    EXPECT_EQ(0x0000FFu, canvas.Rgb(8, 92));
    Release(95);
}

}  // namespace
